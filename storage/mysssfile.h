#pragma once

#include "myfile.h"

// The session file: one line per arrangement run that added objects.
class MySssFile : public MyFile
{
public:
    MySssFile(const QString &name, MyUnit *parent);
};
