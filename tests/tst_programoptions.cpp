#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "constants.h"
#include "processsupport.h"
#include "testsupport.h"

// The built program, run as a user runs it from a terminal.
class TestProgramOptions : public QObject
{
    Q_OBJECT

private slots:
    void helpTellsUsageAndWritesNothing_data();
    void helpTellsUsageAndWritesNothing();
    void versionWritesNothing_data();
    void versionWritesNothing();
    void helpFollowsTheStoredLanguage();
    void unparsableSettingsFileFailsWithReason();
    void readySettingsFileStartsAndQuits();
    void settingsFileNamedLikeAnOptionStillWorks();
};

void TestProgramOptions::helpTellsUsageAndWritesNothing_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("--help") << QStringList{QStringLiteral("--help")};
    QTest::newRow("-h") << QStringList{QStringLiteral("-h")};
    QTest::newRow("with a settings file") << QStringList{QStringLiteral("my.ini"), QStringLiteral("--help")};
}

void TestProgramOptions::helpTellsUsageAndWritesNothing()
{
    QFETCH(QStringList, arguments);
    QTemporaryDir home;
    QTemporaryDir work;
    QVERIFY(home.isValid() && work.isValid());
    QProcessEnvironment environment = ProcessSupport::isolatedEnvironment(home.path());
    // No display at all: help must not need one.
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));

    const ProcessSupport::Run run =
        ProcessSupport::run(QStringLiteral(TESSARY_PROGRAM), arguments, work.path(), environment);
    QVERIFY(run.finished);
    QCOMPARE(run.exitCode, 0);
    const QString out = QString::fromLocal8Bit(run.out);
    QVERIFY2(out.contains(QStringLiteral("Usage: ")), qPrintable(out));
    QVERIFY(out.contains(QStringLiteral("[settings]")));
    QVERIFY(out.contains(QStringLiteral("--version")));
    QVERIFY(out.contains(QStringLiteral("a folder ending in \"/\" that")));
    // Where the settings live without an argument (the text is wrapped, so the path is looked for whole).
    QVERIFY2(out.simplified().contains(home.path() + QStringLiteral("/.config/welmora/tessary.ini")), qPrintable(out));
    QCOMPARE(ProcessSupport::listTree(work.path()), QStringList());
    QCOMPARE(ProcessSupport::listTree(home.path()), QStringList());
}

void TestProgramOptions::versionWritesNothing_data()
{
    QTest::addColumn<QString>("option");
    QTest::newRow("--version") << QStringLiteral("--version");
    QTest::newRow("-v") << QStringLiteral("-v");
}

void TestProgramOptions::versionWritesNothing()
{
    QFETCH(QString, option);
    QTemporaryDir home;
    QTemporaryDir work;
    QVERIFY(home.isValid() && work.isValid());
    const ProcessSupport::Run run = ProcessSupport::run(QStringLiteral(TESSARY_PROGRAM), {option}, work.path(),
                                                        ProcessSupport::isolatedEnvironment(home.path()));
    QVERIFY(run.finished);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, QByteArray("tessary " TESSARY_VERSION "\n"));
    QCOMPARE(ProcessSupport::listTree(work.path()), QStringList());
    QCOMPARE(ProcessSupport::listTree(home.path()), QStringList());
}

void TestProgramOptions::helpFollowsTheStoredLanguage()
{
    QTemporaryDir home;
    QTemporaryDir work;
    QVERIFY(home.isValid() && work.isValid());
    const QString ini = work.path() + QStringLiteral("/tessary.ini");
    QVERIFY(TestSupport::writeFile(ini, "[main]\nlanguage=ru\n"));
    const ProcessSupport::Run run =
        ProcessSupport::run(QStringLiteral(TESSARY_PROGRAM), {work.path() + QLatin1Char('/'), QStringLiteral("--help")},
                            work.path(), ProcessSupport::isolatedEnvironment(home.path()));
    QVERIFY(run.finished);
    QCOMPARE(run.exitCode, 0);
    const QString out = QString::fromUtf8(run.out);
    QVERIFY2(out.contains(QString::fromUtf8("Показать версию")), qPrintable(out));
    QVERIFY(!out.contains(QStringLiteral("Show the version")));
    // The settings file was only read.
    QCOMPARE(TestSupport::readFile(ini), QByteArray("[main]\nlanguage=ru\n"));
    QCOMPARE(ProcessSupport::listTree(work.path()), QStringList{QStringLiteral("tessary.ini")});
}

