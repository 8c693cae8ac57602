#pragma once

#include <QList>
#include <QObject>
#include <QSet>
#include <QStringList>

#include <array>
#include <deque>
#include <map>

#include "entry.h"
#include "myfile.h"

class MyAbcFolder;

// The catalogue file "abc" of one second-level folder: the entries of the objects stored beside it,
// keyed by the last two letters of their remarks, and their selection state as numbered subsets.
// The map is the authority while the program runs; the file changes only through store().
class MyAbcFile : public MyFile
{
    Q_OBJECT

public:
    using Subset = QSet<Entry *>;

    // The entries are keyed by two lower-case letters, so the map is a table of the 676 keys naming
    // places in a store that only grows at its end and never moves what it holds: subsets point into
    // it, and a full file costs no node and no key text per entry.
    static const int KEY_COUNT = 26 * 26;
    struct Contents
    {
        std::array<qint16, KEY_COUNT> places;
        std::deque<Entry> store;
        // The file was there and read to its end.
        bool read = false;
    };
    // What the file at path holds. Reading touches nothing but that file, so the files of a box may be
    // read on other threads and handed to their objects after.
    static Contents read(const QString &path);

    // Reads its file.
    explicit MyAbcFile(MyAbcFolder *parent);
    // Takes what was read from its file.
    MyAbcFile(MyAbcFolder *parent, Contents contents);

    bool store();
    QString rema() const { return m_rema; }
    int countEntries() const { return int(m_store.size() + m_otherKeys.size()); }

    bool entryExist(const QString &key) const;
    Entry *getEntry(const QString &key);
    QString getEntryPart(const QString &key, int index) const;
    // The entry under the key as the file holds it (a copy shares its text); null when there is none.
    const Entry *heldEntry(const QString &key) const { return findEntry(key); }
    QList<Entry> getAll() const;
    bool update(const Entry &entry);
    QStringList getUsedName() const;
    // The valid entries in key order, pointing into the file (no copy, no look-up per key).
    QList<Entry *> usedEntries();

    bool markEntry(const Entry *entry, int index);
    bool markEntry(const Entry &entry, int index);
    int markAllEntries(int index);
    bool unmarkEntry(const Entry *entry, int index);
    bool unmarkEntry(const Entry &entry, int index);
    QList<Entry *> markedEntries(int index) const;
    int markedEntriesCount(int index) const;
    QList<Entry *> markedEntries() const;
    int markedEntriesCount() const;
    // Number of subsets held, empty ones included.
    int countSubsets() const { return m_subsets.size(); }
    // Appends empty subsets until the file holds count of them; emits nothing, as nothing is marked.
    void ensureSubsets(int count);
    void uniteSubsets();
    void deleteSubset(int index);
    void deleteSubsets();
    void memorizeSubsets();
    void restoreSubsetsFromMemory();

signals:
    void markAbcFile(MyAbcFile *abcFile, int index);
    void unmarkAbcFile(MyAbcFile *abcFile, int index);

private:
    struct Key {
        int place;
        const QString *other;
        QString text() const;
    };

    void setUp(MyAbcFolder *parent);
    void adopt(Contents contents);
    Entry *storedEntry(const Entry &entry);
    Entry *findEntry(const QString &key);
    const Entry *findEntry(const QString &key) const;
    Entry &insertEntry(const QString &key);
    template <typename Self, typename Visit> static void walk(Self &self, Visit visit);
    Subset allEntries();
    Subset unionOfSubsets() const;

    QString m_rema;
    // A key of another form (only ever asked for, never read from a file) lives in a small map beside
    // the table.
    std::array<qint16, KEY_COUNT> m_places;
    std::deque<Entry> m_store;
    std::map<QString, Entry> m_otherKeys;
    QList<Subset> m_subsets;
    QList<Subset> m_memorized;
};
