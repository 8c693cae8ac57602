#include "mysssfile.h"

#include <QDateTime>

#include <limits>

#include "constants.h"


MySssFile::MySssFile(const QString &name, MyUnit *parent)
    : MyFile(name, parent)
{
    read();
}

void MySssFile::read()
{
    QStringList lines;
    if (!readLines(lines))
        return;
    m_sessions.reserve(lines.size());
    unsigned largest = 0;
    // A box may hold thousands of sessions, read at every start: the fields are looked at in place.
    for (const QString &line : qAsConst(lines)) {
        const QVector<QStringRef> fields = line.splitRef(SIGN_INV, Qt::KeepEmptyParts);
        if (fields.size() != 4)
            continue;
        const unsigned n = fields.at(0).trimmed().toUInt();
        const QStringRef date = fields.at(1).trimmed();
        if (n == 0 || date.isEmpty() || fields.at(2).trimmed().isEmpty())
            continue;
        const QStringRef annotation = fields.at(3).trimmed();
        m_sessions.insert(n, Session{date.toString(), annotation.contains(SIGN_UNKNOWN, Qt::CaseInsensitive)
                                                          ? QString()
                                                          : annotation.toString()});
        ++m_countSessions;
        largest = qMax(largest, n);
    }
    m_currentSessionNumber = following(largest);
}

// A number past the largest an entry can hold is none at all, never a wrap round to 0 and 1.
unsigned MySssFile::following(unsigned n)
{
    return n == std::numeric_limits<unsigned>::max() ? 0 : n + 1;
}

bool MySssFile::add(const QString &boxName, const QString &annotation)
{
    // A "~" would split the line into more than four fields and the session would not read back;
    // a line break would split the line itself.
    QString simplified = annotation;
    simplified.replace(SIGN_INV, QStringLiteral("-"));
    simplified = simplified.simplified();
    const QString written = simplified.isEmpty() ? SIGN_UNKNOWN : simplified;
    if (!initOk() || !sessionNumberLeft())
        return false;

    const QString time = QDateTime::currentDateTime().toString(QStringLiteral("dd.MM.yyyy hh:mm:ss"));
    const QString line = QString::number(m_currentSessionNumber) + SIGN_INV + time + SIGN_INV + boxName + SIGN_INV
                         + written;
    if (!appendText(line + QLatin1Char('\n')))
        return false;
    m_sessions.insert(m_currentSessionNumber, Session{time, simplified});
    m_currentSessionNumber = following(m_currentSessionNumber);
    ++m_countSessions;
    return true;
}
