#include "myfile.h"

#include <QFile>
#include <QFileInfo>
#include <QTextStream>

MyFile::MyFile(const QString &name, MyUnit *parent, Presence presence)
    : MyUnit(name, parent)
{
    setType(QStringLiteral("File"));
    setInitOk(parent ? presence == SeenOnDisk || create() : false);
}

bool MyFile::create()
{
    const QFileInfo info(completeName());
    if (info.exists() || info.isSymLink())
        return info.isFile();
    // Append mode creates the file without ever truncating one that appeared meanwhile.
    QFile file(completeName());
    if (!file.open(QIODevice::Append | QIODevice::Text))
        return false;
    file.close();
    return true;
}

bool MyFile::readLines(QStringList &lines) const
{
    lines.clear();
    if (!initOk())
        return false;
    QFile file(completeName());
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    QTextStream stream(&file);
    stream.setCodec("UTF-8");
    // Always UTF-8: a stream left to guess would take a file that begins with a UTF-16 byte-order mark
    // for UTF-16, and the UTF-8 lines appended to it later would never read back.
    stream.setAutoDetectUnicode(false);
    while (!stream.atEnd())
        lines.append(stream.readLine());
    // A UTF-8 byte-order mark (from an editor) is not part of the first line.
    if (!lines.isEmpty() && lines.first().startsWith(QChar(QChar::ByteOrderMark)))
        lines.first().remove(0, 1);
    return true;
}

// True when the file has content whose last byte is not a line feed.
static bool lacksFinalLineEnd(const QString &fileName)
{
    QFile existing(fileName);
    if (existing.size() == 0 || !existing.open(QIODevice::ReadOnly) || !existing.seek(existing.size() - 1))
        return false;
    return existing.read(1) != "\n";
}

bool MyFile::appendText(const QString &text)
{
    if (!initOk())
        return false;
    const bool needLineEnd = lacksFinalLineEnd(completeName());
    QFile file(completeName());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
        return false;
    QTextStream stream(&file);
    stream.setCodec("UTF-8");
    stream.setGenerateByteOrderMark(false);
    if (needLineEnd)
        stream << '\n';
    stream << text;
    stream.flush();
    const bool written = stream.status() == QTextStream::Ok && file.error() == QFileDevice::NoError;
    file.close();
    return written && file.error() == QFileDevice::NoError;
}
