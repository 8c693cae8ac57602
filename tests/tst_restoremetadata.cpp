#include <QBuffer>
#include <QCheckBox>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QScopedPointer>
#include <QTemporaryDir>
#include <QtTest>

#include "anybox.h"
#include "arrangementsupport.h"
#include "basefolder.h"
#include "boxsupport.h"
#include "constants.h"
#include "describerun.h"
#include "mymessagebox.h"
#include "mysettings.h"
#include "mysrcfolder.h"
#include "restoreotherdialog.h"
#include "restorerun.h"
#include "storagesupport.h"
#include "tessary.h"
#include "testsupport.h"

using BoxSupport::entry;

// The restore for following usage writes each object's description into its copy, checked with the
// real exiftool unless a test stands a fake in for it.
class TestRestoreMetadata : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void photosCarryTheirDescription();
    void booksGetSidecarsAndNothingIsReplaced();
    void withoutExiftoolTheCopiesArePlain();
    void aCopyExiftoolFailsOnStaysPlain();

private:
    QString basePath() const { return TestSupport::baseDir(*m_dir); }
    QString boxPath(const QString &box) const { return basePath() + QLatin1Char('/') + box; }
    QString dstPath() const { return basePath() + QLatin1Char('/') + NAME_DST_FOLDER; }
    QStringList logLines() const { return ArrangementSupport::lines(basePath() + QStringLiteral("/log")); }

    void openBox(const QString &box, const QMap<QString, QStringList> &entries);
    RestoreOtherDialog *makeFrame();
    void start(RestoreOtherDialog *frame);
    QString text(QFrame *frame, const char *name) const;

    QScopedPointer<QTemporaryDir> m_dir;
    QScopedPointer<MySettings> m_settings;
    QScopedPointer<Tessary> m_tessary;
    QScopedPointer<QFrame> m_central;
    AnyBox *m_box = nullptr;
};

static const QDateTime STORED_TIME(QDate(2019, 5, 4), QTime(10, 20, 30));

// A stored object as the box keeps it: read-only, with a modification time of long ago.
static bool storeObject(const QString &boxPath, const QString &remark, const QString &extension,
                        const QByteArray &content)
{
    if (!BoxSupport::writeObject(boxPath, remark, extension, content))
        return false;
    const QString path = boxPath + QLatin1Char('/') + remark.left(2) + QLatin1Char('/') + remark.mid(2, 2)
                         + QLatin1Char('/') + remark.mid(4) + QLatin1Char('.') + extension;
    QFile file(path);
    return file.open(QIODevice::ReadWrite) && file.setFileTime(STORED_TIME, QFileDevice::FileModificationTime)
           && QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
}

static QByteArray jpeg(int seed)
{
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/photo.jpg");
    if (!ArrangementSupport::makeDatedJpeg(path, seed, QDateTime(QDate(2019, 5, 4), QTime(9, 0))))
        return QByteArray();
    return TestSupport::readFile(path);
}

static QByteArray png(int seed)
{
    QImage image(32, 24, QImage::Format_RGB32);
    image.fill(QColor(seed * 40 % 256, 90, 200));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

static QString md5(const QString &path)
{
    return QString::fromLatin1(QCryptographicHash::hash(TestSupport::readFile(path), QCryptographicHash::Md5).toHex());
}

// What exiftool reads from a file: tag (with its group) to values.
static QMap<QString, QStringList> readBack(const QString &path)
{
    QProcess exiftool;
    exiftool.start(QStringLiteral("exiftool"), {QStringLiteral("-XMP-dc:all"), QStringLiteral("-IPTC:all"),
                                                QStringLiteral("-XMP-photoshop:all"), QStringLiteral("-j"),
                                                QStringLiteral("-G1"), path});
    exiftool.waitForFinished(30000);
    QMap<QString, QStringList> tags;
    const QJsonObject object = QJsonDocument::fromJson(exiftool.readAllStandardOutput()).array().first().toObject();
    for (auto it = object.constBegin(); it != object.constEnd(); ++it) {
        if (it.value().isArray()) {
            for (const QJsonValue &value : it.value().toArray())
                tags[it.key()] << value.toVariant().toString();
        } else {
            tags[it.key()] << it.value().toVariant().toString();
        }
    }
    tags.remove(QStringLiteral("SourceFile"));
    return tags;
}

// The picture itself: exiftool's hash of the image data where the installed version has it, and the
// decoded pixels in any case.
static QString pixels(const QString &path)
{
    QProcess exiftool;
    exiftool.start(QStringLiteral("exiftool"), {QStringLiteral("-api"), QStringLiteral("ImageHashType=MD5"),
                                                QStringLiteral("-ImageDataHash"), QStringLiteral("-s3"), path});
    exiftool.waitForFinished(30000);
    const QImage image = QImage(path).convertToFormat(QImage::Format_ARGB32);
    const QByteArray bits(reinterpret_cast<const char *>(image.constBits()), int(image.sizeInBytes()));
    return QString::fromLatin1(exiftool.readAllStandardOutput().trimmed()) + QLatin1Char('/')
           + QString::fromLatin1(QCryptographicHash::hash(bits, QCryptographicHash::Md5).toHex());
}

void TestRestoreMetadata::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    MyMessageBox::clearAnswers();
}

