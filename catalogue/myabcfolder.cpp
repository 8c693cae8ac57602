#include "myabcfolder.h"

MyAbcFolder::MyAbcFolder(const QString &name, MyUnit *parent, Presence presence)
    : MyFolder(name, parent, presence)
{
}

QStringList MyAbcFolder::getUsedName() const
{
    QStringList names;
    for (const QObject *child : children())
        names.append(child->objectName());
    return names;
}
