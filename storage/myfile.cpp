#include "myfile.h"

#include <QFile>
#include <QFileInfo>
#include <QTextStream>

MyFile::MyFile(const QString &name, MyUnit *parent)
    : MyUnit(name, parent)
{
    setType(QStringLiteral("File"));
    setInitOk(parent ? create() : false);
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
    while (!stream.atEnd())
        lines.append(stream.readLine());
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
