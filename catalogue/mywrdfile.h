#pragma once

#include "myfile.h"

// The keyword vocabulary shared by every box.
class MyWrdFile : public MyFile
{
public:
    MyWrdFile(const QString &name, MyUnit *parent);
};
