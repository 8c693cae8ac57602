#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedPointer>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "anybox.h"
#include "arrangement.h"
#include "arrangementrun.h"
#include "arrangementsupport.h"
#include "basefolder.h"
#include "constants.h"
#include "mainwindow.h"
#include "mylogfile.h"
#include "mymessagebox.h"
#include "mysettings.h"
#include "mysrcfolder.h"
#include "mysssfile.h"
#include "photobox.h"
#include "startup.h"
#include "storagesupport.h"
#include "tessary.h"
#include "testsupport.h"

using namespace ArrangementSupport;

// The default extractor command line in its Linux form, with the place quoted as users often write it.
static const QString EXIFTOOL_QUOTED =
    QStringLiteral("exiftool -f -d \"%d.%m.%Y|%H:%M\" -p \"$FileName|$DateTimeOriginal\" \"%1\"");
static const QString EXIFTOOL_PLAIN =
    QStringLiteral("exiftool -f -d \"%d.%m.%Y|%H:%M\" -p \"$FileName|$DateTimeOriginal\" %1");

// Base folders named like their own units, odd base paths, and the settings files start-up must not
// touch: the program comes up, arranges, and tells the user when it cannot.
class TestHostileNames : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void baseFolderNamedLikeAUnit_data();
    void baseFolderNamedLikeAUnit();
    void baseFolderPathWithBlanksAndQuotesGetsDatesTaken_data();
    void baseFolderPathWithBlanksAndQuotesGetsDatesTaken();
    void frameSaysWhyRunCannotStart();
    void largestSessionNumberRefusedByFrame();
    void malformedSettingsLeftByteForByte_data();
    void malformedSettingsLeftByteForByte();

private:
    QString iniPath() const { return m_dir->path() + QStringLiteral("/tessary.ini"); }
    void writeIni(const QString &boxDir, const QString &extractor) const;
    void clickStart(Arrangement *frame, const QString &annotation) const;
    static QString label(Arrangement *frame, const char *name);

    QScopedPointer<QTemporaryDir> m_dir;
};

void TestHostileNames::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    MyMessageBox::clearAnswers();
}

void TestHostileNames::cleanup()
{
    MyMessageBox::clearAnswers();
    // Stored copies are read-only; the temporary folder must still go.
    if (m_dir)
        QProcess::execute(QStringLiteral("chmod"), {QStringLiteral("-R"), QStringLiteral("u+w"), m_dir->path()});
    m_dir.reset();
}

void TestHostileNames::writeIni(const QString &boxDir, const QString &extractor) const
{
    QSettings ini(iniPath(), QSettings::IniFormat);
    ini.setValue(KEY_GENERAL + KEY_BOX_DIR, boxDir);
    ini.setValue(KEY_GENERAL + KEY_EXTRACT_META_APP, extractor);
    ini.sync();
}

void TestHostileNames::clickStart(Arrangement *frame, const QString &annotation) const
{
    auto edit = frame->findChild<QLineEdit *>(QStringLiteral("annotationEdit"));
    auto button = frame->findChild<QPushButton *>(QStringLiteral("startButton"));
    QVERIFY(edit);
    QVERIFY(button);
    QTest::keyClicks(edit, annotation);
    QTest::mouseClick(button, Qt::LeftButton);
}

QString TestHostileNames::label(Arrangement *frame, const char *name)
{
    auto found = frame->findChild<QLabel *>(QLatin1String(name));
    return found ? found->text() : QStringLiteral("<missing %1>").arg(QLatin1String(name));
}

void TestHostileNames::baseFolderNamedLikeAUnit_data()
{
    QTest::addColumn<QString>("name");
    for (const QString &name : {NAME_PHOTO, NAME_BOOK, NAME_CLIP, NAME_MUSIC, NAME_LOG_FILE, NAME_SSS_FILE,
                                NAME_SRC_FOLDER, NAME_SLD_FOLDER})
        QTest::newRow(qPrintable(name)) << name;
}

