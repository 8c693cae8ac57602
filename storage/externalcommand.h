#pragma once

#include <QString>
#include <QStringList>

// A command line from the settings with placeholders ("%1", "%2") for paths and labels. The line is
// split into program and arguments before the values go in, so a value with blanks or quotes stays
// one argument and cannot add arguments of its own.
class ExternalCommand
{
public:
    // The program and its arguments, with "%1", "%2" ... replaced by values in order; empty when the
    // command line names no program.
    static QStringList arguments(const QString &commandLine, const QStringList &values);
};
