#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace ProcessSupport {

struct Run
{
    bool finished = false; // ended by itself within the time limit, without crashing
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs a program to its end in workDir with the given environment; a program that is still running after
// timeoutMs is killed and reported as not finished.
Run run(const QString &program, const QStringList &arguments, const QString &workDir,
        const QProcessEnvironment &environment, int timeoutMs = 60000);

// The test's own environment with HOME and the XDG folders moved into home, offscreen and in English,
// so that a run never touches the real user's files.
QProcessEnvironment isolatedEnvironment(const QString &home);

// Every file and folder under dir, relative to it.
QStringList listTree(const QString &dir);

} // namespace ProcessSupport
