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
    unsigned largest = 0;
    for (const QString &line : qAsConst(lines)) {
        QStringList fields = line.split(SIGN_INV, Qt::KeepEmptyParts);
        if (fields.size() != 4)
            continue;
        for (QString &field : fields)
            field = field.trimmed();
        const unsigned n = fields.at(0).toUInt();
        if (n == 0 || fields.at(1).isEmpty() || fields.at(2).isEmpty())
            continue;
        m_dates[n] = fields.at(1);
        m_annotations[n] = fields.at(3).contains(SIGN_UNKNOWN, Qt::CaseInsensitive) ? QString() : fields.at(3);
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
    m_dates[m_currentSessionNumber] = time;
    m_annotations[m_currentSessionNumber] = simplified;
    m_currentSessionNumber = following(m_currentSessionNumber);
    ++m_countSessions;
    return true;
}
