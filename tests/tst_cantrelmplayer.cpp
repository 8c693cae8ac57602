#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTime>
#include <QToolButton>
#include <QtTest>

#include "../player/mainwindow.h"
#include "companionsupport.h"
#include "testsupport.h"

using cantrel::MainWindow;

// Cantrel with the real MPlayer of the system, playing a generated tone to the null audio output.
class TestCantrelMplayer : public QObject
{
    Q_OBJECT

private slots:
    void playsRestartsAndEndsWithItsList();

private:
    static QString text(MainWindow &window, const char *name);
    static int seconds(const QString &time);
};

QString TestCantrelMplayer::text(MainWindow &window, const char *name)
{
    auto *label = window.findChild<QLabel *>(QLatin1String(name));
    return label ? label->text() : QStringLiteral("<no %1>").arg(QLatin1String(name));
}

int TestCantrelMplayer::seconds(const QString &time)
{
    const QTime parsed = QTime::fromString(time, QStringLiteral("hh:mm:ss"));
    return parsed.isValid() ? QTime(0, 0).secsTo(parsed) : -1;
}

void TestCantrelMplayer::playsRestartsAndEndsWithItsList()
{
    // Missing MPlayer is a failure: this test is the proof that Cantrel works with the real one.
    const QString mplayer = QStandardPaths::findExecutable(QStringLiteral("mplayer"));
    QVERIFY2(!mplayer.isEmpty(), "mplayer is not installed (Debian package mplayer)");

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString song = dir.path() + QStringLiteral("/music/qw/er/ty.wav");
    QVERIFY(QDir().mkpath(dir.path() + QStringLiteral("/music/qw/er")));
    QVERIFY(TestSupport::writeFile(song, CompanionSupport::wavTone(20)));
    QVERIFY(TestSupport::writeFile(dir.path() + QStringLiteral("/music/qw/er/ty.sub"),
                                   "Ветер с моря\nTest Choir\n2021\n"));
    const QString list = dir.path() + QStringLiteral("/_sld/120000000.apl");
    QVERIFY(QDir().mkpath(dir.path() + QStringLiteral("/_sld")));
    QVERIFY(TestSupport::writeFile(list, song.toLocal8Bit() + '\n'));
    const QString set = dir.path() + QStringLiteral("/mplayer.conf");
    QVERIFY(TestSupport::writeFile(set, "ao=null\nvo=null\n"));

    MainWindow window(
        {QStringLiteral("-list"), list, QStringLiteral("-mplayer"), mplayer, QStringLiteral("-set"), set});
    QCOMPARE(window.command(), QLatin1Char('"') + mplayer + QStringLiteral("\" -include ") + set
                                   + QStringLiteral(" -slave \"%1\""));
    window.show();
    QVERIFY(window.isPlaying());
    QTRY_COMPARE_WITH_TIMEOUT(window.player()->state(), QProcess::Running, 10000);
    QTRY_COMPARE_WITH_TIMEOUT(text(window, "totalTime"), QStringLiteral("00:00:20"), 10000);
    QCOMPARE(text(window, "fileName"), QDir::toNativeSeparators(dir.path() + QStringLiteral("/music/qw/er"))
                                           + QStringLiteral("\nty.wav"));

    // The tone has no tags, so the title comes from the ".sub" file.
    QTRY_VERIFY_WITH_TIMEOUT(text(window, "label_D") == QLatin1String("Title")
                                 && text(window, "infoMelody") == QStringLiteral("Ветер с моря"),
                             15000);

    // Elapsed time moves and the remaining time shrinks with it.
    QTRY_VERIFY_WITH_TIMEOUT(seconds(text(window, "elapseTime")) >= 2, 10000);
    const int elapsed = seconds(text(window, "elapseTime"));
    QTRY_VERIFY_WITH_TIMEOUT(seconds(text(window, "elapseTime")) > elapsed, 5000);
    // Both are rounded on their own, so their sum may be off by one.
    QVERIFY(qAbs(seconds(text(window, "elapseTime")) + seconds(text(window, "remainTime")) - 20) <= 1);
    QVERIFY(seconds(text(window, "elapseTime")) < 15);

    // Next on a one-entry list fades out and starts the same file from its beginning.
    const qint64 firstPid = window.player()->processId();
    auto *next = window.findChild<QToolButton *>(QStringLiteral("buttonNext"));
    QVERIFY(next);
    QTest::mouseClick(next, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(window.player()->state() == QProcess::Running && window.player()->processId() != firstPid,
                             10000);
    QVERIFY(CompanionSupport::processGone(firstPid));
    QTRY_VERIFY_WITH_TIMEOUT(seconds(text(window, "elapseTime")) <= 1, 10000);
    QCOMPARE(window.currentIndex(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(text(window, "totalTime"), QStringLiteral("00:00:20"), 10000);

    // Tessary stops the player by deleting the list: the window closes after the fade, and MPlayer
    // is gone with it.
    const qint64 secondPid = window.player()->processId();
    QVERIFY(QFile::remove(list));
    QTRY_VERIFY_WITH_TIMEOUT(!window.isVisible(), 6000);
    QCOMPARE(window.player()->state(), QProcess::NotRunning);
    QVERIFY(CompanionSupport::processGone(secondPid));
}

QTEST_MAIN(TestCantrelMplayer)
#include "tst_cantrelmplayer.moc"
