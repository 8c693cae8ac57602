#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTranslator>
#include <QtTest>

#include "../player/mainwindow.h"
#include "companionsupport.h"
#include "testsupport.h"

using cantrel::MainWindow;
using namespace CompanionSupport;

// Cantrel in process, driving the fake MPlayer slave of tests/fakes, which records what it is told.
class TestCantrel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void optionsTakeTheFirstValueThatIsNoOption();
    void subFileNeedsExactlyThreeLines();
    void answersFillTheWindow();
    void navigationFadesOutAndWrapsAround();
    void pauseCodecSwitchDragAndEject();
    void escapeEndsThePlayerAndTheWindow();
    void aPlayerThatIgnoresQuitIsKilled();
    void playerThatEndsAtOnceStopsAfterThreeTries();
    void idleWindowStillWatchesItsList();
    void filesThatCannotBePlayedDoNotSpin();

    void russianCoversEveryText();

private:
    QStringList starts() const;
    // Whether the player started last has been asked for its information.
    bool answered() const;
    QString label(MainWindow &window, const char *name) const;
    QToolButton *button(MainWindow &window, const char *name) const;
    QStringList arguments(const QString &list) const;
    QString writeList(const QStringList &entries) const;

    QScopedPointer<QTemporaryDir> m_dir;
    QString m_record;
};

void TestCantrel::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    m_record = m_dir->path() + QStringLiteral("/record");
    qputenv("CANTREL_FAKE_RECORD", m_record.toUtf8());
    for (const char *name : {"CANTREL_FAKE_TITLE", "CANTREL_FAKE_ARTIST", "CANTREL_FAKE_ALBUM", "CANTREL_FAKE_YEAR",
                             "CANTREL_FAKE_LENGTH", "CANTREL_FAKE_IGNORE_QUIT", "CANTREL_FAKE_EXIT_AT_ONCE",
                             "CANTREL_FAKE_ERROR"})
        qunsetenv(name);
}

QStringList TestCantrel::starts() const
{
    return recordLines(m_record).filter(QRegularExpression(QStringLiteral("^start\\|")));
}

bool TestCantrel::answered() const
{
    const QStringList lines = recordLines(m_record);
    const int lastStart = lines.lastIndexOf(QRegularExpression(QStringLiteral("start\\|.*")));
    return lastStart >= 0 && lines.mid(lastStart).contains(QStringLiteral("volume 100 1"));
}

QString TestCantrel::label(MainWindow &window, const char *name) const
{
    auto *widget = window.findChild<QLabel *>(QLatin1String(name));
    return widget ? widget->text() : QStringLiteral("<no %1>").arg(QLatin1String(name));
}

QToolButton *TestCantrel::button(MainWindow &window, const char *name) const
{
    return window.findChild<QToolButton *>(QLatin1String(name));
}

QStringList TestCantrel::arguments(const QString &list) const
{
    return {QStringLiteral("-list"), list, QStringLiteral("-mplayer"),
            QStringLiteral(TESSARY_TEST_FAKES "/fake_mplayer.sh")};
}

QString TestCantrel::writeList(const QStringList &entries) const
{
    const QString list = m_dir->path() + QStringLiteral("/list.apl");
    TestSupport::writeFile(list, (entries.join(QLatin1Char('\n')) + QLatin1Char('\n')).toLocal8Bit());
    return list;
}

void TestCantrel::optionsTakeTheFirstValueThatIsNoOption()
{
    QMap<QString, QString> options = MainWindow::parseOptions(
        {QStringLiteral("-list"), QStringLiteral("first.apl"), QStringLiteral("-list"), QStringLiteral("second.apl")});
    QCOMPARE(options.value(QStringLiteral("-list")), QStringLiteral("first.apl"));
    QCOMPARE(options.value(QStringLiteral("-mplayer")), QString());
    QCOMPARE(options.value(QStringLiteral("-set")), QString());

    // A value beginning with "-" is no value: the option after it is an option of its own.
    options = MainWindow::parseOptions({QStringLiteral("-list"), QStringLiteral("-set"), QStringLiteral("cfg"),
                                        QStringLiteral("-mplayer"), QStringLiteral("-x"), QStringLiteral("-list"),
                                        QStringLiteral("/music lists/today.apl")});
    QCOMPARE(options.value(QStringLiteral("-set")), QStringLiteral("cfg"));
    QCOMPARE(options.value(QStringLiteral("-mplayer")), QString());
    QCOMPARE(options.value(QStringLiteral("-list")), QStringLiteral("/music lists/today.apl"));
}