// Start-up builds the tree under a base folder named like one of its units; the main window opens on
// the photo box and an arrangement there places a photo, records the session and logs the run.
void TestHostileNames::baseFolderNamedLikeAUnit()
{
    QFETCH(QString, name);
    const QString base = m_dir->path() + QLatin1Char('/') + name;
    QVERIFY(QDir().mkpath(base + QLatin1Char('/') + NAME_SRC_FOLDER));
    QVERIFY(TestSupport::writeFile(base + QStringLiteral("/_src/holiday.jpg"), "a photo of the sea"));
    writeIni(base, QLatin1Char('"') + StorageSupport::fake(QStringLiteral("fake_extractor.sh")) + "\" %1");

    StartUp startUp({QStringLiteral("tessary"), iniPath()});
    startUp.setDisplayMessageTime(1);
    startUp.setCloseDelay(60000);
    QVERIFY(startUp.run());
    QCOMPARE(startUp.statusText(), QStringLiteral("Tessary is ready..."));
    MainWindow *window = startUp.mainWindow();
    QVERIFY(window);
    AnyBox *box = window->currentBox();
    QVERIFY(box);
    QVERIFY(qobject_cast<PhotoBox *>(box));
    QCOMPARE(box->completeName(), base + QLatin1Char('/') + NAME_PHOTO);
    // Every unit is found under its own name, never as the base folder.
    QCOMPARE(box->unit(NAME_LOG_FILE)->completeName(), base + QLatin1Char('/') + NAME_LOG_FILE);
    QCOMPARE(box->unit(NAME_SRC_FOLDER)->completeName(), base + QLatin1Char('/') + NAME_SRC_FOLDER);
    QCOMPARE(box->unit(NAME_SSS_FILE)->completeName(), base + QLatin1Char('/') + NAME_SSS_FILE);
    QCOMPARE(box->unit(NAME_SLD_FOLDER)->completeName(), base + QLatin1Char('/') + NAME_SLD_FOLDER);
    QCOMPARE(box->unit(NAME_MUSIC)->completeName(), base + QLatin1Char('/') + NAME_MUSIC);
    QCOMPARE(static_cast<QObject *>(box->unit(name)),
             box->baseUnit()->findChild<QObject *>(name, Qt::FindDirectChildrenOnly));
    QVERIFY(box->unit(QStringLiteral("nothing")) == nullptr);

    QFrame central;
    auto frame = new Arrangement(box, &central);
    central.show();
    const int shownBefore = MyMessageBox::shownCount();
    MyMessageBox::setNextAnswer(QMessageBox::Ok); // a box would not block, but it must not come
    clickStart(frame, QStringLiteral("Sea"));
    QCOMPARE(MyMessageBox::shownCount(), shownBefore);
    QCOMPARE(label(frame, "addLabel"), QStringLiteral("1"));
    QCOMPARE(fileNames(base + QLatin1Char('/') + NAME_SRC_FOLDER), QStringList());
    const QMap<QString, QString> entries = storedEntries(base + QLatin1Char('/') + NAME_PHOTO);
    QCOMPARE(entries.size(), 1);
    QCOMPARE(entries.first().section(QLatin1Char('~'), 7, 7), QStringLiteral("holiday.jpg"));
    const QStringList sessions = lines(base + QLatin1Char('/') + NAME_SSS_FILE);
    QCOMPARE(sessions.size(), 1);
    QVERIFY2(sessions.first().startsWith(QStringLiteral("1~"))
                 && sessions.first().endsWith(QStringLiteral("~photo~Sea")),
             qPrintable(sessions.first()));
    const QStringList log = lines(base + QLatin1Char('/') + NAME_LOG_FILE);
    QVERIFY(!log.isEmpty());
    QVERIFY2(log.first().startsWith(QStringLiteral("--- ARRANGEMENT OPEN : ")), qPrintable(log.first()));
    QVERIFY(log.contains(QStringLiteral("New files added to the box: 1 (Total: 1, remains: 0)")));
}

void TestHostileNames::baseFolderPathWithBlanksAndQuotesGetsDatesTaken_data()
{
    QTest::addColumn<QString>("extractor");
    QTest::newRow("plain place") << EXIFTOOL_PLAIN;
    QTest::newRow("quoted place") << EXIFTOOL_QUOTED;
    QTest::newRow("no place") << EXIFTOOL_PLAIN.chopped(3);
}

