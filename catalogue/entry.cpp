#include "entry.h"

#include "constants.h"
#include "remark.h"

namespace {

// The field separator, SIGN_INV, as one character.
QChar separator()
{
    return SIGN_INV.at(0);
}

// A field value must stay inside its field and its line: a "~" would split the record into more
// than ten fields and a line break would split the line, and either way the record would be dropped
// at the next load. Such characters are replaced instead of refused, so a description is never lost.
QString safeValue(const QString &text)
{
    QString value = text;
    value.replace(separator(), QLatin1Char('-'));
    value.replace(QLatin1Char('\r'), QLatin1Char(' '));
    value.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return value;
}

} // namespace

Entry::Entry(const QString &line)
{
    setEntry(line);
}

void Entry::setEntry(const QString &line)
{
    m_line = line;
    m_count = line.isEmpty() ? 0 : line.count(separator()) + 1;
    m_ok = test();
}

bool Entry::test() const
{
    return m_count == FIELD_COUNT && Remark::isValid(field(1));
}

// Start and end (exclusive) of field index inside the joined line.
bool Entry::bounds(int index, int &start, int &end) const
{
    if (index < 0 || index >= m_count)
        return false;
    start = 0;
    for (int i = 0; i < index; ++i)
        start = m_line.indexOf(separator(), start) + 1;
    end = m_line.indexOf(separator(), start);
    if (end < 0)
        end = m_line.size();
    return true;
}

QStringView Entry::field(int index) const
{
    int start = 0;
    int end = 0;
    if (!bounds(index, start, end))
        return QStringView();
    return QStringView(m_line).mid(start, end - start);
}

QString Entry::getField(int index) const
{
    return m_ok ? field(index).toString() : QString();
}

bool Entry::setField(int index, const QString &text)
{
    int start = 0;
    int end = 0;
    if (!bounds(index, start, end))
        return false;
    m_line.replace(start, end - start, safeValue(text));
    m_ok = test();
    return true;
}

QString Entry::getAllFields() const
{
    return m_ok ? m_line : QString();
}

QString Entry::simpleName() const
{
    return m_ok ? field(1).mid(4, 2).toString() : QString();
}

// The extension is the text after the last "." of the original name, or the whole name without one.
QString Entry::remarkFileName() const
{
    if (!m_ok)
        return QString();
    const QStringView original = field(7);
    const int dot = original.lastIndexOf(QLatin1Char('.'));
    return field(1).toString() + QLatin1Char('.') + original.mid(dot + 1).toString();
}

QString Entry::originalFileName() const
{
    return getField(Entry::OriginalField);
}