void TestCantrel::subFileNeedsExactlyThreeLines()
{
    const QString dir = m_dir->path();
    QVERIFY(TestSupport::writeFile(dir + QStringLiteral("/ab.mp3.sub"), "ignored\nwrong\nfile\n"));
    QVERIFY(TestSupport::writeFile(dir + QStringLiteral("/ab.sub"),
                                   "  Песня о ветре \r\n\r\nArtist Name\n  \n1987\n"));
    QVERIFY(TestSupport::writeFile(dir + QStringLiteral("/cd.sub"), "Title\nArtist\n"));
    QVERIFY(TestSupport::writeFile(dir + QStringLiteral("/ef.sub"), "Title\nArtist\n1990\nextra\n"));
    QVERIFY(TestSupport::writeFile(dir + QStringLiteral("/noext.sub"), "T\nA\n2001\n"));

    QString title = QStringLiteral("- - -"), artist = title, year = title;
    QVERIFY(MainWindow::subData(dir + QStringLiteral("/ab.mp3"), title, artist, year));
    QCOMPARE(title, QStringLiteral("Песня о ветре"));
    QCOMPARE(artist, QStringLiteral("Artist Name"));
    QCOMPARE(year, QStringLiteral("1987"));

    for (const QString &name : {QStringLiteral("cd.ogg"), QStringLiteral("ef.ogg"), QStringLiteral("gh.ogg")}) {
        title = artist = year = QStringLiteral("- - -");
        QVERIFY2(!MainWindow::subData(dir + QLatin1Char('/') + name, title, artist, year), qPrintable(name));
        QCOMPARE(title + artist + year, QStringLiteral("- - -- - -- - -"));
    }
    QVERIFY(MainWindow::subData(dir + QStringLiteral("/noext"), title, artist, year));
    QCOMPARE(year, QStringLiteral("2001"));
}

void TestCantrel::answersFillTheWindow()
{
    const QString song = m_dir->path() + QStringLiteral("/qw.mp3");
    QVERIFY(TestSupport::writeFile(m_dir->path() + QStringLiteral("/qw.sub"), "Sub Title\nSub Artist\n1999\n"));
    qputenv("CANTREL_FAKE_TITLE", "");
    qputenv("CANTREL_FAKE_ARTIST", "Player Artist");
    qputenv("CANTREL_FAKE_ALBUM", "");
    qputenv("CANTREL_FAKE_YEAR", "");
    qputenv("CANTREL_FAKE_LENGTH", "125.4");
    MainWindow window(arguments(writeList({song})));
    QCOMPARE(window.command(), QStringLiteral("\"" TESSARY_TEST_FAKES "/fake_mplayer.sh\" -slave \"%1\""));
    window.show();
    QCOMPARE(label(window, "label_D"), QStringLiteral("Title"));
    QCOMPARE(label(window, "infoMelody"), QStringLiteral("- - -"));
    QCOMPARE(label(window, "totalTime"), QStringLiteral("--:--:--"));

    QTRY_COMPARE(starts(), QStringList{QStringLiteral("start|-slave|") + song});
    QTRY_COMPARE(label(window, "totalTime"), QStringLiteral("00:02:05"));
    QCOMPARE(label(window, "fileName"), QDir::toNativeSeparators(m_dir->path()) + QStringLiteral("\nqw.mp3"));
    const QStringList requests = recordLines(m_record).mid(1, 6);
    QCOMPARE(requests, (QStringList{QStringLiteral("get_meta_title"), QStringLiteral("get_meta_artist"),
                                    QStringLiteral("get_meta_album"), QStringLiteral("get_meta_year"),
                                    QStringLiteral("get_time_length"), QStringLiteral("volume 100 1")}));
    QTRY_COMPARE(label(window, "elapseTime"), QStringLiteral("00:00:01"));
    QCOMPARE(label(window, "remainTime"), QStringLiteral("00:02:04"));
    QTRY_COMPARE(label(window, "elapseTime"), QStringLiteral("00:00:02"));

    // The rotation shows year, album, artist and title every two seconds; empty answers fall back
    // to the ".sub" file, an empty album stays unknown.
    const QMap<QString, QString> expected = {{QStringLiteral("Year"), QStringLiteral("1999")},
                                             {QStringLiteral("Album"), QStringLiteral("- - -")},
                                             {QStringLiteral("Artist"), QStringLiteral("Player Artist")},
                                             {QStringLiteral("Title"), QStringLiteral("Sub Title")}};
    QMap<QString, QString> seen;
    QElapsedTimer clock;
    clock.start();
    while (seen != expected && clock.elapsed() < 15000) {
        QTest::qWait(50);
        seen.insert(label(window, "label_D"), label(window, "infoMelody"));
    }
    QCOMPARE(seen, expected);
}

