#pragma once

#include <QStringList>

#include "myfolder.h"

// One of the two levels of two-letter folders of a box; the second level holds an abc file.
class MyAbcFolder : public MyFolder
{
public:
    MyAbcFolder(const QString &name, MyUnit *parent, Presence presence = CheckDisk);

    // Object names of the children in child order: the names already taken at the next level.
    QStringList getUsedName() const;
};
