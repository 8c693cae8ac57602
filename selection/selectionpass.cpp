#include "selectionpass.h"

#include <QCoreApplication>

#include "anybox.h"
#include "constants.h"
#include "entry.h"
#include "myabcfile.h"
#include "mywrdfile.h"
#include "remark.h"
#include "selector.h"

namespace {

// Well below the 100 ms after which a window feels stuck.
const qint64 EVENTS_EVERY_MS = 50;

} // namespace

SelectionPass::SelectionPass(QObject *parent)
    : QObject(parent)
{
}

void SelectionPass::keepAlive()
{
    if (!m_sinceEvents.isValid() || m_sinceEvents.elapsed() >= EVENTS_EVERY_MS) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        m_sinceEvents.start();
    }
}

// The files' lists are copies: unmarking changes the subsets being walked. Progress and found count go
// out after each file and whenever events are due, which for a user is at once.
int SelectionPass::narrow(AnyBox *box, int i, const std::function<bool(const Entry *)> &keep, int examinedBefore)
{
    int examined = examinedBefore;
    int found = 0;
    m_sinceEvents.start();
    const QSet<MyAbcFile *> files = box->markedAbcFiles(i);
    for (MyAbcFile *file : files) {
        const QList<Entry *> entries = file->markedEntries(i);
        for (Entry *entry : entries) {
            if (keep(entry))
                ++found;
            else
                file->unmarkEntry(entry, i);
            ++examined;
            // The clock is read every few entries only; a slow test still gets events in time.
            if ((examined & 31) == 0 && m_sinceEvents.elapsed() >= EVENTS_EVERY_MS) {
                emit foundChanged(found);
                emit progressed(examined);
                keepAlive();
            }
        }
        emit foundChanged(found);
        emit progressed(examined);
        keepAlive();
    }
    emit foundChanged(found);
    emit progressed(examined);
    return found;
}

void SelectionPass::markAll(AnyBox *box, int i)
{
    m_sinceEvents.start();
    box->markAllEntries(i, [this]() { keepAlive(); });
}

void SelectionPass::unmarkAll(AnyBox *box)
{
    m_sinceEvents.start();
    box->unmarkAllEntries([this]() { keepAlive(); });
}

int SelectionPass::search(AnyBox *box, int i, bool fresh, const Selector &selector)
{
    box->memorizeMarked();
    if (fresh)
        markAll(box, i);
    emit started(box->markedEntriesCount(i));
    const int found = narrow(box, i, [&selector](const Entry *entry) { return selector.match(entry); });
    if (found == 0)
        box->restoreMarked();
    return found;
}

int SelectionPass::replay(AnyBox *box, const QList<MyTmpFile::task> &tasks, const MyWrdFile *vocabulary)
{
    unmarkAll(box);
    markAll(box, 0);
    int total = box->markedEntriesCount();
    emit started(total);
    int subset = 0;
    int examined = 0;
    for (const MyTmpFile::task &task : tasks) {
        if (task.plus) {
            emit stageDone(box->markedEntriesCount(subset));
            ++subset;
            markAll(box, subset);
        }
        const Selector selector(remarksToResemble(box, task.remark), task.category,
                                wordsToKeys(vocabulary, task.keyword), task.date, task.session, task.hardcopy,
                                task.caption, box->category(), box->dateFormat());
        // Every task examines its subset once more; the bar grows by that much beyond the first pass.
        const int toExamine = box->markedEntriesCount(subset);
        if (examined + toExamine > total) {
            total = examined + toExamine;
            emit totalChanged(total);
        }
        narrow(box, subset, [&selector](const Entry *entry) { return selector.match(entry); }, examined);
        examined += toExamine;
    }
    emit stageDone(box->markedEntriesCount(subset));
    // The union of several subsets is counted file by file: at a million entries it takes a while.
    int all = 0;
    for (MyAbcFile *file : box->markedAbcFiles()) {
        all += file->markedEntriesCount();
        keepAlive();
    }
    return all;
}

QString SelectionPass::remarkToResemble(const AnyBox *box, const QString &remark)
{
    const Remark parsed(remark);
    if (!box || !parsed.Ok())
        return remark;
    const auto file = box->abcFile(parsed);
    if (!file)
        return remark;
    const QString link = file->getEntryPart(parsed.rk(), Entry::ResembleField);
    return link.isEmpty() ? remark : link;
}

QString SelectionPass::remarksToResemble(const AnyBox *box, const QString &criterion)
{
    QString text = criterion.trimmed();
    const bool negated = text.startsWith(SIGN_INV);
    if (negated)
        text = text.mid(SIGN_INV.size());
    QStringList parts = text.split(QLatin1Char(','));
    for (QString &part : parts) {
        const QString remark = part.trimmed();
        if (!remark.isEmpty())
            part = remarkToResemble(box, remark);
    }
    return (negated ? SIGN_INV : QString()) + parts.join(QLatin1Char(','));
}

QString SelectionPass::wordsToKeys(const MyWrdFile *vocabulary, const QString &criterion)
{
    if (!vocabulary)
        return criterion;
    QStringList parts = criterion.split(QLatin1Char(','));
    for (QString &part : parts) {
        if (!part.trimmed().isEmpty())
            part = requestToKeys(vocabulary, part);
    }
    return parts.join(QLatin1Char(','));
}

// Each word is looked up as a whole: replacing words inside the text one after the other would let a
// word that is part of a longer one ("sea" in "red sea") break the longer one first.
QString SelectionPass::requestToKeys(const MyWrdFile *vocabulary, const QString &request)
{
    QString text = request.trimmed();
    const bool negated = text.startsWith(SIGN_INV);
    if (negated)
        text = text.mid(SIGN_INV.size());
    QString keys;
    QChar sign = QLatin1Char('+');
    QString word;
    const auto take = [&]() {
        const QString key = vocabulary ? vocabulary->getKey(word) : QString();
        if (!key.isEmpty())
            keys += sign + key;
        word.clear();
    };
    for (const QChar c : qAsConst(text)) {
        if (c == QLatin1Char('+') || c == QLatin1Char('-')) {
            take();
            sign = c;
        } else {
            word += c;
        }
    }
    take();
    if (keys.isEmpty())
        keys = QStringLiteral("nothing");
    return (negated ? SIGN_INV : QString()) + keys;
}

QString SelectionPass::listFileName(const QString &name)
{
    QString safe = name.trimmed();
    for (QChar &c : safe) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.category() == QChar::Other_Control)
            c = QLatin1Char('_');
    }
    if (safe.isEmpty() || safe == QLatin1String(".") || safe == QLatin1String(".."))
        safe = QStringLiteral("list");
    return safe;
}
