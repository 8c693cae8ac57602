#pragma once

#include <QString>
#include <QTemporaryDir>

class MySettings;

namespace TestSupport {

// A settings file in its own temporary folder whose base directory is a folder beside it.
// The base directory is created when createBase is true.
MySettings *makeSettings(const QTemporaryDir &dir, bool createBase = true);
QString baseDir(const QTemporaryDir &dir);

// Writes a text file (UTF-8) whole; returns false when it cannot be written.
bool writeFile(const QString &path, const QByteArray &content);
QByteArray readFile(const QString &path);

} // namespace TestSupport
