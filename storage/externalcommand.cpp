#include "externalcommand.h"

#include <QProcess>

// One pass over each argument: a value that itself holds "%2" is not replaced again.
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

QStringList ExternalCommand::arguments(const QString &commandLine, const QStringList &values)
{
    QStringList parts = QProcess::splitCommand(commandLine);
    for (QString &part : parts)
        part = substituted(part, values);
    return parts;
}
