#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QScopedPointer>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "basefolder.h"
#include "constants.h"
#include "mysourcefile.h"
#include "mysrcfolder.h"
#include "storagesupport.h"
#include "testsupport.h"
#include "workpool.h"

// The default extractor command line in its Linux form.
static const QString EXIFTOOL_COMMAND =
    QStringLiteral("exiftool -f -d \"%d.%m.%Y|%H:%M\" -p \"$FileName|$DateTimeOriginal\" %1");

class TestMySrcFolder : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void commandFromSetting_data();
    void commandFromSetting();
    void emptyFolderStillRunsExtractorOnce();
    void listingIsFilesOnlySortedIgnoringCase();
    void sameBaseNamesGiveSameObjectName();
    void conformityIgnoresExtensionCase();
    void unreadableAndSpecialEntries();
    void undecodableNamesAreCounted();
    void extractorOutputIsParsed();
    void extractorThatPrintsNothing();
    void extractorWithDashFields();
    void missingExtractorKeepsModificationTimes();
    void refreshListsAgainWithNewCommand();
    void exiftoolGivesDateTaken();
    void listingWaitsNeitherForExtractorNorChecksums();
    void checkSumsOnThePoolMatchOneByOne();

private:
    QString srcPath() const { return m_base->completeName() + QLatin1Char('/') + NAME_SRC_FOLDER; }
    QString inSrc(const QString &name) const { return srcPath() + QLatin1Char('/') + name; }
    QString recordPath() const { return m_dir->path() + QStringLiteral("/record"); }
    QString outputPath() const { return m_dir->path() + QStringLiteral("/output"); }
    QStringList recordedArguments() const;
    MySrcFolder *makeFolder(const QString &command);
    static QStringList names(const QList<MySourceFile *> &files);

    QScopedPointer<QTemporaryDir> m_dir;
    QScopedPointer<BaseFolder> m_base;
    const QDateTime m_modified = QDateTime(QDate(2018, 12, 24), QTime(18, 5, 33));
};

void TestMySrcFolder::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    m_base.reset(new BaseFolder(m_dir->path(), QStringLiteral("base")));
    QVERIFY(QDir().mkpath(srcPath()));
    qputenv("TESSARY_FAKE_RECORD", recordPath().toLocal8Bit());
    qputenv("TESSARY_FAKE_OUTPUT", outputPath().toLocal8Bit());
}

void TestMySrcFolder::cleanup()
{
    qunsetenv("TESSARY_FAKE_RECORD");
    qunsetenv("TESSARY_FAKE_OUTPUT");
    m_base.reset();
    m_dir.reset();
}

