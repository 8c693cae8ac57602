#include "myabcfolder.h"

MyAbcFolder::MyAbcFolder(const QString &name, MyUnit *parent)
    : MyFolder(name, parent)
{
}

QStringList MyAbcFolder::getUsedName() const
{
    QStringList names;
    for (const QObject *child : children())
        names.append(child->objectName());
    return names;
}
