#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QScopedPointer>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QtTest>

#include "anybox.h"
#include "basefolder.h"
#include "bigbox.h"
#include "boxsupport.h"
#include "constants.h"
#include "loopgap.h"
#include "mymessagebox.h"
#include "mysettings.h"
#include "templatedialog.h"
#include "tessary.h"
#include "testsupport.h"
#include "withoutkeyworddialog.h"

// The selection passes over a large box: every entry marked, the frame made as the main window makes
// it, and the window never kept from its events for long while the frame opens, runs and closes.
class TestSelectionGap : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void withoutKeywordPassKeepsTheWindowAnswering();
    void templateReplayKeepsTheWindowAnswering();

private:
    template <class Frame> Frame *openFrame();
    QString shown(const char *name) const;

    static const int OBJECTS = 20000;

    QTemporaryDir m_dir;
    QScopedPointer<MySettings> m_settings;
    Tessary *m_tessary = nullptr;
    AnyBox *m_box = nullptr;
    QScopedPointer<QFrame> m_central;
    QFrame *m_frame = nullptr;
};

// One box for both stories: writing and loading 20,000 entries is the slow part.
void TestSelectionGap::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_settings.reset(TestSupport::makeSettings(m_dir));
    const QString base = TestSupport::baseDir(m_dir);
    QVERIFY(BigBox::write(base, OBJECTS));
    // Two stages: the primes of session 7, then every prime again.
    QVERIFY(TestSupport::writeFile(base + QLatin1Char('/') + NAME_TMP_FILE,
                                   "<photo:seven:Session seven, then all>\n"
                                   "\t\tA:7\n\t:search\n\t:plus\n\t\tA:\n\t:search\n\n"));
    m_tessary = BoxSupport::openBoxSet(m_settings.data());
    QVERIFY(m_tessary);
    m_box = qobject_cast<AnyBox *>(m_tessary->baseFolder()->unit(NAME_PHOTO));
    QVERIFY(m_box);
    QCOMPARE(m_box->getCount(), unsigned(OBJECTS));
}

void TestSelectionGap::cleanupTestCase()
{
    delete m_tessary;
    m_settings.reset();
}

void TestSelectionGap::init()
{
    MyMessageBox::clearAnswers();
    m_box->unmarkAllEntries();
    m_box->markAllEntries(0);
    QCOMPARE(m_box->markedEntriesCount(0), OBJECTS);
}

void TestSelectionGap::cleanup()
{
    m_central.reset();
    m_frame = nullptr;
    MyMessageBox::clearAnswers();
}

template <class Frame> Frame *TestSelectionGap::openFrame()
{
    m_central.reset(new QFrame);
    auto frame = new Frame(m_box, m_central.data());
    (new QVBoxLayout(m_central.data()))->addWidget(frame);
    m_central->resize(1000, 800);
    m_central->show();
    m_frame = frame;
    return frame;
}

QString TestSelectionGap::shown(const char *name) const
{
    const auto label = m_frame ? m_frame->findChild<QLabel *>(name) : nullptr;
    return label ? label->text() : QStringLiteral("<no %1>").arg(QLatin1String(name));
}

// Every fourth object has no keywords.
void TestSelectionGap::withoutKeywordPassKeepsTheWindowAnswering()
{
    LoopGap gap;
    gap.restart();
    openFrame<WithoutKeywordDialog>();
    auto start = m_frame->findChild<QPushButton *>("startButton");
    QVERIFY(start);
    QTRY_VERIFY(start->isVisible());
    QVERIFY(start->isEnabled());
    QTest::mouseClick(start, Qt::LeftButton);
    QTRY_COMPARE(shown("foundRecords"), QString::number(OBJECTS / 4));
    auto progress = m_frame->findChild<QProgressBar *>("searchProgress");
    QVERIFY(progress);
    QCOMPARE(progress->value(), progress->maximum());
    m_central.reset();
    m_frame = nullptr;
    QVERIFY2(gap.longestMs() <= LoopGap::allowedMs(200), qPrintable(QStringLiteral("the window waited %1 ms")
                                                                          .arg(gap.longestMs())));
    QCOMPARE(m_box->countSubsets(), 1);
    QCOMPARE(m_box->markedEntriesCount(0), OBJECTS / 4);
}

// Session 7 holds objects 40 to 46, of which 40 and 45 are primes; a prime is every fifth object.
void TestSelectionGap::templateReplayKeepsTheWindowAnswering()
{
    LoopGap gap;
    gap.restart();
    openFrame<TemplateDialog>();
    auto list = m_frame->findChild<QListWidget *>("templateList");
    QVERIFY(list);
    QCOMPARE(list->count(), 1);
    auto start = m_frame->findChild<QPushButton *>("startButton");
    QVERIFY(start);
    QTRY_VERIFY(start->isVisible());
    QVERIFY(start->isEnabled());
    // More than a thousand found: the frame warns that the lists are cut.
    const int warnings = MyMessageBox::shownCount();
    MyMessageBox::setNextAnswer(QMessageBox::Ok);
    QTest::mouseClick(start, Qt::LeftButton);
    QTRY_COMPARE(shown("foundRecords"), QString::number(OBJECTS / 5));
    QCOMPARE(MyMessageBox::shownCount(), warnings + 1);
    QCOMPARE(m_box->markedEntriesCount(0), 2);
    QCOMPARE(m_box->markedEntriesCount(1), OBJECTS / 5);
    m_central.reset();
    m_frame = nullptr;
    QVERIFY2(gap.longestMs() <= LoopGap::allowedMs(200), qPrintable(QStringLiteral("the window waited %1 ms")
                                                                          .arg(gap.longestMs())));
    // Closing leaves the stages together in subset 0.
    QCOMPARE(m_box->countSubsets(), 1);
    QCOMPARE(m_box->markedEntriesCount(0), OBJECTS / 5);
}

QTEST_MAIN(TestSelectionGap)
#include "tst_selectiongap.moc"
