#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScopedPointer>
#include <QTemporaryDir>
#include <QtTest>

#include "basefolder.h"
#include "commandline.h"
#include "constants.h"
#include "mysrcfolder.h"
#include "myfolder.h"
#include "photobox.h"
#include "storagesupport.h"
#include "testsupport.h"

// A base path as hostile as a user's can be: blanks, both quotes, a backslash and the place itself.
static const QString HOSTILE = QStringLiteral("/My Media/\"best\" 'of'/a\\b %1 end");
static const QString LIST = QStringLiteral("/b/My Media/_sld/123456789.sld");

// Command lines of the settings with a path for "%1": the path reaches the program as one argument.
class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void defaultCommandLinesKeepWorking_data();
    void defaultCommandLinesKeepWorking();
    void pathIsOneArgumentInAnyPlace_data();
    void pathIsOneArgumentInAnyPlace();
    void extractorGetsFolderAsLastArgument_data();
    void extractorGetsFolderAsLastArgument();
    void previewAndPresentGetListAsOneArgument_data();
    void previewAndPresentGetListAsOneArgument();
    void nothingToStart();

private:
    QString base() const { return m_dir->path() + HOSTILE; }
    QString recordPath() const { return m_dir->path() + QStringLiteral("/viewer-record"); }
    QStringList recorded() const;

    QScopedPointer<QTemporaryDir> m_dir;
    QScopedPointer<BaseFolder> m_base;
};

void TestCommandLine::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    QVERIFY(QDir().mkpath(base()));
    m_base.reset(new BaseFolder(QFileInfo(base()).path(), QFileInfo(base()).fileName()));
    QVERIFY(m_base->initOk());
    QCOMPARE(m_base->completeName(), base());
    qputenv("TESSARY_FAKE_RECORD", recordPath().toLocal8Bit());
}

void TestCommandLine::cleanup()
{
    qunsetenv("TESSARY_FAKE_RECORD");
    m_base.reset();
    m_dir.reset();
}

QStringList TestCommandLine::recorded() const
{
    return QString::fromUtf8(TestSupport::readFile(recordPath())).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

void TestCommandLine::defaultCommandLinesKeepWorking_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QStringList>("expected");
    const QString list = LIST;
    QTest::newRow("photo preview") << PHOTO_PREVIEW_APP
                                   << QStringList{"c:\\Program Files\\IrfanView\\i_view32.exe", "/filelist=" + list,
                                                  "/hide=7"};
    QTest::newRow("photo present") << PHOTO_PRESENT_APP
                                   << QStringList{"c:\\Program Files\\IrfanView\\i_view32.exe", "/slideshow=" + list};
    QTest::newRow("book") << BOOK_PREVIEW_APP << QStringList{"folianto.exe", "-list", list};
    QTest::newRow("clip") << CLIP_PRESENT_APP
                          << QStringList{"c:\\Program Files\\MPlayer\\mplayer.exe", "-playlist", list};
    QTest::newRow("music") << MUSIC_PREVIEW_APP << QStringList{"cantrel.exe", "-list", list};
    QTest::newRow("extractor") << EXTRACT_META_APP
                               << QStringList{"exiftool.exe", "-f", "-d", "%d.%m.%Y|%H:%M", "-p",
                                              "$FileName|$DateTimeOriginal", list};
}

void TestCommandLine::defaultCommandLinesKeepWorking()
{
    QFETCH(QString, command);
    QFETCH(QStringList, expected);
    QCOMPARE(CommandLine::arguments(command, LIST), expected);
}

void TestCommandLine::pathIsOneArgumentInAnyPlace_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("plain") << "viewer -list %1" << QStringList{"viewer", "-list", "<p>"};
    QTest::newRow("quoted") << "viewer -list \"%1\"" << QStringList{"viewer", "-list", "<p>"};
    QTest::newRow("quoted with more") << "viewer \"--list=%1\" -x" << QStringList{"viewer", "--list=<p>", "-x"};
    QTest::newRow("quotes inside a word") << "viewer --list=\"%1\"" << QStringList{"viewer", "--list=<p>"};
    QTest::newRow("twice") << "viewer %1 %1" << QStringList{"viewer", "<p>", "<p>"};
    QTest::newRow("quoted program") << "\"/opt/my viewer/run\" %1" << QStringList{"/opt/my viewer/run", "<p>"};
    QTest::newRow("no place") << "viewer -x" << QStringList{"viewer", "-x"};
}

void TestCommandLine::pathIsOneArgumentInAnyPlace()
{
    QFETCH(QString, command);
    QFETCH(QStringList, expected);
    for (const QString &path : {HOSTILE, QStringLiteral("plain"), QStringLiteral("\"quoted all\"")}) {
        QStringList withPath = expected;
        for (QString &argument : withPath)
            argument.replace(QStringLiteral("<p>"), path);
        QCOMPARE(CommandLine::arguments(command, path), withPath);
    }
}

