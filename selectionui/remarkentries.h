#pragma once

#include <QString>

#include <vector>

#include "entry.h"

// The entries of one catalogue file by remark, as the verification reads them: a vector in remark
// order, each remark held as a number (six letters in base 26 keep their order), so a million entries
// cost no tree node and no key text each. The entries themselves share their file's text.
class RemarkEntries
{
public:
    struct Item
    {
        quint32 code;
        Entry entry;
        QString remark() const { return RemarkEntries::remarkOf(code); }
    };
    using const_iterator = std::vector<Item>::const_iterator;

    // The number of a remark of six lower-case letters; ok is false for any other text.
    static quint32 codeOf(const QString &remark, bool *ok);
    static QString remarkOf(quint32 code);

    // Entries are added in any order; finish() sorts them once all are in and hands back the remarks
    // met more than once, of which the first added stays.
    void reserve(int count) { m_items.reserve(size_t(count)); }
    void add(const QString &remark, const Entry &entry);
    QStringList finish();

    const Entry *find(const QString &remark) const;
    bool contains(const QString &remark) const { return find(remark) != nullptr; }
    const_iterator begin() const { return m_items.begin(); }
    const_iterator end() const { return m_items.end(); }
    int size() const { return int(m_items.size()); }

private:
    std::vector<Item> m_items;
};