// The real extractor over a source folder whose path holds blanks and quotes: every photo gets its
// date taken (and the season and daytime it starts with), not its file time.
void TestHostileNames::baseFolderPathWithBlanksAndQuotesGetsDatesTaken()
{
    QFETCH(QString, extractor);
    if (QStandardPaths::findExecutable(QStringLiteral("exiftool")).isEmpty())
        QFAIL("exiftool is needed for this test");
    const QString base = m_dir->path() + QStringLiteral("/My \"Media\" 'n' stuff/Photo  Library %1");
    const QString src = base + QLatin1Char('/') + NAME_SRC_FOLDER;
    QVERIFY(QDir().mkpath(src));
    QVERIFY(makeDatedJpeg(src + QStringLiteral("/lake shore.jpg"), 1, QDateTime(QDate(2019, 7, 10), QTime(14, 30))));
    QVERIFY(makeDatedJpeg(src + QStringLiteral("/snow.jpg"), 2, QDateTime(QDate(2020, 1, 3), QTime(20, 15))));
    writeIni(base, extractor);

    QScopedPointer<MySettings> settings(new MySettings(iniPath(), MySettings::builtInDefaults()));
    Tessary tessary(settings.data());
    QString status;
    QVERIFY2(tessary.initStatus(status), qPrintable(status));
    auto sources = qobject_cast<MySrcFolder *>(tessary.baseFolder()->unit(NAME_SRC_FOLDER));
    QVERIFY(sources);
    QCOMPARE(sources->arguments().last(), src);
    AnyBox *box = qobject_cast<AnyBox *>(tessary.baseFolder()->unit(NAME_PHOTO));
    QVERIFY(box);

    QFrame central;
    auto frame = new Arrangement(box, &central);
    central.show();
    const int shownBefore = MyMessageBox::shownCount();
    MyMessageBox::setNextAnswer(QMessageBox::Ok); // a box would not block, but it must not come
    clickStart(frame, QString());
    QCOMPARE(MyMessageBox::shownCount(), shownBefore);
    QCOMPARE(label(frame, "addLabel"), QStringLiteral("2"));
    QMap<QString, QString> byName;
    for (const QString &line : storedEntries(base + QLatin1Char('/') + NAME_PHOTO))
        byName.insert(line.section(QLatin1Char('~'), 7, 7), line);
    QCOMPARE(byName.keys(), QStringList({"lake shore.jpg", "snow.jpg"}));
    QCOMPARE(byName.value("lake shore.jpg").section(QLatin1Char('~'), 9, 9), QStringLiteral("10.07.2019"));
    QCOMPARE(byName.value("snow.jpg").section(QLatin1Char('~'), 9, 9), QStringLiteral("03.01.2020"));
    // Summer at day, winter in the evening.
    QCOMPARE(byName.value("lake shore.jpg").section(QLatin1Char('~'), 5, 5),
             QString::number(2u * (1u << 21) + 2u * (1u << 19)));
    QCOMPARE(byName.value("snow.jpg").section(QLatin1Char('~'), 5, 5), QString::number(3u * (1u << 19)));
}

// A box set without a log file: the frame says so in a message box and touches nothing.
void TestHostileNames::frameSaysWhyRunCannotStart()
{
    const QString base = m_dir->path() + QStringLiteral("/base");
    QVERIFY(QDir().mkpath(base));
    BaseFolder root(m_dir->path(), QStringLiteral("base"));
    auto box = new PhotoBox(NAME_PHOTO, &root);
    box->setExt(PHOTO_EXT);
    new MySrcFolder(QStringLiteral("/nonexistent/extractor %1"), NAME_SRC_FOLDER, &root);
    new MySssFile(NAME_SSS_FILE, &root);
    QVERIFY(TestSupport::writeFile(base + QStringLiteral("/_src/a.jpg"), "waiting"));

    QFrame central;
    auto frame = new Arrangement(box, &central);
    central.show();
    QSignalSpy status(frame, &Arrangement::needUpdateStatus);
    const int shownBefore = MyMessageBox::shownCount();
    MyMessageBox::setNextAnswer(QMessageBox::Ok);
    clickStart(frame, QString());
    QCOMPARE(MyMessageBox::shownCount(), shownBefore + 1);
    QCOMPARE(MyMessageBox::lastTitle(), QStringLiteral("Warning"));
    QCOMPARE(MyMessageBox::lastText(),
             QStringLiteral("The arrangement cannot start.\nThe log file \"log\" is not found in the base folder."));
    QCOMPARE(status.count(), 0);
    QVERIFY(!frame->findChild<QPushButton *>(QStringLiteral("startButton"))->isEnabled());
    QVERIFY(!frame->findChild<QLabel *>(QStringLiteral("totalLabel"))->isVisible());
    QCOMPARE(fileNames(base + QStringLiteral("/_src")), QStringList({"a.jpg"}));
    QCOMPARE(TestSupport::readFile(base + QLatin1Char('/') + NAME_SSS_FILE), QByteArray());
    QVERIFY(!QFileInfo::exists(base + QLatin1Char('/') + NAME_LOG_FILE));
}

