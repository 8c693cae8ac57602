#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include "metadatawriter.h"

class AnyBox;
class Entry;
class MyLogFile;

// One restore: copies the objects marked in the box out into a destination folder, with the figures
// the restore frames show. Widget-free, so the frames, the tests and the benchmark share it.
//
// A copy never replaces a file already at its destination name: in the source folder that file may be
// an edited version waiting for the arrangement. Such an object counts as not restored.
class RestoreRun : public QObject
{
    Q_OBJECT

public:
    // The box must sit in a unit tree that has the log; destination is a folder path.
    RestoreRun(AnyBox *box, const QString &destination, QObject *parent = nullptr);

    void setUseOriginalFilename(bool use) { m_useOriginalFilename = use; }
    bool useOriginalFilename() const { return m_useOriginalFilename; }
    // Print restores count one more hardcopy for every object restored.
    void setCountHardcopies(bool count) { m_countHardcopies = count; }
    // With an exiftool, the copies then get their description (see MetadataWriter); empty: plain copies.
    void setMetadataProgram(const QString &program) { m_metadataProgram = program; }
    QString metadataProgram() const { return m_metadataProgram; }

    QString destination() const { return m_destination; }
    int selectedCount() const { return m_selected; }
    qint64 selectedBytes() const { return m_selectedBytes; }
    // The total size of the marked objects' stored files, read on the work pool while the calling thread
    // serves its events (repaints and timers; clicks and keys wait). Known once it has run.
    void sumSelectedBytes();
    bool selectedBytesKnown() const { return m_sized; }
    int restoredCount() const { return m_restored; }
    qint64 restoredBytes() const { return m_restoredBytes; }
    int remainingCount() const { return m_selected - m_restored; }
    qint64 remainingBytes() const { return m_selectedBytes - m_restoredBytes; }
    int failedCount() const { return m_failed; }
    // Of the copies made, those that carry their description, and of those the ones in a sidecar.
    int describedCount() const { return m_described; }
    int sidecarCount() const { return m_sidecars; }
    int undescribedCount() const { return m_restored - m_described; }
    qint64 elapsedMs() const;

    // The copy loop; a run object runs once. False when the catalogue could not be written after
    // hardcopies were counted (the copies themselves are on disk).
    bool run();
    bool ran() const { return m_ran; }

    // The files (not folders) directly in the destination.
    QStringList destinationFiles() const;
    // Removes every file of the destination; sub-folders stay. Returns the number that could not be
    // removed.
    int clearDestination();
    // The files of the destination that are copies of this box's objects, named by their remark, and
    // still hold the object's content (same checksum): copies restored for editing and left unchanged.
    QStringList unchangedCopies() const;
    // Removes the named files of the destination; returns the number that could not be removed.
    int removeFiles(const QStringList &names);

    // The labels file of the marked entries: one line per entry, remark~date~title~author. Written
    // whole or not at all; false when it could not be written.
    bool writeLabels(const QString &path) const;
    static QString labelLine(const Entry &entry);
    // The description a copy of the entry carries: the first word of each key, the caption's parts that
    // are described, the date in exiftool's form and the remark to trace the copy back.
    CopyDescription descriptionOf(const Entry &entry) const;

    static QString megabytes(qint64 bytes);
    static QString elapsedText(qint64 ms);

signals:
    // Before each object and before each removal, so a frame can repaint.
    void entryStarted(const QString &remark);
    void entryRestored(Entry *entry);
    void entryFailed(const QString &remark);
    void progressed(int done);
    // While the descriptions are written, after the copies: done of total copies read back.
    void describing(int done, int total);
    void removing(const QString &path);

private:
    enum Outcome { Restored, Failed, Deferred };
    Outcome restoreEntry(Entry *entry, int number);
    void countRestored(Entry *entry, const QString &source, const QString &target);
    void learnFormats();
    void describeCopies();
    void log(const QString &line);

    AnyBox *m_box;
    MyLogFile *m_logFile;
    QString m_destination;
    bool m_useOriginalFilename = false;
    bool m_countHardcopies = false;
    bool m_ran = false;
    int m_selected = 0;
    qint64 m_selectedBytes = 0;
    bool m_sized = false;
    int m_restored = 0;
    qint64 m_restoredBytes = 0;
    int m_failed = 0;
    QString m_metadataProgram;
    // The copies for their descriptions, in the writer's order: number in the log (0 while exiftool is
    // still to make the copy), entry, copy and stored object.
    struct Made
    {
        int number;
        Entry *entry;
        QString target;
        QString source;
    };
    QList<Made> m_made;
    MetadataWriter *m_writer = nullptr;
    int m_described = 0;
    int m_sidecars = 0;
    QElapsedTimer m_clock;
    qint64 m_elapsedMs = 0;
};
