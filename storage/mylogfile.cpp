#include "mylogfile.h"

MyLogFile::MyLogFile(const QString &name, MyUnit *parent)
    : MyFile(name, parent)
{
}
