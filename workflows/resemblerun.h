#pragma once

#include <QHash>
#include <QList>
#include <QMap>
#include <QObject>
#include <QSet>
#include <QStringList>

class AnyBox;
class Entry;
class MyAbcFile;

// The work behind grouping resembling objects, free of widgets: the marked objects with the members
// of their groups, one new group built at a time around its prime, members set apart as unique, and
// the new prime remarks written into the entries.
//
// After every Apply each listed entry's field 2 names a listed entry that is its own prime. The abc
// files are written one after the other; should one fail, every entry gets its previous link back and
// the files already written are written again, so the catalogue on disk never mixes old and new groups.
class ResembleRun : public QObject
{
    Q_OBJECT

public:
    enum State { InGroup = 0, Untouched = 1, MadeUnique = 2 };
    enum AddMode { AddDisabled, AddCreate, AddAdd, AddRemove };
    enum UniqueMode { UniqueDisabled, UniqueUnique, UniqueReturnBack, UniqueAllUnique, UniqueReturnAll };

    explicit ResembleRun(AnyBox *box, QObject *parent = nullptr);

    bool isEmpty() const { return m_rows.isEmpty(); }
    int rowCount() const { return m_rows.size(); }
    QString rowRemark(int row) const { return m_rows.value(row); }
    // The stored file of the row's object; empty for no such row.
    QString rowObjectPath(int row) const;
    bool isPrimeRow(int row) const;
    int memberCount(const QString &prime) const { return m_groups.value(prime).size(); }
    State state(const QString &remark) const { return State(m_states.value(remark, Untouched)); }
    QString currentPrime() const { return m_prime; }
    bool applied() const { return m_applied; }

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

    // The entries the three previews show.
    QList<Entry *> poolEntries() const;
    QList<Entry *> groupEntries() const;
    QList<Entry *> primeEntries() const;

    // The marks left when the frame goes: the primes after an Apply, the old marks otherwise.
    void finish();

signals:
    void progress(int value);

private:
    Entry *entryOf(const QString &remark) const;
    void keep(const QString &remark);
    void rebuildRows();
    void setGroupState(const QString &prime, State state);
    QString primeOfRow(int row) const;
    bool anyState(State state) const;

    AnyBox *m_box;
    QHash<QString, Entry *> m_entries;
    QHash<QString, MyAbcFile *> m_files;
    // Every abc file of the box by the four letters it holds.
    QHash<QString, MyAbcFile *> m_filesByRema;
    QStringList m_listed;
    // Prime remark -> remarks of its other members.
    QMap<QString, QSet<QString>> m_groups;
    QStringList m_rows;
    QHash<QString, int> m_states;
    QString m_prime;
    bool m_applied = false;
    bool m_finished = false;
    QStringList m_failedPaths;
};
