#include "sessionfigures.h"

#include "entry.h"

SessionFigures::SessionFigures(const QString &dateFormat)
    : m_dates(dateFormat)
{
}

void SessionFigures::setDateFormat(const QString &dateFormat)
{
    m_dates.setDateFormat(dateFormat);
}

QDate SessionFigures::add(const Entry &entry)
{
    Session &session = m_sessions[entry.getField(Entry::SessionField).toUInt(nullptr, 10)];
    ++session.count;
    const QDate day = m_dates.date(entry.getField(Entry::DateField));
    if (!day.isValid())
        return day;
    if (!session.earliest.isValid() || day < session.earliest)
        session.earliest = day;
    if (!session.latest.isValid() || day > session.latest)
        session.latest = day;
    return day;
}
