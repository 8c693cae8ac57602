#include "basefolder.h"

#include <QDir>

BaseFolder::BaseFolder(const QString &parentPath, const QString &name)
    : MyFolder(name, nullptr)
{
    QString dir = parentPath.trimmed();
    if (!dir.endsWith(QDir::separator()))
        dir += QDir::separator();
    setPath(dir);
    setInitOk(create());
}
