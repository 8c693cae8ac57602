#pragma once

#include <QByteArray>
#include <QString>

class MyAbcFile;
class MyUnit;

namespace AbcSupport {

// The line of a new entry as the arrangement writes it:
// session~remark~remark~checksum~0~category~unknown~original~unknown,unknown~date
QString newEntryLine(const QString &remark, const QString &original = QStringLiteral("IMG_0001.JPG"),
                     const QString &session = QStringLiteral("1"), unsigned category = 0);

// Path of the catalogue file of the folder pair rema (e.g. "qwer" gives <box>/qw/er/abc).
QString abcPath(const QString &boxPath, const QString &rema);

// Writes the catalogue file of rema under boxPath byte for byte, creating its folders.
bool writeAbc(const QString &boxPath, const QString &rema, const QByteArray &content);

// Opens the catalogue file of rema as the box does: a first-level and a second-level folder unit under
// box (reused when box already has them) and the abc file in the second. The units belong to box.
MyAbcFile *openAbc(MyUnit *box, const QString &rema);

} // namespace AbcSupport
