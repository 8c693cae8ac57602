#pragma once

#include "myfolder.h"

// The root of the unit tree: the base directory that holds the boxes and the shared files.
class BaseFolder : public MyFolder
{
public:
    BaseFolder(const QString &parentPath, const QString &name);

    void setFirstDir(const QString &text) { m_firstDir = text; }
    QString firstDir() const { return m_firstDir; }
    void setBackupDir(const QString &text) { m_backupDir = text; }
    QString backupDir() const { return m_backupDir; }
    void setBurnCDApp(const QString &text) { m_burnCDApp = text; }
    QString burnCDApp() const { return m_burnCDApp; }

private:
    QString m_firstDir;
    QString m_backupDir;
    QString m_burnCDApp;
};
