#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

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

    QString destination() const { return m_destination; }
    int selectedCount() const { return m_selected; }
    qint64 selectedBytes() const { return m_selectedBytes; }
    int restoredCount() const { return m_restored; }
    qint64 restoredBytes() const { return m_restoredBytes; }
    int remainingCount() const { return m_selected - m_restored; }
    qint64 remainingBytes() const { return m_selectedBytes - m_restoredBytes; }
    int failedCount() const { return m_failed; }
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

    // The labels file of the marked entries: one line per entry, remark~date~title~author. Written
    // whole or not at all; false when it could not be written.
    bool writeLabels(const QString &path) const;
    static QString labelLine(const Entry &entry);

    static QString megabytes(qint64 bytes);
    static QString elapsedText(qint64 ms);

signals:
    // Before each object and before each removal, so a frame can repaint.
    void entryStarted(const QString &remark);
    void entryRestored(Entry *entry);
    void entryFailed(const QString &remark);
    void progressed(int done);
    void removing(const QString &path);

private:
    bool restoreEntry(Entry *entry, int number);
    void log(const QString &line);

    AnyBox *m_box;
    MyLogFile *m_logFile;
    QString m_destination;
    bool m_useOriginalFilename = false;
    bool m_countHardcopies = false;
    bool m_ran = false;
    int m_selected = 0;
    qint64 m_selectedBytes = 0;
    int m_restored = 0;
    qint64 m_restoredBytes = 0;
    int m_failed = 0;
    QElapsedTimer m_clock;
    qint64 m_elapsedMs = 0;
};