void TestRestoreMetadata::cleanup()
{
    MyMessageBox::clearAnswers();
    m_central.reset();
    m_tessary.reset();
    m_settings.reset();
    m_box = nullptr;
    m_dir.reset();
}

// entries: catalogue file (rema) to its lines; the vocabulary holds a word with synonyms and a Cyrillic one.
void TestRestoreMetadata::openBox(const QString &box, const QMap<QString, QStringList> &entries)
{
    m_settings.reset(TestSupport::makeSettings(*m_dir));
    for (auto it = entries.constBegin(); it != entries.constEnd(); ++it)
        QVERIFY(ArrangementSupport::writeEntries(boxPath(box), it.key(), it.value()));
    QVERIFY(TestSupport::writeFile(basePath() + QLatin1Char('/') + NAME_WRD_FILE,
                                   QStringLiteral("aqmz~sea~ocean~\nabde~море~волны~\n").toUtf8()));
    m_tessary.reset(BoxSupport::openBoxSet(m_settings.data()));
    QVERIFY(m_tessary);
    m_box = dynamic_cast<AnyBox *>(m_tessary->baseFolder()->unit(box));
    QVERIFY(m_box);
    m_box->markAllEntries(0);
}

RestoreOtherDialog *TestRestoreMetadata::makeFrame()
{
    m_central.reset(new QFrame);
    auto frame = new RestoreOtherDialog(m_box, m_central.data());
    m_central->show();
    return frame;
}

void TestRestoreMetadata::start(RestoreOtherDialog *frame)
{
    auto startButton = frame->findChild<QPushButton *>("startButton");
    QVERIFY(startButton);
    QVERIFY(startButton->isEnabled());
    QTest::mouseClick(startButton, Qt::LeftButton);
    QVERIFY(!startButton->isEnabled());
}

QString TestRestoreMetadata::text(QFrame *frame, const char *name) const
{
    auto label = frame->findChild<QLabel *>(name);
    return label ? label->text() : QStringLiteral("<missing %1>").arg(name);
}

