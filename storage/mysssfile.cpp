#include "mysssfile.h"

MySssFile::MySssFile(const QString &name, MyUnit *parent)
    : MyFile(name, parent)
{
}
