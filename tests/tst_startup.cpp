#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "anybox.h"
#include "basefolder.h"
#include "constants.h"
#include "mainwindow.h"
#include "mysettings.h"
#include "mysplash.h"
#include "startup.h"
#include "tessary.h"
#include "testsupport.h"
#include "windowsupport.h"

class TestStartUp : public QObject
{
    Q_OBJECT

private slots:
    void settingsFileFromCommandLine_data();
    void settingsFileFromCommandLine();
    void directoryArgumentGetsIniWithAllDefaults();

    void emptyBaseFolderGetsLayoutAndReadyWindow();
    void windowShownOnlyWhenSplashGoes();
    void translatorsFollowStoredLanguage();

    void missingBaseFolderOpensSettingsDialog();
    void unusableBaseFolderOpensSettingsDialog_data();
    void unusableBaseFolderOpensSettingsDialog();
    void acceptedDialogWithExistingFolderStartsUp();
    void firstRunWritesDefaultsAndAsksForFolder();
    void unitFailureShownThenDialogOpens();

    void unreachableSettingsFileReported();
    void malformedSettingsFileReported();
    void failedSplashWaitsForUser();

private:
    static QString iniPath(const QTemporaryDir &dir) { return dir.path() + QStringLiteral("/tessary.ini"); }
    static void writeIni(const QTemporaryDir &dir, const QString &boxDir);
};

void TestStartUp::writeIni(const QTemporaryDir &dir, const QString &boxDir)
{
    QSettings ini(iniPath(dir), QSettings::IniFormat);
    ini.setValue(KEY_GENERAL + KEY_BOX_DIR, boxDir);
    ini.sync();
}

// Keeps the sequence quick: messages stay for a millisecond instead of 700.
static void makeQuick(StartUp &startUp, int closeDelay = 60000)
{
    startUp.setDisplayMessageTime(1);
    startUp.setCloseDelay(closeDelay);
}

void TestStartUp::settingsFileFromCommandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("fileName");
    QTest::newRow("no argument") << QStringList{"tessary"} << QString();
    QTest::newRow("file") << QStringList{"tessary", "/data/my.ini"} << QStringLiteral("/data/my.ini");
    QTest::newRow("file trimmed") << QStringList{"tessary", "  /data/my.ini \t"} << QStringLiteral("/data/my.ini");
    QTest::newRow("directory") << QStringList{"tessary", "/data/"} << QStringLiteral("/data/tessary.ini");
    QTest::newRow("directory trimmed") << QStringList{"tessary", " /data/ "} << QStringLiteral("/data/tessary.ini");
    QTest::newRow("two arguments") << QStringList{"tessary", "/data/my.ini", "/other.ini"} << QString();
    QTest::newRow("three arguments") << QStringList{"tessary", "a", "b", "c"} << QString();
}

void TestStartUp::settingsFileFromCommandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, fileName);
    QCOMPARE(StartUp::settingsFileName(arguments), fileName);
}

void TestStartUp::directoryArgumentGetsIniWithAllDefaults()
{
    QTemporaryDir dir;
    QScopedPointer<MySettings> settings(StartUp::openSettings({"tessary", dir.path() + QLatin1Char('/')}));
    QCOMPARE(settings->fileName(), iniPath(dir));
    QVERIFY(QFileInfo::exists(iniPath(dir)));

    QSettings ini(iniPath(dir), QSettings::IniFormat);
    const QMap<QString, QVariant> defaults = MySettings::builtInDefaults();
    QCOMPARE(ini.allKeys().size(), 22);
    // Read back plainly, so nothing repairs or fills the file on the way.
    for (auto it = defaults.constBegin(); it != defaults.constEnd(); ++it)
        QCOMPARE(ini.value(it.key()).toString(), it.value().toString());
}