// A JPEG and a PNG of different objects, both named a by their original names: each carries its own
// description inside, in XMP and for the JPEG in IPTC too; nothing else of them changes, and neither do
// the stored objects.
void TestRestoreMetadata::photosCarryTheirDescription()
{
    const QString caption = DescribeRun::captionOf(QStringLiteral("Ærøskøbing – “citron”"),
                                                   QStringLiteral("Smith, John"));
    QCOMPARE(caption, QStringLiteral("Ærøskøbing – “citron”,Smith; John"));
    openBox(NAME_PHOTO,
            {{"qwer", {entry("1", "qwerty", "qwerty", "0", "aqmz,abde", "a.jpg", caption, "01.02.2020")}},
             {"asdf", {entry("1", "asdfgh", "asdfgh", "0", "abde", "a.png", "unknown,Ann", "03.02.2020")}}});
    const QString jpegObject = boxPath(NAME_PHOTO) + "/qw/er/ty.jpg";
    const QString pngObject = boxPath(NAME_PHOTO) + "/as/df/gh.png";
    QVERIFY(storeObject(boxPath(NAME_PHOTO), "qwerty", "jpg", jpeg(1)));
    QVERIFY(storeObject(boxPath(NAME_PHOTO), "asdfgh", "png", png(2)));
    const QString jpegSum = md5(jpegObject);
    const QString pngSum = md5(pngObject);
    const QString jpegPixels = pixels(jpegObject);
    const QString pngPixels = pixels(pngObject);

    RestoreOtherDialog *frame = makeFrame();
    auto write = frame->findChild<QCheckBox *>("writeMetadata");
    auto original = frame->findChild<QCheckBox *>("useOriginalFilename");
    QVERIFY(write && original);
    QVERIFY(write->isVisible());
    QVERIFY(write->isEnabled());
    QVERIFY(write->isChecked());
    QCOMPARE(write->text(), QStringLiteral("Write the &description into the copies"));
    QVERIFY(!frame->findChild<QLabel *>("metadataResult")->isVisible());
    original->setChecked(true);
    auto run = frame->findChild<RestoreRun *>();
    QVERIFY(run);
    // One step per copy once exiftool has read it back.
    QSignalSpy describing(run, &RestoreRun::describing);
    start(frame);
    QCOMPARE(describing.size(), 2);
    QCOMPARE(describing.at(0), QVariantList({1, 2}));
    QCOMPARE(describing.at(1), QVariantList({2, 2}));

    QVERIFY(!write->isEnabled());
    QCOMPARE(ArrangementSupport::fileNames(dstPath()), QStringList({"a.jpg", "a.png"}));
    QCOMPARE(text(frame, "metadataResult"), QStringLiteral("2 of 2 copies carry their description (0 in a sidecar)"));
    QVERIFY(frame->findChild<QLabel *>("metadataResult")->isVisible());
    auto progress = frame->findChild<QProgressBar *>("progressBar");
    QCOMPARE(progress->maximum(), 2);
    QCOMPARE(progress->value(), 2);

    const QMap<QString, QStringList> jpegTags = readBack(dstPath() + "/a.jpg");
    QCOMPARE(jpegTags.value("XMP-dc:Subject"), QStringList({"sea", "море"}));
    QCOMPARE(jpegTags.value("IPTC:Keywords"), QStringList({"sea", "море"}));
    QCOMPARE(jpegTags.value("IPTC:CodedCharacterSet"), QStringList({"UTF8"}));
    QCOMPARE(jpegTags.value("XMP-dc:Title"), QStringList({"Ærøskøbing – “citron”"}));
    QCOMPARE(jpegTags.value("IPTC:ObjectName"), QStringList({"Ærøskøbing – “citron”"}));
    QCOMPARE(jpegTags.value("XMP-dc:Creator"), QStringList({"Smith; John"}));
    QCOMPARE(jpegTags.value("IPTC:By-line"), QStringList({"Smith; John"}));
    QCOMPARE(jpegTags.value("XMP-photoshop:DateCreated"), QStringList({"2020:02:01"}));
    QCOMPARE(jpegTags.value("XMP-dc:Identifier"), QStringList({"tessary:qwerty"}));

    const QMap<QString, QStringList> pngTags = readBack(dstPath() + "/a.png");
    QCOMPARE(pngTags.value("XMP-dc:Subject"), QStringList({"море"}));
    QVERIFY(!pngTags.contains("XMP-dc:Title"));
    QCOMPARE(pngTags.value("XMP-dc:Creator"), QStringList({"Ann"}));
    QCOMPARE(pngTags.value("XMP-photoshop:DateCreated"), QStringList({"2020:02:03"}));
    QCOMPARE(pngTags.value("XMP-dc:Identifier"), QStringList({"tessary:asdfgh"}));
    QVERIFY(!pngTags.contains("IPTC:Keywords"));

    // The pictures, the date taken and the modification times are those of the objects.
    QCOMPARE(pixels(dstPath() + "/a.jpg"), jpegPixels);
    QCOMPARE(pixels(dstPath() + "/a.png"), pngPixels);
    QProcess exiftool;
    exiftool.start("exiftool", {"-s3", "-DateTimeOriginal", dstPath() + "/a.jpg"});
    QVERIFY(exiftool.waitForFinished(30000));
    QCOMPARE(exiftool.readAllStandardOutput().trimmed(), QByteArray("2019:05:04 09:00:00"));
    QCOMPARE(QFileInfo(dstPath() + "/a.jpg").lastModified(), STORED_TIME);
    QCOMPARE(QFileInfo(dstPath() + "/a.png").lastModified(), STORED_TIME);
    QCOMPARE(md5(jpegObject), jpegSum);
    QCOMPARE(md5(pngObject), pngSum);

    const QStringList log = logLines();
    QCOMPARE(log.filter(QRegularExpression("^    [12] Description embedded in " + QRegularExpression::escape(dstPath())
                                           + "/a\\.(jpg|png)$"))
                 .size(),
             2);
    QVERIFY(log.filter("(!)").isEmpty());
    QVERIFY(log.at(log.size() - 2).startsWith(QStringLiteral("--- RESTORE CLOSE: ")));
}

