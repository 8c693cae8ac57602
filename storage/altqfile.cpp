#include "altqfile.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

AltQFile::AltQFile(QObject *parent)
    : QFile(parent)
{
}

AltQFile::AltQFile(const QString &name)
    : QFile(name)
{
}

AltQFile::AltQFile(const QString &name, QObject *parent)
    : QFile(name, parent)
{
}

// A directory is never a program, and an empty name names nothing.
static bool isProgramFile(const QString &candidate)
{
    const QFileInfo info(candidate);
    return info.exists() && !info.isDir();
}

bool AltQFile::exists(const QString &name)
{
    const QString program = name.trimmed();
    if (program.isEmpty())
        return false;
    if (QDir::isAbsolutePath(program))
        return isProgramFile(program);

    const QString separator = QDir::separator();
    QString searchPath = QString::fromLocal8Bit(qgetenv("PATH"));
    QStringList entries;
    if (separator == QLatin1String("/")) {
        entries = searchPath.split(QLatin1Char(':'));
    } else {
        searchPath.remove(QRegularExpression(QStringLiteral("^\\w+=")));
        entries = searchPath.split(QLatin1Char(';'));
    }
    entries << QString(); // the current directory
    for (QString entry : entries) {
        entry = entry.trimmed();
        if (!entry.isEmpty() && !entry.endsWith(separator))
            entry += separator;
        if (isProgramFile(entry + program))
            return true;
    }
    return false;
}

bool AltQFile::copy(const QString &newName)
{
    if (QDir::separator() == QLatin1Char('/')) {
        // cp -p keeps the time stamps and permissions of the original.
        return QProcess::execute(QStringLiteral("cp"), {QStringLiteral("-p"), fileName(), newName}) == 0;
    }
    return QFile::copy(newName);
}
