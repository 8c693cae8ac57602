#include "category.h"

namespace {

// Default value names; translated when a default model is built.
const char *const DEFAULT_A[] = {
    QT_TRANSLATE_NOOP("Category", "water"), QT_TRANSLATE_NOOP("Category", "sky"),
    QT_TRANSLATE_NOOP("Category", "land"),  QT_TRANSLATE_NOOP("Category", "flora"),
    QT_TRANSLATE_NOOP("Category", "fauna"), QT_TRANSLATE_NOOP("Category", "humans"),
    QT_TRANSLATE_NOOP("Category", "build"), QT_TRANSLATE_NOOP("Category", "wheel"),
    QT_TRANSLATE_NOOP("Category", "item")};
const char *const DEFAULT_C[] = {QT_TRANSLATE_NOOP("Category", "inside"), QT_TRANSLATE_NOOP("Category", "outside")};
const char *const DEFAULT_D[] = {QT_TRANSLATE_NOOP("Category", "night"), QT_TRANSLATE_NOOP("Category", "morning"),
                                 QT_TRANSLATE_NOOP("Category", "day"), QT_TRANSLATE_NOOP("Category", "evening")};
const char *const DEFAULT_E[] = {QT_TRANSLATE_NOOP("Category", "winter"), QT_TRANSLATE_NOOP("Category", "spring"),
                                 QT_TRANSLATE_NOOP("Category", "summer"), QT_TRANSLATE_NOOP("Category", "autumn")};
const char *const DEFAULT_F[] = {
    QT_TRANSLATE_NOOP("Category", "chronicle"),   QT_TRANSLATE_NOOP("Category", "informative"),
    QT_TRANSLATE_NOOP("Category", "event"),       QT_TRANSLATE_NOOP("Category", "situation"),
    QT_TRANSLATE_NOOP("Category", "moment"),      QT_TRANSLATE_NOOP("Category", "detail"),
    QT_TRANSLATE_NOOP("Category", "pictorial"),   QT_TRANSLATE_NOOP("Category", "composition"),
    QT_TRANSLATE_NOOP("Category", "series"),      QT_TRANSLATE_NOOP("Category", "essay"),
    QT_TRANSLATE_NOOP("Category", "empty_A"),     QT_TRANSLATE_NOOP("Category", "empty_B"),
    QT_TRANSLATE_NOOP("Category", "empty_C"),     QT_TRANSLATE_NOOP("Category", "empty_D"),
    QT_TRANSLATE_NOOP("Category", "empty_E"),     QT_TRANSLATE_NOOP("Category", "empty_F")};
const char *const DEFAULT_G[] = {QT_TRANSLATE_NOOP("Category", "pose"), QT_TRANSLATE_NOOP("Category", "reporting")};

template <size_t N>
QList<Category::content> translated(const char *const (&names)[N])
{
    QList<Category::content> values;
    for (const char *name : names)
        values.append({QCoreApplication::translate("Category", name), QString()});
    return values;
}

// "name|description" items separated by ","; empty items are kept, and an item with more than one
// "|" gives a value without name and description.
QList<Category::content> parseValues(const QString &text)
{
    QList<Category::content> values;
    const QStringList items = text.split(QLatin1Char(','));
    for (const QString &item : items) {
        const QStringList parts = item.split(QLatin1Char('|'));
        Category::content value;
        if (parts.size() <= 2) {
            value.name = parts.at(0).simplified();
            if (parts.size() == 2)
                value.description = parts.at(1).simplified();
        }
        values.append(value);
    }
    return values;
}

// B names A's values as major ones: the same names with the first character in upper case.
QList<Category::content> majorValues(const QList<Category::content> &values)
{
    QList<Category::content> major;
    for (const Category::content &value : values) {
        QString name = value.name;
        if (!name.isEmpty())
            name[0] = name.at(0).toUpper();
        major.append({name, QString()});
    }
    return major;
}

} // namespace

