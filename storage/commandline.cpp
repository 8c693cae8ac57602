#include "commandline.h"

#include <QProcess>

const QString CommandLine::PLACE = QStringLiteral("%1");

QStringList CommandLine::arguments(const QString &command, const QString &path)
{
    QStringList split = QProcess::splitCommand(command);
    // QString::replace() does not look again at the text it put in, so a "%1" inside the path stays.
    for (QString &argument : split)
        argument.replace(PLACE, path);
    return split;
}

QStringList CommandLine::argumentsEndingWithPath(const QString &command, const QString &path)
{
    if (endsWithPlace(command))
        return arguments(command, path);
    QStringList split = QProcess::splitCommand(command);
    if (!split.isEmpty())
        split << path;
    return split;
}

bool CommandLine::endsWithPlace(const QString &command)
{
    const QStringList split = QProcess::splitCommand(command);
    return !split.isEmpty() && split.last().endsWith(PLACE);
}

bool CommandLine::start(QProcess *process, const QStringList &arguments)
{
    if (!process || arguments.isEmpty() || arguments.first().isEmpty())
        return false;
    process->start(arguments.first(), arguments.mid(1), QIODevice::ReadWrite);
    return true;
}
