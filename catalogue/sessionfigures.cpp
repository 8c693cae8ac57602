#include "sessionfigures.h"

#include "entry.h"

SessionFigures::SessionFigures(const QString &dateFormat)
    : m_dateFormat(dateFormat)
{
}

void SessionFigures::setDateFormat(const QString &dateFormat)
{
    m_dateFormat = dateFormat;
    m_dates.clear();
}

QDate SessionFigures::date(const QString &text)
{
    auto found = m_dates.constFind(text);
    if (found != m_dates.constEnd())
        return found.value();
    const QDate parsed = QDate::fromString(text, m_dateFormat);
    m_dates.insert(text, parsed);
    return parsed;
}

QDate SessionFigures::add(const Entry &entry)
{
    Session &session = m_sessions[entry.getField(Entry::SessionField).toUInt(nullptr, 10)];
    ++session.count;
    const QDate day = date(entry.getField(Entry::DateField));
    if (!day.isValid())
        return day;
    if (!session.earliest.isValid() || day < session.earliest)
        session.earliest = day;
    if (!session.latest.isValid() || day > session.latest)
        session.latest = day;
    return day;
}
