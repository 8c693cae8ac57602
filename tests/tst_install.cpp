#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "constants.h"
#include "processsupport.h"
#include "testsupport.h"

// `cmake --install` into a fresh prefix, the desktop validators on what it put there, and a start of the
// installed program.
class TestInstall : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void installsProgramMenuEntryIconAndMetainfo();
    void desktopEntriesAreValid();
    void metainfoIsValid();
    void installedProgramStartsWithItsTranslations();
    void installedProgramReachesMainWindowAndQuits();

private:
    QString prefixPath(const QString &relative) const { return m_prefix.path() + QLatin1Char('/') + relative; }
    ProcessSupport::Run runTool(const QString &tool, const QStringList &arguments);

    QTemporaryDir m_prefix;
    QTemporaryDir m_home;
};

ProcessSupport::Run TestInstall::runTool(const QString &tool, const QStringList &arguments)
{
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty())
        return ProcessSupport::Run();
    return ProcessSupport::run(program, arguments, m_home.path(), ProcessSupport::isolatedEnvironment(m_home.path()));
}

void TestInstall::initTestCase()
{
    QVERIFY(m_prefix.isValid() && m_home.isValid());
    // Only Tessary's part: the companions may not be built in this build folder.
    const ProcessSupport::Run run = ProcessSupport::run(
        QStringLiteral(TESSARY_CMAKE),
        {QStringLiteral("--install"), QStringLiteral(TESSARY_BUILD_DIR), QStringLiteral("--prefix"), m_prefix.path(),
         QStringLiteral("--component"), QStringLiteral("tessary")},
        m_home.path(), ProcessSupport::isolatedEnvironment(m_home.path()), 120000);
    QVERIFY2(run.finished && run.exitCode == 0, run.err.constData());
}

void TestInstall::installsProgramMenuEntryIconAndMetainfo()
{
    const QStringList expected = {
        QStringLiteral("bin/tessary"),
        QStringLiteral("share/applications/org.welmora.Tessary.desktop"),
        QStringLiteral("share/icons/hicolor/scalable/apps/org.welmora.Tessary.svg"),
        QStringLiteral("share/metainfo/org.welmora.Tessary.metainfo.xml"),
    };
    for (const QString &file : expected)
        QVERIFY2(QFileInfo(prefixPath(file)).isFile(), qPrintable(file));
    QVERIFY(QFileInfo(prefixPath(QStringLiteral("bin/tessary"))).isExecutable());
    // The menu entry starts the program by the name it has in bin and shows the installed icon.
    const QByteArray entry = TestSupport::readFile(prefixPath(expected.at(1)));
    QVERIFY(entry.contains("\nExec=tessary"));
    QVERIFY(entry.contains("\nIcon=org.welmora.Tessary\n"));
    QVERIFY(TestSupport::readFile(prefixPath(expected.at(2))).contains("<svg"));
}

void TestInstall::desktopEntriesAreValid()
{
    QStringList files = {prefixPath(QStringLiteral("share/applications/org.welmora.Tessary.desktop"))};
    // The companions' entries are checked where they come from.
    for (const QString &name :
         {QStringLiteral("org.welmora.Cantrel.desktop"), QStringLiteral("org.welmora.Folianto.desktop")})
        files << QStringLiteral(TESSARY_DESKTOP_DIR "/") + name;
    for (const QString &file : files) {
        const ProcessSupport::Run run = runTool(QStringLiteral("desktop-file-validate"), {file});
        QVERIFY2(run.finished, "desktop-file-validate (package desktop-file-utils) did not run");
        QVERIFY2(run.exitCode == 0 && run.out.trimmed().isEmpty(), (file.toUtf8() + '\n' + run.out).constData());
    }
}

void TestInstall::metainfoIsValid()
{
    QStringList files = {prefixPath(QStringLiteral("share/metainfo/org.welmora.Tessary.metainfo.xml"))};
    for (const QString &name :
         {QStringLiteral("org.welmora.Cantrel.metainfo.xml"), QStringLiteral("org.welmora.Folianto.metainfo.xml")})
        files << QStringLiteral(TESSARY_DESKTOP_DIR "/") + name;
    for (const QString &file : files) {
        const ProcessSupport::Run run =
            runTool(QStringLiteral("appstreamcli"), {QStringLiteral("validate"), QStringLiteral("--no-net"), file});
        QVERIFY2(run.finished, "appstreamcli (package appstream) did not run");
        QVERIFY2(run.exitCode == 0, (file.toUtf8() + '\n' + run.out + run.err).constData());
    }
}

void TestInstall::installedProgramStartsWithItsTranslations()
{
    // Started from the prefix, far from the build folder: the translations travel inside the program.
    QTemporaryDir work;
    QVERIFY(work.isValid());
    QVERIFY(TestSupport::writeFile(work.path() + QStringLiteral("/tessary.ini"), "[main]\nlanguage=ru\n"));
    const ProcessSupport::Run run = ProcessSupport::run(
        prefixPath(QStringLiteral("bin/tessary")), {work.path() + QLatin1Char('/'), QStringLiteral("--help")},
        work.path(), ProcessSupport::isolatedEnvironment(m_home.path()));
    QVERIFY(run.finished);
    QCOMPARE(run.exitCode, 0);
    const QString out = QString::fromUtf8(run.out);
    QVERIFY2(out.contains(QString::fromUtf8("Показать справку")), qPrintable(out));
}

void TestInstall::installedProgramReachesMainWindowAndQuits()
{
    QTemporaryDir work;
    QVERIFY(work.isValid());
    const QString base = work.path() + QStringLiteral("/base");
    QVERIFY(QDir().mkpath(base));
    const QString ini = work.path() + QStringLiteral("/demo.ini");
    QVERIFY(TestSupport::writeFile(ini, "[main]\nboxDir=" + base.toUtf8() + "\n"));
    QProcessEnvironment environment = ProcessSupport::isolatedEnvironment(m_home.path());
    environment.insert(QStringLiteral("TESSARY_TEST_QUIT"), QStringLiteral("1"));

    const ProcessSupport::Run run =
        ProcessSupport::run(prefixPath(QStringLiteral("bin/tessary")), {ini}, work.path(), environment);
    QVERIFY(run.finished);
    // Only a start that reached the main window ends with status 0.
    QVERIFY2(run.exitCode == 0, run.err.constData());
    for (const QString &unit : {NAME_PHOTO, NAME_BOOK, NAME_CLIP, NAME_MUSIC, NAME_SSS_FILE, NAME_WRD_FILE})
        QVERIFY2(QFileInfo::exists(base + QLatin1Char('/') + unit), qPrintable(unit));
}

QTEST_MAIN(TestInstall)
#include "tst_install.moc"
