#include "resemblerun.h"

#include <QTimer>

#include <algorithm>

#include "anybox.h"
#include "entry.h"
#include "myabcfile.h"
#include "remark.h"
#include "workpool.h"

namespace {

const quint32 NO_CODE = 0xffffffffu;
// Objects one abc file holds at most: the last two letters of a remark.
const quint32 FILE_SPAN = 26 * 26;
// Entries looked at per step while gathering, and marks settled per step after an Apply: a few
// milliseconds each, so the window answers in between.
const int STEP_ENTRIES = 30000;
const int STEP_MARKS = 50000;

// Six (or four) lower-case letters as a number that sorts as the text does; NO_CODE for anything else.
quint32 codeOf(QStringView text, int length)
{
    if (text.size() != length)
        return NO_CODE;
    quint32 code = 0;
    for (const QChar ch : text) {
        if (ch.unicode() < u'a' || ch.unicode() > u'z')
            return NO_CODE;
        code = code * 26 + quint32(ch.unicode() - u'a');
    }
    return code;
}

// The remark and link of an entry, read from its line without a copy of either field: the pass over
// every entry of a large box reads one line after the other.
void codesOf(const Entry *entry, quint32 *remark, quint32 *link)
{
    const QString line = entry->getAllFields();
    const QStringView view(line);
    const int first = view.indexOf(QLatin1Char('~'));
    const int second = first < 0 ? -1 : view.indexOf(QLatin1Char('~'), first + 1);
    const int third = second < 0 ? -1 : view.indexOf(QLatin1Char('~'), second + 1);
    *remark = second < 0 ? NO_CODE : codeOf(view.mid(first + 1, second - first - 1), 6);
    *link = second < 0 ? NO_CODE : codeOf(view.mid(second + 1, (third < 0 ? view.size() : third) - second - 1), 6);
}

QString textOf(quint32 code)
{
    QString text(6, QLatin1Char('a'));
    for (int p = 5; p >= 0; --p) {
        text[p] = QLatin1Char(char('a' + code % 26));
        code /= 26;
    }
    return text;
}

} // namespace

ResembleRun::ResembleRun(AnyBox *box, QObject *parent)
    : ResembleRun(box, AtOnce, parent)
{
}

ResembleRun::ResembleRun(AnyBox *box, Gathering gathering, QObject *parent)
    : QObject(parent)
    , m_box(box)
    , m_gathering(gathering)
{
    if (!m_box) {
        m_phase = Done;
        return;
    }
    begin();
    if (gathering == AtOnce) {
        while (!step(STEP_ENTRIES)) {
        }
        return;
    }
    // The first step at once: a small box is ready when the constructor returns.
    if (step(STEP_ENTRIES))
        return;
    m_stepper = new QTimer(this);
    m_stepper->setInterval(0);
    connect(m_stepper, &QTimer::timeout, this, [this] {
        // The frame's rows come on a turn of their own, after the last step.
        if (m_phase == Done) {
            m_stepper->stop();
            emit gathered();
            return;
        }
        step(STEP_ENTRIES);
    });
    m_stepper->start();
}

ResembleRun::~ResembleRun() = default;

void ResembleRun::begin()
{
    m_box->memorizeMarked();
    m_files = m_box->abcFiles();
    m_fileRema.reserve(size_t(m_files.size()));
    for (int i = 0; i < m_files.size(); ++i) {
        m_fileIndex.insert(m_files.at(i), i);
        m_fileRema.push_back(codeOf(m_files.at(i)->rema(), 4));
        m_fileOfRema.insert(m_fileRema.back(), i);
    }
    m_seenFirst.assign(size_t(m_files.size()), 0);
    m_seenCount.assign(size_t(m_files.size()), 0);
    const QSet<MyAbcFile *> marked = m_box->markedAbcFiles(0);
    m_markedFiles = QList<MyAbcFile *>(marked.cbegin(), marked.cend());
    if (m_markedFiles.isEmpty())
        m_phase = Done;
}

