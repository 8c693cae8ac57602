#include "arrangementsupport.h"

#include <QColor>
#include <QDir>
#include <QDirIterator>
#include <QImage>
#include <QProcess>

#include "abcsupport.h"
#include "testsupport.h"

namespace ArrangementSupport {

bool makeDatedJpeg(const QString &path, int seed, const QDateTime &taken)
{
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(QColor((seed * 53) % 256, (seed * 97) % 256, (seed * 31) % 256));
    if (!image.save(path, "JPG"))
        return false;
    QProcess exiftool;
    const QString date = taken.toString(QStringLiteral("yyyy:MM:dd hh:mm:ss"));
    exiftool.start(QStringLiteral("exiftool"), {QStringLiteral("-q"), QStringLiteral("-overwrite_original"),
                                                QStringLiteral("-DateTimeOriginal=") + date, path});
    return exiftool.waitForFinished(-1) && exiftool.exitStatus() == QProcess::NormalExit && exiftool.exitCode() == 0;
}

QString entryLine(const QStringList &fields)
{
    return fields.join(QLatin1Char('~'));
}

bool writeEntries(const QString &boxPath, const QString &rema, const QStringList &lines)
{
    return AbcSupport::writeAbc(boxPath, rema, (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
}

QMap<QString, QString> storedEntries(const QString &boxPath)
{
    QMap<QString, QString> entries;
    QDirIterator it(boxPath, {QStringLiteral("abc")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        for (const QString &line : lines(it.next())) {
            if (!line.isEmpty())
                entries.insert(line.section(QLatin1Char('~'), 1, 1), line);
        }
    }
    return entries;
}

QStringList lines(const QString &path)
{
    QString text = QString::fromUtf8(TestSupport::readFile(path));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

QStringList fileNames(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

} // namespace ArrangementSupport
