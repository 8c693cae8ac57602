#pragma once

#include "myunit.h"

// A unit that is one file; it is created empty when missing and never truncated when present.
class MyFile : public MyUnit
{
public:
    MyFile(const QString &name, MyUnit *parent);

    bool create();
};
