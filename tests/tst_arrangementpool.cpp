#include <QAction>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QScopedPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>

#include "anybox.h"
#include "arrangement.h"
#include "arrangementsupport.h"
#include "bigbox.h"
#include "basefolder.h"
#include "entry.h"
#include "constants.h"
#include "loopgap.h"
#include "mainwindow.h"
#include "mymessagebox.h"
#include "mysettings.h"
#include "remark.h"
#include "storagesupport.h"
#include "tessary.h"
#include "testsupport.h"
#include "workpool.h"

using namespace ArrangementSupport;

// One base folder with its settings and box set, as start-up makes them.
struct Place
{
    QTemporaryDir dir;
    QScopedPointer<MySettings> settings;
    QScopedPointer<Tessary> tessary;
    QScopedPointer<QFrame> central;
    AnyBox *box = nullptr;

    QString base() const { return TestSupport::baseDir(dir); }
    QString src() const { return base() + QLatin1Char('/') + NAME_SRC_FOLDER; }
    QString boxPath() const { return base() + QLatin1Char('/') + NAME_PHOTO; }

    // Stored copies are read-only; the temporary folder must still go.
    ~Place()
    {
        central.reset();
        tessary.reset();
        QProcess::execute(QStringLiteral("chmod"), {QStringLiteral("-R"), QStringLiteral("u+w"), dir.path()});
    }
};

// The arrangement with its hashing and copying beside the window: what the run leaves is the same
// whatever the size of the pool, the window keeps answering, and it cannot be closed mid-run.
// The window must answer within 100 ms. A build under the thread or address sanitizer runs everything
// several times slower, so there the same check allows for that.
#if defined(__SANITIZE_THREAD__) || defined(__SANITIZE_ADDRESS__)
static const qint64 MAX_GAP_MS = 500;
#else
static const qint64 MAX_GAP_MS = 100;
#endif

class TestArrangementPool : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void poolGivesWhatOneThreadGives();
    void unreadableFileAmongThePool();
    void windowAnswersThroughoutARunOf200Files();
    void closingMidRunIsRefusedAndNothingIsHalfDone();
    void runIntoALargeBoxKeepsTheWindowAnswering();

private:
    std::unique_ptr<Place> makePlace();
    void openBox(Place &place);
    static Arrangement *makeFrame(Place &place);
    static void start(Arrangement *frame, const QString &annotation);
    static QByteArray contentOf(int seed, qint64 size);

    QList<Place *> m_places;
};

void TestArrangementPool::init()
{
    MyMessageBox::clearAnswers();
    WorkPool::setThreadCount(0);
}

void TestArrangementPool::cleanup()
{
    WorkPool::setThreadCount(0);
    QCOMPARE(MyMessageBox::pendingAnswers(), 0);
    MyMessageBox::clearAnswers();
}

std::unique_ptr<Place> TestArrangementPool::makePlace()
{
    auto place = std::make_unique<Place>();
    place->settings.reset(TestSupport::makeSettings(place->dir));
    QDir().mkpath(place->src());
    return place;
}

// The fake extractor prints nothing: dates are the files' modification times, chosen by the test.
void TestArrangementPool::openBox(Place &place)
{
    place.settings->setValue(KEY_GENERAL + KEY_EXTRACT_META_APP,
                             QLatin1Char('"') + StorageSupport::fake("fake_extractor.sh") + QStringLiteral("\" %1"));
    place.settings->sync();
    place.tessary.reset(new Tessary(place.settings.data()));
    place.box = dynamic_cast<AnyBox *>(place.tessary->baseFolder()->unit(NAME_PHOTO));
    QVERIFY(place.box);
}

Arrangement *TestArrangementPool::makeFrame(Place &place)
{
    place.central.reset(new QFrame);
    auto frame = new Arrangement(place.box, place.central.data());
    place.central->show();
    return frame;
}

