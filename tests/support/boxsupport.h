#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class MySettings;
class Tessary;

// Helpers for the frames that read a box: the box set over a temporary base folder, and stored
// objects with chosen contents.
namespace BoxSupport {

// The box set as the main window builds it, with the fake extractor; null when a unit is missing.
Tessary *openBoxSet(MySettings *settings);

// An entry line from its meaningful fields; checksum and category are filled in.
QString entry(const QString &session, const QString &remark, const QString &prime, const QString &hardcopy,
              const QString &keywords, const QString &original, const QString &caption, const QString &date,
              unsigned category = 0);

// Writes the stored object of remark under boxPath (re/ma/rk.extension), making its folders.
bool writeObject(const QString &boxPath, const QString &remark, const QString &extension, const QByteArray &content);

} // namespace BoxSupport
