#pragma once

#include <QDateTime>
#include <QEventLoop>
#include <QFileInfoList>
#include <QHash>
#include <QList>
#include <QString>

#include <functional>

#include "seenledger.h"

class AnyBox;

// What First steps knows of each file it offers: its content's checksum and whether that content is in
// the box, was rejected or copied before, or is new. The ledger gives the checksum of a file whose
// name, size and modification time it holds, so such a file is not read; every other file is hashed
// once, side by side on the work pool. Nothing in the box or the source folder is touched. Widget-free.
class SeenCheck
{
public:
    enum State { New, CopiedBefore, RejectedBefore, InBox, Unreadable };
    struct Offer
    {
        QString path;
        QString fileName;
        qint64 size = -1;
        // Seconds since the epoch.
        qint64 modified = 0;
        QString checkSum;
        State state = New;
        // The stored object's remark of a file in the box.
        QString remark;
        // When the earlier verdict was given.
        QDateTime verdictDate;
        // The checksum came from the ledger.
        bool known = false;
    };

    // stored maps the checksum of every entry of the box to its remark.
    SeenCheck(const QString &boxName, const QHash<QString, QString> &stored, const SeenLedger *ledger);
    static QHash<QString, QString> storedCheckSums(AnyBox *box);

    // progress(done, total) is called on the calling thread, which serves its events meanwhile as flags allow.
    QList<Offer> check(const QFileInfoList &files,
                       const std::function<void(int, int)> &progress = std::function<void(int, int)>(),
                       QEventLoop::ProcessEventsFlags flags = QEventLoop::AllEvents);
    int hashedCount() const { return m_hashed; }
    qint64 hashedBytes() const { return m_hashedBytes; }

    // What the files' Ok leaves in the ledger. decisions[i] is 1 when offers[i] was copied, 0 when it was
    // left unticked, -1 when nothing was decided (a failed copy); a file in the box counts as copied. A line
    // is written when the verdict differs from the last one on that content in this box, or the ledger does
    // not know the file yet.
    QList<SeenLedger::Line> verdicts(const QList<Offer> &offers, const QList<int> &decisions,
                                     const QDateTime &now) const;

private:
    QString m_boxName;
    QHash<QString, QString> m_stored;
    const SeenLedger *m_ledger;
    int m_hashed = 0;
    qint64 m_hashedBytes = 0;
};
