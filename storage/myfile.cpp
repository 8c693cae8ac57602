#include "myfile.h"

#include <QFile>
#include <QFileInfo>

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