void TestCommandLine::extractorGetsFolderAsLastArgument_data()
{
    QTest::addColumn<QString>("setting");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("text");
    QTest::newRow("plain") << "tool -x %1" << QStringList{"tool", "-x", "<src>"} << "tool -x <src>";
    QTest::newRow("place then space") << "tool -x %1 " << QStringList{"tool", "-x", "<src>"} << "tool -x <src> ";
    QTest::newRow("quoted") << "tool -x \"%1\"" << QStringList{"tool", "-x", "<src>"} << "tool -x \"<src>\"";
    QTest::newRow("quoted, then space") << "tool -x '%1' \"%1\"  " << QStringList{"tool", "-x", "'<src>'", "<src>"}
                                        << "tool -x '<src>' \"<src>\"  ";
    QTest::newRow("no place") << "tool -x" << QStringList{"tool", "-x", "<src>"} << "tool -x <src>";
    QTest::newRow("place not at end") << "tool %1 -x" << QStringList{"tool", "%1", "-x", "<src>"}
                                      << "tool %1 -x <src>";
}

// The fake extractor records what it got: the folder's path is one argument, the last one.
void TestCommandLine::extractorGetsFolderAsLastArgument()
{
    QFETCH(QString, setting);
    QFETCH(QStringList, expected);
    QFETCH(QString, text);
    const QString src = base() + QLatin1Char('/') + NAME_SRC_FOLDER;
    for (QString &argument : expected)
        argument.replace(QStringLiteral("<src>"), src);
    QString fake = setting;
    fake.replace(0, 4, QLatin1Char('"') + StorageSupport::fake(QStringLiteral("fake_extractor.sh")) + QLatin1Char('"'));

    auto folder = new MySrcFolder(fake, NAME_SRC_FOLDER, m_base.data());
    QVERIFY(folder->initOk());
    // The listing starts the extractor beside the window; its dates are in once it has ended.
    folder->waitForExtractor();
    QCOMPARE(recorded(), expected.mid(1));
    QFile::remove(recordPath());
    folder->setExtractApp(setting);
    QCOMPARE(folder->command(), text.replace(QStringLiteral("<src>"), src));
    QCOMPARE(folder->arguments(), expected);
}

void TestCommandLine::previewAndPresentGetListAsOneArgument_data()
{
    QTest::addColumn<QString>("options");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("plain") << "-list %1" << QStringList{"-list", "<list>"};
    QTest::newRow("quoted") << "-list \"%1\"" << QStringList{"-list", "<list>"};
    QTest::newRow("joined") << "/filelist=%1 /hide=7" << QStringList{"/filelist=<list>", "/hide=7"};
    QTest::newRow("quoted and joined") << "\"/slideshow=%1\"" << QStringList{"/slideshow=<list>"};
}

// A box under the hostile base path: its list files lie in "_sld" there, and the viewer gets the
// list's path whole, for a preview of the marked objects and for a present.
void TestCommandLine::previewAndPresentGetListAsOneArgument()
{
    QFETCH(QString, options);
    QFETCH(QStringList, expected);
    const QString boxPath = base() + QLatin1Char('/') + NAME_PHOTO;
    QVERIFY(StorageSupport::writeAbcFile(boxPath, {"qweraa", "qwerab"}));
    new MyFolder(NAME_SLD_FOLDER, m_base.data());
    auto box = new PhotoBox(NAME_PHOTO, m_base.data());
    box->setExtPlayList(NAME_PHOTO_PLAYLIST_EXT);
    const QString command = QLatin1Char('"') + StorageSupport::fake(QStringLiteral("fake_viewer.sh")) + "\" " + options;
    box->setExecPreview(command);
    box->setExecPresent(command);
    box->markAllEntries(0);
    QCOMPARE(box->markedEntriesCount(), 2);

    QProcess preview;
    const QString list = box->previewSelected(QStringLiteral("preview"), &preview);
    QCOMPARE(list, base() + QStringLiteral("/_sld/preview.sld"));
    QTRY_VERIFY(QFile::exists(recordPath()));
    QStringList withList = expected;
    withList.replaceInStrings(QStringLiteral("<list>"), list);
    QCOMPARE(recorded(), withList);
    QTRY_COMPARE(preview.state(), QProcess::NotRunning);
    QCOMPARE(preview.exitCode(), 0);
    QStringList listed = QString::fromLocal8Bit(TestSupport::readFile(list)).split(QLatin1Char('\n'));
    listed.sort();
    QCOMPARE(listed, QStringList({QString(), boxPath + "/qw/er/aa.jpg", boxPath + "/qw/er/ab.jpg"}));

    QFile::remove(recordPath());
    QProcess present;
    const QString shown = box->presentSelected(QStringLiteral("present"), &present);
    QTRY_VERIFY(QFile::exists(recordPath()));
    withList = expected;
    withList.replaceInStrings(QStringLiteral("<list>"), shown);
    QCOMPARE(recorded(), withList);
    QTRY_COMPARE(present.state(), QProcess::NotRunning);
}

// A command line that names no program starts nothing; the list is still written.
void TestCommandLine::nothingToStart()
{
    QProcess process;
    QVERIFY(!CommandLine::start(&process, CommandLine::arguments(QStringLiteral("   "), QStringLiteral("/x"))));
    QVERIFY(!CommandLine::start(nullptr, {QStringLiteral("viewer")}));
    QCOMPARE(process.state(), QProcess::NotRunning);
    QCOMPARE(process.error(), QProcess::UnknownError); // never started
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