void TestArrangementPool::start(Arrangement *frame, const QString &annotation)
{
    auto edit = frame->findChild<QLineEdit *>("annotationEdit");
    auto button = frame->findChild<QPushButton *>("startButton");
    QVERIFY(edit);
    QVERIFY(button);
    QSignalSpy done(frame, &Arrangement::needUpdateStatus);
    QTest::keyClicks(edit, annotation);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(done.count(), 1);
}

// Distinct, cheap to make content of any size.
QByteArray TestArrangementPool::contentOf(int seed, qint64 size)
{
    QByteArray content(int(size), Qt::Uninitialized);
    quint32 value = quint32(seed) * 2654435761u + 1;
    for (int i = 0; i + 4 <= content.size(); i += 4) {
        value = value * 1664525u + 1013904223u;
        memcpy(content.data() + i, &value, 4);
    }
    for (int i = content.size() & ~3; i < content.size(); ++i)
        content[i] = char(seed);
    return content;
}

// The entry lines without the remarks drawn (fields 1 and 2), keyed by original name.
static QMap<QString, QString> entriesWithoutRemarks(const QString &boxPath)
{
    QMap<QString, QString> result;
    for (const QString &line : storedEntries(boxPath)) {
        QStringList fields = line.split(QLatin1Char('~'));
        if (fields.size() < 10)
            continue;
        fields[1].clear();
        fields[2].clear();
        result.insert(fields.at(7), fields.join(QLatin1Char('~')));
    }
    return result;
}

// The log without time stamps and drawn places: the counts and the files copied, in their order.
static QStringList logWithoutPlaces(const QString &base)
{
    QStringList result;
    for (const QString &line : lines(base + QLatin1Char('/') + NAME_LOG_FILE)) {
        if (line.contains(QStringLiteral(" Copy "))) {
            result << line.section(QStringLiteral(" to "), 0, 0).section(QLatin1Char('/'), -1);
            continue;
        }
        if (line.startsWith(QStringLiteral("Found ")) || line.startsWith(QStringLiteral("New files added"))
            || line.startsWith(QStringLiteral("Total sessions")) || line.startsWith(QStringLiteral("Current session"))
            || line.startsWith(QStringLiteral("(!)")) || line.contains(QStringLiteral("Duplicate")))
            result << line.section(QStringLiteral(" and "), 0, 0);
    }
    return result;
}

// ---- same results --------------------------------------------------------------------------------