QStringList TestMySrcFolder::recordedArguments() const
{
    const QString text = QString::fromUtf8(TestSupport::readFile(recordPath()));
    return text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// The folder as start-up makes it, once its extractor has finished.
MySrcFolder *TestMySrcFolder::makeFolder(const QString &command)
{
    auto folder = new MySrcFolder(command, NAME_SRC_FOLDER, m_base.data());
    folder->waitForExtractor();
    return folder;
}

QStringList TestMySrcFolder::names(const QList<MySourceFile *> &files)
{
    QStringList result;
    for (MySourceFile *file : files)
        result << file->name();
    return result;
}

void TestMySrcFolder::commandFromSetting_data()
{
    QTest::addColumn<QString>("setting");
    QTest::addColumn<QString>("expected");
    QTest::newRow("ends with place") << "tool -x %1" << "tool -x <src>";
    QTest::newRow("place then space") << "tool -x %1 " << "tool -x <src> ";
    QTest::newRow("no place") << "tool -x" << "tool -x <src>";
    QTest::newRow("place not at end") << "tool %1 -x" << "tool %1 -x <src>";
    QTest::newRow("default") << EXTRACT_META_APP
                             << "exiftool.exe -f -d \"%d.%m.%Y|%H:%M\" -p \"$FileName|$DateTimeOriginal\" <src>";
}

void TestMySrcFolder::commandFromSetting()
{
    QFETCH(QString, setting);
    QFETCH(QString, expected);
    // A program that does not exist: the folder must still come up at once.
    auto folder = makeFolder(QStringLiteral("/nonexistent/extractor %1"));
    folder->setExtractApp(setting);
    QCOMPARE(folder->command(), expected.replace(QStringLiteral("<src>"), srcPath()));
}

void TestMySrcFolder::emptyFolderStillRunsExtractorOnce()
{
    const QString runs = m_dir->path() + QStringLiteral("/runs");
    qputenv("TESSARY_FAKE_RUNS", runs.toLocal8Bit());
    auto folder = makeFolder(StorageSupport::fake("fake_extractor.sh") + QStringLiteral(" -p \"a b\" %1"));
    QVERIFY(folder->initOk());
    QVERIFY(folder->sourceFiles().isEmpty());
    QCOMPARE(recordedArguments(), QStringList({"-p", "a b", srcPath()}));
    QCOMPARE(TestSupport::readFile(runs), QByteArray("run\n"));
    // Every listing runs the extractor once more over the whole folder.
    folder->refresh();
    qunsetenv("TESSARY_FAKE_RUNS");
    QCOMPARE(TestSupport::readFile(runs), QByteArray("run\nrun\n"));
}

void TestMySrcFolder::listingIsFilesOnlySortedIgnoringCase()
{
    for (const QString &name : QStringList{"b.JPG", "A.jpg", "img1.jpg", "c.txt", ".hidden.jpg", "D.Png"})
        QVERIFY(TestSupport::writeFile(inSrc(name), "x"));
    QVERIFY(QDir().mkpath(inSrc("sub.jpg")));
    QVERIFY(TestSupport::writeFile(inSrc("sub.jpg/inner.jpg"), "x"));

    auto folder = makeFolder(StorageSupport::fake("fake_extractor.sh"));
    QCOMPARE(names(folder->sourceFiles()), QStringList({"A.jpg", "b.JPG", "c.txt", "D.Png", "img1.jpg"}));
    for (MySourceFile *file : folder->sourceFiles()) {
        QCOMPARE(file->path(), srcPath() + QLatin1Char('/'));
        QCOMPARE(file->checkSum(), QStringLiteral("9dd4e461268c8034f5c8564e155c67a6"));
    }
}

void TestMySrcFolder::sameBaseNamesGiveSameObjectName()
{
    QVERIFY(TestSupport::writeFile(inSrc("img1.jpg"), "jpeg"));
    QVERIFY(TestSupport::writeFile(inSrc("img1.raf"), "raw"));
    auto folder = makeFolder(StorageSupport::fake("fake_extractor.sh"));
    const QList<MySourceFile *> files = folder->sourceFiles();
    QCOMPARE(files.size(), 2);
    QCOMPARE(files.at(0)->objectName(), QStringLiteral("img1"));
    QCOMPARE(files.at(1)->objectName(), QStringLiteral("img1"));
    QCOMPARE(files.at(0)->ext(), QStringLiteral("jpg"));
    QCOMPARE(files.at(1)->ext(), QStringLiteral("raf"));
    QVERIFY(files.at(0)->checkSum() != files.at(1)->checkSum());
}

void TestMySrcFolder::conformityIgnoresExtensionCase()
{
    for (const QString &name : QStringList{"a.JPG", "b.jpg", "c.Jpeg", "d.png", "e.txt", "f"})
        QVERIFY(TestSupport::writeFile(inSrc(name), "x"));
    auto folder = makeFolder(StorageSupport::fake("fake_extractor.sh"));
    QCOMPARE(names(folder->getInConformityExt({"jpg"})), QStringList({"a.JPG", "b.jpg"}));
    QCOMPARE(names(folder->getInConformityExt({"jpg", "jpeg", "png"})),
             QStringList({"a.JPG", "b.jpg", "c.Jpeg", "d.png"}));
    QVERIFY(folder->getInConformityExt({}).isEmpty());
}

void TestMySrcFolder::unreadableAndSpecialEntries()
{
    QVERIFY(TestSupport::writeFile(inSrc("good.jpg"), "abc"));
    // A file that opens but cannot be read, even by root.
    QVERIFY(QFile::link(QStringLiteral("/proc/self/mem"), inSrc("bad.jpg")));
    // Entries that are not regular files are not listed: a dangling link and a named pipe (which
    // would block a reader forever).
    QVERIFY(QFile::link(inSrc("nowhere.jpg"), inSrc("dangling.jpg")));
    QCOMPARE(::mkfifo(QFile::encodeName(inSrc("pipe.jpg")).constData(), 0644), 0);

    auto folder = makeFolder(StorageSupport::fake("fake_extractor.sh"));
    const QList<MySourceFile *> files = folder->sourceFiles();
    QCOMPARE(names(files), QStringList({"bad.jpg", "good.jpg"}));
    QCOMPARE(files.at(0)->checkSum(), QString());
    QCOMPARE(files.at(1)->checkSum(), QStringLiteral("900150983cd24fb0d6963f7d28e17f72"));
}

// A name that does not decode in the locale's encoding (here UTF-8) is never listed as a source file,
// but it is known, shown with its bytes escaped; a name in proper UTF-8 is listed as usual.
void TestMySrcFolder::undecodableNamesAreCounted()
{
    QVERIFY(TestSupport::writeFile(inSrc("café.jpg"), "fine"));
    const QByteArray raw = QFile::encodeName(srcPath()) + "/caf\xe9 \xff.jpg";
    const int fd = ::open(raw.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    QVERIFY(fd >= 0);
    ::close(fd);
    // Neither a folder nor a hidden file with such a name is a file waiting to be placed.
    QCOMPARE(::mkdir((QFile::encodeName(srcPath()) + "/dir\xff").constData(), 0755), 0);
    const int hidden = ::open((QFile::encodeName(srcPath()) + "/.hidden\xff").constData(), O_WRONLY | O_CREAT, 0644);
    QVERIFY(hidden >= 0);
    ::close(hidden);

    auto folder = makeFolder(StorageSupport::fake("fake_extractor.sh"));
    QCOMPARE(names(folder->sourceFiles()), QStringList({"café.jpg"}));
    QCOMPARE(folder->unreadableNames(), QStringList({"caf\\xe9 \\xff.jpg"}));

    // The next listing forgets a name that is gone.
    QCOMPARE(::unlink(raw.constData()), 0);
    folder->refresh();
    QCOMPARE(folder->unreadableNames(), QStringList());
    // The temporary folder's own removal would not see these names either.
    QCOMPARE(::rmdir((QFile::encodeName(srcPath()) + "/dir\xff").constData()), 0);
    QCOMPARE(::unlink((QFile::encodeName(srcPath()) + "/.hidden\xff").constData()), 0);
}

void TestMySrcFolder::extractorOutputIsParsed()
{
    for (const QString &name : QStringList{"a.jpg", "b.jpg", "c.jpg", "d.jpg", "café.jpg", "f.jpg", "g.jpg"})
        QVERIFY(StorageSupport::writeFileAt(inSrc(name), "x", m_modified));
    QVERIFY(TestSupport::writeFile(outputPath(), "a.jpg|10.07.2021|14:30\r\n"
                                                 "  b.jpg|01.01.2020|00:05  \n"
                                                 "b.jpg|02.03.2020|23:59\n"
                                                 "c.jpg|31.02.2021|10:00\n"
                                                 "d.jpg|10.07.2021|25:00\n"
                                                 "caf\xc3\xa9.jpg|05.05.2005|05:05\n"
                                                 "g.jpg|1.7.2021|9:30\n"
                                                 "x.jpg|01.01.2001|01:01\n"));
    // A zero byte ends the output: the line after it does not count.
    QFile output(outputPath());
    QVERIFY(output.open(QIODevice::Append));
    output.write(QByteArray("\0\nf.jpg|06.06.2006|06:06\n", 25));
    output.close();

    auto folder = makeFolder(StorageSupport::fake("fake_extractor.sh") + QStringLiteral(" %1"));
    QHash<QString, MySourceFile *> byName;
    for (MySourceFile *file : folder->sourceFiles())
        byName.insert(file->name(), file);
    QCOMPARE(byName.size(), 7);

    QCOMPARE(byName["a.jpg"]->exifDate(), QDate(2021, 7, 10));
    QCOMPARE(byName["a.jpg"]->exifTime(), QTime(14, 30));
    QCOMPARE(byName["b.jpg"]->exifDate(), QDate(2020, 3, 2)); // the later line wins
    QCOMPARE(byName["b.jpg"]->exifTime(), QTime(23, 59));
    QCOMPARE(byName["café.jpg"]->exifDate(), QDate(2005, 5, 5));
    // Invalid dates or times, other formats and text after a zero byte leave the file times.
    for (const QString &name : QStringList{"c.jpg", "d.jpg", "f.jpg", "g.jpg"}) {
        QCOMPARE(byName[name]->exifDate(), m_modified.date());
        QCOMPARE(byName[name]->exifTime(), m_modified.time());
    }
}

void TestMySrcFolder::extractorThatPrintsNothing()
{
    QVERIFY(StorageSupport::writeFileAt(inSrc("a.jpg"), "x", m_modified));
    auto folder = makeFolder(StorageSupport::fake("fake_extractor.sh"));
    QCOMPARE(recordedArguments(), QStringList({srcPath()}));
    QCOMPARE(folder->sourceFiles().size(), 1);
    QCOMPARE(folder->sourceFiles().at(0)->exifDate(), m_modified.date());
    QCOMPARE(folder->sourceFiles().at(0)->exifTime(), m_modified.time());
}

void TestMySrcFolder::extractorWithDashFields()
{
    QVERIFY(StorageSupport::writeFileAt(inSrc("a.jpg"), "x", m_modified));
    QVERIFY(StorageSupport::writeFileAt(inSrc("b.jpg"), "x", m_modified));
    QVERIFY(TestSupport::writeFile(outputPath(), "a.jpg|-\nb.jpg|-|-\n"));
    auto folder = makeFolder(StorageSupport::fake("fake_extractor.sh"));
    for (MySourceFile *file : folder->sourceFiles()) {
        QCOMPARE(file->exifDate(), m_modified.date());
        QCOMPARE(file->exifTime(), m_modified.time());
    }
    QCOMPARE(folder->sourceFiles().size(), 2);
}

void TestMySrcFolder::missingExtractorKeepsModificationTimes()
{
    QVERIFY(StorageSupport::writeFileAt(inSrc("a.jpg"), "x", m_modified));
    QElapsedTimer timer;
    timer.start();
    auto folder = makeFolder(QStringLiteral("no-such-extractor-anywhere -f %1"));
    folder->refresh();
    QVERIFY2(timer.elapsed() < 20000, "a command that cannot start must not hold the listing up");
    QCOMPARE(folder->sourceFiles().size(), 1);
    QCOMPARE(folder->sourceFiles().at(0)->exifDate(), m_modified.date());
    QCOMPARE(folder->sourceFiles().at(0)->checkSum(), QStringLiteral("9dd4e461268c8034f5c8564e155c67a6"));
}

void TestMySrcFolder::refreshListsAgainWithNewCommand()
{
    QVERIFY(StorageSupport::writeFileAt(inSrc("a.jpg"), "x", m_modified));
    auto folder = makeFolder(QStringLiteral("no-such-extractor-anywhere"));
    QVERIFY(!QFile::exists(recordPath()));
    QPointer<MySourceFile> old = folder->sourceFiles().at(0);

    QVERIFY(StorageSupport::writeFileAt(inSrc("b.jpg"), "y", m_modified));
    QVERIFY(TestSupport::writeFile(outputPath(), "b.jpg|10.07.2021|14:30\n"));
    // The new setting counts from the next listing only.
    folder->setExtractApp(StorageSupport::fake("fake_extractor.sh") + QStringLiteral(" -q %1"));
    QVERIFY(!QFile::exists(recordPath()));
    folder->refresh();

    QVERIFY(old.isNull());
    QCOMPARE(recordedArguments(), QStringList({"-q", srcPath()}));
    const QList<MySourceFile *> files = folder->sourceFiles();
    QCOMPARE(names(files), QStringList({"a.jpg", "b.jpg"}));
    QCOMPARE(files.at(0)->exifDate(), m_modified.date());
    QCOMPARE(files.at(1)->exifDate(), QDate(2021, 7, 10));
    QCOMPARE(files.at(1)->exifTime(), QTime(14, 30));
}

void TestMySrcFolder::exiftoolGivesDateTaken()
{
    const QString exiftool = QStandardPaths::findExecutable(QStringLiteral("exiftool"));
    QVERIFY2(!exiftool.isEmpty(), "exiftool (Debian package libimage-exiftool-perl) must be installed");

    for (const QString &name : QStringList{"taken.jpg", "Also Taken.JPG", "plain.jpg"})
        QVERIFY(StorageSupport::makeJpeg(inSrc(name), m_modified));
    QVERIFY(StorageSupport::writeFileAt(inSrc("notes.txt"), "not an image", m_modified));
    const QList<QPair<QString, QString>> tags = {{"taken.jpg", "2021:07:10 14:30:00"},
                                                 {"Also Taken.JPG", "1999:01:02 03:04:05"}};
    for (const auto &tag : tags) {
        QProcess writer;
        writer.start(exiftool, {QStringLiteral("-q"), QStringLiteral("-overwrite_original"),
                                QStringLiteral("-DateTimeOriginal=") + tag.second, inSrc(tag.first)});
        QVERIFY(writer.waitForFinished(-1));
        QCOMPARE(writer.exitCode(), 0);
        // Writing the tag touched the file; give it the old time back.
        QFile file(inSrc(tag.first));
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(m_modified, QFileDevice::FileModificationTime));
    }

    auto folder = makeFolder(EXIFTOOL_COMMAND);
    QHash<QString, MySourceFile *> byName;
    for (MySourceFile *file : folder->sourceFiles())
        byName.insert(file->name(), file);
    QCOMPARE(byName.size(), 4);
    QCOMPARE(byName["taken.jpg"]->exifDate(), QDate(2021, 7, 10));
    QCOMPARE(byName["taken.jpg"]->exifTime(), QTime(14, 30));
    QCOMPARE(byName["Also Taken.JPG"]->exifDate(), QDate(1999, 1, 2));
    QCOMPARE(byName["Also Taken.JPG"]->exifTime(), QTime(3, 4));
    for (const QString &name : QStringList{"plain.jpg", "notes.txt"}) {
        QCOMPARE(byName[name]->exifDate(), m_modified.date());
        QCOMPARE(byName[name]->exifTime(), m_modified.time());
    }
}


// Start-up lists the folder without reading any file and without waiting for the extractor; the
// dates arrive when the extractor has finished, while the event loop runs.
void TestMySrcFolder::listingWaitsNeitherForExtractorNorChecksums()
{
    QVERIFY(StorageSupport::writeFileAt(inSrc("a.jpg"), "first", m_modified));
    const QString slow = m_dir->path() + QStringLiteral("/slow.sh");
    QVERIFY(TestSupport::writeFile(slow, "#!/bin/sh\nsleep 3\necho 'a.jpg|10.07.2021|09:30'\n"));
    QVERIFY(QFile::setPermissions(slow, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));

    QElapsedTimer clock;
    clock.start();
    auto folder = new MySrcFolder(slow + QStringLiteral(" %1"), NAME_SRC_FOLDER, m_base.data());
    QVERIFY(clock.elapsed() < 2000);
    QVERIFY(folder->extractorRunning());
    QCOMPARE(folder->sourceFiles().size(), 1);
    MySourceFile *file = folder->sourceFiles().first();
    QVERIFY(!file->checkSumKnown());
    QCOMPARE(file->exifDate(), m_modified.date());

    QTRY_VERIFY_WITH_TIMEOUT(!folder->extractorRunning(), 20000);
    QCOMPARE(file->exifDate(), QDate(2021, 7, 10));
    QCOMPARE(file->exifTime(), QTime(9, 30));
    // Asked for one by one, the checksum is computed there and then.
    QCOMPARE(file->checkSum(), QString::fromLatin1(QCryptographicHash::hash("first", QCryptographicHash::Md5).toHex()));
    QVERIFY(file->checkSumKnown());
}

// Files of very different sizes hashed side by side give what one-by-one hashing gives, in listing
// order; a file that cannot be read among them gets an empty checksum and the others are not touched.
void TestMySrcFolder::checkSumsOnThePoolMatchOneByOne()
{
    const QList<int> sizes = {0, 1, 4096, 1024 * 1024 + 7, 3 * 1024 * 1024, 17, 65536};
    for (int i = 0; i < sizes.size(); ++i) {
        QByteArray content(sizes.at(i), Qt::Uninitialized);
        for (int j = 0; j < content.size(); ++j)
            content[j] = char((j * 31 + i) & 0xff);
        QVERIFY(TestSupport::writeFile(inSrc(QStringLiteral("f%1.jpg").arg(i)), content));
    }
    // Listed like a file, refused on reading: the process's own memory at offset 0.
    QVERIFY(QFile::link(QStringLiteral("/proc/self/mem"), inSrc("f3a.jpg")));
    auto folder = makeFolder(QStringLiteral("true"));
    const QList<MySourceFile *> files = folder->sourceFiles();
    QCOMPARE(files.size(), sizes.size() + 1);

    QSignalSpy progress(folder, &MySrcFolder::checkSumProgress);
    WorkPool::setThreadCount(3);
    folder->computeCheckSums(files);
    WorkPool::setThreadCount(0);
    // Jobs that finish together are reported together: the count only rises, up to all of them.
    QVERIFY(!progress.isEmpty());
    for (int i = 1; i < progress.size(); ++i)
        QVERIFY(progress.at(i).at(0).toInt() > progress.at(i - 1).at(0).toInt());
    QCOMPARE(progress.last().at(0).toInt(), files.size());
    QCOMPARE(progress.last().at(1).toInt(), files.size());
    for (MySourceFile *file : files) {
        QVERIFY(file->checkSumKnown());
        if (file->name() == QLatin1String("f3a.jpg")) {
            QVERIFY(file->checkSum().isEmpty());
            continue;
        }
        QFile content(file->completeName());
        QVERIFY(content.open(QIODevice::ReadOnly));
        QCOMPARE(file->checkSum(),
                 QString::fromLatin1(QCryptographicHash::hash(content.readAll(), QCryptographicHash::Md5).toHex()));
    }
}

QTEST_GUILESS_MAIN(TestMySrcFolder)

#include "tst_mysrcfolder.moc"
