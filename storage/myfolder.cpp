#include "myfolder.h"

#include <QDir>
#include <QFileInfo>

MyFolder::MyFolder(const QString &name, MyUnit *parent, Presence presence)
    : MyUnit(name, parent)
{
    setType(QStringLiteral("Directory"));
    setInitOk(parent ? presence == SeenOnDisk || create() : false);
}

bool MyFolder::create()
{
    const QFileInfo info(path() + name());
    if (info.exists())
        return !info.isFile();
    return QDir(path()).mkdir(name());
}
