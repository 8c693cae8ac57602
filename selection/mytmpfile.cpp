#include "mytmpfile.h"

MyTmpFile::MyTmpFile(const QString &name, MyUnit *parent)
    : MyFile(name, parent)
{
}