// A session file that already holds the largest number: the run is refused with a message, the file
// stays as it is and no session 0 appears.
void TestHostileNames::largestSessionNumberRefusedByFrame()
{
    const QString base = m_dir->path() + QStringLiteral("/base");
    QVERIFY(QDir().mkpath(base + QStringLiteral("/_src")));
    const QByteArray sessions = "4294967295~01.01.2026 10:00:00~photo~last\n";
    QVERIFY(TestSupport::writeFile(base + QLatin1Char('/') + NAME_SSS_FILE, sessions));
    QVERIFY(TestSupport::writeFile(base + QStringLiteral("/_src/a.jpg"), "waiting"));
    writeIni(base, QLatin1Char('"') + StorageSupport::fake(QStringLiteral("fake_extractor.sh")) + "\" %1");
    QScopedPointer<MySettings> settings(new MySettings(iniPath(), MySettings::builtInDefaults()));
    Tessary tessary(settings.data());
    AnyBox *box = qobject_cast<AnyBox *>(tessary.baseFolder()->unit(NAME_PHOTO));
    QVERIFY(box);

    QFrame central;
    auto frame = new Arrangement(box, &central);
    central.show();
    const int shownBefore = MyMessageBox::shownCount();
    MyMessageBox::setNextAnswer(QMessageBox::Ok);
    clickStart(frame, QStringLiteral("more"));
    QCOMPARE(MyMessageBox::shownCount(), shownBefore + 1);
    QCOMPARE(MyMessageBox::lastText(),
             QStringLiteral("The arrangement cannot start.\nNo session number is left: the session file\n%1\n"
                            "already holds the largest number, 4294967295.")
                 .arg(base + QLatin1Char('/') + NAME_SSS_FILE));
    // The run itself refuses too, for callers without the frame.
    ArrangementRun run(box);
    QVERIFY(!run.usable());
    QVERIFY(!run.run(QStringLiteral("more")));
    QCOMPARE(TestSupport::readFile(base + QLatin1Char('/') + NAME_SSS_FILE), sessions);
    QCOMPARE(fileNames(base + QStringLiteral("/_src")), QStringList({"a.jpg"}));
    QVERIFY(storedEntries(base + QLatin1Char('/') + NAME_PHOTO).isEmpty());
}

void TestHostileNames::malformedSettingsLeftByteForByte_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("line without equals") << QByteArray("[main]\nboxDir=/data/boxes\nthis line has no equals sign\n"
                                                       "language=ru\n");
    QTest::newRow("binary junk") << QByteArray("[main]\nboxDir=/data/boxes\n\x01\x02junk\x7f=\xff\xfe\n");
    static const char zeroByte[] = "[main]\nlanguage=r\0u\n[photo]\next=jpg\n";
    QTest::newRow("zero byte in a value") << QByteArray(zeroByte, int(sizeof(zeroByte)) - 1);
    QTest::newRow("open group") << QByteArray("[main\nboxDir=/nowhere\n");
}

// Start-up reports the file and leaves it exactly as it was; so does a store opened on it directly.
void TestHostileNames::malformedSettingsLeftByteForByte()
{
    QFETCH(QByteArray, content);
    QVERIFY(TestSupport::writeFile(iniPath(), content));
    QVERIFY(!MySettings::parsesCompletely(iniPath()));
    {
        StartUp startUp({QStringLiteral("tessary"), iniPath()});
        startUp.setDisplayMessageTime(1);
        QVERIFY(!startUp.run());
        QCOMPARE(startUp.statusText(), QStringLiteral("Error in the configuration file\n'%1'").arg(iniPath()));
        QCOMPARE(startUp.splash()->message(), startUp.statusText());
        QVERIFY(!startUp.mainWindow());
        // The splash waits for the user; pending events must not write anything either.
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        QCOMPARE(TestSupport::readFile(iniPath()), content);
    }
    {
        MySettings settings(iniPath(), MySettings::builtInDefaults());
        QVERIFY(!settings.parsedCompletely());
        settings.sync();
    }
    QCOMPARE(TestSupport::readFile(iniPath()), content);

    // Mended by the user, the file is filled in as usual.
    QVERIFY(TestSupport::writeFile(iniPath(), "[main]\nlanguage=ru\n"));
    QVERIFY(MySettings::parsesCompletely(iniPath()));
    {
        MySettings settings(iniPath(), MySettings::builtInDefaults());
        QVERIFY(settings.parsedCompletely());
        settings.sync();
    }
    QSettings plain(iniPath(), QSettings::IniFormat);
    QCOMPARE(plain.allKeys().size(), 22);
    QCOMPARE(plain.value(KEY_GENERAL + KEY_LANGUAGE).toString(), QStringLiteral("ru"));
}

QTEST_MAIN(TestHostileNames)
#include "tst_hostilenames.moc"
