#pragma once

#include <QHash>
#include <QMap>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

#include "datecache.h"
#include "entry.h"
#include "remarkentries.h"

class AnyBox;
class MyAbcFile;
class MyUnit;

// The verification of one box: a scan of the session file, the keyword file, every abc file and every
// stored file, then four checks with an HTML report each. Widget-free, so the frame, the tests and the
// benchmark run the same code; the frame follows the scan through the signals.
//
// The scan only reads: nothing in the box or in the shared files is changed.
class VerifyRun : public QObject
{
    Q_OBJECT

public:
    // One object of the catalogue with its box copy: the entry's checksum and the digest the scan found
    // (empty when the box copy is missing or unreadable).
    struct StoredObject
    {
        QString remark;
        QString checksum;
        QString path;
        QString digest;
        bool present = false;
    };

    // The findings of one check as the frame shows them: the first limit rows in full, the others only
    // counted there and handed to the sink (a report file), one line each.
    class Cap
    {
    public:
        explicit Cap(int limit, const std::function<void(const QString &)> &sink = {})
            : m_limit(limit)
            , m_sink(sink)
        {
        }
        int hidden() const { return m_hidden; }
        bool full() const { return m_shown >= m_limit; }
        // True when the row is to be shown; otherwise it is counted and handed on.
        bool take(const QString &line);
        // Text handed on before the rows of a file, when any of them are.
        void setHeading(const QString &heading) { m_heading = heading; }

    private:
        int m_limit;
        int m_shown = 0;
        int m_hidden = 0;
        std::function<void(const QString &)> m_sink;
        QString m_heading;
    };

    explicit VerifyRun(AnyBox *box, QObject *parent = nullptr);
    ~VerifyRun() override;

    // Files in the box's two levels of two-letter folders (abc files included): the scan's length.
    int totalFilesInBox() const;

    // The whole scan; runs once per object.
    void scan();

    // Each true when nothing is wrong; report receives the check's HTML block.
    bool sssOk(const QString &path, QString &report) const;
    bool wrdOk(const QString &path, QString &report) const;
    bool abcOk(const QString &path, QString &report) const;
    bool fileOk(QString &report) const;
    // The same checks with their rows capped; cap counts what is left out.
    bool sssOk(const QString &path, QString &report, Cap *cap) const;
    bool wrdOk(const QString &path, QString &report, Cap *cap) const;
    bool abcOk(const QString &path, QString &report, Cap *cap) const;
    bool fileOk(QString &report, Cap *cap) const;
    // The number of entries read from the abc files.
    int entryCount() const { return m_entryCount; }

    QString sssPath() const { return m_sssPath; }
    QString wrdPath() const { return m_wrdPath; }
    // The abc files read, in path order.
    QStringList abcPaths() const { return m_abcEntries.keys(); }
    // What a backup copies: the template, keyword and session files, the abc files and the stored files
    // their entries account for.
    QStringList backupList() const { return m_backupList; }
    QStringList oddFiles() const { return m_oddPaths; }
    // Every entry that lies in its own folder and is the only one of its remark, with its box copy; a
    // missing copy gets the name the entry's original file name gives it. In remark order.
    QList<StoredObject> storedObjects() const;
    // What storedObjects() is made from, as shared copies another thread may read while this object
    // goes on.
    struct Snapshot
    {
        QMap<QString, RemarkEntries> entries;
        QSet<QString> multipleUse;
        QHash<QString, QList<QPair<QString, QString>>> storedFiles;
        int entryCount = 0;
    };
    Snapshot snapshot() const;
    static QList<StoredObject> storedObjects(const Snapshot &snapshot);
    // A stored object as pointers into the snapshot it was taken from, which must outlive it and stay
    // unchanged: a few bytes each where a million objects are held at once.
    struct StoredRef
    {
        const Entry *entry = nullptr;
        // The box copy's path and digest; null when it is missing.
        const QPair<QString, QString> *stored = nullptr;
        // The remark as its number (RemarkEntries::remarkOf gives its text).
        quint32 remark = 0;
        // Index of the entry's folder in the folders storedRefs() fills.
        int folder = 0;
    };
    // The same objects as storedObjects(), in the same order; folders receives the folder of each abc file.
    static std::vector<StoredRef> storedRefs(const Snapshot &snapshot, QStringList &folders);
    static StoredObject storedObject(const StoredRef &ref, const QStringList &folders);
    // Path to digest for the stored files that agree with their entries.
    QHash<QString, QString> goodDigests() const { return m_goodDigests; }
    QString boxPath() const { return m_boxPath; }

signals:
    void folderScanned();
    void fileScanned(int count);

private:
    // A stored file that no entry accounts for, or whose checksum disagrees with its entry.
    struct OddFile
    {
        QString remark;
        QString path;
    };

    QList<QString> twoLetterFolders(const QString &path) const;
    void readWrd();
    void readSss();
    void readAbc(const QString &path, const QString &rema);
    bool isSubFile(const QString &fileName) const;
    void scanStoredFile(const QString &abcPath, const QString &folderPath, const QString &rema,
                        const QString &fileName, const QString &digest);
    QString entryFindings(const QString &boxPath, const QString &folderA, const QString &folderB,
                          const Entry &entry) const;
    static QStringList readLines(const QString &path);
    static QStringList filesOf(const QString &folder);
    static QString passBlock(const QString &name);
    static QString statusOk();
    static QString statusCaution();
    static QString finding(const QString &message);

    AnyBox *m_box;
    QString m_boxPath;
    QString m_sssPath;
    QString m_wrdPath;
    QString m_tmpPath;
    bool m_scanned = false;

    QSet<unsigned> m_sessions;
    QSet<unsigned> m_duplicateSessions;
    QSet<QString> m_absentSessions;
    QSet<QString> m_keys;
    QStringList m_duplicateKeys;
    // Per abc file path: remark to entry, and the remarks met more than once there.
    QMap<QString, RemarkEntries> m_abcEntries;
    QSet<QString> m_multipleUse;
    // Remark to the checksums of its stored files that agree with an entry.
    QHash<QString, QStringList> m_goodFiles;
    QSet<QString> m_oddRemarks;
    QHash<QString, QString> m_goodDigests;
    // Remark to its stored files (sub files aside) with their digests.
    QHash<QString, QList<QPair<QString, QString>>> m_storedFiles;
    QList<OddFile> m_odd;
    QStringList m_oddPaths;
    QStringList m_backupList;
    int m_fileCount = 0;
    int m_entryCount = 0;
    // The box's catalogue files in memory, by their four letters.
    QHash<QString, const MyAbcFile *> m_loadedFiles;
    // The same date texts recur all over a box; each is read once.
    mutable DateCache m_dates;
};
