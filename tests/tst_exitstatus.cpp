#include <QDialog>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QtTest>

#include <cstdio>
#include <unistd.h>

#include "constants.h"
#include "mainwindow.h"
#include "mymessagebox.h"
#include "startup.h"
#include "testsupport.h"
#include "windowsupport.h"

// The whole life of the program (start-up, event loop, shutdown) as main() runs it: the exit status tells
// whether the main window opened, and the standard error says why it did not.
class TestExitStatus : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void cancelledSettingsDialogFails();
    void unitThatCannotBeCreatedFails();
    void unreadableSettingsFileFails();
    void unparsableSettingsFileFails();
    void readyStartQuitsThroughQuitCommandWithZero();

private:
    // Runs StartUp::exec() for the arguments with the standard error caught in m_err.
    int runProgram(const QStringList &arguments);
    static QString iniPath(const QTemporaryDir &dir) { return dir.path() + QStringLiteral("/tessary.ini"); }
    static void writeIni(const QTemporaryDir &dir, const QString &boxDir);

    QString m_err;
};

void TestExitStatus::initTestCase()
{
    // Nobody is there to dismiss the final splash message.
    qputenv("TESSARY_TEST_QUIT", "1");
    // As main() names it; the messages on the standard error start with it.
    QCoreApplication::setApplicationName(QStringLiteral("tessary"));
}

void TestExitStatus::cleanup()
{
    QCOMPARE(MyMessageBox::pendingAnswers(), 0);
    MyMessageBox::clearAnswers();
}

void TestExitStatus::writeIni(const QTemporaryDir &dir, const QString &boxDir)
{
    QSettings ini(iniPath(dir), QSettings::IniFormat);
    ini.setValue(KEY_GENERAL + KEY_BOX_DIR, boxDir);
    ini.sync();
}

int TestExitStatus::runProgram(const QStringList &arguments)
{
    QTemporaryFile errFile;
    if (!errFile.open())
        return -100;
    std::fflush(stderr);
    const int saved = dup(STDERR_FILENO);
    dup2(errFile.handle(), STDERR_FILENO);
    int result = -1;
    {
        StartUp startUp(arguments);
        startUp.setDisplayMessageTime(1);
        result = startUp.exec();
    }
    std::fflush(stderr);
    dup2(saved, STDERR_FILENO);
    close(saved);
    errFile.seek(0);
    m_err = QString::fromLocal8Bit(errFile.readAll());
    return result;
}

void TestExitStatus::cancelledSettingsDialogFails()
{
    QTemporaryDir dir;
    writeIni(dir, TestSupport::baseDir(dir));
    WindowSupport::whenModal([](QDialog *dialog) { dialog->reject(); });
    QCOMPARE(runProgram({"tessary", iniPath(dir)}), 1);
    QVERIFY2(m_err.contains(QStringLiteral("tessary: Creating Tessary cancelled...\n")), qPrintable(m_err));
}

void TestExitStatus::unitThatCannotBeCreatedFails()
{
    QTemporaryDir dir;
    const QString base = TestSupport::baseDir(dir);
    QVERIFY(QDir().mkpath(base));
    const QString dst = base + QLatin1Char('/') + NAME_DST_FOLDER;
    QVERIFY(TestSupport::writeFile(dst, "a file, not a folder"));
    writeIni(dir, base);
    WindowSupport::whenModal([](QDialog *dialog) { dialog->reject(); });
    QCOMPARE(runProgram({"tessary", iniPath(dir)}), 1);
    // The unit first, then how the start ended.
    const QString unit = QStringLiteral("tessary: Directory '%1'\n cannot be created...\n").arg(dst);
    const QString cancelled = QStringLiteral("tessary: Creating Tessary cancelled...\n");
    QVERIFY2(m_err.contains(unit) && m_err.indexOf(unit) < m_err.indexOf(cancelled), qPrintable(m_err));
}

void TestExitStatus::unreadableSettingsFileFails()
{
    QTemporaryDir dir;
    const QString blocker = dir.path() + QStringLiteral("/plain");
    QVERIFY(TestSupport::writeFile(blocker, "x"));
    const QString fileName = blocker + QStringLiteral("/tessary.ini");
    QCOMPARE(runProgram({"tessary", fileName}), 1);
    QVERIFY2(m_err.contains(QStringLiteral("tessary: Cannot access the file\n'%1'\n").arg(fileName)),
             qPrintable(m_err));
}

void TestExitStatus::unparsableSettingsFileFails()
{
    QTemporaryDir dir;
    const QByteArray malformed = "[main\nboxDir=/nowhere\n";
    QVERIFY(TestSupport::writeFile(iniPath(dir), malformed));
    QCOMPARE(runProgram({"tessary", iniPath(dir)}), 1);
    QVERIFY2(m_err.contains(QStringLiteral("tessary: Error in the configuration file\n'%1'\n").arg(iniPath(dir))),
             qPrintable(m_err));
    QCOMPARE(TestSupport::readFile(iniPath(dir)), malformed);
}

void TestExitStatus::readyStartQuitsThroughQuitCommandWithZero()
{
    QTemporaryDir dir;
    QVERIFY(QDir().mkpath(TestSupport::baseDir(dir)));
    writeIni(dir, TestSupport::baseDir(dir));
    QCOMPARE(runProgram({"tessary", iniPath(dir)}), 0);
    QVERIFY2(!m_err.contains(QStringLiteral("tessary: ")), qPrintable(m_err));
    // The main window was quit through its Quit command, which asks its question.
    QCOMPARE(MyMessageBox::lastTitle(), QStringLiteral("Quit from Tessary..."));
    QVERIFY(QFileInfo(TestSupport::baseDir(dir) + QLatin1Char('/') + NAME_PHOTO).isDir());
}

QTEST_MAIN(TestExitStatus)
#include "tst_exitstatus.moc"
