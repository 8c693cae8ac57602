#include "resemblerun.h"

#include "anybox.h"
#include "constants.h"
#include "entry.h"
#include "myabcfile.h"
#include "remark.h"

ResembleRun::ResembleRun(AnyBox *box, QObject *parent)
    : QObject(parent)
    , m_box(box)
{
    if (!m_box)
        return;
    m_box->memorizeMarked();
    const QList<Entry *> marked = m_box->markedEntries();
    if (marked.isEmpty())
        return;
    const QList<MyAbcFile *> files = m_box->abcFiles();
    for (MyAbcFile *file : files)
        m_filesByRema.insert(file->rema(), file);
    // A marked object brings its whole group: the candidate is its prime. An object whose link names
    // no prime of the box stands for itself, and the next Apply makes it its own prime.
    QSet<QString> candidates;
    for (Entry *entry : marked) {
        const QString remark = entry->getField(Entry::RemarkField);
        const QString link = entry->getField(Entry::ResembleField);
        const Entry *prime = entryOf(link);
        if (prime && prime->getField(Entry::ResembleField) == link)
            candidates.insert(link);
        else if (entryOf(remark))
            candidates.insert(remark);
    }
    for (const QString &prime : qAsConst(candidates)) {
        m_groups.insert(prime, QSet<QString>());
        keep(prime);
    }
    // One pass over the box finds the members; only the entries that take part are kept, so a few marked
    // objects in a large box cost one read of each link and no more.
    for (MyAbcFile *file : files) {
        const QList<Entry *> entries = file->usedEntries();
        for (Entry *entry : entries) {
            const QString link = entry->getField(Entry::ResembleField);
            if (!candidates.contains(link))
                continue;
            const QString remark = entry->getField(Entry::RemarkField);
            if (link == remark || candidates.contains(remark))
                continue;
            m_groups[link].insert(remark);
            m_entries.insert(remark, entry);
            m_files.insert(remark, file);
        }
    }

    // The marks become the listed objects.
    m_box->unmarkAllEntries();
    for (auto it = m_groups.cbegin(); it != m_groups.cend(); ++it) {
        m_listed << it.key();
        m_listed << it.value().values();
    }
    for (const QString &remark : qAsConst(m_listed)) {
        m_files.value(remark)->markEntry(m_entries.value(remark), 0);
        m_states.insert(remark, Untouched);
    }
    rebuildRows();
}

// The entry of a remark where the box keeps it; null when the box has none.
Entry *ResembleRun::entryOf(const QString &remark) const
{
    const Remark parsed(remark);
    MyAbcFile *file = parsed.Ok() ? m_filesByRema.value(parsed.rema()) : nullptr;
    if (!file || !file->entryExist(parsed.rk()))
        return nullptr;
    Entry *entry = file->getEntry(parsed.rk());
    return entry->Ok() && entry->getField(Entry::RemarkField) == remark ? entry : nullptr;
}

void ResembleRun::keep(const QString &remark)
{
    m_entries.insert(remark, entryOf(remark));
    m_files.insert(remark, m_filesByRema.value(Remark(remark).rema()));
}

// Each prime in remark order, followed by its members in remark order.
void ResembleRun::rebuildRows()
{
    m_rows.clear();
    for (auto it = m_groups.cbegin(); it != m_groups.cend(); ++it) {
        m_rows << it.key();
        QStringList members = it.value().values();
        members.sort();
        m_rows << members;
    }
}

bool ResembleRun::isPrimeRow(int row) const
{
    return m_groups.contains(m_rows.value(row));
}

QString ResembleRun::primeOfRow(int row) const
{
    for (int i = row; i >= 0; --i) {
        if (isPrimeRow(i))
            return m_rows.at(i);
    }
    return QString();
}

bool ResembleRun::anyState(State wanted) const
{
    for (auto it = m_states.cbegin(); it != m_states.cend(); ++it) {
        if (it.value() == wanted)
            return true;
    }
    return false;
}

ResembleRun::AddMode ResembleRun::addMode(int row) const
{
    if (row < 0 || row >= m_rows.size() || anyState(MadeUnique) || !isPrimeRow(row))
        return AddDisabled;
    if (state(m_rows.at(row)) == InGroup)
        return AddRemove;
    return anyState(InGroup) ? AddAdd : AddCreate;
}

ResembleRun::UniqueMode ResembleRun::uniqueMode(int row) const
{
    if (row < 0 || row >= m_rows.size() || !m_prime.isEmpty())
        return UniqueDisabled;
    const QString remark = m_rows.at(row);
    if (!isPrimeRow(row))
        return state(remark) == MadeUnique ? UniqueReturnBack : UniqueUnique;
    const QSet<QString> members = m_groups.value(remark);
    if (members.isEmpty())
        return UniqueDisabled;
    for (const QString &member : members) {
        if (state(member) != MadeUnique)
            return UniqueAllUnique;
    }
    return UniqueReturnAll;
}

bool ResembleRun::canChange(int row) const
{
    if (m_prime.isEmpty() || row < 0 || row >= m_rows.size() || !isPrimeRow(row))
        return false;
    const QString remark = m_rows.at(row);
    return remark != m_prime && state(remark) == InGroup;
}

