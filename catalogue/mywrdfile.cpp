#include "mywrdfile.h"

MyWrdFile::MyWrdFile(const QString &name, MyUnit *parent)
    : MyFile(name, parent)
{
}
