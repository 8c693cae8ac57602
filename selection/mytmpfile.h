#pragma once

#include "myfile.h"

// The stored search templates.
class MyTmpFile : public MyFile
{
public:
    MyTmpFile(const QString &name, MyUnit *parent);
};