// One step of the gathering; true when it is complete.
bool ResembleRun::step(int budget)
{
    while (budget > 0 && m_phase != Done) {
        switch (m_phase) {
        case Marked:
            budget -= stepMarked(budget);
            if (m_nextFile >= m_markedFiles.size()) {
                m_nextFile = 0;
                m_phase = Candidates;
            }
            break;
        case Candidates:
            budget -= stepCandidates(budget);
            if (m_nextFile >= m_files.size()) {
                m_nextFile = 0;
                m_phase = Members;
            }
            break;
        case Members:
            budget -= stepMembers(budget);
            if (m_nextFile >= m_files.size()) {
                m_phase = Primes;
                // For many objects, finding the primes and placing the rows are steps of their own.
                if (m_items.size() > size_t(budget))
                    budget = 0;
            }
            break;
        case Primes:
            findPrimes();
            m_phase = Places;
            if (m_items.size() > size_t(budget))
                budget = 0;
            break;
        case Places:
            placeRows();
            m_phase = Done;
            break;
        case Done:
            break;
        }
    }
    return m_phase == Done;
}

// The first pass: the remark and link of every marked entry.
int ResembleRun::stepMarked(int budget)
{
    int visited = 0;
    while (visited < budget && m_nextFile < m_markedFiles.size()) {
        MyAbcFile *file = m_markedFiles.at(m_nextFile++);
        const int index = m_fileIndex.value(file, -1);
        if (index < 0)
            continue;
        const QList<Entry *> entries = file->markedEntries(0);
        m_seenFirst[size_t(index)] = int(m_seen.size());
        for (Entry *entry : entries) {
            quint32 remark;
            quint32 link;
            codesOf(entry, &remark, &link);
            m_seen.push_back(Seen{entry, remark, link});
            // In its own file, an entry is the one the box finds under its remark.
            if (remark != NO_CODE && remark / FILE_SPAN == m_fileRema[size_t(index)] && link == remark)
                m_ownPrimes.insert(remark);
        }
        m_seenCount[size_t(index)] = int(m_seen.size()) - m_seenFirst[size_t(index)];
        visited += entries.size() + 1;
    }
    return visited;
}

// A marked object brings its whole group: the candidate is its prime. An object whose link names no
// prime of the box stands for itself, and the next Apply makes it its own prime.
int ResembleRun::stepCandidates(int budget)
{
    int visited = 0;
    while (visited < budget && m_nextFile < m_files.size()) {
        const int index = m_nextFile++;
        const int first = m_seenFirst[size_t(index)];
        for (int i = first; i < first + m_seenCount[size_t(index)]; ++i) {
            const Seen &seen = m_seen[size_t(i)];
            if (seen.link != NO_CODE && (m_ownPrimes.contains(seen.link) || ownPrime(seen.link)))
                m_candidates.insert(seen.link);
            else if (seen.remark != NO_CODE
                     && (seen.remark / FILE_SPAN == m_fileRema[size_t(index)] || entryOf(textOf(seen.remark))))
                m_candidates.insert(seen.remark);
        }
        visited += m_seenCount[size_t(index)] + 1;
    }
    if (m_nextFile < m_files.size())
        return visited;
    m_ownPrimes.clear();
    m_checkedPrimes.clear();
    // Only subset 0 stays; it becomes the listed objects file by file in the second pass.
    for (int subset = m_box->countSubsets() - 1; subset >= 1; --subset)
        m_box->deleteSubset(subset);
    return visited;
}

// The entry of code is there and is its own prime (for an entry that is not marked).
bool ResembleRun::ownPrime(quint32 code)
{
    const auto checked = m_checkedPrimes.constFind(code);
    if (checked != m_checkedPrimes.constEnd())
        return checked.value();
    const QString remark = textOf(code);
    const Entry *entry = entryOf(remark);
    const bool own = entry && entry->getField(Entry::ResembleField) == remark;
    m_checkedPrimes.insert(code, own);
    return own;
}

