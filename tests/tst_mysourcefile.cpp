#include <QDir>
#include <QFile>
#include <QScopedPointer>
#include <QTemporaryDir>
#include <QtTest>

#include "basefolder.h"
#include "constants.h"
#include "myfolder.h"
#include "mysourcefile.h"
#include "storagesupport.h"
#include "testsupport.h"

class TestMySourceFile : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void namesAndExtension_data();
    void namesAndExtension();
    void modificationTimeIsTheStartingDate();
    void changeAfterListingIsNoticed();
    void checksumOfKnownContent_data();
    void checksumOfKnownContent();
    void unreadableFileHasEmptyChecksum();
    void permissionDeniedHasEmptyChecksum();
    void checksumOfFileOverTwoGiBStreamsInFlatMemory();

private:
    QString filePath(const QString &name) const { return m_folder->completeName() + QLatin1Char('/') + name; }

    QScopedPointer<QTemporaryDir> m_dir;
    QScopedPointer<BaseFolder> m_base;
    MyFolder *m_folder = nullptr;
};

void TestMySourceFile::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    m_base.reset(new BaseFolder(m_dir->path(), QStringLiteral("base")));
    m_folder = new MyFolder(NAME_SRC_FOLDER, m_base.data());
    QVERIFY(m_folder->initOk());
}

void TestMySourceFile::cleanup()
{
    m_base.reset();
    m_dir.reset();
}

void TestMySourceFile::namesAndExtension_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QString>("ext");
    QTest::newRow("plain") << "img1.jpg" << "img1" << "jpg";
    QTest::newRow("upper case kept") << "IMG_0001.JPG" << "IMG_0001" << "JPG";
    QTest::newRow("two dots") << "archive.tar.gz" << "archive.tar" << "gz";
    QTest::newRow("no dot") << "README" << "README" << "";
}

void TestMySourceFile::namesAndExtension()
{
    QFETCH(QString, fileName);
    QFETCH(QString, objectName);
    QFETCH(QString, ext);
    QVERIFY(TestSupport::writeFile(filePath(fileName), "x"));
    MySourceFile file(fileName, m_folder);
    QCOMPARE(file.name(), fileName);
    QCOMPARE(file.objectName(), objectName);
    QCOMPARE(file.ext(), ext);
    QCOMPARE(file.completeName(), filePath(fileName));
    QVERIFY(file.initOk());
}

void TestMySourceFile::modificationTimeIsTheStartingDate()
{
    const QDateTime modified(QDate(2019, 1, 15), QTime(7, 45, 12));
    QVERIFY(StorageSupport::writeFileAt(filePath("a.jpg"), "content", modified));
    MySourceFile file(QStringLiteral("a.jpg"), m_folder);
    QCOMPARE(file.exifDate(), modified.date());
    QCOMPARE(file.exifTime(), modified.time());
    file.setExifDate(QDate(2021, 7, 10));
    file.setExifTime(QTime(14, 30));
    QCOMPARE(file.exifDate(), QDate(2021, 7, 10));
    QCOMPARE(file.exifTime(), QTime(14, 30));
}

// The size and time are those from before the checksum; a file written to afterwards no longer
// matches them, even when the size stays.
void TestMySourceFile::changeAfterListingIsNoticed()
{
    const QDateTime modified(QDate(2020, 3, 1), QTime(9, 0, 0));
    QVERIFY(StorageSupport::writeFileAt(filePath("a.jpg"), "content", modified));
    MySourceFile file(QStringLiteral("a.jpg"), m_folder);
    QCOMPARE(file.size(), qint64(7));
    QCOMPARE(file.modifiedNs(), modified.toMSecsSinceEpoch() * 1000000);
    QVERIFY(file.unchanged());

    QVERIFY(StorageSupport::writeFileAt(filePath("a.jpg"), "CONTENT", modified.addSecs(1)));
    QVERIFY(!file.unchanged());
    QVERIFY(StorageSupport::writeFileAt(filePath("a.jpg"), "content and more", modified));
    QVERIFY(!file.unchanged());
    QVERIFY(QFile::remove(filePath("a.jpg")));
    QVERIFY(!file.unchanged());

    MySourceFile missing(QStringLiteral("missing.jpg"), m_folder);
    QCOMPARE(missing.size(), qint64(-1));
    QVERIFY(!missing.unchanged());
}

