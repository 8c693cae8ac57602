#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QObject>
#include <QRandomGenerator>
#include <QSet>
#include <QStringList>

#include <memory>

#include "entry.h"
#include "foldernames.h"
#include "remark.h"

class AnyBox;
class ArrangementJournal;
class MyAbcFile;
class MyAbcFolder;
class MyLogFile;
class MySourceFile;
class MySrcFolder;
class MySssFile;

// One arrangement run: places the files waiting in the source folder into a box. Widget-free, so the
// frame and the benchmark run the same code; the frame follows the stages through the signals.
//
// The run's decisions are taken on the calling (GUI) thread in the same order as ever; what takes long
// (checksums, the extractor, copies and catalogue files synced to disk, sources removed, the log written)
// runs beside it on the work pool while the calling thread keeps serving its events, so the window
// repaints and answers. Results are the same whatever the pool's size. The copies go in batches, each
// announced in the journal by one synced record; they are synced to disk together, not one by one.
//
// A source file is deleted only after its copy's data, the stored abc file that holds its entry and the
// folder entries of both are on the disk. Should a store fail, the copies of that abc file are taken
// out of the box again and their sources stay, so every incoming file is either still waiting or in the
// box with its entry.
//
// Every place is written into the run's crash journal (ArrangementJournal) before its copy is made, and
// a journal left by a killed run is settled before anything new is placed.
class ArrangementRun : public QObject
{
    Q_OBJECT

public:
    static const int NAMES_COUNT = FolderNames::COUNT;
    // The journal of the run in progress, in the base folder; hidden, so no listing takes it for a unit.
    static const QString JOURNAL_NAME;
    // A batch of copies: as many files as make the journal's one sync per batch cheap, few enough bytes
    // that the window's progress moves and little is copied again after a kill.
    static const int BATCH_FILES = 64;
    static constexpr qint64 BATCH_BYTES = 256 * 1024 * 1024;

    // The box must sit in a unit tree that has the source folder, the session file and the log.
    explicit ArrangementRun(AnyBox *box, QObject *parent = nullptr);
    ~ArrangementRun() override;

    // What keeps a run from starting in this unit tree, the first found.
    enum Problem { NoProblem, NoBox, NoSourceFolder, NoSessionFile, NoLogFile, NoSessionNumberLeft };
    Problem problem() const;
    bool usable() const { return problem() == NoProblem; }
    QString sessionNumber() const;

    // One complete run; a run object runs once. False when it cannot run at all.
    bool run(const QString &annotation);

    int foundCount() const { return m_found; }
    int newCount() const { return m_newFiles.size(); }
    int duplicateCount() const { return m_found - m_newFiles.size(); }
    int addedCount() const { return m_added; }
    int editedCount() const { return m_edited; }
    int remainsCount() const { return m_newFiles.size() - m_added; }
    unsigned capacityBefore() const { return m_capacityBefore; }
    unsigned capacityAfter() const { return m_capacityBefore + unsigned(m_added); }
    bool boxFull() const { return m_boxFull; }
    // Files left in the source folder because they changed after their checksum was computed.
    int changedCount() const { return m_changed; }
    // Files of the source folder whose names cannot be decoded.
    int unreadableCount() const { return m_unreadable; }
    // False when an interrupted run could not be finished; this run then placed nothing.
    bool recovered() const { return m_recovered; }
    qint64 elapsedMs() const { return m_elapsedMs; }
    // The source files left because they were identical to a stored object or to another incoming file:
    // full path -> checksum.
    QHash<QString, QString> identicalFiles() const { return m_identical; }
    QString elapsedText() const;

    // "aa", "ab" ... "zz": the first letter varies slowest.
    static const QStringList &twoLetterNames() { return FolderNames::all(); }
    // The two-letter names not used, in alphabetical order.
    static QStringList abcSubtract(const QStringList &used) { return FolderNames::freeOf(used); }
    static QStringList abcSubtract(const QList<QObject *> &objects) { return FolderNames::freeOf(objects); }
    // One of the names at random; the list must not be empty.
    QString abcRnd(const QStringList &names);

signals:
    void readingStarted();
    // done of total checksums of incoming files computed.
    void readingProgress(int done, int total);
    void readingFinished(int found);
    void duplicateStageStarted(int maximum);
    void duplicateProgress(int value);
    void newCountChanged(int newFiles, int duplicates);
    void copyStageStarted(int maximum);
    void copyProgress(int position);
    void resembleStageStarted(int maximum);
    void resembleProgress(int value);
    // An abc file could not be written; the objects it should have received stay in the source folder.
    void storeFailed(const QString &path);
    // The session number changed, because an interrupted run was finished and recorded its session.
    void sessionNumberChanged(const QString &number);

private:
    // One copy placed into the box whose abc file is not stored yet.
    struct Placement
    {
        MySourceFile *source;
        QString copyPath;
        Remark remark;
        bool edited;
    };
    // One resemble link changed by an edited version: the entry rk of abcFile pointed to oldPrime.
    struct Relink
    {
        MyAbcFile *abcFile;
        QString key;
        QString oldPrime;
        QString newPrime;
    };

