#include "mylogfile.h"

#include <QDateTime>

static const QString LOG_TIME_FORMAT = QStringLiteral("dd.MM.yyyy hh:mm:ss.zzz");

MyLogFile::MyLogFile(const QString &name, MyUnit *parent)
    : MyFile(name, parent)
{
}

void MyLogFile::openLog(const QString &title)
{
    m_title = title;
    // "OPEN :" and "CLOSE:" have the same width, so the two markers line up.
    add(QStringLiteral("--- %1 OPEN : %2 ---").arg(m_title, QDateTime::currentDateTime().toString(LOG_TIME_FORMAT)));
}

void MyLogFile::closeLog()
{
    // The closing text carries its own line break, so an empty line separates the blocks.
    add(QStringLiteral("--- %1 CLOSE: %2 ---\n").arg(m_title, QDateTime::currentDateTime().toString(LOG_TIME_FORMAT)));
}

MyLogFile &MyLogFile::operator<<(const QString &text)
{
    add(text);
    return *this;
}

bool MyLogFile::add(const QString &text)
{
    return appendText(text + QLatin1Char('\n'));
}


bool MyLogFile::addLines(const QStringList &lines)
{
    if (lines.isEmpty())
        return true;
    return appendText(lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
}