void TestMySourceFile::checksumOfKnownContent_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("md5");
    QTest::newRow("empty") << QByteArray() << "d41d8cd98f00b204e9800998ecf8427e";
    QTest::newRow("abc") << QByteArray("abc") << "900150983cd24fb0d6963f7d28e17f72";
    // Three blocks and a bit: the block boundaries must not show in the digest.
    QByteArray large(3 * 1024 * 1024 + 17, '\0');
    for (int i = 0; i < large.size(); ++i)
        large[i] = char(i * 31 + i / 7);
    QTest::newRow("several blocks") << large
                                    << QString::fromLatin1(QCryptographicHash::hash(large, QCryptographicHash::Md5)
                                                               .toHex());
}

void TestMySourceFile::checksumOfKnownContent()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, md5);
    QVERIFY(TestSupport::writeFile(filePath("f.bin"), content));
    MySourceFile file(QStringLiteral("f.bin"), m_folder);
    QCOMPARE(file.checkSum(), md5);
    QCOMPARE(StorageSupport::md5sumOf(filePath("f.bin")), md5);
}

void TestMySourceFile::unreadableFileHasEmptyChecksum()
{
    // Opening works even for root, but the first read fails (nothing is mapped at address 0).
    QVERIFY(QFile::link(QStringLiteral("/proc/self/mem"), filePath("broken.jpg")));
    MySourceFile file(QStringLiteral("broken.jpg"), m_folder);
    QCOMPARE(file.checkSum(), QString());
    QCOMPARE(file.ext(), QStringLiteral("jpg"));
    QVERIFY(file.exifDate().isValid());

    // A file that vanished before it was read cannot be read either.
    MySourceFile gone(QStringLiteral("gone.jpg"), m_folder);
    QCOMPARE(gone.checkSum(), QString());
}

void TestMySourceFile::permissionDeniedHasEmptyChecksum()
{
    if (StorageSupport::runningAsRoot())
        QSKIP("root reads files whatever their permissions; unreadableFileHasEmptyChecksum covers the case");
    QVERIFY(TestSupport::writeFile(filePath("locked.jpg"), "secret"));
    QVERIFY(QFile::setPermissions(filePath("locked.jpg"), QFileDevice::Permissions()));
    MySourceFile file(QStringLiteral("locked.jpg"), m_folder);
    QCOMPARE(file.checkSum(), QString());
}

void TestMySourceFile::checksumOfFileOverTwoGiBStreamsInFlatMemory()
{
    // A sparse file: 2.2 GiB of zeros with a little data at both ends, well past the 2 GiB mark
    // where a whole-file read gives nothing.
    const QString path = filePath("video.mp4");
    const qint64 size = qint64(2253) * 1024 * 1024;
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.write("head") == 4);
        QVERIFY(file.resize(size));
        QVERIFY(file.seek(size - 4));
        QVERIFY(file.write("tail") == 4);
    }
    QCOMPARE(QFileInfo(path).size(), size);
    const QString expected = StorageSupport::md5sumOf(path);
    QCOMPARE(expected.size(), 32);

    const qint64 peakBefore = StorageSupport::peakResidentKiB();
    QVERIFY(peakBefore > 0);
    MySourceFile file(QStringLiteral("video.mp4"), m_folder);
    const qint64 peakAfter = StorageSupport::peakResidentKiB();

    qInfo("peak resident size grew by %lld KiB while hashing %lld MiB", peakAfter - peakBefore, size >> 20);
    QCOMPARE(file.checkSum(), expected);
    QVERIFY(file.checkSum() != QStringLiteral("d41d8cd98f00b204e9800998ecf8427e"));
    QVERIFY2(peakAfter - peakBefore < 64 * 1024,
             qPrintable(QStringLiteral("peak memory grew by %1 KiB").arg(peakAfter - peakBefore)));
}

QTEST_GUILESS_MAIN(TestMySourceFile)
#include "tst_mysourcefile.moc"