void TestProgramOptions::unparsableSettingsFileFailsWithReason()
{
    QTemporaryDir home;
    QTemporaryDir work;
    QVERIFY(home.isValid() && work.isValid());
    const QString ini = work.path() + QStringLiteral("/broken.ini");
    const QByteArray content("[main\nboxDir=/nowhere\n");
    QVERIFY(TestSupport::writeFile(ini, content));
    QProcessEnvironment environment = ProcessSupport::isolatedEnvironment(home.path());
    // Nobody is there to dismiss the splash.
    environment.insert(QStringLiteral("TESSARY_TEST_QUIT"), QStringLiteral("1"));

    const ProcessSupport::Run run =
        ProcessSupport::run(QStringLiteral(TESSARY_PROGRAM), {ini}, work.path(), environment);
    QVERIFY(run.finished);
    QVERIFY(run.exitCode != 0);
    const QString err = QString::fromLocal8Bit(run.err);
    QVERIFY2(err.contains(QStringLiteral("tessary: Error in the configuration file\n'") + ini + QLatin1Char('\'')),
             qPrintable(err));
    QCOMPARE(TestSupport::readFile(ini), content);
}

void TestProgramOptions::readySettingsFileStartsAndQuits()
{
    QTemporaryDir home;
    QTemporaryDir work;
    QVERIFY(home.isValid() && work.isValid());
    const QString base = work.path() + QStringLiteral("/base");
    QVERIFY(QDir().mkpath(base));
    QVERIFY(TestSupport::writeFile(work.path() + QStringLiteral("/tessary.ini"),
                                   "[main]\nboxDir=" + base.toUtf8() + "\n"));
    QProcessEnvironment environment = ProcessSupport::isolatedEnvironment(home.path());
    environment.insert(QStringLiteral("TESSARY_TEST_QUIT"), QStringLiteral("1"));

    const ProcessSupport::Run run = ProcessSupport::run(QStringLiteral(TESSARY_PROGRAM),
                                                        {work.path() + QLatin1Char('/')}, work.path(), environment);
    QVERIFY(run.finished);
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(!run.err.contains("tessary: "), run.err.constData());
    // The main window came up: the box set laid out the base folder.
    for (const QString &unit : {NAME_PHOTO, NAME_BOOK, NAME_CLIP, NAME_MUSIC, NAME_SRC_FOLDER, NAME_LOG_FILE})
        QVERIFY2(QFileInfo::exists(base + QLatin1Char('/') + unit), qPrintable(unit));
    QCOMPARE(QSettings(work.path() + QStringLiteral("/tessary.ini"), QSettings::IniFormat)
                 .value(KEY_PHOTO + KEY_EXT)
                 .toString(),
             PHOTO_EXT);
}

void TestProgramOptions::settingsFileNamedLikeAnOptionStillWorks()
{
    // Only help and version are options; any other argument is the settings file, as it always was.
    QTemporaryDir home;
    QTemporaryDir work;
    QVERIFY(home.isValid() && work.isValid());
    const QString base = work.path() + QStringLiteral("/base");
    QVERIFY(QDir().mkpath(base));
    QVERIFY(TestSupport::writeFile(work.path() + QStringLiteral("/-x.ini"), "[main]\nboxDir=" + base.toUtf8() + "\n"));
    QProcessEnvironment environment = ProcessSupport::isolatedEnvironment(home.path());
    environment.insert(QStringLiteral("TESSARY_TEST_QUIT"), QStringLiteral("1"));

    const ProcessSupport::Run run =
        ProcessSupport::run(QStringLiteral(TESSARY_PROGRAM), {QStringLiteral("-x.ini")}, work.path(), environment);
    QVERIFY(run.finished);
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.out.isEmpty());
    QVERIFY(QFileInfo(base + QLatin1Char('/') + NAME_PHOTO).isDir());
    const QSettings stored(work.path() + QStringLiteral("/-x.ini"), QSettings::IniFormat);
    QCOMPARE(stored.value(KEY_MUSIC + KEY_EXT).toString(), MUSIC_EXT);
}

QTEST_MAIN(TestProgramOptions)
#include "tst_programoptions.moc"