// The entry of a remark where the box keeps it; null when the box has none.
Entry *ResembleRun::entryOf(const QString &remark) const
{
    const Remark parsed(remark);
    if (!parsed.Ok())
        return nullptr;
    const int index = m_fileOfRema.value(codeOf(parsed.rema(), 4), -1);
    MyAbcFile *file = index >= 0 ? m_files.at(index) : nullptr;
    if (!file || !file->entryExist(parsed.rk()))
        return nullptr;
    Entry *entry = file->getEntry(parsed.rk());
    return entry->Ok() && entry->getField(Entry::RemarkField) == remark ? entry : nullptr;
}

// The second pass, over every entry of the box: the members of the candidates' groups. Only the
// entries that take part are kept, and the marks of each file become its listed objects.
int ResembleRun::stepMembers(int budget)
{
    int visited = 0;
    while (visited < budget && m_nextFile < m_files.size()) {
        const int index = m_nextFile++;
        MyAbcFile *file = m_files.at(index);
        const size_t before = m_items.size();
        const auto first = m_seen.begin() + m_seenFirst[size_t(index)];
        const auto last = first + m_seenCount[size_t(index)];
        // A marked entry that takes no part loses its mark.
        const auto markedOne = [this, file, index](const Seen &seen) {
            if (!consider(seen.entry, index, seen.remark, seen.link, true))
                file->unmarkEntry(seen.entry, 0);
        };
        if (m_seenCount[size_t(index)] > 0 && m_seenCount[size_t(index)] == file->countEntries()) {
            // Every entry is marked: what the first pass read is all there is, in remark order.
            std::sort(first, last, [](const Seen &a, const Seen &b) { return a.remark < b.remark; });
            std::for_each(first, last, markedOne);
            visited += int(last - first) + 1;
        } else {
            std::sort(first, last, [](const Seen &a, const Seen &b) { return a.entry < b.entry; });
            const QList<Entry *> entries = file->usedEntries();
            for (Entry *entry : entries) {
                const auto seen = std::lower_bound(first, last, entry,
                                                   [](const Seen &a, const Entry *b) { return a.entry < b; });
                if (seen != last && seen->entry == entry) {
                    markedOne(*seen);
                    continue;
                }
                quint32 remark;
                quint32 link;
                codesOf(entry, &remark, &link);
                if (link != NO_CODE && m_candidates.contains(link))
                    consider(entry, index, remark, link, false);
            }
            visited += entries.size() + 1;
        }
        // The listed objects that were not marked are marked now.
        for (size_t i = before; i < m_items.size(); ++i) {
            if (!m_items[i].marked) {
                file->markEntry(m_items[i].entry, 0);
                m_items[i].marked = true;
            }
        }
    }
    return visited;
}

// Keeps the entry when it takes part, as a candidate prime or as a member of one; true then.
bool ResembleRun::consider(Entry *entry, int file, quint32 remark, quint32 link, bool marked)
{
    if (remark == NO_CODE)
        return false;
    const bool home = remark / FILE_SPAN == m_fileRema[size_t(file)];
    if (home && m_candidates.contains(remark)) {
        m_items.push_back(Item{entry, remark, file, remark, 0, 0, 0, Untouched, marked, link == remark});
        return true;
    }
    if (link != NO_CODE && link != remark && m_candidates.contains(link) && !m_candidates.contains(remark)) {
        m_items.push_back(Item{entry, remark, file, link, 0, 0, 0, Untouched, marked, true});
        return true;
    }
    return false;
}