void TestStartUp::emptyBaseFolderGetsLayoutAndReadyWindow()
{
    QTemporaryDir dir;
    const QString base = TestSupport::baseDir(dir);
    QVERIFY(QDir().mkpath(base));
    writeIni(dir, base);

    StartUp startUp({"tessary", iniPath(dir)});
    makeQuick(startUp);
    QVERIFY(startUp.run());
    QCOMPARE(startUp.statusText(), QStringLiteral("Tessary is ready..."));
    QVERIFY(startUp.splash());
    QCOMPARE(startUp.splash()->message(), QStringLiteral("Tessary is ready..."));
    QVERIFY(startUp.mainWindow());

    for (const QString &folder : {NAME_PHOTO, NAME_BOOK, NAME_CLIP, NAME_MUSIC, NAME_SRC_FOLDER, NAME_DST_FOLDER,
                                  NAME_SLD_FOLDER})
        QVERIFY2(QFileInfo(base + QLatin1Char('/') + folder).isDir(), qPrintable(folder));
    for (const QString &file : {NAME_SSS_FILE, NAME_WRD_FILE, NAME_LOG_FILE, NAME_TMP_FILE})
        QVERIFY2(QFileInfo(base + QLatin1Char('/') + file).isFile(), qPrintable(file));

    QSettings ini(iniPath(dir), QSettings::IniFormat);
    QCOMPARE(ini.allKeys().size(), 22);
    QCOMPARE(ini.value(KEY_GENERAL + KEY_BOX_DIR).toString(), base);
    QCOMPARE(ini.value(KEY_GENERAL + KEY_LANGUAGE).toString(), LANGUAGE);
    QCOMPARE(ini.value(KEY_MUSIC + KEY_PRESENT_APP).toString(), MUSIC_PRESENT_APP);
}

void TestStartUp::windowShownOnlyWhenSplashGoes()
{
    QTemporaryDir dir;
    QVERIFY(QDir().mkpath(TestSupport::baseDir(dir)));
    writeIni(dir, TestSupport::baseDir(dir));

    StartUp startUp({"tessary", iniPath(dir)});
    makeQuick(startUp, 100);
    QSignalSpy gone(&startUp, &StartUp::splashGone);
    QVERIFY(startUp.run());
    QPointer<MySplash> splash = startUp.splash();
    QVERIFY(splash);
    QVERIFY(!startUp.mainWindow()->isVisible());

    // Nobody touches the splash: it closes by itself and the window appears.
    QVERIFY(gone.wait(5000));
    QCOMPARE(gone.first().first().toBool(), true);
    QVERIFY(splash.isNull());
    QVERIFY(startUp.mainWindow()->isVisible());
}

void TestStartUp::translatorsFollowStoredLanguage()
{
    QTemporaryDir dir;
    QVERIFY(QDir().mkpath(TestSupport::baseDir(dir)));
    writeIni(dir, TestSupport::baseDir(dir));
    {
        QSettings ini(iniPath(dir), QSettings::IniFormat);
        ini.setValue(KEY_GENERAL + KEY_LANGUAGE, QStringLiteral("ru"));
    }

    StartUp startUp({"tessary", iniPath(dir)});
    makeQuick(startUp);
    QVERIFY(startUp.run());
    // The program's and the toolkit's Russian catalogues are in the resources, so both are in use now.
    QCOMPARE(QCoreApplication::translate("MainWindow", "English"), QStringLiteral("Русский"));
    QVERIFY(QCoreApplication::translate("QPlatformTheme", "Cancel") != QLatin1String("Cancel"));
    startUp.shutdown();
    QVERIFY(!startUp.mainWindow());
    QVERIFY(!startUp.settings());
    // Deleted translators are gone from the application as well.
    QCOMPARE(QCoreApplication::translate("MainWindow", "English"), QStringLiteral("English"));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
}

