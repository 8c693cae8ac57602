#include "storagesupport.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>

#include <unistd.h>

namespace StorageSupport {

QString fake(const QString &name)
{
    return QStringLiteral(TESSARY_TEST_FAKES) + QLatin1Char('/') + name;
}

bool writeFileAt(const QString &path, const QByteArray &content, const QDateTime &modified)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(content) != content.size())
        return false;
    // Written out first, so that closing the file cannot touch the time again.
    if (!file.flush())
        return false;
    return file.setFileTime(modified, QFileDevice::FileModificationTime);
}

bool makeJpeg(const QString &path, const QDateTime &modified)
{
    QImage image(32, 24, QImage::Format_RGB32);
    image.fill(QColor(40, 120, 200));
    if (!image.save(path, "JPG"))
        return false;
    QFile file(path);
    return file.open(QIODevice::ReadWrite) && file.setFileTime(modified, QFileDevice::FileModificationTime);
}

QString md5sumOf(const QString &path)
{
    QProcess md5sum;
    md5sum.start(QStringLiteral("md5sum"), {path});
    if (!md5sum.waitForFinished(-1) || md5sum.exitCode() != 0)
        return QString();
    return QString::fromLatin1(md5sum.readAllStandardOutput()).section(QLatin1Char(' '), 0, 0);
}

qint64 peakResidentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1;
    const QRegularExpression line(QStringLiteral("^VmHWM:\\s+(\\d+) kB"), QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = line.match(QString::fromLatin1(status.readAll()));
    return match.hasMatch() ? match.captured(1).toLongLong() : -1;
}

bool runningAsRoot()
{
    return geteuid() == 0;
}

QString entryLine(const QString &remark, const QString &originalName, const QString &date)
{
    return QStringList({"1", remark, remark, "d41d8cd98f00b204e9800998ecf8427e", "0", "0", "unknown", originalName,
                        "unknown,unknown", date})
        .join(QLatin1Char('~'));
}

bool writeAbcFile(const QString &boxPath, const QStringList &remarks, const QString &extension)
{
    if (remarks.isEmpty())
        return false;
    const QString folder = boxPath + QLatin1Char('/') + remarks.first().left(2) + QLatin1Char('/')
                           + remarks.first().mid(2, 2);
    if (!QDir().mkpath(folder))
        return false;
    QFile file(folder + QStringLiteral("/abc"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    for (const QString &remark : remarks) {
        const QByteArray line = entryLine(remark, QStringLiteral("IMG_%1.%2").arg(remark, extension)).toUtf8() + '\n';
        if (file.write(line) != line.size())
            return false;
    }
    return true;
}

QStringList remarks(const QString &rema, int count)
{
    QStringList result;
    for (int i = 0; i < count && i < 26 * 26; ++i)
        result << rema + QChar('a' + i / 26) + QChar('a' + i % 26);
    return result;
}

} // namespace StorageSupport