// The objects in remark order, each member pointing to its prime.
void ResembleRun::findPrimes()
{
    m_seen = std::vector<Seen>();
    m_candidates.clear();
    const auto byRemark = [](const Item &a, const Item &b) { return a.remark < b.remark; };
    if (!std::is_sorted(m_items.begin(), m_items.end(), byRemark))
        std::stable_sort(m_items.begin(), m_items.end(), byRemark);
    // An object met twice (a copy of its line in another file) is listed once, as the last one met.
    size_t kept = 0;
    for (size_t i = 0; i < m_items.size(); ++i) {
        if (i + 1 < m_items.size() && m_items[i + 1].remark == m_items[i].remark) {
            m_files.at(m_items[i].file)->unmarkEntry(m_items[i].entry, 0);
            continue;
        }
        m_items[kept++] = m_items[i];
    }
    m_items.resize(kept);

    // Members of a group mostly follow each other: the prime found last is tried first.
    quint32 lastCode = NO_CODE;
    quint32 lastPrime = 0;
    for (size_t i = 0; i < m_items.size(); ++i) {
        Item &item = m_items[i];
        if (item.prime == item.remark) {
            item.prime = quint32(i);
            continue;
        }
        if (item.prime != lastCode) {
            lastCode = item.prime;
            lastPrime = quint32(std::lower_bound(m_items.begin(), m_items.end(), item.prime,
                                                 [](const Item &a, quint32 code) { return a.remark < code; })
                                - m_items.begin());
        }
        item.prime = lastPrime;
        ++m_items[lastPrime].members;
    }
}

// Each prime in remark order, followed by its members in remark order.
void ResembleRun::placeRows()
{
    // Primes take their places first; each member then goes to its prime's next free row.
    int next = 0;
    for (size_t i = 0; i < m_items.size(); ++i) {
        Item &item = m_items[i];
        if (item.prime == quint32(i)) {
            item.row = next;
            item.unique = next + 1;
            next += 1 + item.members;
            if (!item.linkOk)
                m_repair.push_back(int(i));
        }
    }
    for (size_t i = 0; i < m_items.size(); ++i) {
        Item &item = m_items[i];
        if (item.prime != quint32(i))
            item.row = m_items[item.prime].unique++;
    }
    m_rows.assign(m_items.size(), 0);
    for (size_t i = 0; i < m_items.size(); ++i) {
        m_rows[size_t(m_items[i].row)] = int(i);
        if (m_items[i].prime == quint32(i))
            m_items[i].unique = 0;
    }
    m_fileIndex.clear();
    m_fileOfRema.clear();
}

// ---- rows and states --------------------------------------------------------------------------

QString ResembleRun::rowRemark(int row) const
{
    const int item = itemOfRow(row);
    return item < 0 ? QString() : textOf(m_items[size_t(item)].remark);
}

QString ResembleRun::rowObjectPath(int row) const
{
    const int item = itemOfRow(row);
    return item < 0 ? QString() : m_box->objectPath(*m_items[size_t(item)].entry);
}

bool ResembleRun::isPrimeRow(int row) const
{
    const int item = itemOfRow(row);
    return item >= 0 && isPrime(item);
}

int ResembleRun::rowMembers(int row) const
{
    const int item = itemOfRow(row);
    return item >= 0 && isPrime(item) ? m_items[size_t(item)].members : 0;
}

ResembleRun::State ResembleRun::rowState(int row) const
{
    const int item = itemOfRow(row);
    return item < 0 ? Untouched : State(m_items[size_t(item)].state);
}

bool ResembleRun::isCurrentPrimeRow(int row) const
{
    return m_prime >= 0 && itemOfRow(row) == m_prime;
}

int ResembleRun::objectRow(int object) const
{
    return object >= 0 && object < int(m_items.size()) ? m_items[size_t(object)].row : -1;
}

int ResembleRun::itemOfRemark(const QString &remark) const
{
    const quint32 code = codeOf(remark, 6);
    const auto found = std::lower_bound(m_items.begin(), m_items.end(), code,
                                        [](const Item &a, quint32 c) { return a.remark < c; });
    return found != m_items.end() && found->remark == code ? int(found - m_items.begin()) : -1;
}

int ResembleRun::memberCount(const QString &prime) const
{
    const int item = itemOfRemark(prime);
    return item >= 0 && isPrime(item) ? m_items[size_t(item)].members : 0;
}

