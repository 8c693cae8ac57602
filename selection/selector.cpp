#include "selector.h"

#include <QRegularExpression>

#include "constants.h"
#include "entry.h"

namespace {

// The number of category positions: which, where, daytime, season, picture, method.
const int POSITIONS = 6;
// Values that axis A (and with it B) can encode.
const int A_CAPACITY = 9;
const int DATE_CACHE_LIMIT = 100000;


} // namespace

Selector::Selector(const QString &remarks, const QString &categories, const QString &keywords, const QString &dates,
                   const QString &sessions, const QString &hardcopies, const QString &titles,
                   const Category &category, const QString &dateFormat)
    : m_dateFormat(dateFormat)
{
    prepare(Remarks, remarks);
    prepare(Categories, categories);
    prepare(Keywords, keywords);
    prepare(Dates, dates);
    prepare(Sessions, sessions);
    prepare(Hardcopies, hardcopies);
    prepare(Titles, titles);

    const QStringList &remarkList = m_alternatives[Remarks];
    m_remarkSet = QSet<QString>(remarkList.begin(), remarkList.end());
    const QStringList &sessionList = m_alternatives[Sessions];
    m_sessionSet = QSet<QString>(sessionList.begin(), sessionList.end());
    for (const QString &alternative : m_alternatives[Hardcopies]) {
        m_wantNoHardcopy = m_wantNoHardcopy || alternative == QLatin1String("0");
        m_wantHardcopy = m_wantHardcopy || alternative == QLatin1String("1");
    }
    for (const QString &alternative : m_alternatives[Titles])
        m_titleMatchers.append(QStringMatcher(alternative, Qt::CaseInsensitive));
    for (const QString &alternative : m_alternatives[Keywords])
        m_expressions.append(Criterion::signedTerms(alternative));
    prepareDates();
    prepareTables(category);
    prepareCategory();
}

void Selector::prepare(Kind kind, const QString &text)
{
    m_alternatives[kind] = Criterion::split(text, kind == Titles, kind == Categories, &m_negation[kind]);
    m_text[kind] = m_alternatives[kind].join(QLatin1Char(','));
}

void Selector::prepareDates()
{
    for (const QString &alternative : m_alternatives[Dates]) {
        const QStringList parts = alternative.split(QLatin1Char('-'));
        dt_template tmpl;
        if (parts.size() == 1) {
            tmpl.first = QDate::fromString(parts.at(0), m_dateFormat);
            tmpl.second = tmpl.first;
            tmpl.kind = 3;
            if (!tmpl.first.isValid())
                continue;
        } else if (parts.size() == 2) {
            const QDate first = QDate::fromString(parts.at(0), m_dateFormat);
            const QDate second = QDate::fromString(parts.at(1), m_dateFormat);
            if (first.isValid() && second.isValid())
                tmpl = {first, second, 0};
            else if (first.isValid())
                tmpl = {first, first, 2};
            else if (second.isValid())
                tmpl = {second, second, 1};
            else
                continue;
        } else {
            continue;
        }
        m_dateTemplates.append(tmpl);
    }
}

void Selector::prepareTables(const Category &category)
{
    // Names without text are placeholders; an empty part of a criterion must not find them.
    auto fill = [this](Table table, const QStringList &names, int capacity, bool asBits) {
        for (int i = 0; i < names.size() && i < capacity; ++i) {
            if (!names.at(i).isEmpty() && !m_tables[table].contains(names.at(i)))
                m_tables[table].insert(names.at(i), asBits ? 1u << i : unsigned(i));
        }
    };
    const QStringList major = category.listSubCategoryValues_B();
    fill(TableAB, category.listSubCategoryValues_A(), A_CAPACITY, true);
    fill(TableAB, major, A_CAPACITY, true);
    fill(TableC, category.listSubCategoryValues_C(), 2, false);
    fill(TableD, category.listSubCategoryValues_D(), 4, false);
    fill(TableE, category.listSubCategoryValues_E(), 4, false);
    fill(TableF, category.listSubCategoryValues_F(), 16, false);
    fill(TableG, category.listSubCategoryValues_G(), 2, false);

    QStringList letters;
    for (const QString &name : major) {
        const QString letter = name.left(1);
        if (!letter.isEmpty() && !letters.contains(QRegularExpression::escape(letter)))
            letters.append(QRegularExpression::escape(letter));
    }
    m_majorPattern = QStringLiteral("^(") + letters.join(QLatin1Char('|')) + QStringLiteral(").+");
}

void Selector::prepareCategory()
{
    QStringList positions = m_alternatives[Categories];
    while (positions.size() < POSITIONS)
        positions.append(QString());
    CategoryTest &test = m_categoryTest;

    const QRegularExpression majorName(QRegularExpression::anchoredPattern(m_majorPattern));
    const QVector<Criterion::Term> terms = Criterion::signedTerms(positions.at(0));
    for (const Criterion::Term &term : terms) {
        if (!m_tables[TableAB].contains(term.text))
            continue;
        const unsigned bit = m_tables[TableAB].value(term.text);
        const bool isMajor = majorName.match(term.text).hasMatch();
        if (isMajor)
            (term.plus ? test.major : test.notMajor) |= bit;
        else
            (term.plus ? test.present : test.absent) |= bit;
    }
    test.active = !positions.at(0).isEmpty();

    for (int table = TableC; table < TableCount; ++table) {
        const QString &position = positions.at(table);
        if (position.isEmpty())
            continue;
        test.active = true;
        // A position naming only values the box does not have allows nothing.
        test.axisActive[table] = true;
        const QStringList alternatives = position.split(QLatin1Char('|'));
        for (const QString &alternative : alternatives) {
            if (m_tables[table].contains(alternative))
                test.axisAllowed[table] |= 1u << m_tables[table].value(alternative);
        }
    }
}

