#include "mylogfile.h"

#include <QDateTime>
#include <QFile>
#include <QTextStream>

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
    if (!initOk())
        return false;
    return appendLine(completeName(), text);
}

bool MyLogFile::appendLine(const QString &fileName, const QString &text)
{
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
        return false;
    QTextStream stream(&file);
    stream.setCodec("UTF-8");
    stream.setGenerateByteOrderMark(false);
    stream << text << '\n';
    stream.flush();
    const bool written = stream.status() == QTextStream::Ok && file.error() == QFileDevice::NoError;
    file.close();
    return written && file.error() == QFileDevice::NoError;
}
