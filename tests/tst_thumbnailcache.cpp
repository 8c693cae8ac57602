#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "thumbnailcache.h"
#include "thumbnailloader.h"

// Thumbnails of a user's photos, shared with the desktop through its thumbnail cache: named as the file
// managers name them, remade when the photo changes, and a photo that cannot be decoded is not tried
// again until it changes.
class TestThumbnailCache : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void thumbnailsAreSharedWithTheDesktop();
    void changedPhotoIsMadeAgain();
    void brokenPhotoIsMarkedAndNotTriedAgain();
    void loaderHandsEveryThumbnailBack();

private:
    QString photo(const QString &name, const QColor &colour, const QSize &size = QSize(1600, 1200),
                  const QDateTime &modified = QDateTime::currentDateTime().addDays(-3));

    QScopedPointer<QTemporaryDir> m_dir;
};

void TestThumbnailCache::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    qputenv("XDG_CACHE_HOME", QFile::encodeName(m_dir->filePath(QStringLiteral("cache"))));
}

void TestThumbnailCache::cleanup()
{
    qunsetenv("XDG_CACHE_HOME");
    m_dir.reset();
}

QString TestThumbnailCache::photo(const QString &name, const QColor &colour, const QSize &size,
                                  const QDateTime &modified)
{
    const QString path = m_dir->filePath(name);
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    if (!image.save(path, "JPG", 90))
        return QString();
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite) || !file.setFileTime(modified, QFileDevice::FileModificationTime))
        return QString();
    return path;
}

static bool near(const QColor &a, const QColor &b)
{
    return qAbs(a.red() - b.red()) < 24 && qAbs(a.green() - b.green()) < 24 && qAbs(a.blue() - b.blue()) < 24;
}

void TestThumbnailCache::thumbnailsAreSharedWithTheDesktop()
{
    const QString path = photo(QStringLiteral("sea shore.jpg"), QColor(200, 30, 30));
    QVERIFY(!path.isEmpty());
    const QString uri = QStringLiteral("file://") + QFileInfo(path).absolutePath() + QStringLiteral("/sea%20shore.jpg");
    QCOMPARE(ThumbnailCache::fileUri(path), uri);
    const QString name = QString::fromLatin1(QCryptographicHash::hash(uri.toUtf8(), QCryptographicHash::Md5).toHex());
    QCOMPARE(ThumbnailCache::thumbnailName(path), name + QStringLiteral(".png"));
    const QString cache = m_dir->filePath(QStringLiteral("cache/thumbnails"));
    QCOMPARE(ThumbnailCache::root(), cache);

    // A 96-pixel row icon comes from a normal (128-pixel) thumbnail.
    ThumbnailCache::Outcome outcome = ThumbnailCache::FromCache;
    QImage image = ThumbnailCache::thumbnail(path, 96, &outcome);
    QCOMPARE(outcome, ThumbnailCache::Made);
    QCOMPARE(image.size(), QSize(96, 72));
    QVERIFY(near(image.pixelColor(48, 36), QColor(200, 30, 30)));
    const QString normal = cache + QStringLiteral("/normal/") + name + QStringLiteral(".png");
    QVERIFY(QFileInfo::exists(normal));
    QCOMPARE(QImageReader(normal).format(), QByteArray("png"));
    const QImage stored(normal);
    QCOMPARE(stored.text(QStringLiteral("Thumb::URI")), uri);
    QCOMPARE(stored.text(QStringLiteral("Thumb::MTime")),
             QString::number(QFileInfo(path).lastModified().toSecsSinceEpoch()));
    QCOMPARE(stored.text(QStringLiteral("Thumb::Image::Width")), QStringLiteral("1600"));
    QCOMPARE(stored.size(), QSize(128, 96));
    // Private to the user, as the other programs keep them.
    QCOMPARE(QFileInfo(normal).permissions() & (QFileDevice::ReadGroup | QFileDevice::ReadOther),
             QFileDevice::Permissions());

    // Served from the cache the next time; the describe frame's 256 pixels come from a large one.
    image = ThumbnailCache::thumbnail(path, 128, &outcome);
    QCOMPARE(outcome, ThumbnailCache::FromCache);
    QCOMPARE(image.size(), QSize(128, 96));
    image = ThumbnailCache::thumbnail(path, 256, &outcome);
    QCOMPARE(outcome, ThumbnailCache::Made);
    QCOMPARE(image.size(), QSize(256, 192));
    QVERIFY(QFileInfo::exists(cache + QStringLiteral("/large/") + name + QStringLiteral(".png")));

    // A small picture is not enlarged; a text file is no picture and leaves no trace.
    const QString small = photo(QStringLiteral("small.jpg"), Qt::blue, QSize(40, 30));
    QCOMPARE(ThumbnailCache::thumbnail(small, 128).size(), QSize(40, 30));
    QFile text(m_dir->filePath(QStringLiteral("notes.txt")));
    QVERIFY(text.open(QIODevice::WriteOnly) && text.write("not a photo\n") > 0);
    text.close();
    QVERIFY(ThumbnailCache::thumbnail(text.fileName(), 128, &outcome).isNull());
    QCOMPARE(outcome, ThumbnailCache::NotAnImage);
    QVERIFY(!QFileInfo::exists(ThumbnailCache::failPath(text.fileName())));
}

