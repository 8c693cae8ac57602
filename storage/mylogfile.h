#pragma once

#include "myfile.h"

// The shared log, appended line by line in blocks framed by OPEN and CLOSE lines.
class MyLogFile : public MyFile
{
public:
    MyLogFile(const QString &name, MyUnit *parent);
};