void TestArrangementPool::poolGivesWhatOneThreadGives()
{
    const QList<qint64> sizes = {0, 1, 100, 4096, 65537, 1024 * 1024, 5 * 1024 * 1024 + 3, 64 * 1024 * 1024};
    const QDateTime modified(QDate(2021, 7, 10), QTime(9, 30, 15));
    std::unique_ptr<Place> places[2] = {makePlace(), makePlace()};
    for (auto &place : places) {
        for (int i = 0; i < sizes.size(); ++i) {
            QVERIFY(StorageSupport::writeFileAt(place->src() + QStringLiteral("/IMG_%1.jpg").arg(i),
                                                contentOf(i, sizes.at(i)), modified.addDays(i * 40)));
        }
        // The same content twice: only the first in listing order is kept.
        QVERIFY(StorageSupport::writeFileAt(place->src() + QStringLiteral("/IMG_9.jpg"), contentOf(3, sizes.at(3)),
                                            modified));
        // The same content as an object already in the box: a duplicate that stays.
        const QString md5 = QString::fromLatin1(
            QCryptographicHash::hash(contentOf(77, 3000), QCryptographicHash::Md5).toHex());
        QStringList fields =
            StorageSupport::entryLine(QStringLiteral("qwerty"), QStringLiteral("old.jpg")).split(QLatin1Char('~'));
        fields[3] = md5;
        QVERIFY(writeEntries(place->boxPath(), QStringLiteral("qwer"), {fields.join(QLatin1Char('~'))}));
        QVERIFY(StorageSupport::writeFileAt(place->src() + QStringLiteral("/IMG_8.jpg"), contentOf(77, 3000),
                                            modified));
    }

    // One thread, then the pool sized to the machine (at least two threads, so that files overlap).
    for (int run = 0; run < 2; ++run) {
        WorkPool::setThreadCount(run == 0 ? 1 : qMax(2, QThread::idealThreadCount()));
        Place &place = *places[run];
        openBox(place);
        Arrangement *frame = makeFrame(place);
        start(frame, QStringLiteral("both alike"));
    }

    const QMap<QString, QString> one = entriesWithoutRemarks(places[0]->boxPath());
    const QMap<QString, QString> pool = entriesWithoutRemarks(places[1]->boxPath());
    QCOMPARE(one.size(), sizes.size() + 1);
    QCOMPARE(pool, one);
    // Every copy holds its source's content.
    const QMap<QString, QString> stored = storedEntries(places[1]->boxPath());
    for (auto it = stored.cbegin(); it != stored.cend(); ++it) {
        const Remark remark(it.key());
        if (remark.remark() == QLatin1String("qwerty"))
            continue;
        const QString original = it.value().section(QLatin1Char('~'), 7, 7);
        const int index = original.mid(4, 1).toInt();
        const QString copy = places[1]->boxPath() + QLatin1Char('/') + remark.re() + QLatin1Char('/') + remark.ma()
                             + QLatin1Char('/') + remark.rk() + QStringLiteral(".jpg");
        QCOMPARE(TestSupport::readFile(copy), contentOf(index, sizes.at(index)));
    }

    const QStringList logOne = logWithoutPlaces(places[0]->base());
    QCOMPARE(logWithoutPlaces(places[1]->base()), logOne);
    QVERIFY(logOne.contains(QStringLiteral("Found 9 files: 8 new files")));
    QVERIFY(logOne.contains(QStringLiteral("New files added to the box: 8 (Total: 8, remains: 0)")));
    for (auto &place : places) {
        QCOMPARE(fileNames(place->src()), QStringList({"IMG_8.jpg", "IMG_9.jpg"}));
        const QStringList sessions = lines(place->base() + QLatin1Char('/') + NAME_SSS_FILE);
        QCOMPARE(sessions.size(), 1);
        QCOMPARE(sessions.first().section(QLatin1Char('~'), 2), QStringLiteral("photo~both alike"));
    }
}

void TestArrangementPool::unreadableFileAmongThePool()
{
    auto place = makePlace();
    for (int i = 0; i < 6; ++i)
        QVERIFY(TestSupport::writeFile(place->src() + QStringLiteral("/p%1.jpg").arg(i), contentOf(i, 300000)));
    // Listed like any file, refused on reading: the process's own memory at offset 0.
    QVERIFY(QFile::link(QStringLiteral("/proc/self/mem"), place->src() + QStringLiteral("/p3a.jpg")));
    openBox(*place);
    Arrangement *frame = makeFrame(*place);
    start(frame, QString());

    QCOMPARE(frame->findChild<QLabel *>("variousLabel")->text(), QStringLiteral("6"));
    QCOMPARE(frame->findChild<QLabel *>("addLabel")->text(), QStringLiteral("6"));
    QCOMPARE(fileNames(place->src()), QStringList({"p3a.jpg"}));
    const QMap<QString, QString> entries = entriesWithoutRemarks(place->boxPath());
    QCOMPARE(entries.keys(), QStringList({"p0.jpg", "p1.jpg", "p2.jpg", "p3.jpg", "p4.jpg", "p5.jpg"}));
    for (int i = 0; i < 6; ++i) {
        const QString md5 = QString::fromLatin1(
            QCryptographicHash::hash(contentOf(i, 300000), QCryptographicHash::Md5).toHex());
        QCOMPARE(entries.value(QStringLiteral("p%1.jpg").arg(i)).section(QLatin1Char('~'), 3, 3), md5);
    }
}

