#pragma once

#include "myfolder.h"

// The folder of incoming files that the arrangement places into a box.
class MySrcFolder : public MyFolder
{
    Q_OBJECT

public:
    MySrcFolder(const QString &extractApp, const QString &name, MyUnit *parent);

    void setExtractApp(const QString &extractApp);

private:
    QString command;
};