void TestCantrel::navigationFadesOutAndWrapsAround()
{
    const QString dir = m_dir->path();
    const QStringList songs = {dir + QStringLiteral("/aa.mp3"), dir + QStringLiteral("/bb.mp3"),
                               dir + QStringLiteral("/cc.mp3")};
    MainWindow window(arguments(writeList(songs)));
    window.show();
    QTRY_COMPARE(starts().size(), 1);
    QCOMPARE(starts().last(), QStringLiteral("start|-slave|") + songs.at(0));

    struct Step
    {
        const char *button;
        int expected;
    };
    const QList<Step> steps = {{"buttonNext", 1}, {"buttonPrevious", 0}, {"buttonEnd", 2},
                               {"buttonNext", 0}, {"buttonPrevious", 2}, {"buttonHome", 0}};
    for (const Step &step : steps) {
        QToolButton *pressed = button(window, step.button);
        QVERIFY(pressed);
        QVERIFY(pressed->isEnabled());
        const int before = starts().size();
        // The player is asked for its information once it has started; only then does it fade.
        QTRY_VERIFY(answered());
        const int volumesBefore = recordLines(m_record).count(QStringLiteral("volume -1"));
        QTest::mouseClick(pressed, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(starts().size(), before + 1, 10000);
        QCOMPARE(starts().last(), QStringLiteral("start|-slave|") + songs.at(step.expected));
        QCOMPARE(window.currentIndex(), step.expected);
        // Each change fades the running player out in 23 steps and asks it to quit.
        const QStringList lines = recordLines(m_record);
        QCOMPARE(lines.count(QStringLiteral("volume -1")) - volumesBefore, 23);
        const int lastStart = lines.lastIndexOf(QRegularExpression(QStringLiteral("start\\|.*")));
        QVERIFY2(lastStart > 0, qPrintable(lines.join(QLatin1Char(','))));
        QCOMPARE(lines.at(lastStart - 1), QStringLiteral("quit"));
    }

    // The keys do the same as the buttons.
    const int before = starts().size();
    QTest::keyClick(&window, Qt::Key_End);
    QTRY_COMPARE_WITH_TIMEOUT(starts().size(), before + 1, 10000);
    QCOMPARE(starts().last(), QStringLiteral("start|-slave|") + songs.at(2));
    QTest::keyClick(&window, '<');
    QTRY_COMPARE_WITH_TIMEOUT(starts().size(), before + 2, 10000);
    QCOMPARE(starts().last(), QStringLiteral("start|-slave|") + songs.at(1));
}

void TestCantrel::pauseCodecSwitchDragAndEject()
{
    MainWindow window(arguments(writeList({m_dir->path() + QStringLiteral("/aa.mp3")})));
    window.show();
    QTRY_COMPARE(starts().size(), 1);
    QToolButton *play = button(window, "buttonPlay");
    QVERIFY(play);
    QCOMPARE(label(window, "label_G"), QStringLiteral("Pause"));
    QTest::mouseClick(play, Qt::LeftButton);
    QTRY_VERIFY(recordLines(m_record).contains(QStringLiteral("pause")));
    QCOMPARE(label(window, "label_G"), QStringLiteral("Play"));
    QVERIFY(!window.isPlaying());
    QTest::mouseClick(play, Qt::LeftButton);
    QTRY_COMPARE(recordLines(m_record).count(QStringLiteral("pause")), 2);
    QCOMPARE(label(window, "label_G"), QStringLiteral("Pause"));

    // "C" switches to KOI8-R and asks for the information again, which now decodes a KOI8-R title.
    QTRY_COMPARE(recordLines(m_record).count(QStringLiteral("get_meta_title")), 1);
    QTest::keyClick(&window, Qt::Key_C);
    QCOMPARE(label(window, "infoMelody"), QStringLiteral("Use 'KOI8-R' text codec"));
    QTRY_COMPARE(recordLines(m_record).count(QStringLiteral("get_meta_title")), 2);
    QTest::keyClick(&window, Qt::Key_C);
    QCOMPARE(label(window, "infoMelody"), QStringLiteral("Use 'windows-1251' text codec"));
    QTest::keyClick(&window, Qt::Key_C);
    QCOMPARE(label(window, "infoMelody"), QStringLiteral("Use 'UTF-8' text codec"));

    // The frameless window is dragged with the mouse, half transparent while held.
    const QPoint start = window.pos();
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(10, 10), QPointF(start + QPoint(10, 10)), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &press);
    // Opacity is kept in eight bits.
    QVERIFY(qAbs(window.windowOpacity() - 0.5) < 0.01);
    QMouseEvent drag(QEvent::MouseMove, QPointF(10, 10), QPointF(start + QPoint(50, 30)), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &drag);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(10, 10), QPointF(start + QPoint(50, 30)), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &release);
    QCOMPARE(window.windowOpacity(), 1.0);
    QTRY_COMPARE(window.pos(), start + QPoint(40, 20));

    // Eject fades out, quits MPlayer and closes the window.
    const qint64 pid = recordedPid(m_record + QStringLiteral(".pid"));
    QVERIFY(pid > 0);
    QTest::mouseClick(button(window, "buttonOff"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!window.isVisible(), 5000);
    QVERIFY(processGone(pid));
    QCOMPARE(starts().size(), 1);
}