ResembleRun::State ResembleRun::state(const QString &remark) const
{
    const int item = itemOfRemark(remark);
    return item < 0 ? Untouched : State(m_items[size_t(item)].state);
}

QString ResembleRun::currentPrime() const
{
    return m_prime < 0 ? QString() : textOf(m_items[size_t(m_prime)].remark);
}

ResembleRun::AddMode ResembleRun::addMode(int row) const
{
    if (m_uniqueCount > 0 || !isPrimeRow(row))
        return AddDisabled;
    if (rowState(row) == InGroup)
        return AddRemove;
    return m_inGroup > 0 ? AddAdd : AddCreate;
}

ResembleRun::UniqueMode ResembleRun::uniqueMode(int row) const
{
    const int item = itemOfRow(row);
    if (item < 0 || m_prime >= 0)
        return UniqueDisabled;
    const Item &it = m_items[size_t(item)];
    if (!isPrime(item))
        return it.state == MadeUnique ? UniqueReturnBack : UniqueUnique;
    if (it.members == 0)
        return UniqueDisabled;
    return it.unique < it.members ? UniqueAllUnique : UniqueReturnAll;
}

bool ResembleRun::canChange(int row) const
{
    const int item = itemOfRow(row);
    return m_prime >= 0 && item >= 0 && item != m_prime && isPrime(item) && m_items[size_t(item)].state == InGroup;
}

bool ResembleRun::canApply() const
{
    const int primeInGroup = m_prime >= 0 && m_items[size_t(m_prime)].state == InGroup ? 1 : 0;
    return m_uniqueCount > 0 || m_inGroup > primeInGroup;
}

void ResembleRun::setState(int item, State newState)
{
    Item &it = m_items[size_t(item)];
    const State old = State(it.state);
    if (old == newState)
        return;
    if (old == InGroup)
        --m_inGroup;
    if (old == MadeUnique) {
        --m_uniqueCount;
        --m_items[it.prime].unique;
    }
    if (newState == InGroup)
        ++m_inGroup;
    if (newState == MadeUnique) {
        ++m_uniqueCount;
        ++m_items[it.prime].unique;
        m_uniqueItems.push_back(item);
    }
    it.state = quint8(newState);
    changed(it.row, it.row);
}

void ResembleRun::setGroupState(int prime, State newState)
{
    const Item &it = m_items[size_t(prime)];
    for (int row = it.row; row <= it.row + it.members; ++row)
        setState(m_rows[size_t(row)], newState);
}

void ResembleRun::changed(int first, int last)
{
    if (!m_changed.isEmpty() && first <= m_changed.last().second + 1 && last >= m_changed.last().first - 1) {
        m_changed.last().first = qMin(m_changed.last().first, first);
        m_changed.last().second = qMax(m_changed.last().second, last);
        return;
    }
    m_changed.append(qMakePair(first, last));
}

QVector<QPair<int, int>> ResembleRun::takeChangedRows()
{
    QVector<QPair<int, int>> rows;
    rows.swap(m_changed);
    return rows;
}

void ResembleRun::pressAdd(int row)
{
    const AddMode mode = addMode(row);
    if (mode == AddDisabled)
        return;
    const int item = itemOfRow(row);
    if (mode != AddRemove) {
        if (m_prime < 0)
            m_prime = item;
        setGroupState(item, InGroup);
        m_joined.push_back(item);
    } else if (item == m_prime) {
        for (int prime : m_joined)
            setGroupState(prime, Untouched);
        m_joined.clear();
        changed(row, row);
        m_prime = -1;
    } else {
        setGroupState(item, Untouched);
        m_joined.erase(std::remove(m_joined.begin(), m_joined.end(), item), m_joined.end());
    }
}

