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

    // Copies the file to newName inside this process: the copy keeps the modification time and the
    // permissions, and its data and folder entry are on the disk when this returns true. An existing
    // newName is never replaced; a copy that fails part way is removed again.
    bool copy(const QString &newName);

    // Makes a file that was made read-only (a stored copy) writable for its owner, which some file systems
    // need before they delete it.
    static bool makeWritable(const QString &path);
    // Removes such a file: made writable, then removed. False when it is still there.
    static bool removeReadOnly(const QString &path);

    // Makes the entries of a folder (files created, renamed or removed in it) durable. False when the
    // folder cannot be opened or synced.
    static bool syncFolder(const QString &path);
};
