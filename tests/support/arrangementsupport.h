#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QMap>
#include <QString>
#include <QStringList>

// Helpers for the arrangement tests: incoming photos with dates taken, boxes with chosen entries, and
// reading back what a run left on disk.
namespace ArrangementSupport {

// A small JPEG whose picture depends on seed (so checksums differ), with the date taken written by
// the real exiftool. False when either step fails.
bool makeDatedJpeg(const QString &path, int seed, const QDateTime &taken);

// An entry line with every field chosen: session, remark, prime, checksum, hardcopy, category,
// keywords, original name, caption, date.
QString entryLine(const QStringList &fields);

// Writes the catalogue file of the folder pair rema under boxPath with these lines.
bool writeEntries(const QString &boxPath, const QString &rema, const QStringList &lines);

// The entry lines of every catalogue file under boxPath, keyed by remark.
QMap<QString, QString> storedEntries(const QString &boxPath);

// The lines of a text file, without the line ends.
QStringList lines(const QString &path);

// The files (not folders) directly in a folder, sorted by name.
QStringList fileNames(const QString &folder);

} // namespace ArrangementSupport
