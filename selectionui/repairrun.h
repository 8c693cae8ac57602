#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include "mirrorcheck.h"

class AnyBox;
class MyLogFile;

// The repair of damaged box copies from their backup copies, as the backup check found them. Each
// backup copy is copied beside the damaged file under a temporary name, synced, checked against the
// entry's checksum, made read-only and only then put in its place; the damaged file is kept in the
// quarantine folder "_bad" of the base folder, never deleted. Widget-free, so the frame and the tests
// run the same code; the copies run on the work pool.
//
// At every moment the object's name holds either the damaged file or the repaired one: the damaged
// file is first linked into the quarantine, then the checked copy is renamed over it. Where the file
// system has no links the damaged file is moved, and a kill between the two steps leaves the object
// missing from the box but still good in the backup, so the next check finds it repairable.
class RepairRun : public QObject
{
    Q_OBJECT

public:
    RepairRun(AnyBox *box, const QList<MirrorCheck::RepairItem> &items, QObject *parent = nullptr);

    // The whole repair, one log block; runs once per object. Returns the number repaired.
    int run();

    int repairedCount() const { return m_repaired; }
    int failedCount() const { return m_failed; }
    // Where the damaged file of a box path was kept; empty when none was.
    QString quarantineOf(const QString &boxPath) const;
    QString quarantineFolder() const;

signals:
    void objectShown(const QString &nativePath, int position);

private:
    // The file-system steps of one object, on a worker; returns an empty text or why it failed.
    QString repairOne(const MirrorCheck::RepairItem &item, const QString &stamp, QString &kept);
    void crashPoint(const char *step) const;

    AnyBox *m_box;
    MyLogFile *m_log;
    QString m_basePath;
    QList<MirrorCheck::RepairItem> m_items;
    QHash<QString, QString> m_kept;
    bool m_ran = false;
    int m_repaired = 0;
    int m_failed = 0;
    QString m_crashStep;
};