// ---- the window during a run ------------------------------------------------------------------------

// A timer that ticks every 10 ms on the GUI thread from the click on Start to the end of the run
// records the longest gap between two ticks, and what the progress bars showed at each tick.
void TestArrangementPool::windowAnswersThroughoutARunOf200Files()
{
    auto place = makePlace();
    for (int i = 0; i < 200; ++i) {
        QVERIFY(TestSupport::writeFile(place->src() + QStringLiteral("/IMG_%1.jpg").arg(i, 4, 10, QLatin1Char('0')),
                                       contentOf(i, 512 * 1024)));
    }
    openBox(*place);
    Arrangement *frame = makeFrame(*place);
    auto copyBar = frame->findChild<QProgressBar *>("arrangementProgress");
    auto readingBar = frame->findChild<QProgressBar *>("readingProgress");
    QVERIFY(copyBar);
    QVERIFY(readingBar);

    QElapsedTimer clock;
    qint64 last = -1;
    qint64 longestGap = 0;
    QSet<int> copyValues;
    QSet<int> readingValues;
    QTimer ticker;
    ticker.setInterval(10);
    connect(&ticker, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed();
        if (last >= 0)
            longestGap = qMax(longestGap, now - last);
        last = now;
        if (copyBar->isVisible())
            copyValues.insert(copyBar->value());
        if (readingBar->isVisible())
            readingValues.insert(readingBar->value());
    });
    // Started from the event loop, so that the ticks come from the loop the run serves.
    QTimer::singleShot(0, [&] {
        clock.start();
        // The time before the first tick counts too.
        last = 0;
        ticker.start();
        start(frame, QStringLiteral("two hundred"));
        ticker.stop();
    });
    QTRY_VERIFY_WITH_TIMEOUT(clock.isValid() && !ticker.isActive(), 300000);

    QCOMPARE(frame->findChild<QLabel *>("addLabel")->text(), QStringLiteral("200"));
    qInfo("longest gap between ticks: %lld ms", longestGap);
    QVERIFY2(longestGap < MAX_GAP_MS, qPrintable(QStringLiteral("longest gap %1 ms").arg(longestGap)));
    // The copy bar was seen between empty and full, more than once.
    int between = 0;
    for (int value : qAsConst(copyValues))
        between += value > 0 && value < 200 ? 1 : 0;
    QVERIFY2(between >= 2, qPrintable(QStringLiteral("copy bar seen at %1 values").arg(between)));
    QVERIFY(!readingValues.isEmpty());
}

