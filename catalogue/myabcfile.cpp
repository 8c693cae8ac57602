#include "myabcfile.h"

#include <QFile>
#include <QSaveFile>

#include "constants.h"
#include "myabcfolder.h"
#include "remark.h"

MyAbcFile::MyAbcFile(MyAbcFolder *parent)
    : MyFile(NAME_ABC_FILE, parent)
{
    if (parent) {
        const auto grandparent = dynamic_cast<const MyUnit *>(parent->parent());
        m_rema = (grandparent ? grandparent->name() : QString()) + parent->name();
    }
    setObjectName(NAME_ABC_FILE + QLatin1Char('_') + m_rema);
    load();
}

// The whole file is read and decoded at once: a box opens hundreds of these files at start.
// Either line end is accepted; invalid and empty lines are dropped; the last line of a key wins.
void MyAbcFile::load()
{
    if (!initOk())
        return;
    QFile file(completeName());
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QString text = QString::fromUtf8(file.readAll());
    file.close();

    int start = text.startsWith(QChar(QChar::ByteOrderMark)) ? 1 : 0;
    while (start < text.size()) {
        int end = text.indexOf(QLatin1Char('\n'), start);
        if (end < 0)
            end = text.size();
        int stop = end;
        if (stop > start && text.at(stop - 1) == QLatin1Char('\r'))
            --stop;
        if (stop > start) {
            const Entry entry(text.mid(start, stop - start));
            if (entry.Ok()) {
                // Stored files are in key order, so a new key usually goes at the end.
                const QString key = entry.simpleName();
                if (m_entries.isEmpty() || m_entries.lastKey() < key)
                    m_entries.insert(m_entries.constEnd(), key, entry);
                else
                    m_entries.insert(key, entry);
            }
        }
        start = end + 1;
    }
}

