#pragma once

#include <QDate>
#include <QList>
#include <QMap>
#include <QString>

#include "datecache.h"

class Entry;

// How many entries each session brought and the span of their dates, gathered entry by entry. Dates
// repeat across a box, so each distinct date text is parsed once.
class SessionFigures
{
public:
    struct Session
    {
        int count = 0;
        QDate earliest;
        QDate latest;
    };

    explicit SessionFigures(const QString &dateFormat = QString());

    void setDateFormat(const QString &dateFormat);
    // Counts the entry in its session and returns its date (invalid when it has none).
    QDate add(const Entry &entry);
    const QMap<unsigned, Session> &sessions() const { return m_sessions; }
    // The session numbers in ascending order.
    QList<unsigned> numbers() const { return m_sessions.keys(); }

private:
    QMap<unsigned, Session> m_sessions;
    DateCache m_dates;
};
