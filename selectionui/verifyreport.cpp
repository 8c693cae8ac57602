#include "verifyreport.h"

#include <QDir>
#include <QSaveFile>

#include "anybox.h"
#include "constants.h"

VerifyReport::VerifyReport(const QString &path)
    : m_path(path)
{
}

// A report not committed is dropped; the earlier file stays as it was.
VerifyReport::~VerifyReport()
{
    delete m_file;
}

QString VerifyReport::pathFor(AnyBox *box)
{
    MyUnit *folder = box ? box->unit(NAME_SLD_FOLDER) : nullptr;
    if (!folder)
        return QString();
    return folder->completeName() + QLatin1Char('/') + QStringLiteral("verify-") + box->objectName()
           + QStringLiteral(".txt");
}

void VerifyReport::add(const QString &line)
{
    if (m_committed)
        return;
    ++m_lines;
    if (!m_file && !m_failed) {
        m_file = new QSaveFile(m_path);
        m_failed = m_path.isEmpty() || !m_file->open(QIODevice::WriteOnly | QIODevice::Text);
        if (!m_failed) {
            m_stream.setDevice(m_file);
            m_stream.setCodec("UTF-8");
            m_stream.setGenerateByteOrderMark(false);
        }
    }
    if (!m_failed)
        m_stream << line << '\n';
}

std::function<void(const QString &)> VerifyReport::sink()
{
    return [this](const QString &line) { add(line); };
}

bool VerifyReport::commit()
{
    if (m_committed)
        return !m_failed;
    m_committed = true;
    if (!m_file)
        return !m_failed;
    if (m_failed) {
        m_file->cancelWriting();
        return false;
    }
    m_stream.flush();
    m_failed = m_stream.status() != QTextStream::Ok || !m_file->commit();
    return !m_failed;
}
