#pragma once

#include <QString>
#include <QStringList>

class QProcess;

// The command lines of the settings that name a file with "%1" (extractor, preview, present). The line
// is split into program and arguments first (double quotes group words, as the process launcher splits
// it) and the path is put in within the arguments afterwards, so it always reaches the program as one
// argument, whatever blanks or quotes it holds, and also when the user wrote quotes around "%1".
class CommandLine
{
public:
    static const QString PLACE;

    // The program and its arguments with every "%1" inside an argument replaced by the path; a line
    // without "%1" is only split.
    static QStringList arguments(const QString &command, const QString &path);
    // The same with "%1", "%2" ... replaced by the values in order (the burner takes a label and a folder).
    static QStringList arguments(const QString &command, const QStringList &values);
    // As arguments() when the last argument ends with "%1"; otherwise the line split as it is, with the
    // path added as one more argument.
    static QStringList argumentsEndingWithPath(const QString &command, const QString &path);
    // Whether the last argument of the line ends with "%1".
    static bool endsWithPlace(const QString &command);
    // Starts the program (the first item) with the rest as its arguments, read-write, without waiting.
    // False when there is no program to start.
    static bool start(QProcess *process, const QStringList &arguments);
};
