#pragma once

#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>

class AnyBox;
class MyLogFile;

// One backup of a verified box into the backup folder, which mirrors the base folder. Widget-free, so
// the frame, the tests and the benchmark run the same code; the frame follows it through the signals.
//
// Every file lands whole or not at all (see WholeFileCopy), with the modification time of its
// original, so a target with the same time and size is current and is left alone. The backup only
// reads the box: nothing in it is changed or removed.
class BackupRun : public QObject
{
    Q_OBJECT

public:
    enum State { NotRun = 0, Actual = 1, FolderNotCreated = 2, SubFolderNotCreated = 3, CopyFailed = 4 };

    // files: what the verification found worth keeping (see VerifyRun::backupList()).
    BackupRun(AnyBox *box, const QString &backupDir, const QStringList &files, QObject *parent = nullptr);

    // Box files whose backup copy is known to be wrong (see MirrorCheck): they are copied again even when
    // time and size agree.
    void setReplaced(const QStringList &files);
    // Path to checksum of the stored files, for the manifest; files missing here are hashed.
    void setDigests(const QHash<QString, QString> &digests) { m_digests = digests; }

    // The manifest every successful backup leaves in the backup's box folder, in md5sum's format.
    static QString manifestName();
    // One manifest line for a path relative to the box folder, names escaped as md5sum escapes them.
    static QString manifestLine(const QString &digest, const QString &relativePath);

    // The whole backup; runs once per object. Returns the final state.
    State run();

    State state() const { return m_state; }
    // The folder or file the backup stopped at; empty when it did not stop.
    QString failedPath() const { return m_failedPath; }
    int copiedCount() const { return m_copied; }
    int currentCount() const { return m_current; }
    // Where a file of the base folder lands in the backup.
    QString targetOf(const QString &path) const;

signals:
    void folderStageStarted();
    void folderShown(const QString &nativePath);
    void fileStageStarted(int maximum);
    void fileShown(const QString &nativePath, int position);

private:
    State stop(State state, const QString &path, const QString &line);
    bool insideBase(const QString &path) const;
    bool writeManifest(const QStringList &files);

    AnyBox *m_box;
    MyLogFile *m_log;
    QString m_basePath;
    QString m_backupDir;
    QStringList m_files;
    QSet<QString> m_replaced;
    QHash<QString, QString> m_digests;
    State m_state = NotRun;
    QString m_failedPath;
    int m_copied = 0;
    int m_current = 0;
};
