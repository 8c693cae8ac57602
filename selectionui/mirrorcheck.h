#pragma once

#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>

#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

#include "verifyrun.h"

class AnyBox;
class MyLogFile;
class QTimer;

// The check of the backup copy of one box against the catalogue, after the box's own scan. For every
// object the box copy, the backup copy and the entry's checksum vote: two of the three agreeing tell
// which copy is good. Shared files (abc, session, keyword and template files) are compared with their
// backup copies, and files in the backup's box folders that nothing accounts for are reported.
//
// Widget-free: the frame, the tests and the benchmark run the same code. The check only reads; it runs
// on another thread (start()) so the window answers and a frame that goes away stops it at once.
class MirrorCheck : public QObject
{
    Q_OBJECT

public:
    enum Verdict { Good, BackupStale, BoxDamaged, Unrecoverable };

    // An object whose box copy can be made good again from its backup copy.
    struct RepairItem
    {
        QString remark;
        QString checksum;
        QString boxPath;
        QString backupPath;
    };

    // run: a finished scan of the box; only plain values are taken from it.
    MirrorCheck(AnyBox *box, const VerifyRun &run, const QString &backupDir, QObject *parent = nullptr);
    ~MirrorCheck() override;

    // The number of files the pass reads: its progress goes from 0 to this. Known once the pass has
    // gathered them (0 before).
    int total() const { return m_total; }

    // The pass on another thread; progress() follows it and finished() ends it, both on this object's
    // thread. Runs once per object.
    void start();
    // The same pass on the calling thread, which serves its events meanwhile.
    void runHere();
    // Asks a running pass to end as soon as it can; it then reports nothing.
    void stop();
    bool isRunning() const { return m_running; }
    bool isDone() const { return m_done; }

    // After the pass.
    bool passed() const { return m_done && !m_failed && m_findings.empty(); }
    // The backup folder could not be read at the end of the pass.
    bool failed() const { return m_failed; }
    // The HTML report in the form of the box's checks.
    QString report() const { return m_report; }
    int findingCount() const { return int(m_findings.size()); }
    int count(Verdict verdict) const;
    QList<RepairItem> repairable() const { return m_repairable; }
    // Box files whose backup copy the next backup replaces, whatever its time and size say.
    QStringList staleBackupCopies() const { return m_stale; }

signals:
    void progress(int done);
    void finished();

private:
    // What the pass found of one object, shared file or stray, in the order the report lists them.
    enum Kind : quint8 {
        NoFinding,
        FolderUnreadable,
        BackupMissing,
        BackupUnreadable,
        BackupWrong,
        BoxRepairable,
        BoxRestorable,
        CopiesAgree,
        BothWrong,
        SharedMissing,
        SharedDiffers,
        Stray,
        KindCount
    };
    // A finding is its kind and the index of what it is about; its key, message and paths are made only
    // for the rows shown and the lines logged, so a million of them take a few megabytes.
    struct Finding
    {
        int index;
        Kind kind;
    };
    // One shared file read by the pass and what came of it.
    struct Hashed
    {
        QString path;
        QString digest;
        bool exists = false;
    };

    QString backupOf(const QString &path) const;
    QString boxPathOf(int object) const;
    void prepare();
    void work(bool here);
    Kind judge(int object, const std::atomic<bool> &stop) const;
    bool accounted(const QString &backupPath);
    void poll();
    void finish();
    void evaluate();
    void writeLog();
    QString keyOf(const Finding &finding) const;
    QStringList pathsOf(const Finding &finding) const;
    static QString digestOf(const QString &path, const std::atomic<bool> &stop, bool &exists);

    MyLogFile *m_log;
    QString m_boxName;
    QString m_basePath;
    QString m_backupDir;
    QString m_backupBox;
    QStringList m_backupList;
    // The objects point into the snapshot, which is kept (shared with the scan) as long as they are.
    VerifyRun::Snapshot m_snapshot;
    std::vector<VerifyRun::StoredRef> m_objects;
    QStringList m_folders;
    // Box and backup path of each shared file.
    QList<QPair<QString, QString>> m_shared;
    // The hash of every backup path the catalogue accounts for with the object (or, past the objects,
    // the backup list's path) it belongs to, sorted; made only when the backup has files to compare.
    std::vector<std::pair<uint, int>> m_accounted;
    bool m_accountedMade = false;
    std::atomic<int> m_total{0};
    QString m_boxPath;

    // Written by the pass only; read after it.
    std::vector<Kind> m_outcomes;
    std::vector<Hashed> m_hashed;
    QStringList m_strays;
    bool m_backupReadable = false;

    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    // What the pass's thread tells this one, read by a timer here: nothing but counts cross, under the
    // mutex, and the results are read only after the thread has been joined.
    std::mutex m_mutex;
    int m_progressed = 0;
    bool m_workDone = false;
    int m_shownProgress = 0;
    QTimer *m_poll;
    bool m_running = false;
    bool m_done = false;
    bool m_failed = false;
    std::vector<Finding> m_findings;
    int m_counts[4] = {0, 0, 0, 0};
    // The message of each kind, translated once.
    QStringList m_messages;
    QList<RepairItem> m_repairable;
    QStringList m_stale;
    QString m_report;
};
