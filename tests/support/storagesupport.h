#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

// Helpers for the storage tests: fake programs, files with chosen times, JPEGs, process memory.
namespace StorageSupport {

// Full path of a fake program script under tests/fakes.
QString fake(const QString &name);

// Writes the file and sets its modification time; false when either fails.
bool writeFileAt(const QString &path, const QByteArray &content, const QDateTime &modified);

// A small JPEG made with QImage; false when it cannot be written.
bool makeJpeg(const QString &path, const QDateTime &modified);

// MD5 of a file as printed by md5sum, or empty when md5sum fails.
QString md5sumOf(const QString &path);

// The peak resident set size of this process in KiB (VmHWM), or -1 when unknown.
qint64 peakResidentKiB();

bool runningAsRoot();

// One catalogue line of a new object: session, remark twice, checksum, no hardcopy, category 0,
// no keywords, the original name, no caption and the date.
QString entryLine(const QString &remark, const QString &originalName, const QString &date = "10.07.2021");

// Writes box/re/ma/abc for the remarks given (all of the same re and ma), making the folders.
bool writeAbcFile(const QString &boxPath, const QStringList &remarks, const QString &extension = "jpg");

// The remarks re+ma+xx for the first count two-letter keys aa, ab, ...
QStringList remarks(const QString &rema, int count);

} // namespace StorageSupport
