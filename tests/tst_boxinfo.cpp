#include <QDir>
#include <QLabel>
#include <QScopedPointer>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "anybox.h"
#include "arrangementsupport.h"
#include "basefolder.h"
// The frame's form header is generated for this program too (see boxinfo.h).
#include "boxinfo.h"
#include "bigbox.h"
#include "boxsupport.h"
#include "loopgap.h"
#include "constants.h"
#include "mysettings.h"
#include "tessary.h"
#include "testsupport.h"

using BoxSupport::entry;

static const QStringList VALUES = {"sessionNum", "sessionLast", "remarkNum",   "dateBegin", "templateNum",
                                   "albumNum",   "outCategory", "outKeyword", "outTitle"};

class TestBoxInfo : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void emptyBoxShowsDashes();
    void twoSessionsWithGroupsAndNewObject();
    void largeBoxFillsInBehindTheShownFrame();

private:
    QString basePath() const { return TestSupport::baseDir(*m_dir); }
    BoxInfo *makeFrame(const QString &boxName);
    QString text(BoxInfo *frame, const QString &name) const;
    bool shown(BoxInfo *frame, const QString &name) const;

    QScopedPointer<QTemporaryDir> m_dir;
    QScopedPointer<MySettings> m_settings;
    QScopedPointer<Tessary> m_tessary;
    QScopedPointer<QFrame> m_central;
};

void TestBoxInfo::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    m_settings.reset(TestSupport::makeSettings(*m_dir));
}

void TestBoxInfo::cleanup()
{
    m_central.reset();
    m_tessary.reset();
    m_settings.reset();
    m_dir.reset();
}

BoxInfo *TestBoxInfo::makeFrame(const QString &boxName)
{
    m_tessary.reset(BoxSupport::openBoxSet(m_settings.data()));
    if (!m_tessary)
        return nullptr;
    auto box = dynamic_cast<AnyBox *>(m_tessary->baseFolder()->unit(boxName));
    if (!box)
        return nullptr;
    m_central.reset(new QFrame);
    auto frame = new BoxInfo(box, m_central.data());
    m_central->show();
    // The figures follow the pass over the entries, which runs behind the shown frame.
    const bool filled = QTest::qWaitFor([frame] {
        auto content = frame->findChild<QWidget *>(QStringLiteral("content"));
        return content && content->isVisible();
    });
    return filled ? frame : nullptr;
}

QString TestBoxInfo::text(BoxInfo *frame, const QString &name) const
{
    auto label = frame->findChild<QLabel *>(name);
    return label ? label->text() : QStringLiteral("<missing %1>").arg(name);
}

bool TestBoxInfo::shown(BoxInfo *frame, const QString &name) const
{
    auto widget = frame->findChild<QWidget *>(name);
    return widget && widget->isVisible();
}

void TestBoxInfo::emptyBoxShowsDashes()
{
    BoxInfo *frame = makeFrame(NAME_MUSIC);
    QVERIFY(frame);
    QCOMPARE(text(frame, "title"), QStringLiteral("Info"));
    QCOMPARE(text(frame, "boxName"), QStringLiteral("music"));
    for (const QString &value : VALUES) {
        QVERIFY2(shown(frame, value), qPrintable(value));
        QCOMPARE(text(frame, value), QStringLiteral("-"));
    }
    for (const char *hidden : {"dateLast", "dateEnd", "pOutCategory", "pOutKeyword", "pOutTitle"})
        QVERIFY2(!shown(frame, hidden), hidden);
    QVERIFY(!shown(frame, "label_A"));
    QCOMPARE(frame->findChild<QTableWidget *>("sessionTable")->rowCount(), 0);
}

