#include "datecache.h"

DateCache::DateCache(const QString &dateFormat)
    : m_dateFormat(dateFormat)
{
}

void DateCache::setDateFormat(const QString &dateFormat)
{
    m_dateFormat = dateFormat;
    m_dates.clear();
}

QDate DateCache::date(const QString &text)
{
    auto found = m_dates.constFind(text);
    if (found != m_dates.constEnd())
        return found.value();
    const QDate parsed = QDate::fromString(text, m_dateFormat);
    m_dates.insert(text, parsed);
    return parsed;
}
