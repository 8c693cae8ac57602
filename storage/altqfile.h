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
    // The same copy without waiting for the disk: the data is handed to the disk (its write-back begun)
    // but neither it nor the folder entry is known to be there when this returns. Many copies made so are
    // then made durable together (syncData on each, syncFolder on their folders), which costs far less
    // than one wait per copy.
    bool copyUnsynced(const QString &newName);
    // Waits until the data of the file is on the disk. False when it cannot be opened or synced.
    static bool syncData(const QString &path);
    // Reads both files to their ends and tells whether they hold the same bytes: the check that a copy
    // came out as its source is.
    static bool sameContent(const QString &first, const QString &second);

    // Makes a file that was made read-only (a stored copy) writable for its owner, which some file systems
    // need before they delete it.
    static bool makeWritable(const QString &path);
    // Removes such a file: made writable, then removed. False when it is still there.
    static bool removeReadOnly(const QString &path);

    // Makes the entries of a folder (files created, renamed or removed in it) durable. False when the
    // folder cannot be opened or synced.
    static bool syncFolder(const QString &path);
};