Category::Category()
{
    m_axes[AxisA] = {tr("Which"), translated(DEFAULT_A), true, true};
    m_axes[AxisB] = {tr("WhichMain"), majorValues(m_axes[AxisA].values), true, false};
    m_axes[AxisC] = {tr("Where"), translated(DEFAULT_C), true, false};
    m_axes[AxisD] = {tr("Daytime"), translated(DEFAULT_D), true, false};
    m_axes[AxisE] = {tr("Season"), translated(DEFAULT_E), true, false};
    m_axes[AxisF] = {tr("Picture"), translated(DEFAULT_F), true, false};
    m_axes[AxisG] = {tr("Method"), translated(DEFAULT_G), true, false};
}

void Category::setAxis(Axis axis, const QString &label, const QString &values, bool inUse, bool required)
{
    m_axes[axis] = {label, parseValues(values), inUse, required};
    if (axis == AxisA) {
        // B keeps its own label and in-use flag; it never decides emptiness.
        m_axes[AxisB].values = majorValues(m_axes[AxisA].values);
        m_axes[AxisB].required = false;
    }
}

void Category::setSubCategories_A(const QString &label, const QString &values, bool inUse, bool required)
{
    setAxis(AxisA, label, values, inUse, required);
}

void Category::setSubCategories_C(const QString &label, const QString &values, bool inUse, bool required)
{
    setAxis(AxisC, label, values, inUse, required);
}

void Category::setSubCategories_D(const QString &label, const QString &values, bool inUse, bool required)
{
    setAxis(AxisD, label, values, inUse, required);
}

void Category::setSubCategories_E(const QString &label, const QString &values, bool inUse, bool required)
{
    setAxis(AxisE, label, values, inUse, required);
}

void Category::setSubCategories_F(const QString &label, const QString &values, bool inUse, bool required)
{
    setAxis(AxisF, label, values, inUse, required);
}

void Category::setSubCategories_G(const QString &label, const QString &values, bool inUse, bool required)
{
    setAxis(AxisG, label, values, inUse, required);
}

QStringList Category::names(Axis axis) const
{
    QStringList list;
    for (const content &value : m_axes[axis].values)
        list.append(value.name);
    return list;
}

unsigned Category::categoryValue(unsigned present, unsigned major, unsigned c, unsigned d, unsigned e, unsigned f,
                                 unsigned g)
{
    return (present & 511u) | ((major & 511u) << 9) | ((c & 1u) << 18) | ((d & 3u) << 19) | ((e & 3u) << 21)
           | ((f & 15u) << 23) | ((g & 1u) << 27);
}

unsigned Category::subCategoryValue_A(unsigned value)
{
    return value & 511u;
}

unsigned Category::subCategoryValue_B(unsigned value)
{
    return (value & 511u) & ((value >> 9) & 511u);
}

unsigned Category::subCategoryValue_C(unsigned value)
{
    return (value >> 18) & 1u;
}

unsigned Category::subCategoryValue_D(unsigned value)
{
    return (value >> 19) & 3u;
}

unsigned Category::subCategoryValue_E(unsigned value)
{
    return (value >> 21) & 3u;
}

unsigned Category::subCategoryValue_F(unsigned value)
{
    return (value >> 23) & 15u;
}

unsigned Category::subCategoryValue_G(unsigned value)
{
    return (value >> 27) & 1u;
}

unsigned Category::bitsOf(Axis axis, unsigned value)
{
    switch (axis) {
    case AxisA:
        return subCategoryValue_A(value);
    case AxisC:
        return subCategoryValue_C(value);
    case AxisD:
        return subCategoryValue_D(value);
    case AxisE:
        return subCategoryValue_E(value);
    case AxisF:
        return subCategoryValue_F(value);
    case AxisG:
        return subCategoryValue_G(value);
    default:
        return 0;
    }
}

bool Category::isEmpty(unsigned value) const
{
    for (const Axis axis : {AxisA, AxisC, AxisD, AxisE, AxisF, AxisG}) {
        if (m_axes[axis].required && bitsOf(axis, value) != 0)
            return false;
    }
    return true;
}
