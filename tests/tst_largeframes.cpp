#include <QDate>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScopedPointer>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest>

#include <algorithm>

#include "anybox.h"
#include "basefolder.h"
#include "bigbox.h"
#include "boxsupport.h"
#include "constants.h"
// The frames' form headers are generated for this program too.
#include "displaydialog.h"
#include "frameatwork.h"
#include "loopgap.h"
#include "mymessagebox.h"
#include "mysettings.h"
#include "restoreeditdialog.h"
#include "restorerun.h"
#include "tessary.h"
#include "testsupport.h"
#include "verifydialog.h"
#include "verifyreport.h"
#include "verifyrun.h"

// The frames that read every marked object, opened on a box of 20,000 objects as the main window opens
// them: the window's event loop keeps running while they fill in, and they show the same figures as
// they do for a few objects.
class TestLargeFrames : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void verificationShowsItsFirstFindingsAndNamesTheFileWithTheRest();
    void smallBoxReportIsWholeAndWritesNoFile();
    void longReportOfASmallBoxGoesInWhileTheWindowAnswers();
    void restoreSizesTheSelectionBehindTheFrame();
    void displayCountsALongListWhileTheWindowAnswers();

private:
    QString basePath() const { return TestSupport::baseDir(*m_dir); }
    QString boxPath() const { return basePath() + QLatin1Char('/') + NAME_PHOTO; }
    QString sldPath() const { return basePath() + QLatin1Char('/') + NAME_SLD_FOLDER; }
    QString backupPath() const { return m_dir->path() + QStringLiteral("/backup"); }
    // The box of count objects, all marked in subset 0.
    void openBox(int count);
    QString detail(QWidget *frame, const char *name) const;
    QString text(QWidget *frame, const char *name) const;

    QScopedPointer<QTemporaryDir> m_dir;
    QScopedPointer<MySettings> m_settings;
    QScopedPointer<Tessary> m_tessary;
    QScopedPointer<QFrame> m_central;
    AnyBox *m_box = nullptr;
};

static const int OBJECTS = 20000;

void TestLargeFrames::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    MyMessageBox::clearAnswers();
}

void TestLargeFrames::cleanup()
{
    MyMessageBox::clearAnswers();
    m_central.reset();
    m_tessary.reset();
    m_settings.reset();
    m_dir.reset();
    m_box = nullptr;
}

void TestLargeFrames::openBox(int count)
{
    m_settings.reset(TestSupport::makeSettings(*m_dir));
    // An empty backup folder: its check finds every copy missing.
    QVERIFY(QDir().mkpath(backupPath()));
    m_settings->setValue(KEY_GENERAL + KEY_CPY_DIR, backupPath());
    QVERIFY(BigBox::write(basePath(), count));
    m_tessary.reset(BoxSupport::openBoxSet(m_settings.data()));
    QVERIFY(m_tessary);
    m_box = dynamic_cast<AnyBox *>(m_tessary->baseFolder()->unit(NAME_PHOTO));
    QVERIFY(m_box);
    m_box->markAllEntries(0);
    QCOMPARE(m_box->markedEntriesCount(), count);
    m_central.reset(new QFrame);
    m_central->show();
}

QString TestLargeFrames::detail(QWidget *frame, const char *name) const
{
    auto browser = frame->findChild<QTextBrowser *>(name);
    return browser ? browser->toPlainText().simplified() : QStringLiteral("<missing %1>").arg(name);
}

QString TestLargeFrames::text(QWidget *frame, const char *name) const
{
    auto label = frame->findChild<QLabel *>(name);
    return label ? label->text() : QStringLiteral("<missing %1>").arg(name);
}