void TestStartUp::missingBaseFolderOpensSettingsDialog()
{
    QTemporaryDir dir;
    writeIni(dir, TestSupport::baseDir(dir));

    StartUp startUp({"tessary", iniPath(dir)});
    makeQuick(startUp);
    QString dialogTitle;
    WindowSupport::whenModal([&dialogTitle](QDialog *dialog) {
        dialogTitle = dialog->metaObject()->className();
        dialog->reject();
    });
    QVERIFY(!startUp.run());
    QCOMPARE(dialogTitle, QStringLiteral("MySetDialog"));
    QCOMPARE(startUp.statusText(), QStringLiteral("Creating Tessary cancelled..."));
    QCOMPARE(startUp.splash()->message(), QStringLiteral("Creating Tessary cancelled..."));
    QVERIFY(!startUp.mainWindow());
    QVERIFY(!QFileInfo::exists(TestSupport::baseDir(dir)));
}

void TestStartUp::unusableBaseFolderOpensSettingsDialog_data()
{
    QTest::addColumn<QString>("boxDir");
    QTest::newRow("empty") << QString();
    QTest::newRow("relative") << QStringLiteral("base");
    QTest::newRow("root") << QStringLiteral("/");
}

// A base folder without a name of its own, or a relative one that happens to exist in the working
// directory, must never get the box tree built somewhere unexpected.
void TestStartUp::unusableBaseFolderOpensSettingsDialog()
{
    QFETCH(QString, boxDir);
    QTemporaryDir dir;
    QVERIFY(QDir().mkpath(TestSupport::baseDir(dir)));
    writeIni(dir, boxDir);
    const QString oldCurrent = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));

    StartUp startUp({"tessary", iniPath(dir)});
    makeQuick(startUp);
    bool asked = false;
    WindowSupport::whenModal([&asked](QDialog *dialog) {
        asked = true;
        dialog->reject();
    });
    const bool started = startUp.run();
    QDir::setCurrent(oldCurrent);
    QVERIFY(!started);
    QVERIFY(asked);
    QVERIFY(!startUp.mainWindow());
    QVERIFY(!QFileInfo::exists(TestSupport::baseDir(dir) + QStringLiteral("/photo")));
}

void TestStartUp::acceptedDialogWithExistingFolderStartsUp()
{
    QTemporaryDir dir;
    writeIni(dir, TestSupport::baseDir(dir) + QStringLiteral("/missing"));
    const QString base = TestSupport::baseDir(dir);
    QVERIFY(QDir().mkpath(base));

    StartUp startUp({"tessary", iniPath(dir)});
    makeQuick(startUp);
    bool edited = false;
    WindowSupport::whenModal([&edited, &base](QDialog *dialog) {
        auto boxDir = dialog->findChild<QLineEdit *>(QStringLiteral("boxDirLineEdit"));
        auto buttons = dialog->findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
        if (!boxDir || !buttons) {
            dialog->reject();
            return;
        }
        boxDir->setText(base);
        buttons->button(QDialogButtonBox::Ok)->click();
        edited = true;
    });
    QVERIFY(startUp.run());
    QVERIFY(edited);
    QCOMPARE(startUp.statusText(), QStringLiteral("Tessary is ready..."));
    QCOMPARE(startUp.mainWindow()->boxSet()->baseFolder()->completeName(), base);
    QVERIFY(QFileInfo(base + QLatin1Char('/') + NAME_PHOTO).isDir());
    QCOMPARE(QSettings(iniPath(dir), QSettings::IniFormat).value(KEY_GENERAL + KEY_BOX_DIR).toString(), base);
}

void TestStartUp::firstRunWritesDefaultsAndAsksForFolder()
{
    QTemporaryDir dir;
    StartUp startUp({"tessary", iniPath(dir)});
    makeQuick(startUp);
    int dialogs = 0;
    WindowSupport::whenModal([&dialogs](QDialog *dialog) {
        ++dialogs;
        dialog->reject();
    });
    QVERIFY(!startUp.run());
    QCOMPARE(dialogs, 1);
    QSettings ini(iniPath(dir), QSettings::IniFormat);
    QCOMPARE(ini.allKeys().size(), 22);
    QCOMPARE(ini.value(KEY_GENERAL + KEY_BOX_DIR).toString(), BOX_DIR_DEFAULT);
}

