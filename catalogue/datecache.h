#pragma once

#include <QDate>
#include <QHash>
#include <QString>

// Dates read from entries in one date format. The same date texts repeat across a box, and reading a
// date with a format is slow (each reading asks the system for the time zone), so each distinct text is
// read once.
class DateCache
{
public:
    explicit DateCache(const QString &dateFormat = QString());

    void setDateFormat(const QString &dateFormat);
    const QString &dateFormat() const { return m_dateFormat; }
    // The date the text gives in the format; invalid when it gives none.
    QDate date(const QString &text);

private:
    QString m_dateFormat;
    QHash<QString, QDate> m_dates;
};
