#pragma once

#include <QFile>

// A file that copies itself keeping time stamps and permissions, and a look-up of programs on the
// search path.
class AltQFile : public QFile
{
public:
    explicit AltQFile(QObject *parent);
    explicit AltQFile(const QString &name);
    AltQFile(const QString &name, QObject *parent);

    static bool exists(const QString &name);
    bool copy(const QString &newName);
};