// Session 1 brought a group of three photos around a prime without keywords; session 2 one new photo.
void TestBoxInfo::twoSessionsWithGroupsAndNewObject()
{
    const QString photo = basePath() + "/photo";
    QVERIFY(ArrangementSupport::writeEntries(
        photo, "qwer",
        {entry("1", "qwerty", "qwerty", "0", "unknown", "a.jpg", "Sea,Ann", "01.02.2020", 1),
         entry("1", "qwerab", "qwerty", "0", "unknown", "b.jpg", "unknown,unknown", "03.02.2020"),
         entry("1", "qwerac", "qwerty", "0", "unknown", "c.jpg", "unknown,unknown", "02.02.2020")}));
    QVERIFY(ArrangementSupport::writeEntries(
        photo, "zxcv", {entry("2", "zxcvbn", "zxcvbn", "0", "unknown", "d.jpg", "unknown,unknown", "10.07.2021")}));
    QVERIFY(TestSupport::writeFile(basePath() + "/sss", "1~05.12.2026 21:14:06~photo~Trip to the lake\n"
                                                        "2~06.12.2026 10:00:00~photo~unknown\n"));
    QVERIFY(TestSupport::writeFile(basePath() + "/tmp", "<photo:sea:>\n\t:search\n<library:old:Old>\n\t:search\n"
                                                        "<photo:trip:Trip>\n\t:search\n"));
    QVERIFY(QDir().mkpath(basePath() + "/_sld"));
    QVERIFY(TestSupport::writeFile(basePath() + "/_sld/one.sld", ""));
    QVERIFY(TestSupport::writeFile(basePath() + "/_sld/two.sld", ""));
    QVERIFY(TestSupport::writeFile(basePath() + "/_sld/songs.apl", ""));

    BoxInfo *frame = makeFrame(NAME_PHOTO);
    QVERIFY(frame);
    QCOMPARE(text(frame, "boxName"), QStringLiteral("photo"));
    QCOMPARE(text(frame, "sessionNum"), QStringLiteral("2"));
    QCOMPARE(text(frame, "sessionLast"), QStringLiteral("2"));
    QCOMPARE(text(frame, "dateLast"), QStringLiteral("06.12.2026 10:00:00"));
    QVERIFY(shown(frame, "dateLast"));
    QCOMPARE(text(frame, "remarkNum"), QStringLiteral("4"));
    QCOMPARE(text(frame, "dateBegin"), QStringLiteral("01.02.2020"));
    QCOMPARE(text(frame, "dateEnd"), QStringLiteral("10.07.2021"));
    QCOMPARE(text(frame, "templateNum"), QStringLiteral("2"));
    QCOMPARE(text(frame, "albumNum"), QStringLiteral("2"));
    // Primes only: the described prime qwerty and the new zxcvbn; actuality over all four entries.
    QCOMPARE(text(frame, "outCategory"), QStringLiteral("1"));
    QCOMPARE(text(frame, "pOutCategory"), QStringLiteral("75.00"));
    QCOMPARE(text(frame, "outKeyword"), QStringLiteral("2"));
    QCOMPARE(text(frame, "pOutKeyword"), QStringLiteral("50.00"));
    QCOMPARE(text(frame, "outTitle"), QStringLiteral("1"));
    QCOMPARE(text(frame, "pOutTitle"), QStringLiteral("75.00"));

    auto table = frame->findChild<QTableWidget *>("sessionTable");
    QVERIFY(table);
    QCOMPARE(table->rowCount(), 2);
    const QStringList first = {"1", "05.12.2026 21:14:06", "3", "01.02.2020 - 03.02.2020", "Trip to the lake"};
    const QStringList second = {"2", "06.12.2026 10:00:00", "1", "10.07.2021", ""};
    for (int column = 0; column < 5; ++column) {
        QCOMPARE(table->item(0, column)->text(), first.at(column));
        QCOMPARE(table->item(1, column)->text(), second.at(column));
    }
    QCOMPARE(table->currentRow(), 0);
    QVERIFY(table->item(0, 0)->textAlignment() & Qt::AlignRight);
    // Up on the first row is swallowed; Down on the last row too.
    table->setFocus();
    QTest::keyClick(table, Qt::Key_Up);
    QCOMPARE(table->currentRow(), 0);
    QTest::keyClick(table, Qt::Key_Down);
    QTest::keyClick(table, Qt::Key_Down);
    QCOMPARE(table->currentRow(), 1);
}

// Twenty thousand photos in 4,000 groups over 3,000 sessions: the frame is shown before the figures, which
// fill in without holding up the window.
void TestBoxInfo::largeBoxFillsInBehindTheShownFrame()
{
    QVERIFY(BigBox::write(basePath(), 20000));
    LoopGap gap;
    BoxInfo *frame = makeFrame(NAME_PHOTO);
    QVERIFY(frame);
    QVERIFY2(gap.longestMs() <= LoopGap::allowedMs(200), qPrintable(QString::number(gap.longestMs())));
    QCOMPARE(text(frame, "remarkNum"), QStringLiteral("20000"));
    QCOMPARE(text(frame, "sessionNum"), QStringLiteral("3000"));
    QCOMPARE(frame->findChild<QTableWidget *>("sessionTable")->rowCount(), 3000);
    // The groups' primes are every fifth photo; every fourth of them has no keyword, every third no caption.
    QCOMPARE(text(frame, "outKeyword"), QStringLiteral("1000"));
    QCOMPARE(text(frame, "outTitle"), QStringLiteral("1334"));
    QVERIFY(!shown(frame, "infoProgress"));
}

QTEST_MAIN(TestBoxInfo)
#include "tst_boxinfo.moc"