    bool recoverKilledRun();
    void crashPoint();
    void logUnreadableNames();
    void readSourceFolder();
    void searchDuplicates();
    void checkAbcFile(MyAbcFile *abcFile, int &progress, int &duplicateNumber);
    void searchVacantSpace();
    void makeNewSpace(int shortage);
    bool refillVacant();
    bool makeVacantSpace(MyAbcFolder *firstLevel, int &shortage);
    MyAbcFolder *nextFirstLevelFolder(int &candidate);
    // A place chosen for one file, announced in the journal before its copy is made.
    struct Pending
    {
        MySourceFile *file = nullptr;
        Remark remark;
        QString copyPath;
        MyAbcFile *abcFile = nullptr;
        bool edited = false;
        // The entry an edited version takes its description from, as it was when the place was chosen.
        Entry original;
    };

    void copyFiles();
    bool choosePlace(MySourceFile *file, bool settled, Pending &pending);
    void placeBatch(const QList<MySourceFile *> &files, int first);
    void enter(const Pending &one);
    bool placeTaken(const QString &copyPath) const;
    void dropChangedCopy(MySourceFile *file, const QString &copyPath);
    void syncPlacements();
    const Entry *editedOriginal(const QString &baseName) const;
    Entry newEntry(const Remark &remark, MySourceFile *file) const;
    Entry editedEntry(const Entry &original, const Remark &remark, MySourceFile *file) const;
    void updateResembling();
    void storeAbcFiles();
    bool storeOffThread(MyAbcFile *abcFile);
    void syncFolder(const QString &path);
    void settle(MyAbcFile *abcFile);
    void takeBack(MyAbcFile *abcFile, QSet<MyAbcFile *> &stored, QSet<MyAbcFile *> &storeAgain);
    void withdraw(MyAbcFile *abcFile, const Placement &placement, const QSet<MyAbcFile *> &stored,
                  QSet<MyAbcFile *> &storeAgain);
    void dropStillWritten();
    void recordSession(const QString &annotation);
    void finish();
    void log(const QString &line);
    QStringList takeLog();
    void flushLog();

    AnyBox *m_box;
    MySrcFolder *m_srcFolder;
    MySssFile *m_sssFile;
    MyLogFile *m_logFile;
    QString m_sessionNumber;
    QRandomGenerator m_random;
    bool m_ran = false;

    QElapsedTimer m_clock;
    qint64 m_elapsedMs = 0;
    QHash<QString, QString> m_checkSums;
    QHash<QString, QString> m_identical;
    // Once their abc file is stored, the sources are deleted with their objects; after the saving stage
    // only the size of this list is read.
    QList<MySourceFile *> m_newFiles;
    QStringList m_vacant;
    QStringList m_reserve;
    int m_candidate = 0;
    int m_passedOver = 0;
    int m_copyIndex = 0;
    // The places chosen so far in the batch being prepared: their copy lines count them.
    int m_choosing = 0;
    QStringList m_pendingLog;
    QHash<QString, QString> m_resembleMap;
    QList<MyAbcFile *> m_modified;
    QSet<MyAbcFolder *> m_madeFolders;
    QHash<MyAbcFile *, QList<Placement>> m_placements;
    QList<Relink> m_relinks;
    int m_found = 0;
    int m_added = 0;
    int m_edited = 0;
    unsigned m_capacityBefore = 0;
    bool m_boxFull = false;
    int m_changed = 0;
    int m_unreadable = 0;
    bool m_recovered = true;
    QString m_annotation;
    std::unique_ptr<ArrangementJournal> m_journal;
    // Tests kill the run at this file-system step (environment TESSARY_TEST_CRASH_STEP); 0 never.
    int m_crashStep = 0;
    int m_batchFiles = BATCH_FILES;
    int m_step = 0;
};
