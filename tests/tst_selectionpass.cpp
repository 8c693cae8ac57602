#include <QElapsedTimer>
#include <QScopedPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "anybox.h"
#include "basefolder.h"
#include "constants.h"
#include "entry.h"
#include "myabcfile.h"
#include "myfolder.h"
#include "photobox.h"
#include "selectionpass.h"
#include "selector.h"
#include "storagesupport.h"

// The pass the selection frames share, without any frame: it narrows a subset, reports its progress
// and keeps the event loop turning while it works.
class TestSelectionPass : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void slowPassStillProcessesEvents();
    void searchThatFindsNothingRestoresTheMarking();
    void listFileNamesStayInTheListFolder();

private:
    QScopedPointer<QTemporaryDir> m_dir;
    QScopedPointer<BaseFolder> m_base;
    PhotoBox *m_box = nullptr;
};

void TestSelectionPass::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    m_base.reset(new BaseFolder(m_dir->path(), QStringLiteral("base")));
    const QString path = m_base->completeName() + QLatin1Char('/') + NAME_PHOTO;
    for (const QString &rema : {QStringLiteral("qwer"), QStringLiteral("qwas"), QStringLiteral("abcd")})
        QVERIFY(StorageSupport::writeAbcFile(path, StorageSupport::remarks(rema, 200)));
    m_box = new PhotoBox(NAME_PHOTO, m_base.data());
    QCOMPARE(m_box->getCount(), 600u);
}

void TestSelectionPass::cleanup()
{
    m_box = nullptr;
    m_base.reset();
    m_dir.reset();
}

// Each entry takes half a millisecond to decide: a 20 ms timer must still tick with no gap of 100 ms.
void TestSelectionPass::slowPassStillProcessesEvents()
{
    m_box->markAllEntries(0);
    SelectionPass pass;
    QSignalSpy progress(&pass, &SelectionPass::progressed);
    QElapsedTimer clock;
    QList<qint64> ticks;
    QTimer timer;
    timer.setInterval(20);
    connect(&timer, &QTimer::timeout, [&]() { ticks << clock.elapsed(); });
    clock.start();
    timer.start();
    int seen = 0;
    const int kept = pass.narrow(m_box, 0, [&seen](const Entry *entry) {
        QElapsedTimer busy;
        busy.start();
        while (busy.nsecsElapsed() < 500000) {
        }
        ++seen;
        return entry->getField(1).endsWith(QLatin1Char('a'));
    });
    const qint64 total = clock.elapsed();
    timer.stop();
    QCOMPARE(seen, 600);
    QCOMPARE(kept, 3 * 8); // aa, ba, ... ha in each file
    QCOMPARE(m_box->markedEntriesCount(0), kept);
    QVERIFY(total >= 300);
    ticks.prepend(0);
    ticks.append(total);
    qint64 longest = 0;
    for (int k = 1; k < ticks.size(); ++k)
        longest = qMax(longest, ticks.at(k) - ticks.at(k - 1));
    QVERIFY2(longest < 100, qPrintable(QStringLiteral("no events for %1 ms").arg(longest)));
    // Progress climbs to every entry examined.
    QVERIFY(progress.size() >= 3);
    QCOMPARE(progress.last().at(0).toInt(), 600);
    for (int k = 1; k < progress.size(); ++k)
        QVERIFY(progress.at(k).at(0).toInt() >= progress.at(k - 1).at(0).toInt());
}

void TestSelectionPass::searchThatFindsNothingRestoresTheMarking()
{
    auto qwer = m_box->findChild<MyAbcFile *>("abc_qwer");
    QVERIFY(qwer);
    QVERIFY(qwer->markEntry(qwer->getEntry("ab"), 0));
    SelectionPass pass;
    const Selector none(QStringLiteral("zzzzzz"), "", "", "", "", "", "", m_box->category(), m_box->dateFormat());
    QCOMPARE(pass.search(m_box, 0, true, none), 0);
    QCOMPARE(m_box->markedEntriesCount(0), 1);
    const Selector one(QStringLiteral("abcdac"), "", "", "", "", "", "", m_box->category(), m_box->dateFormat());
    QCOMPARE(pass.search(m_box, 1, true, one), 1);
    QCOMPARE(m_box->markedEntriesCount(0), 1);
    QCOMPARE(m_box->markedEntries(1).first()->getField(1), QStringLiteral("abcdac"));
}

void TestSelectionPass::listFileNamesStayInTheListFolder()
{
    QCOMPARE(SelectionPass::listFileName(QStringLiteral("summer sea")), QStringLiteral("summer sea"));
    QCOMPARE(SelectionPass::listFileName(QStringLiteral("../../etc/x")), QStringLiteral(".._.._etc_x"));
    QCOMPARE(SelectionPass::listFileName(QStringLiteral("a\\b")), QStringLiteral("a_b"));
    QCOMPARE(SelectionPass::listFileName(QStringLiteral("..")), QStringLiteral("list"));
    QCOMPARE(SelectionPass::listFileName(QStringLiteral("  ")), QStringLiteral("list"));
}

QTEST_GUILESS_MAIN(TestSelectionPass)
#include "tst_selectionpass.moc"
