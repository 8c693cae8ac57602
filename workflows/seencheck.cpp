#include "seencheck.h"

#include <QDir>
#include <QRegularExpression>

#include <vector>

#include "anybox.h"
#include "constants.h"
#include "entry.h"
#include "myabcfile.h"
#include "mysourcefile.h"
#include "workpool.h"

SeenCheck::SeenCheck(const QString &boxName, const QHash<QString, QString> &stored, const SeenLedger *ledger)
    : m_boxName(boxName)
    , m_stored(stored)
    , m_ledger(ledger)
{
}

QHash<QString, QString> SeenCheck::storedCheckSums(AnyBox *box)
{
    QHash<QString, QString> stored;
    if (!box)
        return stored;
    const QRegularExpression abcName(QStringLiteral("^") + NAME_ABC_FILE + QStringLiteral("_"));
    for (MyAbcFile *abcFile : box->findChildren<MyAbcFile *>(abcName)) {
        if (!abcFile->initOk())
            continue;
        for (const Entry &entry : abcFile->getAll()) {
            if (entry.Ok())
                stored.insert(entry.getField(Entry::ChecksumField), entry.getField(Entry::RemarkField));
        }
    }
    return stored;
}

QList<SeenCheck::Offer> SeenCheck::check(const QFileInfoList &files, const std::function<void(int, int)> &progress,
                                         QEventLoop::ProcessEventsFlags flags)
{
    QList<Offer> offers;
    QStringList toHash;
    QList<int> hashIndex;
    for (const QFileInfo &info : files) {
        Offer offer;
        offer.path = info.absoluteFilePath();
        offer.fileName = info.fileName();
        offer.size = info.size();
        offer.modified = info.lastModified().toSecsSinceEpoch();
        if (m_ledger)
            offer.checkSum = m_ledger->checkSumOf(offer.fileName, offer.size, offer.modified);
        offer.known = !offer.checkSum.isEmpty();
        if (!offer.known) {
            hashIndex << offers.size();
            toHash << offer.path;
            m_hashedBytes += offer.size;
        }
        offers << offer;
    }
    m_hashed = toHash.size();
    if (progress)
        progress(0, toHash.size());
    const QStringList sums = MySourceFile::computeCheckSums(
        toHash,
        [&progress, &toHash](int done) {
            if (progress)
                progress(done, toHash.size());
        },
        flags);
    for (int i = 0; i < hashIndex.size(); ++i)
        offers[hashIndex.at(i)].checkSum = sums.at(i);

    for (Offer &offer : offers) {
        if (offer.checkSum.isEmpty()) {
            offer.state = Unreadable;
            continue;
        }
        const auto stored = m_stored.constFind(offer.checkSum);
        if (stored != m_stored.constEnd()) {
            offer.state = InBox;
            offer.remark = *stored;
            continue;
        }
        const SeenLedger::Line *last = m_ledger ? m_ledger->lastVerdict(offer.checkSum, m_boxName) : nullptr;
        if (!last)
            continue;
        offer.state = last->verdict == SeenLedger::Rejected ? RejectedBefore : CopiedBefore;
        offer.verdictDate = last->date;
    }
    return offers;
}

QList<SeenLedger::Line> SeenCheck::verdicts(const QList<Offer> &offers, const QList<int> &decisions,
                                            const QDateTime &now) const
{
    QList<SeenLedger::Line> lines;
    for (int i = 0; i < offers.size() && i < decisions.size(); ++i) {
        const Offer &offer = offers.at(i);
        if (offer.checkSum.isEmpty() || offer.state == Unreadable || (decisions.at(i) < 0 && offer.state != InBox))
            continue;
        // Content the box holds got there, whichever way it came; the next listing need not read it.
        const SeenLedger::Verdict verdict =
            decisions.at(i) == 1 || offer.state == InBox ? SeenLedger::Copied : SeenLedger::Rejected;
        const SeenLedger::Line *last = m_ledger ? m_ledger->lastVerdict(offer.checkSum, m_boxName) : nullptr;
        if (offer.known && last && last->verdict == verdict)
            continue;
        SeenLedger::Line line;
        line.checkSum = offer.checkSum;
        line.size = offer.size;
        line.modified = offer.modified;
        line.boxName = m_boxName;
        line.verdict = verdict;
        line.date = now;
        line.fileName = offer.fileName;
        lines << line;
    }
    return lines;
}