// Text formats exiftool cannot write get a sidecar named after the whole copy name; a copy already in the
// destination keeps its place and its sidecar, and a book is dated by its year.
void TestRestoreMetadata::booksGetSidecarsAndNothingIsReplaced()
{
    openBox(NAME_BOOK, {{"qwer", {entry("1", "qwerty", "qwerty", "0", "aqmz", "a.txt", "Poems,Blok", "1912"),
                                  entry("1", "qwerab", "qwerab", "0", "unknown", "a.fb2", "Tales,unknown", "1950")}},
                        {"asdf", {entry("1", "asdfgh", "asdfgh", "0", "abde", "kept.txt", "Kept,Mine", "2001")}}});
    QVERIFY(storeObject(boxPath(NAME_BOOK), "qwerty", "txt", "Poems in plain text\n"));
    QVERIFY(storeObject(boxPath(NAME_BOOK), "qwerab", "fb2", "<FictionBook/>\n"));
    QVERIFY(storeObject(boxPath(NAME_BOOK), "asdfgh", "txt", "the object\n"));
    QVERIFY(TestSupport::writeFile(dstPath() + "/kept.txt", "the user's own file"));
    QVERIFY(TestSupport::writeFile(dstPath() + "/kept.txt.xmp", "the user's own sidecar"));
    const QString objectSum = md5(boxPath(NAME_BOOK) + "/qw/er/ty.txt");

    RestoreOtherDialog *frame = makeFrame();
    frame->findChild<QCheckBox *>("useOriginalFilename")->setChecked(true);
    MyMessageBox::setNextAnswer(QMessageBox::Ok);
    start(frame);

    QCOMPARE(ArrangementSupport::fileNames(dstPath()),
             QStringList({"a.fb2", "a.fb2.xmp", "a.txt", "a.txt.xmp", "kept.txt", "kept.txt.xmp"}));
    QCOMPARE(TestSupport::readFile(dstPath() + "/a.txt"), QByteArray("Poems in plain text\n"));
    QCOMPARE(TestSupport::readFile(dstPath() + "/kept.txt"), QByteArray("the user's own file"));
    QCOMPARE(TestSupport::readFile(dstPath() + "/kept.txt.xmp"), QByteArray("the user's own sidecar"));
    QCOMPARE(text(frame, "metadataResult"), QStringLiteral("2 of 2 copies carry their description (2 in a sidecar)"));

    const QMap<QString, QStringList> txt = readBack(dstPath() + "/a.txt.xmp");
    QCOMPARE(txt.value("XMP-dc:Subject"), QStringList({"sea"}));
    QCOMPARE(txt.value("XMP-dc:Title"), QStringList({"Poems"}));
    QCOMPARE(txt.value("XMP-dc:Creator"), QStringList({"Blok"}));
    QCOMPARE(txt.value("XMP-photoshop:DateCreated"), QStringList({"1912"}));
    QCOMPARE(txt.value("XMP-dc:Identifier"), QStringList({"tessary:qwerty"}));
    const QMap<QString, QStringList> fb2 = readBack(dstPath() + "/a.fb2.xmp");
    QCOMPARE(fb2.value("XMP-dc:Title"), QStringList({"Tales"}));
    QVERIFY(!fb2.contains("XMP-dc:Creator"));
    QVERIFY(!fb2.contains("XMP-dc:Subject"));
    QCOMPARE(fb2.value("XMP-dc:Identifier"), QStringList({"tessary:qwerab"}));
    QCOMPARE(md5(boxPath(NAME_BOOK) + "/qw/er/ty.txt"), objectSum);

    const QStringList log = logLines();
    QCOMPARE(log.filter(" Description in the sidecar " + dstPath() + "/a.txt.xmp").size(), 1);
    QCOMPARE(log.filter(" Description in the sidecar " + dstPath() + "/a.fb2.xmp").size(), 1);
    QCOMPARE(log.filter("Not copied, the destination exists").size(), 1);
}