void ResembleRun::pressUnique(int row)
{
    const UniqueMode mode = uniqueMode(row);
    const int item = itemOfRow(row);
    switch (mode) {
    case UniqueDisabled:
        return;
    case UniqueUnique:
        setState(item, MadeUnique);
        return;
    case UniqueReturnBack:
        setState(item, Untouched);
        return;
    case UniqueAllUnique:
    case UniqueReturnAll: {
        const Item &it = m_items[size_t(item)];
        for (int r = it.row + 1; r <= it.row + it.members; ++r)
            setState(m_rows[size_t(r)], mode == UniqueAllUnique ? MadeUnique : Untouched);
        return;
    }
    }
}

void ResembleRun::pressChange(int row)
{
    if (!canChange(row))
        return;
    changed(m_items[size_t(m_prime)].row, m_items[size_t(m_prime)].row);
    m_prime = itemOfRow(row);
    changed(row, row);
}

// ---- apply ------------------------------------------------------------------------------------

bool ResembleRun::apply()
{
    m_failedPaths.clear();
    // The objects made unique, each once.
    std::vector<int> unique;
    {
        QSet<int> met;
        for (int item : m_uniqueItems) {
            if (m_items[size_t(item)].state == MadeUnique && !met.contains(item)) {
                met.insert(item);
                unique.push_back(item);
            }
        }
    }
    // The new link of every object whose link changes: the joined groups' objects take the current
    // prime, the unique ones themselves, and a prime with a broken link is repaired.
    struct Change
    {
        int item;
        quint32 link;
        QString previous;
    };
    std::vector<Change> changes;
    std::vector<int> joinedItems;
    for (int prime : m_joined) {
        const Item &it = m_items[size_t(prime)];
        for (int row = it.row; row <= it.row + it.members; ++row) {
            const int item = m_rows[size_t(row)];
            joinedItems.push_back(item);
            const bool right = item == prime ? it.linkOk && prime == m_prime : prime == m_prime;
            if (!right)
                changes.push_back(Change{item, quint32(m_items[size_t(m_prime)].remark), QString()});
        }
    }
    for (int item : unique)
        changes.push_back(Change{item, m_items[size_t(item)].remark, QString()});
    for (int prime : m_repair) {
        if (m_items[size_t(prime)].state != InGroup)
            changes.push_back(Change{prime, m_items[size_t(prime)].remark, QString()});
    }

    // The files of the changes, each written once with all its new links, side by side on the pool.
    std::sort(changes.begin(), changes.end(), [this](const Change &a, const Change &b) {
        return m_items[size_t(a.item)].file < m_items[size_t(b.item)].file;
    });
    std::vector<std::pair<size_t, size_t>> spans;
    for (size_t i = 0; i < changes.size(); ++i) {
        if (i == 0 || m_items[size_t(changes[i].item)].file != m_items[size_t(changes[i - 1].item)].file)
            spans.emplace_back(i, i);
        spans.back().second = i + 1;
    }
    std::vector<char> stored(spans.size(), 0);
    const auto write = [this, &changes, &spans, &stored](int span, bool back) {
        MyAbcFile *file = m_files.at(m_items[size_t(changes[spans[size_t(span)].first].item)].file);
        for (size_t i = spans[size_t(span)].first; i < spans[size_t(span)].second; ++i) {
            Change &change = changes[i];
            Entry *entry = m_items[size_t(change.item)].entry;
            if (back) {
                entry->setField(Entry::ResembleField, change.previous);
            } else {
                change.previous = entry->getField(Entry::ResembleField);
                entry->setField(Entry::ResembleField, textOf(change.link));
            }
        }
        stored[size_t(span)] = file->store() ? 1 : 0;
        // A file that could not be written has its old links back at once.
        if (!back && !stored[size_t(span)]) {
            for (size_t i = spans[size_t(span)].first; i < spans[size_t(span)].second; ++i)
                m_items[size_t(changes[i].item)].entry->setField(Entry::ResembleField, changes[i].previous);
        }
    };
    const int rows = rowCount();
    const int files = int(spans.size());
    m_busy = true;
    WorkPool::forEach(
        files, [&write](int span) { write(span, false); },
        [this, rows, files](int done) { emit progress(int(qint64(rows) * done / qMax(1, files))); },
        QEventLoop::ExcludeUserInputEvents);
    std::vector<int> written;
    for (int span = 0; span < files; ++span) {
        if (stored[size_t(span)])
            written.push_back(span);
        else
            m_failedPaths << m_files.at(m_items[size_t(changes[spans[size_t(span)].first].item)].file)->completeName();
    }
    if (!m_failedPaths.isEmpty()) {
        WorkPool::forEach(
            int(written.size()), [&write, &written](int i) { write(written[size_t(i)], true); },
            std::function<void(int)>(), QEventLoop::ExcludeUserInputEvents);
        for (int span : written) {
            if (!stored[size_t(span)])
                m_failedPaths
                    << m_files.at(m_items[size_t(changes[spans[size_t(span)].first].item)].file)->completeName();
        }
        m_busy = false;
        return false;
    }
    m_busy = false;
    m_applied = true;

    // The new groups: the current prime's with every joined object, each unique object alone, and the
    // groups that lost unique members without them. The other groups keep their rows in order.
    struct Block
    {
        int prime;
        std::vector<int> members;
    };
    std::vector<Block> blocks;
    QSet<int> replaced;
    int low = rows;
    int high = -1;
    const auto touch = [&low, &high](int row) {
        low = qMin(low, row);
        high = qMax(high, row);
    };
    if (m_prime >= 0) {
        Block block{m_prime, {}};
        for (int item : joinedItems) {
            touch(m_items[size_t(item)].row);
            if (item != m_prime)
                block.members.push_back(item);
        }
        std::sort(block.members.begin(), block.members.end());
        blocks.push_back(std::move(block));
        for (int prime : m_joined)
            replaced.insert(prime);
    }
    QSet<int> lost;
    for (int item : unique) {
        lost.insert(int(m_items[size_t(item)].prime));
        blocks.push_back(Block{item, {}});
    }
    for (int prime : qAsConst(lost)) {
        Block block{prime, {}};
        const Item &it = m_items[size_t(prime)];
        for (int row = it.row; row <= it.row + it.members; ++row) {
            touch(row);
            const int item = m_rows[size_t(row)];
            if (row > it.row && m_items[size_t(item)].state != MadeUnique)
                block.members.push_back(item);
        }
        blocks.push_back(std::move(block));
        replaced.insert(prime);
    }
    for (int prime : m_repair)
        touch(m_items[size_t(prime)].row);
    std::sort(blocks.begin(), blocks.end(), [](const Block &a, const Block &b) { return a.prime < b.prime; });

    // Only the rows from the first replaced group or new place to the last change: rows are in the
    // order of their groups' primes, so a new group's place is found by halving.
    int first = rows;
    int last = -1;
    for (int prime : qAsConst(replaced)) {
        first = qMin(first, m_items[size_t(prime)].row);
        last = qMax(last, m_items[size_t(prime)].row + m_items[size_t(prime)].members);
    }
    for (const Block &block : blocks) {
        const auto place = std::lower_bound(m_rows.begin(), m_rows.end(), block.prime, [this](int item, int prime) {
            return int(m_items[size_t(item)].prime) < prime;
        });
        const int at = int(place - m_rows.begin());
        first = qMin(first, at);
        last = qMax(last, at - 1);
    }
    std::vector<int> window;
    window.reserve(size_t(qMax(0, last - first + 1)));
    size_t next = 0;
    const auto place = [this, first, &window, &touch](const Block &block) {
        touch(first + int(window.size()));
        window.push_back(block.prime);
        for (int item : block.members) {
            touch(first + int(window.size()));
            window.push_back(item);
        }
    };
    for (int row = first; row <= last;) {
        const int prime = m_rows[size_t(row)];
        const int size = 1 + m_items[size_t(prime)].members;
        if (!replaced.contains(prime)) {
            while (next < blocks.size() && blocks[next].prime < prime)
                place(blocks[next++]);
            window.insert(window.end(), m_rows.begin() + row, m_rows.begin() + row + size);
        }
        row += size;
    }
    while (next < blocks.size())
        place(blocks[next++]);
    for (const Block &block : blocks) {
        Item &prime = m_items[size_t(block.prime)];
        prime.prime = quint32(block.prime);
        prime.members = int(block.members.size());
        prime.unique = 0;
        for (int item : block.members)
            m_items[size_t(item)].prime = quint32(block.prime);
    }
    std::copy(window.begin(), window.end(), m_rows.begin() + first);
    for (int row = qMax(0, low); row <= high && row < rows; ++row)
        m_items[size_t(m_rows[size_t(row)])].row = row;

    for (int item : joinedItems)
        m_items[size_t(item)].state = Untouched;
    for (int item : unique)
        m_items[size_t(item)].state = Untouched;
    for (int prime : m_repair)
        m_items[size_t(prime)].linkOk = true;
    if (m_prime >= 0)
        m_items[size_t(m_prime)].linkOk = true;
    m_repair.clear();
    m_joined.clear();
    m_uniqueItems.clear();
    m_inGroup = 0;
    m_uniqueCount = 0;
    m_prime = -1;
    m_changed.clear();
    if (high >= 0)
        changed(qMax(0, low), qMin(high, rows - 1));
    emit progress(rows);

    // The marks become the primes, in steps behind the window; the frame's end settles what is left.
    m_marksFrom = 0;
    if (m_gathering == InSteps) {
        if (!m_marker) {
            m_marker = new QTimer(this);
            m_marker->setInterval(0);
            connect(m_marker, &QTimer::timeout, this, [this] {
                if (!m_busy)
                    settleMarks(STEP_MARKS);
                if (m_marksFrom < 0)
                    m_marker->stop();
            });
        }
        m_marker->start();
    }
    return true;
}