// During a run the main window neither closes nor switches to another command: it says why, the run
// goes on, and afterwards every incoming file is either still waiting or in the box with its entry.
void TestArrangementPool::closingMidRunIsRefusedAndNothingIsHalfDone()
{
    QTemporaryDir dir;
    QScopedPointer<MySettings> settings(TestSupport::makeSettings(dir));
    settings->setValue(KEY_GENERAL + KEY_EXTRACT_META_APP,
                       QLatin1Char('"') + StorageSupport::fake("fake_extractor.sh") + QStringLiteral("\" %1"));
    settings->sync();
    const QString src = TestSupport::baseDir(dir) + QLatin1Char('/') + NAME_SRC_FOLDER;
    QVERIFY(QDir().mkpath(src));
    QStringList names;
    for (int i = 0; i < 60; ++i) {
        names << QStringLiteral("c%1.jpg").arg(i, 3, 10, QLatin1Char('0'));
        QVERIFY(TestSupport::writeFile(src + QLatin1Char('/') + names.last(), contentOf(i + 500, 256 * 1024)));
    }
    QScopedPointer<MainWindow> window(new MainWindow(settings.data()));
    window->show();
    auto arrangementAction = window->findChild<QAction *>("arrangementAction");
    auto displayAction = window->findChild<QAction *>("displayAction");
    QVERIFY(arrangementAction);
    QVERIFY(displayAction);
    arrangementAction->trigger();
    auto frame = window->findChild<Arrangement *>();
    QVERIFY(frame);
    auto copyBar = frame->findChild<QProgressBar *>("arrangementProgress");
    QVERIFY(copyBar);

    // Halfway through the copies the user closes the window and picks another command.
    bool tried = false;
    bool stillThere = false;
    int refusals = 0;
    connect(copyBar, &QProgressBar::valueChanged, [&](int value) {
        if (tried || value < 20)
            return;
        tried = true;
        MyMessageBox::setNextAnswer(QMessageBox::Ok);
        MyMessageBox::setNextAnswer(QMessageBox::Ok);
        const int shown = MyMessageBox::shownCount();
        // Posted as the window system would, and served while the run waits for a copy.
        QTimer::singleShot(0, window.data(), [&, shown] {
            const bool closed = window->close();
            displayAction->trigger();
            refusals = MyMessageBox::shownCount() - shown;
            stillThere = !closed && window->isVisible() && window->findChild<Arrangement *>() == frame;
        });
    });
    QSignalSpy done(frame, &Arrangement::needUpdateStatus);
    QMetaObject::invokeMethod(frame->findChild<QPushButton *>("startButton"), "click", Qt::QueuedConnection);
    QVERIFY(done.wait(300000));

    QVERIFY(tried);
    QCOMPARE(refusals, 2);
    QVERIFY(stillThere);
    QCOMPARE(MyMessageBox::lastText(),
             QStringLiteral("The current work is not finished yet. Please wait until it ends."));
    QCOMPARE(window->findChild<Arrangement *>(), frame);

    // Each file is waiting, or stored with its entry and its whole content; none is both or neither.
    QMap<QString, QString> byName;
    const QString boxPath = TestSupport::baseDir(dir) + QLatin1Char('/') + NAME_PHOTO;
    for (const QString &line : storedEntries(boxPath))
        byName.insert(line.section(QLatin1Char('~'), 7, 7), line.section(QLatin1Char('~'), 1, 1));
    const QStringList waiting = fileNames(src);
    for (int i = 0; i < names.size(); ++i) {
        const bool isWaiting = waiting.contains(names.at(i));
        QVERIFY2(isWaiting != byName.contains(names.at(i)), qPrintable(names.at(i)));
        if (isWaiting)
            continue;
        const Remark remark(byName.value(names.at(i)));
        QCOMPARE(TestSupport::readFile(boxPath + QLatin1Char('/') + remark.re() + QLatin1Char('/') + remark.ma()
                                       + QLatin1Char('/') + remark.rk() + QStringLiteral(".jpg")),
                 contentOf(i + 500, 256 * 1024));
    }
    QCOMPARE(byName.size(), 60);
    QVERIFY(!QFile::exists(TestSupport::baseDir(dir) + QStringLiteral("/.arrangement")));

    // After the run the window closes as ever, once the quit question is answered.
    MyMessageBox::setNextAnswer(QMessageBox::Yes);
    QVERIFY(window->close());
    window.reset();
    QProcess::execute(QStringLiteral("chmod"), {QStringLiteral("-R"), QStringLiteral("u+w"), dir.path()});
}

