#include "myabcfile.h"

#include <QFile>
#include <QSaveFile>

#include <cstring>

#include "constants.h"
#include "myabcfolder.h"
#include "remark.h"

namespace {

const int LETTERS = 26;

// The place of a key of two lower-case letters in the table ("aa" is 0, "zz" is 675), or -1.
int placeOf(QChar first, QChar second)
{
    const ushort a = first.unicode();
    const ushort b = second.unicode();
    if (a < u'a' || a > u'z' || b < u'a' || b > u'z')
        return -1;
    return (a - u'a') * LETTERS + (b - u'a');
}

int placeOf(const QString &key)
{
    return key.size() == 2 ? placeOf(key.at(0), key.at(1)) : -1;
}

QString keyOf(int place)
{
    const QChar letters[2] = {QChar(u'a' + place / LETTERS), QChar(u'a' + place % LETTERS)};
    return QString(letters, 2);
}

} // namespace

// The key of a visited entry, spelled out only when a visitor asks for it.
QString MyAbcFile::Key::text() const
{
    return other ? *other : keyOf(place);
}

MyAbcFile::MyAbcFile(MyAbcFolder *parent)
    : MyFile(NAME_ABC_FILE, parent)
{
    setUp(parent);
    if (initOk())
        adopt(read(completeName()));
}

MyAbcFile::MyAbcFile(MyAbcFolder *parent, Contents contents)
    : MyFile(NAME_ABC_FILE, parent, contents.read ? SeenOnDisk : CheckDisk)
{
    setUp(parent);
    if (initOk())
        adopt(std::move(contents));
}

void MyAbcFile::setUp(MyAbcFolder *parent)
{
    m_places.fill(-1);
    if (parent) {
        const auto grandparent = dynamic_cast<const MyUnit *>(parent->parent());
        m_rema = (grandparent ? grandparent->name() : QString()) + parent->name();
    }
    setObjectName(NAME_ABC_FILE + QLatin1Char('_') + m_rema);
}

void MyAbcFile::adopt(Contents contents)
{
    m_places = contents.places;
    m_store.swap(contents.store);
}

// Visits every entry in ascending key order. Keys of another form are rare (never read from a file),
// so the common walk is the table alone; with such keys both are merged by the keys' text order.
template <typename Self, typename Visit>
void MyAbcFile::walk(Self &self, Visit visit)
{
    auto other = self.m_otherKeys.begin();
    for (int place = 0; place < KEY_COUNT; ++place) {
        const int at = self.m_places[size_t(place)];
        if (at < 0)
            continue;
        if (other != self.m_otherKeys.end()) {
            const QString key = keyOf(place);
            for (; other != self.m_otherKeys.end() && other->first < key; ++other)
                visit(Key{-1, &other->first}, other->second);
        }
        visit(Key{place, nullptr}, self.m_store[size_t(at)]);
    }
    for (; other != self.m_otherKeys.end(); ++other)
        visit(Key{-1, &other->first}, other->second);
}

Entry *MyAbcFile::findEntry(const QString &key)
{
    const int place = placeOf(key);
    if (place >= 0) {
        const int at = m_places[size_t(place)];
        return at < 0 ? nullptr : &m_store[size_t(at)];
    }
    const auto it = m_otherKeys.find(key);
    return it == m_otherKeys.end() ? nullptr : &it->second;
}

const Entry *MyAbcFile::findEntry(const QString &key) const
{
    return const_cast<MyAbcFile *>(this)->findEntry(key);
}

// The entry under the key, made empty and invalid when the key is new.
Entry &MyAbcFile::insertEntry(const QString &key)
{
    if (Entry *entry = findEntry(key))
        return *entry;
    const int place = placeOf(key);
    if (place < 0)
        return m_otherKeys[key];
    m_places[size_t(place)] = qint16(m_store.size());
    m_store.emplace_back();
    return m_store.back();
}