bool Selector::match(const Entry *entry) const
{
    if (!entry || !entry->Ok())
        return false;
    const QString remark = entry->getField(Entry::RemarkField);
    if (entry->getField(Entry::ResembleField) != remark)
        return false;
    // A criterion without conditions passes anyway; its field need not be read.
    if (!m_remarkSet.isEmpty() && !cmp_remark(remark))
        return false;
    if (m_categoryTest.active && !cmp_category(entry->getField(Entry::CategoryField)))
        return false;
    if (!m_sessionSet.isEmpty() && !cmp_session(entry->getField(Entry::SessionField)))
        return false;
    if (!m_alternatives[Hardcopies].isEmpty() && !cmp_print(entry->getField(Entry::HardcopyField)))
        return false;
    if (!m_titleMatchers.isEmpty() && !cmp_title(entry->getField(Entry::CaptionField)))
        return false;
    if (!m_expressions.isEmpty() && !cmp_keyword(entry->getField(Entry::KeywordField)))
        return false;
    if (!m_dateTemplates.isEmpty() && !cmp_date(entry->getField(Entry::DateField)))
        return false;
    return true;
}

bool Selector::inList(Kind kind, const QSet<QString> &set, const QString &text) const
{
    if (m_alternatives[kind].isEmpty())
        return true;
    return set.contains(text) != m_negation[kind];
}

bool Selector::cmp_remark(const QString &text) const
{
    return inList(Remarks, m_remarkSet, text);
}

bool Selector::cmp_session(const QString &text) const
{
    return inList(Sessions, m_sessionSet, text);
}

bool Selector::cmp_print(const QString &text) const
{
    if (m_alternatives[Hardcopies].isEmpty())
        return true;
    bool ok = false;
    const bool printed = text.toUInt(&ok, 10) != 0 && ok;
    return (printed ? m_wantHardcopy : m_wantNoHardcopy) != m_negation[Hardcopies];
}

bool Selector::cmp_title(const QString &text) const
{
    if (m_titleMatchers.isEmpty())
        return true;
    bool found = false;
    for (const QStringMatcher &matcher : m_titleMatchers) {
        if (matcher.indexIn(text) >= 0) {
            found = true;
            break;
        }
    }
    return found != m_negation[Titles];
}

bool Selector::cmp_keyword(const QString &text) const
{
    if (m_expressions.isEmpty())
        return true;
    bool holds = false;
    for (const QVector<Criterion::Term> &expression : m_expressions) {
        holds = true;
        for (const Criterion::Term &term : expression) {
            if (text.contains(term.text) != term.plus) {
                holds = false;
                break;
            }
        }
        if (holds)
            break;
    }
    return holds != m_negation[Keywords];
}

QDate Selector::readDate(const QString &text) const
{
    auto cached = m_dateCache.constFind(text);
    if (cached != m_dateCache.constEnd())
        return cached.value();
    if (m_dateCache.size() >= DATE_CACHE_LIMIT)
        m_dateCache.clear();
    const QDate date = QDate::fromString(text, m_dateFormat);
    m_dateCache.insert(text, date);
    return date;
}

bool Selector::inTemplate(const dt_template &tmpl, const QDate &date)
{
    switch (tmpl.kind) {
    case 0:
        return tmpl.first <= date && date <= tmpl.second;
    case 1:
        return date <= tmpl.second;
    case 2:
        return date >= tmpl.first;
    default:
        return date == tmpl.first;
    }
}

bool Selector::cmp_date(const QString &text) const
{
    if (m_dateTemplates.isEmpty())
        return true;
    const QDate date = readDate(text);
    // A field that is no date fails, negated or not.
    if (!date.isValid())
        return false;
    bool inside = false;
    for (const dt_template &tmpl : m_dateTemplates) {
        if (inTemplate(tmpl, date)) {
            inside = true;
            break;
        }
    }
    return inside != m_negation[Dates];
}

unsigned Selector::categoryValue(const QString &text)
{
    bool ok = false;
    const unsigned value = text.toUInt(&ok, 10);
    return ok ? value : 0;
}

bool Selector::cmp_category(const QString &text) const
{
    // A category text with every position empty is an empty criterion, negated or not.
    if (!m_categoryTest.active)
        return true;
    return check_category(categoryValue(text)) != m_negation[Categories];
}

bool Selector::check_category(unsigned value) const
{
    const CategoryTest &test = m_categoryTest;
    const unsigned present = Category::subCategoryValue_A(value);
    const unsigned major = Category::subCategoryValue_B(value);
    if ((test.present & ~present) || (test.major & ~major) || (test.absent & present)
        || (test.notMajor & ~present) || (test.notMajor & major))
        return false;
    const std::array<unsigned, TableCount> axes = {0,
                                                   Category::subCategoryValue_C(value),
                                                   Category::subCategoryValue_D(value),
                                                   Category::subCategoryValue_E(value),
                                                   Category::subCategoryValue_F(value),
                                                   Category::subCategoryValue_G(value)};
    for (int table = TableC; table < TableCount; ++table) {
        if (test.axisActive[table] && !(test.axisAllowed[table] & (1u << axes[table])))
            return false;
    }
    return true;
}

bool Selector::withoutCategory(const Entry *entry, const Category &category)
{
    return entry && category.isEmpty(categoryValue(entry->getField(Entry::CategoryField)));
}

bool Selector::withoutKeyword(const Entry *entry)
{
    return entry && entry->getField(Entry::KeywordField).contains(SIGN_UNKNOWN, Qt::CaseInsensitive);
}

bool Selector::withoutTitle(const Entry *entry)
{
    return entry && entry->getField(Entry::CaptionField).contains(SIGN_UNKNOWN, Qt::CaseInsensitive);
}