// A box of 20,000 objects takes 40 files of 1 MiB, one of them an edited version: the frame is made as
// the main window makes it, and from then on the event loop is never kept waiting, not by the search
// through all catalogue files, the copies, the group's relinking, the catalogue stored, the sources
// removed nor the log written.
void TestArrangementPool::runIntoALargeBoxKeepsTheWindowAnswering()
{
    auto place = makePlace();
    QVERIFY(BigBox::write(place->base(), 20000));
    const QString edited = BigBox::remarkOf(7);
    QStringList names;
    for (int i = 0; i < 40; ++i) {
        names << (i == 20 ? edited + QStringLiteral(".jpg")
                          : QStringLiteral("IMG_%1.jpg").arg(i, 4, 10, QLatin1Char('0')));
        QVERIFY(TestSupport::writeFile(place->src() + QLatin1Char('/') + names.last(),
                                       contentOf(i + 900, 1024 * 1024)));
    }
    openBox(*place);
    QCOMPARE(place->box->getCount(), 20000u);
    place->box->markAllEntries(0);

    LoopGap gap;
    gap.restart();
    Arrangement *frame = makeFrame(*place);
    start(frame, QStringLiteral("large"));
    const qint64 longest = gap.longestMs();
    qInfo("longest event-loop gap: %lld ms", longest);
    QVERIFY2(longest <= LoopGap::allowedMs(200), qPrintable(QStringLiteral("longest gap %1 ms").arg(longest)));

    QCOMPARE(frame->findChild<QLabel *>("totalLabel")->text(), QStringLiteral("40"));
    QCOMPARE(frame->findChild<QLabel *>("addLabel")->text(), QStringLiteral("40"));
    QCOMPARE(frame->findChild<QLabel *>("remainsLabel")->text(), QStringLiteral("0"));
    QCOMPARE(frame->findChild<QLabel *>("beforeLabel")->text(), QStringLiteral("20000"));
    QCOMPARE(frame->findChild<QLabel *>("afterLabel")->text(), QStringLiteral("20040"));
    QCOMPARE(place->box->markedEntriesCount(0), 40);
    QVERIFY(fileNames(place->src()).isEmpty());
    QVERIFY(!QFile::exists(place->base() + QStringLiteral("/.arrangement")));

    // Every file is in the box once with its content; the edited version leads its old group.
    QMap<QString, QString> byName;
    const QMap<QString, QString> entries = storedEntries(place->boxPath());
    QCOMPARE(entries.size(), 20040);
    for (const QString &line : entries) {
        const Entry entry(line);
        if (names.contains(entry.getField(7)))
            byName.insert(entry.getField(7), entry.getField(1));
    }
    QCOMPARE(byName.size(), 40);
    for (int i = 0; i < names.size(); ++i) {
        const Remark remark(byName.value(names.at(i)));
        QCOMPARE(TestSupport::readFile(place->boxPath() + QLatin1Char('/') + remark.re() + QLatin1Char('/')
                                       + remark.ma() + QLatin1Char('/') + remark.rk() + QStringLiteral(".jpg")),
                 contentOf(i + 900, 1024 * 1024));
    }
    const QString newPrime = byName.value(edited + QStringLiteral(".jpg"));
    for (int i = 5; i < 10; ++i)
        QCOMPARE(Entry(entries.value(BigBox::remarkOf(i))).getField(2), newPrime);
    QCOMPARE(Entry(entries.value(BigBox::remarkOf(10))).getField(2), BigBox::remarkOf(10));

    // The log holds the whole block, its copy lines in order, once.
    const QStringList log = lines(place->base() + QLatin1Char('/') + NAME_LOG_FILE);
    QCOMPARE(log.filter(QStringLiteral(" Copy ")).size(), 40);
    QCOMPARE(log.filter(QStringLiteral("--- ARRANGEMENT OPEN")).size(), 1);
    QVERIFY(log.contains(QStringLiteral("Found 40 files: 40 new files and 0 duplicate files")));
    QVERIFY(log.contains(QStringLiteral("New files added to the box: 40 (Total: 40, remains: 0)")));
    QCOMPARE(log.filter(QStringLiteral("--- ARRANGEMENT CLOSE")).size(), 1);
    const int firstCopy = log.indexOf(QRegularExpression(QStringLiteral(" +1 Copy .*")));
    QVERIFY(firstCopy > log.indexOf(QStringLiteral("Found 40 files: 40 new files and 0 duplicate files")));
    QVERIFY(log.indexOf(QRegularExpression(QStringLiteral(" +40 Copy .*"))) > firstCopy);
}

QTEST_MAIN(TestArrangementPool)

#include "tst_arrangementpool.moc"
