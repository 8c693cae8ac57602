#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "companionsupport.h"
#include "testsupport.h"

using namespace CompanionSupport;

// The built Cantrel as Tessary runs it: a process of its own that is stopped by SIGTERM or by
// deleting its list, and never leaves its player behind.
class TestCantrelProcess : public QObject
{
    Q_OBJECT

private slots:
    void sigTermWhilePlayingEndsThePlayer();
    void idlePlayerQuitsWhenItsListIsDeleted();
    void deletedListEndsThePlayerAfterTheFade();

private:
    static QProcessEnvironment environment(const QString &record);
};

QProcessEnvironment TestCantrelProcess::environment(const QString &record)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("CANTREL_FAKE_RECORD"), record);
    env.insert(QStringLiteral("CANTREL_FAKE_LENGTH"), QStringLiteral("60.0"));
    return env;
}

void TestCantrelProcess::sigTermWhilePlayingEndsThePlayer()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    // Paths with blanks, as a user's base folder may have them.
    const QString folder = dir.path() + QStringLiteral("/my music/_sld");
    QVERIFY(QDir().mkpath(folder));
    const QString song = dir.path() + QStringLiteral("/my music/a song.mp3");
    const QString list = folder + QStringLiteral("/play list.apl");
    QVERIFY(TestSupport::writeFile(list, song.toLocal8Bit() + '\n'));
    const QString record = dir.path() + QStringLiteral("/record");

    QProcess cantrel;
    cantrel.setProcessEnvironment(environment(record));
    cantrel.start(QStringLiteral(CANTREL_EXE), {QStringLiteral("-list"), list, QStringLiteral("-mplayer"),
                                                QStringLiteral(TESSARY_TEST_FAKES "/fake_mplayer.sh")});
    QVERIFY(cantrel.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(recordLines(record).contains(QStringLiteral("volume 100 1")), 10000);
    QCOMPARE(recordLines(record).first(), QStringLiteral("start|-slave|") + song);
    const qint64 pid = recordedPid(record + QStringLiteral(".pid"));
    QVERIFY(pid > 0);
    QVERIFY(!processGone(pid));

    // Tessary terminates a preview and waits for it without a time limit.
    cantrel.terminate();
    QVERIFY(cantrel.waitForFinished(5000));
    QCOMPARE(cantrel.exitStatus(), QProcess::NormalExit);
    QCOMPARE(cantrel.exitCode(), 0);
    QVERIFY(processGone(pid));
    QCOMPARE(recordLines(record).last(), QStringLiteral("quit"));
}

void TestCantrelProcess::idlePlayerQuitsWhenItsListIsDeleted()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString list = dir.path() + QStringLiteral("/list.apl");
    QVERIFY(TestSupport::writeFile(list, "/music/aa/bb/cc.mp3\n"));
    QProcess cantrel;
    cantrel.setProcessEnvironment(environment(dir.path() + QStringLiteral("/record")));
    cantrel.start(QStringLiteral(CANTREL_EXE), {QStringLiteral("-list"), list, QStringLiteral("-mplayer"),
                                                dir.path() + QStringLiteral("/no-mplayer-here")});
    QVERIFY(cantrel.waitForStarted());
    // Still there while its list is.
    QVERIFY(!cantrel.waitForFinished(600));
    QVERIFY(QFile::remove(list));
    QVERIFY(cantrel.waitForFinished(5000));
    QCOMPARE(cantrel.exitStatus(), QProcess::NormalExit);
    QVERIFY(!QFile::exists(dir.path() + QStringLiteral("/record")));

    // An idle player with an empty list ends on SIGTERM as well.
    QVERIFY(TestSupport::writeFile(list, ""));
    cantrel.start(QStringLiteral(CANTREL_EXE), {QStringLiteral("-list"), list});
    QVERIFY(cantrel.waitForStarted());
    QVERIFY(!cantrel.waitForFinished(600));
    cantrel.terminate();
    QVERIFY(cantrel.waitForFinished(5000));
    QCOMPARE(cantrel.exitStatus(), QProcess::NormalExit);
}

void TestCantrelProcess::deletedListEndsThePlayerAfterTheFade()
{
    // The list file is deleted while a second song plays: the program fades out, quits MPlayer and
    // ends by itself.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString list = dir.path() + QStringLiteral("/list.apl");
    QVERIFY(TestSupport::writeFile(list, "/music/aa/bb/cc.mp3\n/music/aa/bb/dd.mp3\n"));
    const QString record = dir.path() + QStringLiteral("/record");
    QProcess cantrel;
    cantrel.setProcessEnvironment(environment(record));
    cantrel.start(QStringLiteral(CANTREL_EXE), {QStringLiteral("-list"), list, QStringLiteral("-mplayer"),
                                                QStringLiteral(TESSARY_TEST_FAKES "/fake_mplayer.sh")});
    QVERIFY(cantrel.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(recordLines(record).contains(QStringLiteral("volume 100 1")), 10000);
    const qint64 pid = recordedPid(record + QStringLiteral(".pid"));
    QVERIFY(QFile::remove(list));
    QVERIFY(cantrel.waitForFinished(6000));
    QCOMPARE(cantrel.exitStatus(), QProcess::NormalExit);
    QVERIFY(processGone(pid));
    QCOMPARE(recordLines(record).count(QStringLiteral("volume -1")), 23);
    QCOMPARE(recordLines(record).last(), QStringLiteral("quit"));
}

QTEST_MAIN(TestCantrelProcess)
#include "tst_cantrelprocess.moc"
