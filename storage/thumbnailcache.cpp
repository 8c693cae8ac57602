#include "thumbnailcache.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUrl>

static const QString KEY_URI = QStringLiteral("Thumb::URI");
static const QString KEY_MTIME = QStringLiteral("Thumb::MTime");
static const QString KEY_SIZE = QStringLiteral("Thumb::Size");
static const QString KEY_WIDTH = QStringLiteral("Thumb::Image::Width");
static const QString KEY_HEIGHT = QStringLiteral("Thumb::Image::Height");
static const QString KEY_SOFTWARE = QStringLiteral("Software");
static const QString SOFTWARE = QStringLiteral("Tessary");
// Failures are kept per program: another program may decode what this one cannot.
static const QString FAIL_FOLDER = QStringLiteral("fail/tessary-1");
static const int NORMAL_SIDE = 128;
static const int LARGE_SIDE = 256;

QString ThumbnailCache::root()
{
    QString cache = qEnvironmentVariable("XDG_CACHE_HOME");
    if (cache.isEmpty() || !QDir::isAbsolutePath(cache))
        cache = QDir::homePath() + QStringLiteral("/.cache");
    return cache + QStringLiteral("/thumbnails");
}

QString ThumbnailCache::fileUri(const QString &path)
{
    return QString::fromLatin1(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toEncoded());
}

QString ThumbnailCache::thumbnailName(const QString &path)
{
    const QByteArray hash = QCryptographicHash::hash(fileUri(path).toLatin1(), QCryptographicHash::Md5);
    return QString::fromLatin1(hash.toHex()) + QStringLiteral(".png");
}

QString ThumbnailCache::thumbnailPath(const QString &path, int side)
{
    const QString folder = side <= NORMAL_SIDE ? QStringLiteral("/normal/") : QStringLiteral("/large/");
    return root() + folder + thumbnailName(path);
}

QString ThumbnailCache::failPath(const QString &path)
{
    return root() + QLatin1Char('/') + FAIL_FOLDER + QLatin1Char('/') + thumbnailName(path);
}

static QString modificationTime(const QFileInfo &info)
{
    return QString::number(info.lastModified().toSecsSinceEpoch());
}

// The stored image when it was made from this very file as it is now.
static QImage validEntry(const QString &entryPath, const QString &uri, const QString &mtime)
{
    if (!QFileInfo::exists(entryPath))
        return QImage();
    // The image's own keys: the reader's text would be split at the first colon of "Thumb::URI".
    QImageReader reader(entryPath, "png");
    const QImage image = reader.read();
    if (image.isNull() || image.text(KEY_URI) != uri || image.text(KEY_MTIME) != mtime)
        return QImage();
    return image;
}

// Written whole or not at all, readable by this user only, as the cache's other users expect.
static bool storeEntry(const QString &entryPath, const QImage &image, const QString &uri, const QString &mtime,
                       qint64 fileSize, const QSize &original)
{
    const QString folder = QFileInfo(entryPath).absolutePath();
    if (!QDir().mkpath(folder))
        return false;
    QFile::setPermissions(QFileInfo(folder).absolutePath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                                QFileDevice::ExeOwner);
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QSaveFile file(entryPath);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    // The keys go with the image: the writer's own text would be split at the first colon of "Thumb::URI".
    QImage tagged = image;
    tagged.setText(KEY_URI, uri);
    tagged.setText(KEY_MTIME, mtime);
    tagged.setText(KEY_SIZE, QString::number(fileSize));
    if (original.isValid()) {
        tagged.setText(KEY_WIDTH, QString::number(original.width()));
        tagged.setText(KEY_HEIGHT, QString::number(original.height()));
    }
    tagged.setText(KEY_SOFTWARE, SOFTWARE);
    QImageWriter writer(&file, "png");
    if (!writer.write(tagged)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QImage ThumbnailCache::decodeScaled(const QString &path, int side)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize full = reader.size();
    if (full.isValid() && (full.width() > side || full.height() > side))
        reader.setScaledSize(full.scaled(side, side, Qt::KeepAspectRatio));
    QImage image = reader.read();
    // A reader that ignores the scaled size (or turns the picture) still gives the size asked for.
    if (!image.isNull() && (image.width() > side || image.height() > side))
        image = image.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return image;
}

QImage ThumbnailCache::thumbnail(const QString &path, int side, Outcome *outcome)
{
    Outcome dummy;
    Outcome &result = outcome ? *outcome : dummy;
    const QFileInfo info(path);
    if (!info.isFile() || QImageReader::imageFormat(path).isEmpty()) {
        result = NotAnImage;
        return QImage();
    }
    const int cacheSide = side <= NORMAL_SIDE ? NORMAL_SIDE : LARGE_SIDE;
    const QString uri = fileUri(path);
    const QString mtime = modificationTime(info);

    if (!validEntry(failPath(path), uri, mtime).isNull()) {
        result = Failed;
        return QImage();
    }
    QImage cached = validEntry(thumbnailPath(path, side), uri, mtime);
    if (!cached.isNull() && cached.width() > 1) {
        result = FromCache;
        return cached.width() > side || cached.height() > side
                   ? cached.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                   : cached;
    }

    const QSize original = QImageReader(path).size();
    const QImage made = decodeScaled(path, cacheSide);
    if (made.isNull()) {
        QImage mark(1, 1, QImage::Format_ARGB32);
        mark.fill(Qt::transparent);
        storeEntry(failPath(path), mark, uri, mtime, info.size(), QSize());
        result = Failed;
        return QImage();
    }
    storeEntry(thumbnailPath(path, side), made, uri, mtime, info.size(), original);
    result = Made;
    return made.width() > side || made.height() > side
               ? made.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation)
               : made;
}
