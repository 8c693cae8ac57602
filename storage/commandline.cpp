#include "commandline.h"

#include <QProcess>

const QString CommandLine::PLACE = QStringLiteral("%1");

// One pass over each argument: a value that itself holds "%1" or "%2" is not replaced again.
static QString substituted(const QString &part, const QStringList &values)
{
    QString result;
    result.reserve(part.size());
    for (int i = 0; i < part.size(); ++i) {
        const QChar c = part.at(i);
        if (c == QLatin1Char('%') && i + 1 < part.size() && part.at(i + 1).isDigit()) {
            const int number = part.at(i + 1).digitValue();
            if (number >= 1 && number <= values.size()) {
                result += values.at(number - 1);
                ++i;
                continue;
            }
        }
        result += c;
    }
    return result;
}

QStringList CommandLine::arguments(const QString &command, const QString &path)
{
    return arguments(command, QStringList{path});
}

QStringList CommandLine::arguments(const QString &command, const QStringList &values)
{
    QStringList split = QProcess::splitCommand(command);
    for (QString &argument : split)
        argument = substituted(argument, values);
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