void TestLargeFrames::verificationShowsItsFirstFindingsAndNamesTheFileWithTheRest()
{
    openBox(OBJECTS);
    LoopGap gap;
    gap.restart();
    auto frame = new VerifyDialog(m_box, m_central.data());
    frame->show();
    // The frame is there before the scan: the scan's progress shows, the verdicts not yet.
    QVERIFY(frame->isScanning() || !frame->findChild<QWidget *>("mode")->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(!frame->isScanning() && text(frame, "abcStatus") == QStringLiteral("caution"), 60000);
    QVERIFY2(gap.longestMs() <= LoopGap::allowedMs(200), qPrintable(QString::number(gap.longestMs())));
    QVERIFY(!FrameAtWork::isAtWork(frame));

    // The box's stored files are absent: every entry has the one finding, nothing else is wrong.
    QCOMPARE(text(frame, "sssStatus"), QStringLiteral("ok"));
    QCOMPARE(text(frame, "wrdStatus"), QStringLiteral("ok"));
    QCOMPARE(text(frame, "fileStatus"), QStringLiteral("ok"));
    const QString abc = detail(frame, "abcStatusDetail");
    QCOMPARE(abc.count(QStringLiteral("linked file is absent...")), 1000);
    const QString reportPath = sldPath() + QStringLiteral("/verify-photo.txt");
    QCOMPARE(frame->reportPath(), reportPath);
    QVERIFY2(abc.endsWith(QStringLiteral("and %1 more findings of this kind, listed in the file %2")
                              .arg(QLocale().toString(OBJECTS - 1000), QDir::toNativeSeparators(reportPath))),
             qPrintable(abc.right(200)));
    // The first findings shown are those of the first objects, in remark order.
    QVERIFY(abc.contains(BigBox::remarkOf(0) + QStringLiteral(": linked file is absent...")));
    QVERIFY(abc.contains(BigBox::remarkOf(999) + QStringLiteral(": linked file is absent...")));
    QVERIFY(!abc.contains(BigBox::remarkOf(1000) + QStringLiteral(":")));
    QVERIFY(abc.size() < 2 * 1000 * 1000);

    // The report file holds exactly the rest, each under the name of its catalogue file.
    QFile report(reportPath);
    QVERIFY(report.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList lines = QString::fromUtf8(report.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.filter(QStringLiteral(": linked file is absent...")).size(), OBJECTS - 1000);
    QCOMPARE(lines.filter(QStringLiteral(": linked file is absent...")).first(),
             BigBox::remarkOf(1000) + QStringLiteral(": linked file is absent..."));
    QVERIFY(lines.contains(QDir::toNativeSeparators(boxPath() + QStringLiteral("/aa/bc/abc"))));
    QVERIFY(lines.contains(BigBox::remarkOf(OBJECTS - 1) + QStringLiteral(": linked file is absent...")));

    // With a caution there is no backup.
    QVERIFY(!frame->findChild<QWidget *>("copyGroup")->isEnabled());

    // The check of the (empty) backup copy: every object and shared file has a finding, the report shows
    // the first 1,000 and counts the others, which the log lists.
    auto mirror = frame->findChild<QPushButton *>("mirrorButton");
    QVERIFY(mirror);
    QVERIFY(mirror->isEnabled());
    gap.restart();
    QTest::mouseClick(mirror, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(text(frame, "mirrorStatus") == QStringLiteral("caution") && mirror->isEnabled(), 60000);
    QVERIFY2(gap.longestMs() <= LoopGap::allowedMs(200), qPrintable(QString::number(gap.longestMs())));
    QFile log(basePath() + QLatin1Char('/') + NAME_LOG_FILE);
    QVERIFY(log.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList logLines = QString::fromUtf8(log.readAll()).split(QLatin1Char('\n'));
    const int unrecoverable =
        logLines.filter(QStringLiteral(": both copies disagree with the entry, unrecoverable...")).size();
    QCOMPARE(unrecoverable, OBJECTS);
    const int missing = logLines.filter(QStringLiteral(": backup copy is missing...")).size();
    // The session, keyword and template files and the 30 catalogue files.
    QCOMPARE(missing, 3 + (OBJECTS + 675) / 676);
    // A finding's paths are made as its line is written: the last object's line names its own copies.
    const QString last = BigBox::remarkOf(OBJECTS - 1);
    const QString lastFile = boxPath().mid(basePath().size()) + QLatin1Char('/') + last.left(2) + QLatin1Char('/')
                             + last.mid(2, 2) + QLatin1Char('/') + last.mid(4) + QStringLiteral(".JPG");
    const QString lastLine = last + QStringLiteral(": both copies disagree with the entry, unrecoverable... ")
                             + QDir::toNativeSeparators(basePath() + lastFile) + QStringLiteral(" | ")
                             + QDir::toNativeSeparators(backupPath() + lastFile);
    QVERIFY2(logLines.contains(lastLine), qPrintable(lastLine));
    const QString check = detail(frame, "mirrorStatusDetail");
    QCOMPARE(check.count(QStringLiteral("unrecoverable...")), 1000);
    QVERIFY2(check.endsWith(QStringLiteral("and %1 more findings of this kind, listed in the log")
                                .arg(QLocale().toString(OBJECTS + missing - 1000))),
             qPrintable(check.right(200)));

    // Closing the frame does not hold the window either.
    gap.restart();
    delete frame;
    QVERIFY2(gap.longestMs() <= LoopGap::allowedMs(200), qPrintable(QString::number(gap.longestMs())));
}

// A box of a few objects: the frame opens with every finding in full and leaves the list folder alone.
// The cap itself, with a limit of two, counts the rest and hands each to the report file.
void TestLargeFrames::smallBoxReportIsWholeAndWritesNoFile()
{
    openBox(7);
    auto frame = new VerifyDialog(m_box, m_central.data());
    QVERIFY(!frame->isScanning());
    QCOMPARE(text(frame, "abcStatus"), QStringLiteral("caution"));
    const QString abc = detail(frame, "abcStatusDetail");
    QCOMPARE(abc.count(QStringLiteral("linked file is absent...")), 7);
    QVERIFY(!abc.contains(QStringLiteral("more findings")));
    QVERIFY(frame->reportPath().isEmpty());
    QVERIFY(!QFileInfo::exists(sldPath() + QStringLiteral("/verify-photo.txt")));
    delete frame;

    VerifyRun run(m_box);
    run.scan();
    const QString abcPath = boxPath() + QStringLiteral("/aa/aa/abc");
    QString full;
    QVERIFY(!run.abcOk(abcPath, full));
    const QString path = m_dir->path() + QStringLiteral("/report.txt");
    {
        VerifyReport reportFile(path);
        VerifyRun::Cap cap(2, reportFile.sink());
        QString capped;
        QVERIFY(!run.abcOk(abcPath, capped, &cap));
        QCOMPARE(cap.hidden(), 5);
        QVERIFY(cap.full());
        QCOMPARE(capped.count(QStringLiteral("linked file is absent...")), 2);
        QCOMPARE(full.count(QStringLiteral("linked file is absent...")), 7);
        // Until committed the file is not there.
        QVERIFY(!QFileInfo::exists(path));
        QVERIFY(reportFile.commit());
    }
    QFile written(path);
    QVERIFY(written.open(QIODevice::ReadOnly | QIODevice::Text));
    QStringList expected{QDir::toNativeSeparators(abcPath)};
    for (int i = 2; i < 7; ++i)
        expected << BigBox::remarkOf(i) + QStringLiteral(": linked file is absent...");
    QCOMPARE(QString::fromUtf8(written.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts), expected);
}

// A box small enough to be scanned as the frame opens can still have a long backup report: it goes into
// its view a block at a time, so the window's timers run while it fills in.
void TestLargeFrames::longReportOfASmallBoxGoesInWhileTheWindowAnswers()
{
    const int objects = 1500;
    openBox(objects);
    auto frame = new VerifyDialog(m_box, m_central.data());
    QVERIFY(!frame->isScanning());
    auto mirror = frame->findChild<QPushButton *>("mirrorButton");
    QVERIFY(mirror && mirror->isEnabled());
    // What the report shows each time the window serves its timers.
    QList<int> seen;
    QTimer watch;
    connect(&watch, &QTimer::timeout, this,
            [&] { seen << detail(frame, "mirrorStatusDetail").count(QStringLiteral("unrecoverable...")); });
    watch.start(0);
    QTest::mouseClick(mirror, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(text(frame, "mirrorStatus") == QStringLiteral("caution") && mirror->isEnabled(), 30000);
    watch.stop();
    const QString check = detail(frame, "mirrorStatusDetail");
    QCOMPARE(check.count(QStringLiteral("unrecoverable...")), 1000);
    QVERIFY2(check.endsWith(QStringLiteral("listed in the log")), qPrintable(check.right(200)));
    QVERIFY2(std::any_of(seen.begin(), seen.end(), [](int rows) { return rows > 0 && rows < 1000; }),
             qPrintable(QString::number(seen.size())));
    delete frame;
}

void TestLargeFrames::restoreSizesTheSelectionBehindTheFrame()
{
    openBox(OBJECTS);
    // Every tenth object has its stored file, of a size of its own.
    qint64 total = 0;
    for (int i = 0; i < OBJECTS; i += 10) {
        const QByteArray content(100 + i % 977, 'x');
        QVERIFY(BoxSupport::writeObject(boxPath(), BigBox::remarkOf(i), QStringLiteral("JPG"), content));
        total += content.size();
    }
    LoopGap gap;
    gap.restart();
    auto frame = new RestoreEditDialog(m_box, m_central.data());
    frame->show();
    auto start = frame->findChild<QPushButton *>("startButton");
    QVERIFY(start);
    // Start waits for the size of the selection.
    QVERIFY(!frame->sizesAreKnown());
    QVERIFY(!start->isEnabled());
    QCOMPARE(text(frame, "select"), QString::number(OBJECTS));
    QTRY_VERIFY_WITH_TIMEOUT(frame->sizesAreKnown(), 60000);
    QVERIFY2(gap.longestMs() <= LoopGap::allowedMs(200), qPrintable(QString::number(gap.longestMs())));
    QVERIFY(start->isEnabled());
    QVERIFY(!FrameAtWork::isAtWork(frame));
    QCOMPARE(text(frame, "selectSize"), RestoreRun::megabytes(total));
    QCOMPARE(text(frame, "remainSize"), RestoreRun::megabytes(total));
    QCOMPARE(text(frame, "remain"), QString::number(OBJECTS));
    gap.restart();
    delete frame;
    QVERIFY2(gap.longestMs() <= LoopGap::allowedMs(200), qPrintable(QString::number(gap.longestMs())));
}

void TestLargeFrames::displayCountsALongListWhileTheWindowAnswers()
{
    openBox(OBJECTS);
    // A list naming every object, as the box writes one.
    QByteArray list;
    for (int i = 0; i < OBJECTS; ++i) {
        const QString remark = BigBox::remarkOf(i);
        list += QDir::toNativeSeparators(boxPath() + '/' + remark.left(2) + '/' + remark.mid(2, 2) + '/'
                                         + remark.mid(4) + ".JPG\n")
                    .toLocal8Bit();
    }
    QVERIFY(TestSupport::writeFile(sldPath() + QStringLiteral("/everything.") + m_box->extPlayList(), list));

    LoopGap gap;
    gap.restart();
    auto frame = new DisplayDialog(m_box, m_central.data());
    frame->show();
    auto table = frame->findChild<QTableWidget *>("displayTable");
    QVERIFY(table);
    QCOMPARE(table->rowCount(), 1);
    QTRY_COMPARE_WITH_TIMEOUT(table->item(0, 1)->text(), QString::number(OBJECTS), 30000);
    QVERIFY2(gap.longestMs() <= LoopGap::allowedMs(200), qPrintable(QString::number(gap.longestMs())));
    // The objects' sessions run from the first to the 3,000th, two days apart, from 2005 on.
    const QString format = m_box->dateFormat();
    const QDate first = QDate(2005, 1, 1).addDays(2);
    const QDate last = QDate(2005, 1, 1).addDays(2 * 3000);
    QCOMPARE(table->item(0, 2)->text(), first.toString(format) + QStringLiteral(" - ") + last.toString(format));
    gap.restart();
    delete frame;
    QVERIFY2(gap.longestMs() <= LoopGap::allowedMs(200), qPrintable(QString::number(gap.longestMs())));
}

QTEST_MAIN(TestLargeFrames)
#include "tst_largeframes.moc"