bool ResembleRun::canApply() const
{
    for (auto it = m_states.cbegin(); it != m_states.cend(); ++it) {
        if (it.value() == MadeUnique || (it.value() == InGroup && it.key() != m_prime))
            return true;
    }
    return false;
}

void ResembleRun::setGroupState(const QString &prime, State newState)
{
    m_states.insert(prime, newState);
    const QSet<QString> members = m_groups.value(prime);
    for (const QString &member : members)
        m_states.insert(member, newState);
}

void ResembleRun::pressAdd(int row)
{
    const AddMode mode = addMode(row);
    if (mode == AddDisabled)
        return;
    const QString remark = m_rows.at(row);
    if (mode != AddRemove) {
        if (m_prime.isEmpty())
            m_prime = remark;
        setGroupState(remark, InGroup);
    } else if (remark == m_prime) {
        for (auto it = m_states.begin(); it != m_states.end(); ++it)
            it.value() = Untouched;
        m_prime.clear();
    } else {
        setGroupState(remark, Untouched);
    }
}

void ResembleRun::pressUnique(int row)
{
    const UniqueMode mode = uniqueMode(row);
    const QString remark = m_rows.value(row);
    switch (mode) {
    case UniqueDisabled:
        return;
    case UniqueUnique:
        m_states.insert(remark, MadeUnique);
        return;
    case UniqueReturnBack:
        m_states.insert(remark, Untouched);
        return;
    case UniqueAllUnique:
    case UniqueReturnAll: {
        const QSet<QString> members = m_groups.value(remark);
        for (const QString &member : members)
            m_states.insert(member, mode == UniqueAllUnique ? MadeUnique : Untouched);
        return;
    }
    }
}

void ResembleRun::pressChange(int row)
{
    if (canChange(row))
        m_prime = m_rows.at(row);
}

bool ResembleRun::apply()
{
    m_failedPaths.clear();
    // The new link of every listed object.
    QHash<QString, QString> links;
    for (int row = 0; row < m_rows.size(); ++row) {
        const QString remark = m_rows.at(row);
        switch (state(remark)) {
        case MadeUnique:
            links.insert(remark, remark);
            break;
        case InGroup:
            links.insert(remark, m_prime.isEmpty() ? remark : m_prime);
            break;
        case Untouched:
            links.insert(remark, isPrimeRow(row) ? remark : primeOfRow(row));
            break;
        }
    }

    QHash<QString, QString> previous;
    QMap<QString, MyAbcFile *> files;
    int value = 0;
    for (auto it = links.cbegin(); it != links.cend(); ++it) {
        Entry *entry = m_entries.value(it.key());
        previous.insert(it.key(), entry->getField(Entry::ResembleField));
        entry->setField(Entry::ResembleField, it.value());
        MyAbcFile *file = m_files.value(it.key());
        files.insert(file->rema(), file);
        emit progress(++value);
    }
    QList<MyAbcFile *> written;
    for (MyAbcFile *file : qAsConst(files)) {
        if (!file->store()) {
            m_failedPaths << file->completeName();
            break;
        }
        written << file;
    }
    if (!m_failedPaths.isEmpty()) {
        for (auto it = previous.cbegin(); it != previous.cend(); ++it)
            m_entries.value(it.key())->setField(Entry::ResembleField, it.value());
        for (MyAbcFile *file : qAsConst(written)) {
            if (!file->store())
                m_failedPaths << file->completeName();
        }
        return false;
    }

    m_applied = true;
    m_prime.clear();
    m_groups.clear();
    for (auto it = links.cbegin(); it != links.cend(); ++it) {
        if (it.key() == it.value())
            m_groups[it.key()];
    }
    for (auto it = links.cbegin(); it != links.cend(); ++it) {
        if (it.key() != it.value())
            m_groups[it.value()].insert(it.key());
    }
    for (auto it = m_states.begin(); it != m_states.end(); ++it)
        it.value() = Untouched;
    rebuildRows();
    return true;
}

QList<Entry *> ResembleRun::poolEntries() const
{
    QList<Entry *> entries;
    for (const QString &remark : m_rows) {
        if (state(remark) != InGroup)
            entries << m_entries.value(remark);
    }
    return entries;
}

QList<Entry *> ResembleRun::groupEntries() const
{
    QList<Entry *> entries;
    for (const QString &remark : m_rows) {
        if (state(remark) == InGroup && remark != m_prime)
            entries << m_entries.value(remark);
    }
    return entries;
}

QList<Entry *> ResembleRun::primeEntries() const
{
    QList<Entry *> entries;
    if (!m_prime.isEmpty())
        entries << m_entries.value(m_prime);
    return entries;
}

void ResembleRun::finish()
{
    if (m_finished || !m_box)
        return;
    m_finished = true;
    if (!m_applied) {
        m_box->restoreMarked();
        return;
    }
    for (const QString &remark : qAsConst(m_rows)) {
        Entry *entry = m_entries.value(remark);
        if (entry->getField(Entry::ResembleField) != remark)
            m_files.value(remark)->unmarkEntry(entry, 0);
    }
}

QString ResembleRun::rowObjectPath(int row) const
{
    const Entry *entry = m_entries.value(rowRemark(row));
    return entry ? m_box->objectPath(*entry) : QString();
}