// The new content goes to a temporary file beside the catalogue and replaces it only when complete,
// so a failed write (full disk, crash, no permission) leaves the previous catalogue whole.
bool MyAbcFile::store()
{
    if (!initOk())
        return false;
    QString text;
    for (const Entry &entry : qAsConst(m_entries)) {
        const QString line = entry.getAllFields();
        if (line.isEmpty())
            continue;
        text += line;
        text += QLatin1Char('\n');
    }
    // Text mode gives the platform's line end. Unbuffered, a short write (disk full, size limit) shows
    // in the count written; through the buffer it can be lost and a truncated file committed.
    QSaveFile file(completeName());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text | QIODevice::Unbuffered))
        return false;
    const QByteArray data = text.toUtf8();
    if (file.write(data) != data.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool MyAbcFile::entryExist(const QString &key) const
{
    return m_entries.contains(key);
}

Entry *MyAbcFile::getEntry(const QString &key)
{
    return &m_entries[key];
}

QString MyAbcFile::getEntryPart(const QString &key, int index) const
{
    const auto it = m_entries.constFind(key);
    if (it == m_entries.constEnd())
        return QString();
    return index == -1 ? it->getAllFields() : it->getField(index);
}

QList<Entry> MyAbcFile::getAll() const
{
    return m_entries.values();
}

// Replacing the value in place keeps every pointer to the entry valid.
bool MyAbcFile::update(const Entry &entry)
{
    if (!entry.Ok())
        return false;
    m_entries[entry.simpleName()] = entry;
    return true;
}

QStringList MyAbcFile::getUsedName() const
{
    QStringList names;
    for (auto it = m_entries.constBegin(); it != m_entries.constEnd(); ++it) {
        if (it->Ok())
            names.append(it.key());
    }
    return names;
}

QList<Entry *> MyAbcFile::usedEntries()
{
    QList<Entry *> entries;
    entries.reserve(m_entries.size());
    for (auto it = m_entries.begin(); it != m_entries.end(); ++it) {
        if (it->Ok())
            entries.append(&it.value());
    }
    return entries;
}

// The entry of this file's map that has the remark of the given entry, or null when the remark
// belongs to another file or this file has no entry under its key.
Entry *MyAbcFile::storedEntry(const Entry &entry)
{
    const Remark remark(entry.getField(Entry::RemarkField));
    if (!remark.Ok() || remark.rema() != m_rema)
        return nullptr;
    const auto it = m_entries.find(remark.rk());
    return it == m_entries.end() ? nullptr : &it.value();
}

// A key that holds no valid entry (one asked for and never filled, or one taken back) is no object.
MyAbcFile::Subset MyAbcFile::allEntries()
{
    Subset all;
    all.reserve(m_entries.size());
    for (auto it = m_entries.begin(); it != m_entries.end(); ++it) {
        if (it->Ok())
            all.insert(&it.value());
    }
    return all;
}

// With a single subset (the usual case) the union is a shared copy of it.
MyAbcFile::Subset MyAbcFile::unionOfSubsets() const
{
    if (m_subsets.isEmpty())
        return Subset();
    Subset all = m_subsets.first();
    for (int i = 1; i < m_subsets.size(); ++i)
        all.unite(m_subsets.at(i));
    return all;
}

// An index beyond the subsets appends one; the signal still carries the index as passed, and the box
// applies the same rule, so both stay in step. A negative index is treated as beyond the list and
// reported as the index actually used.
bool MyAbcFile::markEntry(const Entry *entry, int index)
{
    if (!entry)
        return false;
    Entry *stored = storedEntry(*entry);
    if (!stored)
        return false;
    if (index >= 0 && index < m_subsets.size()) {
        m_subsets[index].insert(stored);
    } else {
        m_subsets.append(Subset{stored});
        if (index < 0)
            index = m_subsets.size() - 1;
    }
    emit markAbcFile(this, index);
    return true;
}

bool MyAbcFile::markEntry(const Entry &entry, int index)
{
    return markEntry(&entry, index);
}

int MyAbcFile::markAllEntries(int index)
{
    int used = index;
    if (index >= 0 && index < m_subsets.size()) {
        m_subsets[index] = allEntries();
    } else {
        m_subsets.append(allEntries());
        used = m_subsets.size() - 1;
    }
    emit markAbcFile(this, used);
    return used;
}

// The entry is looked for as given and, failing that, as the stored entry with its remark, so a copy
// of an entry unmarks it too. The box hears of the subset only when this removal emptied it; an empty
// subset stays in the list.
bool MyAbcFile::unmarkEntry(const Entry *entry, int index)
{
    if (!entry || index < 0 || index >= m_subsets.size())
        return false;
    Subset &subset = m_subsets[index];
    bool removed = subset.remove(const_cast<Entry *>(entry));
    if (!removed) {
        if (Entry *stored = storedEntry(*entry))
            removed = subset.remove(stored);
    }
    if (removed && subset.isEmpty())
        emit unmarkAbcFile(this, index);
    return removed;
}

bool MyAbcFile::unmarkEntry(const Entry &entry, int index)
{
    return unmarkEntry(&entry, index);
}

QList<Entry *> MyAbcFile::markedEntries(int index) const
{
    if (index < 0 || index >= m_subsets.size())
        return QList<Entry *>();
    return m_subsets.at(index).values();
}

int MyAbcFile::markedEntriesCount(int index) const
{
    if (index < 0 || index >= m_subsets.size())
        return 0;
    return m_subsets.at(index).size();
}

QList<Entry *> MyAbcFile::markedEntries() const
{
    return unionOfSubsets().values();
}

int MyAbcFile::markedEntriesCount() const
{
    return unionOfSubsets().size();
}

void MyAbcFile::ensureSubsets(int count)
{
    while (m_subsets.size() < count)
        m_subsets.append(Subset());
}

void MyAbcFile::uniteSubsets()
{
    const Subset all = unionOfSubsets();
    m_subsets.clear();
    m_subsets.append(all);
}

void MyAbcFile::deleteSubset(int index)
{
    if (index < 0 || index >= m_subsets.size())
        return;
    m_subsets.removeAt(index);
    emit unmarkAbcFile(this, index);
}

// One subset 0 at a time, so the box's bookkeeping shifts down in step with every signal.
void MyAbcFile::deleteSubsets()
{
    while (!m_subsets.isEmpty())
        deleteSubset(0);
}

void MyAbcFile::memorizeSubsets()
{
    m_memorized = m_subsets;
}

void MyAbcFile::restoreSubsetsFromMemory()
{
    m_subsets = m_memorized;
    m_memorized.clear();
}