void TestStartUp::unitFailureShownThenDialogOpens()
{
    QTemporaryDir dir;
    const QString base = TestSupport::baseDir(dir);
    QVERIFY(QDir().mkpath(base));
    const QString dst = base + QLatin1Char('/') + NAME_DST_FOLDER;
    QVERIFY(TestSupport::writeFile(dst, "a file, not a folder"));
    writeIni(dir, base);

    StartUp startUp({"tessary", iniPath(dir)});
    makeQuick(startUp);
    QString shownWhileDialogOpen;
    QString shownInDialog;
    bool windowGone = false;
    WindowSupport::whenModal([&](QDialog *dialog) {
        shownWhileDialogOpen = startUp.splash() ? startUp.splash()->message() : QString();
        // The reason stays in the dialog itself, above its tabs.
        auto problem = dialog->findChild<QLabel *>(QStringLiteral("problemLabel"));
        shownInDialog = problem && problem->isVisible() ? problem->text() : QString();
        windowGone = !startUp.mainWindow();
        dialog->reject();
    });
    QVERIFY(!startUp.run());
    QCOMPARE(shownWhileDialogOpen, QStringLiteral("Directory '%1'\n cannot be created...").arg(dst));
    QCOMPARE(shownInDialog, shownWhileDialogOpen);
    QVERIFY(windowGone);
    QVERIFY(!startUp.mainWindow());
    QCOMPARE(startUp.statusText(), QStringLiteral("Creating Tessary cancelled..."));
    QCOMPARE(TestSupport::readFile(dst), QByteArray("a file, not a folder"));
}

void TestStartUp::unreachableSettingsFileReported()
{
    QTemporaryDir dir;
    const QString blocker = dir.path() + QStringLiteral("/plain");
    QVERIFY(TestSupport::writeFile(blocker, "x"));
    const QString fileName = blocker + QStringLiteral("/tessary.ini");

    StartUp startUp({"tessary", fileName});
    makeQuick(startUp);
    QVERIFY(!startUp.run());
    QCOMPARE(startUp.statusText(), QStringLiteral("Cannot access the file\n'%1'").arg(fileName));
    QCOMPARE(startUp.splash()->message(), startUp.statusText());
    QVERIFY(!startUp.mainWindow());
}

void TestStartUp::malformedSettingsFileReported()
{
    QTemporaryDir dir;
    const QByteArray malformed = "[main\nboxDir=/nowhere\n";
    QVERIFY(TestSupport::writeFile(iniPath(dir), malformed));

    StartUp startUp({"tessary", iniPath(dir)});
    makeQuick(startUp);
    QVERIFY(!startUp.run());
    QCOMPARE(startUp.statusText(), QStringLiteral("Error in the configuration file\n'%1'").arg(iniPath(dir)));
    QVERIFY(!startUp.mainWindow());
    // The user's file is left for the user to mend.
    QCOMPARE(TestSupport::readFile(iniPath(dir)), malformed);
}

void TestStartUp::failedSplashWaitsForUser()
{
    QTemporaryDir dir;
    writeIni(dir, TestSupport::baseDir(dir));
    StartUp startUp({"tessary", iniPath(dir)});
    makeQuick(startUp, 50);
    WindowSupport::whenModal([](QDialog *dialog) { dialog->reject(); });
    QSignalSpy gone(&startUp, &StartUp::splashGone);
    QVERIFY(!startUp.run());
    QPointer<MySplash> splash = startUp.splash();
    QVERIFY(splash);

    // Well past the close delay of a successful start, the message is still there.
    QVERIFY(!gone.wait(500));
    QVERIFY(!splash.isNull());
    QVERIFY(splash->isVisible());

    QTest::keyClick(splash.data(), Qt::Key_Return);
    QTRY_VERIFY(splash.isNull());
    QCOMPARE(gone.count(), 1);
    QCOMPARE(gone.first().first().toBool(), false);
}

QTEST_MAIN(TestStartUp)
#include "tst_startup.moc"
