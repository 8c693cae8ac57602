#include "appendfile.h"

AppendFile::AppendFile(const QString &path)
    : m_file(path)
{
}

bool AppendFile::open()
{
    bool needLineEnd = false;
    {
        QFile existing(m_file.fileName());
        if (existing.size() > 0 && existing.open(QIODevice::ReadOnly) && existing.seek(existing.size() - 1))
            needLineEnd = existing.read(1) != "\n";
    }
    if (!m_file.open(QIODevice::Append | QIODevice::Text))
        return false;
    m_stream.setDevice(&m_file);
    m_stream.setCodec("UTF-8");
    if (needLineEnd)
        m_stream << '\n';
    return true;
}

bool AppendFile::close()
{
    if (!m_file.isOpen())
        return false;
    m_stream.flush();
    const bool written = m_stream.status() == QTextStream::Ok && m_file.error() == QFileDevice::NoError;
    m_file.close();
    return written && m_file.error() == QFileDevice::NoError;
}
