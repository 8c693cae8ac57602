#pragma once

#include "myunit.h"

// A unit that is one directory; it is made (one level) when missing.
class MyFolder : public MyUnit
{
public:
    MyFolder(const QString &name, MyUnit *parent, Presence presence = CheckDisk);

    bool create();
};