void TestThumbnailCache::changedPhotoIsMadeAgain()
{
    const QString path = photo(QStringLiteral("IMG_0001.JPG"), QColor(20, 180, 20));
    QVERIFY(!path.isEmpty());
    QVERIFY(near(ThumbnailCache::thumbnail(path, 128).pixelColor(10, 10), QColor(20, 180, 20)));

    // Edited elsewhere: other colours, another time. The stored thumbnail no longer belongs to it.
    QVERIFY(photo(QStringLiteral("IMG_0001.JPG"), QColor(20, 20, 200), QSize(1600, 1200),
                  QDateTime::currentDateTime().addDays(-1)) == path);
    ThumbnailCache::Outcome outcome = ThumbnailCache::FromCache;
    const QImage image = ThumbnailCache::thumbnail(path, 128, &outcome);
    QCOMPARE(outcome, ThumbnailCache::Made);
    QVERIFY(near(image.pixelColor(10, 10), QColor(20, 20, 200)));
    QCOMPARE(QImage(ThumbnailCache::thumbnailPath(path, 128)).text(QStringLiteral("Thumb::MTime")),
             QString::number(QFileInfo(path).lastModified().toSecsSinceEpoch()));
}

void TestThumbnailCache::brokenPhotoIsMarkedAndNotTriedAgain()
{
    // A JPEG cut short by a broken card: its header promises a picture that is not there.
    const QString good = photo(QStringLiteral("IMG_0002.JPG"), Qt::red);
    QFile file(good);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray head = file.read(600);
    file.close();
    const QString broken = m_dir->filePath(QStringLiteral("IMG_0003.JPG"));
    QFile out(broken);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(head);
    out.write(QByteArray(64, '\x13'));
    out.close();

    ThumbnailCache::Outcome outcome = ThumbnailCache::Made;
    QVERIFY(ThumbnailCache::thumbnail(broken, 96, &outcome).isNull());
    QCOMPARE(outcome, ThumbnailCache::Failed);
    const QString fail = ThumbnailCache::failPath(broken);
    QVERIFY(fail.startsWith(ThumbnailCache::root() + QStringLiteral("/fail/")));
    QVERIFY(QFileInfo::exists(fail));
    QCOMPARE(QImage(fail).text(QStringLiteral("Thumb::URI")), ThumbnailCache::fileUri(broken));
    QVERIFY(!QFileInfo::exists(ThumbnailCache::thumbnailPath(broken, 96)));

    // Asked again: the fail entry answers; it is not decoded (nor the entry written) again.
    const QDateTime old = QDateTime::currentDateTime().addDays(-30);
    QFile entry(fail);
    QVERIFY(entry.open(QIODevice::ReadWrite) && entry.setFileTime(old, QFileDevice::FileModificationTime));
    entry.close();
    QVERIFY(ThumbnailCache::thumbnail(broken, 96, &outcome).isNull());
    QCOMPARE(outcome, ThumbnailCache::Failed);
    QCOMPARE(QFileInfo(fail).lastModified().toSecsSinceEpoch(), old.toSecsSinceEpoch());

    // Copied again whole: tried again, and shown.
    QVERIFY(QFile::remove(broken) && QFile::copy(good, broken));
    QFile copy(broken);
    QVERIFY(copy.open(QIODevice::ReadWrite) &&
            copy.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
    copy.close();
    QVERIFY(!ThumbnailCache::thumbnail(broken, 96, &outcome).isNull());
    QCOMPARE(outcome, ThumbnailCache::Made);
}

void TestThumbnailCache::loaderHandsEveryThumbnailBack()
{
    const QList<QColor> colours = {Qt::red, Qt::green, Qt::blue, Qt::yellow, Qt::magenta, Qt::cyan};
    QStringList paths;
    for (int i = 0; i < colours.size(); ++i) {
        paths << photo(QStringLiteral("IMG_%1.JPG").arg(i), colours.at(i));
        QVERIFY(!paths.last().isEmpty());
    }
    const QString broken = m_dir->filePath(QStringLiteral("broken.jpg"));
    QFile out(broken);
    QVERIFY(out.open(QIODevice::WriteOnly) && out.write("\xFF\xD8\xFF\xE0 nothing more") > 0);
    out.close();

    ThumbnailLoader loader(64);
    QSignalSpy ready(&loader, &ThumbnailLoader::ready);
    for (const QString &path : paths)
        loader.request(path);
    loader.request(broken);
    loader.requestFirst(paths.last());
    // Nothing arrives while the caller is still busy: the thumbnails come through its event loop.
    QCOMPARE(ready.count(), 0);
    QTRY_COMPARE(ready.count(), paths.size() + 1);
    QHash<QString, QImage> arrived;
    for (const QList<QVariant> &signal : ready)
        arrived.insert(signal.at(0).toString(), signal.at(1).value<QImage>());
    for (int i = 0; i < paths.size(); ++i) {
        const QImage image = arrived.value(paths.at(i));
        QCOMPARE(image.size(), QSize(64, 48));
        QVERIFY2(near(image.pixelColor(32, 24), colours.at(i)), qPrintable(paths.at(i)));
        QCOMPARE(loader.made(paths.at(i)).size(), QSize(64, 48));
    }
    QVERIFY(arrived.contains(broken) && arrived.value(broken).isNull());

    // One already made comes back at once, through the event loop again.
    ready.clear();
    loader.request(paths.first());
    QCOMPARE(ready.count(), 0);
    QTRY_COMPARE(ready.count(), 1);
}

QTEST_GUILESS_MAIN(TestThumbnailCache)
#include "tst_thumbnailcache.moc"