// The whole file is read at once: a box opens hundreds of these files at start. The entries keep the
// text read, in the UTF-8 it was stored in, and share it. Either line end is accepted; invalid and empty
// lines are dropped; the last line of a key wins.
MyAbcFile::Contents MyAbcFile::read(const QString &path)
{
    Contents contents;
    contents.places.fill(-1);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return contents;
    const QByteArray text = file.readAll();
    contents.read = file.error() == QFileDevice::NoError;
    file.close();

    const char *data = text.constData();
    const int size = text.size();
    int start = text.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (start < size) {
        const void *newline = std::memchr(data + start, '\n', size_t(size - start));
        const int end = newline ? int(static_cast<const char *>(newline) - data) : size;
        int stop = end;
        if (stop > start && data[stop - 1] == '\r')
            --stop;
        if (stop > start) {
            Entry entry = Entry::fromUtf8(text, start, stop - start);
            if (entry.Ok()) {
                // The key is the last two letters of the remark, the second field.
                const char *remark = static_cast<const char *>(std::memchr(data + start, '~', size_t(stop - start)));
                const int place = placeOf(QLatin1Char(remark[5]), QLatin1Char(remark[6]));
                qint16 &at = contents.places[size_t(place)];
                if (at < 0) {
                    at = qint16(contents.store.size());
                    contents.store.push_back(std::move(entry));
                } else {
                    contents.store[size_t(at)] = std::move(entry);
                }
            }
        }
        start = end + 1;
    }
    return contents;
}

// The new content goes to a temporary file beside the catalogue and replaces it only when complete,
// so a failed write (full disk, crash, no permission) leaves the previous catalogue whole.
bool MyAbcFile::store()
{
    if (!initOk())
        return false;
    QByteArray data;
    walk(*this, [&data](const Key &, const Entry &entry) {
        if (!entry.Ok())
            return;
        entry.appendLine(data);
        data += '\n';
    });
    // Text mode gives the platform's line end. Unbuffered, a short write (disk full, size limit) shows
    // in the count written; through the buffer it can be lost and a truncated file committed.
    QSaveFile file(completeName());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text | QIODevice::Unbuffered))
        return false;
    if (file.write(data) != data.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool MyAbcFile::entryExist(const QString &key) const
{
    return findEntry(key) != nullptr;
}

Entry *MyAbcFile::getEntry(const QString &key)
{
    return &insertEntry(key);
}

QString MyAbcFile::getEntryPart(const QString &key, int index) const
{
    const Entry *entry = findEntry(key);
    if (!entry)
        return QString();
    return index == -1 ? entry->getAllFields() : entry->getField(index);
}

QList<Entry> MyAbcFile::getAll() const
{
    QList<Entry> all;
    all.reserve(countEntries());
    walk(*this, [&all](const Key &, const Entry &entry) { all.append(entry); });
    return all;
}

// Replacing the value in place keeps every pointer to the entry valid.
bool MyAbcFile::update(const Entry &entry)
{
    if (!entry.Ok())
        return false;
    insertEntry(entry.simpleName()) = entry;
    return true;
}

QStringList MyAbcFile::getUsedName() const
{
    QStringList names;
    walk(*this, [&names](const Key &key, const Entry &entry) {
        if (entry.Ok())
            names.append(key.text());
    });
    return names;
}

QList<Entry *> MyAbcFile::usedEntries()
{
    QList<Entry *> entries;
    entries.reserve(countEntries());
    walk(*this, [&entries](const Key &, Entry &entry) {
        if (entry.Ok())
            entries.append(&entry);
    });
    return entries;
}

// The entry of this file's map that has the remark of the given entry, or null when the remark
// belongs to another file or this file has no entry under its key.
Entry *MyAbcFile::storedEntry(const Entry &entry)
{
    const Remark remark(entry.getField(Entry::RemarkField));
    if (!remark.Ok() || remark.rema() != m_rema)
        return nullptr;
    return findEntry(remark.rk());
}

// A key that holds no valid entry (one asked for and never filled, or one taken back) is no object.
MyAbcFile::Subset MyAbcFile::allEntries()
{
    Subset all;
    all.reserve(countEntries());
    walk(*this, [&all](const Key &, Entry &entry) {
        if (entry.Ok())
            all.insert(&entry);
    });
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