// Without an exiftool the box cannot be ticked and says why; the copies are made plain.
void TestRestoreMetadata::withoutExiftoolTheCopiesArePlain()
{
    openBox(NAME_PHOTO, {{"qwer", {entry("1", "qwerty", "qwerty", "0", "aqmz", "a.jpg", "Sea,Ann", "01.02.2020")}}});
    const QByteArray photo = jpeg(3);
    QVERIFY(storeObject(boxPath(NAME_PHOTO), "qwerty", "jpg", photo));
    const QByteArray path = qgetenv("PATH");
    QTemporaryDir empty;
    qputenv("PATH", empty.path().toLocal8Bit());
    RestoreOtherDialog *frame = makeFrame();
    qputenv("PATH", path);
    auto write = frame->findChild<QCheckBox *>("writeMetadata");
    QVERIFY(write);
    QVERIFY(!write->isEnabled());
    QVERIFY(write->toolTip().startsWith(QStringLiteral("exiftool cannot be found")));
    start(frame);
    QCOMPARE(TestSupport::readFile(dstPath() + "/qwerty.jpg"), photo);
    QVERIFY(!frame->findChild<QLabel *>("metadataResult")->isVisible());
    QVERIFY(logLines().filter("Description").isEmpty());
    QVERIFY(logLines().filter("description").isEmpty());
}

// An exiftool that fails on the second copy and writes a wrong title into the third: those two stay plain
// and are reported, the first carries its description.
void TestRestoreMetadata::aCopyExiftoolFailsOnStaysPlain()
{
    openBox(NAME_PHOTO, {{"qwer", {entry("1", "qwerty", "qwerty", "0", "aqmz", "a.jpg", "One,Ann", "01.02.2020"),
                                   entry("1", "qwerab", "qwerab", "0", "aqmz", "b.jpg", "Two,Ann", "02.02.2020"),
                                   entry("1", "qwerzz", "qwerzz", "0", "aqmz", "c.jpg", "Three,Ann", "03.02.2020")}}});
    QMap<QString, QByteArray> objects;
    for (const QString remark : {"qwerty", "qwerab", "qwerzz"}) {
        objects[remark] = jpeg(int(objects.size()) + 4);
        QVERIFY(storeObject(boxPath(NAME_PHOTO), remark, "jpg", objects[remark]));
    }
    auto source = dynamic_cast<MySrcFolder *>(m_box->unit(NAME_SRC_FOLDER));
    QVERIFY(source);
    source->setExtractApp('"' + StorageSupport::fake("fake_exiftool.sh") + "\" -p \"$FileName\" %1");
    qputenv("TESSARY_FAKE_FAIL", "2");
    qputenv("TESSARY_FAKE_WRONG", "3");
    RestoreOtherDialog *frame = makeFrame();
    QVERIFY(frame->findChild<QCheckBox *>("writeMetadata")->toolTip().contains("fake_exiftool.sh"));
    start(frame);
    qunsetenv("TESSARY_FAKE_FAIL");
    qunsetenv("TESSARY_FAKE_WRONG");

    QCOMPARE(text(frame, "metadataResult"), QStringLiteral("1 of 3 copies carry their description (0 in a sidecar)"));
    // The log numbers the copies in the order they were made, which is the order exiftool got them.
    const QStringList log = logLines();
    QMap<int, QString> copies;
    for (const QString &line : log.filter(" Copy ")) {
        const QRegularExpressionMatch match = QRegularExpression("^    (\\d) Copy .* to (.*)$").match(line);
        QVERIFY(match.hasMatch());
        copies[match.captured(1).toInt()] = match.captured(2);
    }
    QCOMPARE(copies.size(), 3);
    QCOMPARE(log.filter("    1 Description embedded in " + copies[1]).size(), 1);
    QCOMPARE(readBack(copies[1]).value("XMP-dc:Identifier").size(), 1);
    const QStringList failures = log.filter("(!) description not written: ");
    QCOMPARE(failures.size(), 2);
    QVERIFY(failures.at(0).startsWith("(!) description not written: " + copies[2] + ": exiftool says: Error"));
    QCOMPARE(failures.at(1), "(!) description not written: " + copies[3] + ": XMP-dc:Title reads back different");
    // Both are plain copies of their objects again, the wrongly written one included.
    for (int number : {2, 3}) {
        const QString remark = QFileInfo(copies[number]).completeBaseName();
        QCOMPARE(TestSupport::readFile(copies[number]), objects.value(remark));
        QVERIFY(readBack(copies[number]).value("XMP-dc:Identifier").isEmpty());
    }
    QCOMPARE(ArrangementSupport::fileNames(dstPath()), QStringList({"qwerab.jpg", "qwerty.jpg", "qwerzz.jpg"}));
}

QTEST_MAIN(TestRestoreMetadata)
#include "tst_restoremetadata.moc"
