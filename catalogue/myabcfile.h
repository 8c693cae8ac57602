#pragma once

#include <QList>
#include <QMap>
#include <QObject>
#include <QSet>
#include <QStringList>

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

    explicit MyAbcFile(MyAbcFolder *parent);

    bool store();
    QString rema() const { return m_rema; }
    int countEntries() const { return m_entries.size(); }

    bool entryExist(const QString &key) const;
    Entry *getEntry(const QString &key);
    QString getEntryPart(const QString &key, int index) const;
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
    void load();
    Entry *storedEntry(const Entry &entry);
    Subset allEntries();
    Subset unionOfSubsets() const;

    QString m_rema;
    // Subsets point into the map's nodes, which stay put as long as their key does. The map is never
    // copied: a shared copy would make the next write detach it and move every entry.
    QMap<QString, Entry> m_entries;
    QList<Subset> m_subsets;
    QList<Subset> m_memorized;
};