void ResembleRun::settleMarks(int budget)
{
    if (m_marksFrom < 0)
        return;
    const int count = int(m_items.size());
    int item = m_marksFrom;
    for (; item < count && budget > 0; ++item, --budget) {
        Item &it = m_items[size_t(item)];
        const bool wanted = isPrime(item);
        if (it.marked == wanted)
            continue;
        if (wanted)
            m_files.at(it.file)->markEntry(it.entry, 0);
        else
            m_files.at(it.file)->unmarkEntry(it.entry, 0);
        it.marked = wanted;
    }
    m_marksFrom = item < count ? item : -1;
}

// ---- previews and the end ---------------------------------------------------------------------

QList<Entry *> ResembleRun::poolEntries(int limit) const
{
    QList<Entry *> entries;
    for (size_t row = 0; row < m_rows.size() && (limit < 0 || entries.size() < limit); ++row) {
        const Item &it = m_items[size_t(m_rows[row])];
        if (it.state != InGroup)
            entries << it.entry;
    }
    return entries;
}

QList<Entry *> ResembleRun::groupEntries(int limit) const
{
    std::vector<int> primes = m_joined;
    std::sort(primes.begin(), primes.end(),
              [this](int a, int b) { return m_items[size_t(a)].row < m_items[size_t(b)].row; });
    QList<Entry *> entries;
    for (int prime : primes) {
        const Item &it = m_items[size_t(prime)];
        for (int row = it.row; row <= it.row + it.members && (limit < 0 || entries.size() < limit); ++row) {
            if (m_rows[size_t(row)] != m_prime)
                entries << m_items[size_t(m_rows[size_t(row)])].entry;
        }
    }
    return entries;
}

QList<Entry *> ResembleRun::primeEntries() const
{
    QList<Entry *> entries;
    if (m_prime >= 0)
        entries << m_items[size_t(m_prime)].entry;
    return entries;
}

void ResembleRun::finish()
{
    if (m_finished || !m_box)
        return;
    m_finished = true;
    if (m_stepper)
        m_stepper->stop();
    if (m_marker)
        m_marker->stop();
    if (!m_applied) {
        m_box->restoreMarked();
        return;
    }
    settleMarks(int(m_items.size()));
}
