#include "entry.h"

#include <algorithm>
#include <cstring>

#include "constants.h"

namespace {

// The field separator, SIGN_INV, as one byte: "~" is ASCII, and no byte of a multi-byte UTF-8
// sequence is below 0x80, so the separators of the UTF-8 line are those of the text.
const char SEPARATOR = '~';

// A field value must stay inside its field and its line: a "~" would split the record into more
// than ten fields and a line break would split the line, and either way the record would be dropped
// at the next load. Such characters are replaced instead of refused, so a description is never lost.
QString safeValue(const QString &text)
{
    QString value = text;
    value.replace(SIGN_INV.at(0), QLatin1Char('-'));
    value.replace(QLatin1Char('\r'), QLatin1Char(' '));
    value.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return value;
}

// Six lower-case letters, as a remark is; checked on the bytes, as every line of every catalogue file
// goes through it when a box is opened.
bool isRemark(const char *text, int size)
{
    if (size != 6)
        return false;
    for (int i = 0; i < 6; ++i) {
        if (text[i] < 'a' || text[i] > 'z')
            return false;
    }
    return true;
}

} // namespace

Entry::Entry(const QString &line)
{
    setEntry(line);
}

Entry Entry::fromUtf8(const QByteArray &line)
{
    return fromUtf8(line, 0, line.size());
}

Entry Entry::fromUtf8(const QByteArray &text, int offset, int size)
{
    Entry entry;
    entry.setLine(text, offset, size);
    return entry;
}

void Entry::setEntry(const QString &line)
{
    const QByteArray text = line.toUtf8();
    setLine(text, 0, text.size());
}

void Entry::setLine(const QByteArray &text, int offset, int size)
{
    m_text = text;
    m_offset = offset;
    m_size = size;
    m_count = size == 0 ? 0 : int(std::count(line(), line() + size, SEPARATOR)) + 1;
    m_ok = test();
}

bool Entry::test() const
{
    int start = 0;
    int end = 0;
    return m_count == FIELD_COUNT && bounds(1, start, end) && isRemark(line() + start, end - start);
}

// Start and end (exclusive) of field index inside the joined line.
bool Entry::bounds(int index, int &start, int &end) const
{
    if (index < 0 || index >= m_count)
        return false;
    const char *data = line();
    const int size = m_size;
    start = 0;
    for (int i = 0; i < index; ++i)
        start = int(static_cast<const char *>(std::memchr(data + start, SEPARATOR, size_t(size - start))) - data) + 1;
    const void *next = std::memchr(data + start, SEPARATOR, size_t(size - start));
    end = next ? int(static_cast<const char *>(next) - data) : size;
    return true;
}

QString Entry::field(int index) const
{
    int start = 0;
    int end = 0;
    if (!bounds(index, start, end))
        return QString();
    return QString::fromUtf8(line() + start, end - start);
}

QString Entry::getField(int index) const
{
    return m_ok ? field(index) : QString();
}

bool Entry::setField(int index, const QString &text)
{
    int start = 0;
    int end = 0;
    if (!bounds(index, start, end))
        return false;
    QByteArray changed(line(), m_size);
    changed.replace(start, end - start, safeValue(text).toUtf8());
    setLine(changed, 0, changed.size());
    return true;
}

QString Entry::getAllFields() const
{
    return m_ok ? QString::fromUtf8(line(), m_size) : QString();
}

void Entry::appendLine(QByteArray &text) const
{
    if (m_ok)
        text.append(line(), m_size);
}

QString Entry::simpleName() const
{
    int start = 0;
    int end = 0;
    if (!m_ok || !bounds(1, start, end))
        return QString();
    return QString::fromLatin1(line() + start + 4, 2);
}

// The extension is the text after the last "." of the original name, or the whole name without one.
QString Entry::remarkFileName() const
{
    if (!m_ok)
        return QString();
    const QString original = field(7);
    const int dot = original.lastIndexOf(QLatin1Char('.'));
    return field(1) + QLatin1Char('.') + original.mid(dot + 1);
}

QString Entry::originalFileName() const
{
    return getField(Entry::OriginalField);
}
