#pragma once

#include <QDate>
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QStringMatcher>
#include <QVector>

#include <array>

#include "category.h"
#include "criterion.h"

class Entry;

// Decides whether one entry satisfies seven criterion texts. Everything the texts say is prepared
// once, when the selector is built, so that a pass over a whole box only compares fields.
class Selector
{
public:
    // One date alternative.
    struct dt_template
    {
        QDate first;
        QDate second;
        // 0 between the two dates, 1 up to the second, 2 from the first, 3 exactly the first.
        int kind = 3;
    };

    Selector(const QString &remarks, const QString &categories, const QString &keywords, const QString &dates,
             const QString &sessions, const QString &hardcopies, const QString &titles, const Category &category,
             const QString &dateFormat);

    bool match(const Entry *entry) const;

    bool cmp_remark(const QString &text) const;
    bool cmp_session(const QString &text) const;
    bool cmp_title(const QString &text) const;
    bool cmp_print(const QString &text) const;
    bool cmp_keyword(const QString &text) const;
    bool cmp_date(const QString &text) const;
    bool cmp_category(const QString &text) const;
    bool check_category(unsigned value) const;

    // The fixed tests of the without-category, without-keyword and without-title selections; they do
    // not ask for a prime.
    static bool withoutCategory(const Entry *entry, const Category &category);
    static bool withoutKeyword(const Entry *entry);
    static bool withoutTitle(const Entry *entry);

    QVector<dt_template> dateTemplates() const { return m_dateTemplates; }

private:
    enum Kind { Remarks, Sessions, Titles, Keywords, Dates, Hardcopies, Categories, KindCount };
    // Lookup tables: A and B together, then C, D, E, F, G.
    enum Table { TableAB, TableC, TableD, TableE, TableF, TableG, TableCount };

    // The "which" position sorted into bit sets, and for the other axes the allowed value indexes.
    struct CategoryTest
    {
        bool active = false;
        unsigned present = 0;
        unsigned absent = 0;
        unsigned major = 0;
        unsigned notMajor = 0;
        std::array<bool, TableCount> axisActive{};
        std::array<unsigned, TableCount> axisAllowed{};
    };

    void prepare(Kind kind, const QString &text);
    void prepareDates();
    void prepareTables(const Category &category);
    void prepareCategory();
    bool inList(Kind kind, const QSet<QString> &set, const QString &text) const;
    QDate readDate(const QString &text) const;
    static bool inTemplate(const dt_template &tmpl, const QDate &date);
    static unsigned categoryValue(const QString &text);

    std::array<QString, KindCount> m_text;
    std::array<QStringList, KindCount> m_alternatives;
    std::array<bool, KindCount> m_negation{};
    QString m_majorPattern;
    QString m_dateFormat;
    std::array<QHash<QString, unsigned>, TableCount> m_tables;
    QVector<dt_template> m_dateTemplates;

    QSet<QString> m_remarkSet;
    QSet<QString> m_sessionSet;
    bool m_wantNoHardcopy = false;
    bool m_wantHardcopy = false;
    QVector<QStringMatcher> m_titleMatchers;
    QVector<QVector<Criterion::Term>> m_expressions;
    CategoryTest m_categoryTest;
    // Boxes repeat the same dates many times; reading a date by its format is costly.
    mutable QHash<QString, QDate> m_dateCache;
};
