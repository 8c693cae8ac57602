#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QPair>
#include <QSet>
#include <QStringList>
#include <QVector>

#include <vector>

class AnyBox;
class Entry;
class MyAbcFile;
class QTimer;

// The work behind grouping resembling objects, free of widgets: the marked objects with the members
// of their groups, one new group built at a time around its prime, members set apart as unique, and
// the new prime remarks written into the entries.
//
// After every Apply each listed entry's field 2 names a listed entry that is its own prime. The abc
// files are written side by side on the work pool; should one fail, every entry gets its previous link
// back and the files already written are written again, so the catalogue on disk never mixes old and
// new groups. Only the files whose entries change are written.
//
// A box may list a million objects, so each object is a small record with its remark as a number, and
// a button's work touches only the groups it changes.
class ResembleRun : public QObject
{
    Q_OBJECT

public:
    enum State { InGroup = 0, Untouched = 1, MadeUnique = 2 };
    enum AddMode { AddDisabled, AddCreate, AddAdd, AddRemove };
    enum UniqueMode { UniqueDisabled, UniqueUnique, UniqueReturnBack, UniqueAllUnique, UniqueReturnAll };
    // At once for a caller that waits; in steps on the event loop for a frame that keeps answering.
    enum Gathering { AtOnce, InSteps };

    explicit ResembleRun(AnyBox *box, QObject *parent = nullptr);
    ResembleRun(AnyBox *box, Gathering gathering, QObject *parent = nullptr);
    ~ResembleRun() override;

    // False while the objects are still being gathered in steps; gathered() follows.
    bool isGathered() const { return m_phase == Done; }
    bool isEmpty() const { return m_rows.empty(); }
    int rowCount() const { return int(m_rows.size()); }
    QString rowRemark(int row) const;
    // The stored file of the row's object; empty for no such row.
    QString rowObjectPath(int row) const;
    bool isPrimeRow(int row) const;
    // The members of a prime row's group; 0 for a member row.
    int rowMembers(int row) const;
    State rowState(int row) const;
    bool isCurrentPrimeRow(int row) const;
    // A number that stays with the row's object when an Apply moves the rows, and the object's row.
    int rowObject(int row) const { return itemOfRow(row); }
    int objectRow(int object) const;
    int memberCount(const QString &prime) const;
    State state(const QString &remark) const;
    QString currentPrime() const;
    bool applied() const { return m_applied; }
    // True while Apply writes the catalogue files on the pool: the entries must not be read then.
    bool busy() const { return m_busy; }

    AddMode addMode(int row) const;
    UniqueMode uniqueMode(int row) const;
    bool canChange(int row) const;
    bool canApply() const;

    void pressAdd(int row);
    void pressUnique(int row);
    void pressChange(int row);
    // Writes the new links; false when an abc file could not be written (nothing changed then).
    bool apply();
    QStringList failedPaths() const { return m_failedPaths; }
    // The rows whose text, state or weight changed since the last call, as ranges of first and last row.
    QVector<QPair<int, int>> takeChangedRows();

    // The entries the three previews show, at most limit of them (all for a negative limit).
    QList<Entry *> poolEntries(int limit = -1) const;
    QList<Entry *> groupEntries(int limit = -1) const;
    QList<Entry *> primeEntries() const;

    // True when the marks are the primes again after an Apply (they are settled in steps behind it).
    bool marksSettled() const { return m_marksFrom < 0; }
    // The marks left when the frame goes: the primes after an Apply, the old marks otherwise.
    void finish();

signals:
    void progress(int value);
    void gathered();

private:
    enum Phase { Marked, Candidates, Members, Primes, Places, Done };
    // What the first pass learnt of a marked entry, kept for the second.
    struct Seen
    {
        Entry *entry;
        quint32 remark;
        quint32 link;
    };
    struct Item
    {
        Entry *entry;
        quint32 remark;
        qint32 file;
        // While gathering the remark of its prime, then the prime's item.
        quint32 prime;
        qint32 members;
        qint32 unique;
        qint32 row;
        quint8 state;
        bool marked;
        // The stored link already says what the rows say; false for a prime the next Apply repairs.
        bool linkOk;
    };

    void begin();
    bool step(int budget);
    int stepMarked(int budget);
    int stepCandidates(int budget);
    int stepMembers(int budget);
    bool consider(Entry *entry, int file, quint32 remark, quint32 link, bool marked);
    void findPrimes();
    void placeRows();
    bool ownPrime(quint32 code);
    Entry *entryOf(const QString &remark) const;
    void settleMarks(int budget);

    int itemOfRow(int row) const { return row >= 0 && row < int(m_rows.size()) ? m_rows[size_t(row)] : -1; }
    int itemOfRemark(const QString &remark) const;
    bool isPrime(int item) const { return int(m_items[size_t(item)].prime) == item; }
    void setState(int item, State state);
    void setGroupState(int prime, State state);
    void changed(int first, int last);

    AnyBox *m_box;
    Gathering m_gathering;
    Phase m_phase = Marked;
    QTimer *m_stepper = nullptr;
    QTimer *m_marker = nullptr;

    // The box's abc files, the numbers of the four letters they hold, and where each was met first.
    QList<MyAbcFile *> m_files;
    std::vector<quint32> m_fileRema;
    QHash<MyAbcFile *, int> m_fileIndex;
    QHash<quint32, int> m_fileOfRema;
    QList<MyAbcFile *> m_markedFiles;
    int m_nextFile = 0;
    std::vector<Seen> m_seen;
    std::vector<int> m_seenFirst;
    std::vector<int> m_seenCount;
    QSet<quint32> m_ownPrimes;
    QHash<quint32, bool> m_checkedPrimes;
    QSet<quint32> m_candidates;

    // Items in remark order; rows as items, each prime followed by its members.
    std::vector<Item> m_items;
    std::vector<int> m_rows;
    int m_prime = -1;
    std::vector<int> m_joined;
    std::vector<int> m_uniqueItems;
    std::vector<int> m_repair;
    int m_inGroup = 0;
    int m_uniqueCount = 0;
    QVector<QPair<int, int>> m_changed;
    // Marks are settled item by item after an Apply, from here on.
    int m_marksFrom = -1;

    bool m_applied = false;
    bool m_finished = false;
    bool m_busy = false;
    QStringList m_failedPaths;
};
