#pragma once

#include <QCoreApplication>
#include <QList>
#include <QSet>
#include <QString>

#include <functional>

#include "remark.h"

class AnyBox;
class MyAbcFile;
class MySrcFolder;
class MySssFile;
class QFile;

// The crash journal of an arrangement run: the rule that keeps a killed run from losing or leaving
// anything, in one place.
//
// Every place is written into the journal (a hidden file in the base folder, each record synced: one
// line, or the places of a whole batch of copies) before its copy is made. A run that was killed leaves the journal behind; the next run first finishes what the
// killed one had stored (removes the sources, relinks the groups, records the session) and takes back what
// it had not (removes its copies and relinks), and only then places new files. A place counts as stored
// when the abc file on the disk holds its entry.
class ArrangementJournal
{
    // Its log lines are the run's own.
    Q_DECLARE_TR_FUNCTIONS(ArrangementRun)

public:
    // The box must sit in a unit tree with the source folder, the session file and the log. The crash
    // point is the run's, so the tests' kills count the journal's steps among the run's.
    // Its log lines go through the run's log function, so that they keep their place among the run's.
    ArrangementJournal(AnyBox *box, MySrcFolder *srcFolder, MySssFile *sssFile,
                       std::function<void(const QString &)> log, const QString &path,
                       std::function<void()> crashPoint);
    ~ArrangementJournal();
    ArrangementJournal(const ArrangementJournal &) = delete;
    ArrangementJournal &operator=(const ArrangementJournal &) = delete;

    QString path() const { return m_path; }

    // The first line names the box, the session and its annotation; it and the journal's folder entry are
    // on the disk before the first copy is made.
    bool start(const QString &sessionNumber, const QString &annotation);
    // The place about to be copied into, with the source's size, time and name and the old prime of the
    // group an edited version takes over.
    bool place(const Remark &remark, qint64 size, qint64 modifiedNs, const QString &oldPrime,
               const QString &sourceName);
    // Many places in one record, synced once, before any of their copies is made.
    struct Announced
    {
        Remark remark;
        qint64 size;
        qint64 modifiedNs;
        QString oldPrime;
        QString sourceName;
    };
    bool placeAll(const QList<Announced> &places);
    // The place holds a file that came from elsewhere: a recovery must not take it back.
    bool keep(const Remark &remark);
    // Everything the journal announced is settled: it goes.
    void end();

    // A journal left behind means a run was killed. The places whose entries reached the disk are
    // finished, the others taken back; only then the journal goes. False when that could not be done.
    // The session number follows a session the killed run had not recorded.
    bool recover(QString &sessionNumber);

    // A file name may hold any character but "/", line ends and "~" included: the journal keeps it encoded.
    static QString encodedName(const QString &name);
    // Where the object of the remark with the extension is stored in the box.
    static QString copyPathOf(AnyBox *box, const Remark &remark, const QString &extension);

private:
    // One place line of a journal left by a killed run.
    struct Place
    {
        Remark remark;
        qint64 size;
        qint64 modifiedNs;
        QString oldPrime;
        QString sourceName;
    };

    bool write(const QString &line);
    bool writeLines(const QStringList &lines);
    static QString placeLine(const Announced &place);
    AnyBox *boxNamed(const QString &name) const;
    void undoPlace(AnyBox *box, const Place &place, const QSet<QString> &kept, QSet<MyAbcFile *> &modified);
    void finishPlace(AnyBox *box, const Place &place, QSet<MyAbcFile *> &modified);
    void relink(AnyBox *box, const QString &from, const QString &to, QSet<MyAbcFile *> &modified);
    void syncFolder(const QString &path);
    void log(const QString &line);

    AnyBox *m_box;
    MySrcFolder *m_srcFolder;
    MySssFile *m_sssFile;
    std::function<void(const QString &)> m_log;
    QString m_path;
    std::function<void()> m_crashPoint;
    // The journal while the run keeps one open.
    QFile *m_file = nullptr;
};
