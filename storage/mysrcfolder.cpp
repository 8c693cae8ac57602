#include "mysrcfolder.h"

MySrcFolder::MySrcFolder(const QString &extractApp, const QString &name, MyUnit *parent)
    : MyFolder(name, parent)
{
    setExtractApp(extractApp);
}

void MySrcFolder::setExtractApp(const QString &extractApp)
{
    command = extractApp;
}