void TestCantrel::escapeEndsThePlayerAndTheWindow()
{
    MainWindow window(arguments(writeList({m_dir->path() + QStringLiteral("/aa.mp3")})));
    window.show();
    QTRY_COMPARE(starts().size(), 1);
    QTRY_VERIFY(recordLines(m_record).contains(QStringLiteral("volume 100 1")));
    QTRY_VERIFY(recordedPid(m_record + QStringLiteral(".pid")) > 0);
    const qint64 pid = recordedPid(m_record + QStringLiteral(".pid"));
    QTest::keyClick(&window, Qt::Key_Escape);
    QTRY_VERIFY_WITH_TIMEOUT(!window.isVisible(), 5000);
    QCOMPARE(window.player()->state(), QProcess::NotRunning);
    QVERIFY(processGone(pid));
    QCOMPARE(recordLines(m_record).count(QStringLiteral("volume -1")), 23);
    QCOMPARE(recordLines(m_record).last(), QStringLiteral("quit"));
    QCOMPARE(starts().size(), 1);
}

void TestCantrel::aPlayerThatIgnoresQuitIsKilled()
{
    qputenv("CANTREL_FAKE_IGNORE_QUIT", "1");
    const QString list = writeList({m_dir->path() + QStringLiteral("/aa.mp3")});
    MainWindow window(arguments(list));
    window.show();
    QTRY_COMPARE(starts().size(), 1);
    QTRY_VERIFY(recordLines(m_record).contains(QStringLiteral("volume 100 1")));
    QTRY_VERIFY(recordedPid(m_record + QStringLiteral(".pid")) > 0);
    const qint64 pid = recordedPid(m_record + QStringLiteral(".pid"));
    // Tessary stops the player by deleting its list.
    QVERIFY(QFile::remove(list));
    QTRY_VERIFY_WITH_TIMEOUT(recordLines(m_record).contains(QStringLiteral("quit")), 5000);
    QVERIFY(window.isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(!window.isVisible(), 5000);
    QVERIFY(processGone(pid));
    QCOMPARE(starts().size(), 1);
}

// A list of files MPlayer cannot play goes round at most once a second, and deleting the list still ends
// the window.
void TestCantrel::filesThatCannotBePlayedDoNotSpin()
{
    qputenv("CANTREL_FAKE_EXIT_AT_ONCE", "1");
    const QString list =
        writeList({m_dir->path() + QStringLiteral("/aa.mp3"), m_dir->path() + QStringLiteral("/bb.mp3")});
    MainWindow window(arguments(list));
    window.show();
    QTRY_COMPARE(starts().size(), 1);
    QElapsedTimer clock;
    clock.start();
    QTRY_VERIFY_WITH_TIMEOUT(starts().size() >= 3, 10000);
    QVERIFY2(clock.elapsed() >= 1800, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(starts().at(1).endsWith(QStringLiteral("/bb.mp3")));
    QVERIFY(starts().at(2).endsWith(QStringLiteral("/aa.mp3")));
    QVERIFY(QFile::remove(list));
    QTRY_VERIFY_WITH_TIMEOUT(!window.isVisible(), 5000);
}

// Three ends at once in a row and the player gives up, saying what MPlayer said; Eject still works.
void TestCantrel::playerThatEndsAtOnceStopsAfterThreeTries()
{
    qputenv("CANTREL_FAKE_EXIT_AT_ONCE", "1");
    qputenv("CANTREL_FAKE_ERROR", "Could not open/initialize audio device -> no sound.");
    const QString list =
        writeList({m_dir->path() + QStringLiteral("/aa.mp3"), m_dir->path() + QStringLiteral("/bb.mp3")});
    MainWindow window(arguments(list));
    window.show();
    QTRY_COMPARE_WITH_TIMEOUT(
        label(window, "infoMelody"),
        QStringLiteral("MPlayer ended at once: Could not open/initialize audio device -> no sound."), 10000);
    QCOMPARE(starts().size(), 3);
    QVERIFY(!window.isPlaying());
    QVERIFY(!button(window, "buttonNext")->isEnabled());
    // No fourth start follows after the pause that separates starts.
    QSignalSpy started(window.player(), &QProcess::started);
    QVERIFY(!started.wait(1500));
    QCOMPARE(starts().size(), 3);
    QCOMPARE(label(window, "infoMelody"),
             QStringLiteral("MPlayer ended at once: Could not open/initialize audio device -> no sound."));
    QTest::mouseClick(button(window, "buttonOff"), Qt::LeftButton);
    QTRY_VERIFY(!window.isVisible());
}

void TestCantrel::idleWindowStillWatchesItsList()
{
    const QString list = writeList({m_dir->path() + QStringLiteral("/aa.mp3")});
    MainWindow window({QStringLiteral("-list"), list, QStringLiteral("-mplayer"),
                       m_dir->path() + QStringLiteral("/no-such-mplayer")});
    window.show();
    QVERIFY(!window.isPlaying());
    QCOMPARE(label(window, "infoMelody"),
             QStringLiteral("MPlayer not found: ") + m_dir->path() + QStringLiteral("/no-such-mplayer"));
    for (const char *name : {"buttonPlay", "buttonHome", "buttonPrevious", "buttonNext", "buttonEnd",
                             "buttonEmpty_A", "buttonEmpty_B", "buttonEmpty_C"}) {
        QVERIFY2(button(window, name) && !button(window, name)->isEnabled(), name);
    }
    QVERIFY(button(window, "buttonOff") && button(window, "buttonOff")->isEnabled());
    QTest::keyClick(&window, Qt::Key_End);
    QVERIFY(QFile::remove(list));
    QTRY_VERIFY(!window.isVisible());
    QVERIFY(!QFile::exists(m_record));

    // Eject closes an idle window at once.
    MainWindow empty({QStringLiteral("-list"), m_dir->path() + QStringLiteral("/missing.apl"),
                      QStringLiteral("-mplayer"), QStringLiteral(TESSARY_TEST_FAKES "/fake_mplayer.sh")});
    empty.show();
    QVERIFY(empty.playlist().isEmpty());
    QTest::mouseClick(button(empty, "buttonOff"), Qt::LeftButton);
    QVERIFY(!empty.isVisible());
    QVERIFY(!QFile::exists(m_record));
}

void TestCantrel::russianCoversEveryText()
{
    // Every message of the program's Russian source is translated.
    QVERIFY(finishedTranslationCount(QStringLiteral(TESSARY_TEST_DATA "/../../player/lng/ru.ts")) > 10);

    // The compiled catalogue is built into the program and turns the window Russian.
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/lng/cantrel_ru.qm")));
    QCOMPARE(translator.translate("cantrel::MainWindow", "Play"), QStringLiteral("Играть"));
    QVERIFY(QCoreApplication::installTranslator(&translator));
    MainWindow window({QStringLiteral("-list"), m_dir->path() + QStringLiteral("/none.apl")});
    QCOMPARE(window.findChild<QLabel *>(QStringLiteral("label_C"))->text(), QStringLiteral("Всего"));
    QCoreApplication::removeTranslator(&translator);
}

QTEST_MAIN(TestCantrel)
#include "tst_cantrel.moc"
