#include <QDir>
#include <QScopedPointer>
#include <QTemporaryDir>
#include <QtTest>

#include "abcsupport.h"
#include "anybox.h"
#include "basefolder.h"
#include "constants.h"
#include "describerun.h"
#include "entry.h"
#include "mysettings.h"
#include "mywrdfile.h"
#include "unittree.h"
#include "testsupport.h"

// The describing work without the frame: how a stored description reads, and what Apply writes.
class TestDescribeRun : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void readFollowsTheCaptionKeywordAndDateRules();
    void applyWritesCleanFieldsAndStoresAtOnce();
    void cleanPartKeepsRecordsWhole_data();
    void cleanPartKeepsRecordsWhole();

private:
    QString basePath() const { return TestSupport::baseDir(*m_dir); }
    QString abcPath() const { return AbcSupport::abcPath(basePath() + "/" + NAME_PHOTO, "qwer"); }
    void openBox(const QStringList &lines);

    QScopedPointer<QTemporaryDir> m_dir;
    QScopedPointer<MySettings> m_settings;
    QScopedPointer<UnitTree> m_tessary;
    AnyBox *m_box = nullptr;
};

void TestDescribeRun::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    QVERIFY(QDir().mkpath(basePath()));
    QVERIFY(TestSupport::writeFile(basePath() + "/" + NAME_WRD_FILE, "aqmz~cat~kitten~\nbcde~dog~\n"));
}

void TestDescribeRun::cleanup()
{
    m_tessary.reset();
    m_settings.reset();
    m_dir.reset();
}

void TestDescribeRun::openBox(const QStringList &lines)
{
    QVERIFY(AbcSupport::writeAbc(basePath() + "/" + NAME_PHOTO, "qwer", (lines.join('\n') + '\n').toUtf8()));
    m_settings.reset(TestSupport::makeSettings(*m_dir));
    m_tessary.reset(new UnitTree(m_settings.data()));
    QString status;
    QVERIFY(m_tessary->initStatus(status));
    m_box = qobject_cast<AnyBox *>(m_tessary->baseFolder()->unit(NAME_PHOTO));
    QVERIFY(m_box);
    m_box->markAllEntries(0);
}

static QString withFields(const QString &remark, const QString &keywords, const QString &caption, const QString &date)
{
    QStringList fields = AbcSupport::newEntryLine(remark).split('~');
    fields[6] = keywords;
    fields[8] = caption;
    fields[9] = date;
    return fields.join('~');
}

void TestDescribeRun::readFollowsTheCaptionKeywordAndDateRules()
{
    openBox({withFields("qweraa", "bcde,zzzz,unknown,aqmz", "", "29.02.2021"),
             withFields("qwerab", "unknown", " Only  title ", "01.02.2020"),
             withFields("qwerac", "aqmz", "War, Leo ,Tolstoy", "x")});
    DescribeRun run(m_box);
    QCOMPARE(run.total(), 3);
    QCOMPARE(run.uncorrected().first()->getField(1), QStringLiteral("qweraa"));
    const Description a = run.read(run.uncorrected().at(0));
    QCOMPARE(a.keywords, QStringLiteral("bcde,aqmz"));
    QCOMPARE(a.caption, QStringLiteral("unknown,unknown"));
    QCOMPARE(a.date, QDate::currentDate());
    const Description b = run.read(run.uncorrected().at(1));
    QCOMPARE(b.keywords, QString());
    QCOMPARE(b.caption, QStringLiteral("Only title,unknown"));
    QCOMPARE(b.date, QDate(2020, 2, 1));
    const Description c = run.read(run.uncorrected().at(2));
    QCOMPARE(c.caption, QStringLiteral("War,Leo Tolstoy"));
    QCOMPARE(run.keywordDisplay(a.keywords), QStringLiteral("dog, cat"));
    QCOMPARE(run.keywordDisplay(QString()), QStringLiteral("-"));
    QCOMPARE(run.wordsOf("aqmz"), QStringList({"cat", "kitten"}));
}

void TestDescribeRun::applyWritesCleanFieldsAndStoresAtOnce()
{
    openBox({AbcSupport::newEntryLine("qweraa"), AbcSupport::newEntryLine("qwerab")});
    DescribeRun run(m_box);
    Entry *entry = run.uncorrected().first();
    QVERIFY(run.addWord(QStringLiteral("  sea   shore ")));
    QVERIFY(!run.addWord(QStringLiteral("Cat")));
    QVERIFY(!run.addWord(QStringLiteral("a~b")));
    // Blanks of every kind, line breaks too, are made single blanks before a word is kept.
    QVERIFY(run.addSynonym(QStringLiteral("aqmz"), QStringLiteral("line\nbreak")));
    QCOMPARE(run.wordsOf("aqmz"), QStringList({"cat", "kitten", "line break"}));
    QVERIFY(!run.addSynonym(QStringLiteral("aqmz"), QStringLiteral("tilde~word")));
    auto vocabulary = run.vocabulary();
    QVERIFY(vocabulary);
    const QString seaKey = vocabulary->getKey(QStringLiteral("sea shore"));
    QVERIFY(!seaKey.isEmpty());

    Description description;
    description.category = 3;
    description.keywords = QStringLiteral("aqmz,nokey,") + seaKey + QStringLiteral(",aqmz");
    description.caption = DescribeRun::captionOf(QStringLiteral("A~B,C"), QStringLiteral("x:y\r\nz"));
    description.date = QDate(2022, 12, 31);
    description.hardcopy = 4;
    QVERIFY(run.apply(entry, description));
    QCOMPARE(run.uncorrected().size(), 1);
    QCOMPARE(run.corrected().size(), 1);
    QVERIFY(run.isCorrected(entry));
    const QString expected = QStringLiteral("1~qweraa~qweraa~d41d8cd98f00b204e9800998ecf8427e~4~3~aqmz,%1~IMG_0001.JPG"
                                            "~A-B;C,x;y z~31.12.2022")
                                 .arg(seaKey);
    QCOMPARE(QString::fromUtf8(TestSupport::readFile(abcPath())).split('\n').first(), expected);
    const QByteArray words = TestSupport::readFile(basePath() + "/" + NAME_WRD_FILE);
    QVERIFY(words.contains((seaKey + "~sea shore~\n").toUtf8()));
    QVERIFY(words.contains("aqmz~cat~kitten~line break~\n"));
    QCOMPARE(words.count('\n'), 3);
    // A second Apply only rewrites the fields; no keywords give "unknown".
    description.keywords.clear();
    QVERIFY(run.apply(entry, description));
    QCOMPARE(run.corrected().size(), 1);
    QCOMPARE(entry->getField(6), QStringLiteral("unknown"));
    QVERIFY(run.storeAll());
    QVERIFY(!run.unsaved());
}

void TestDescribeRun::cleanPartKeepsRecordsWhole_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("plain") << "Harbour at dawn" << "Harbour at dawn";
    QTest::newRow("tilde") << "a~b" << "a-b";
    QTest::newRow("comma") << "Smith, John" << "Smith; John";
    QTest::newRow("bar and colon") << "a|b:c" << "a-b;c";
    QTest::newRow("line breaks") << "one\ntwo\r\nthree" << "one two three";
    QTest::newRow("paragraph separator") << QString("a") + QChar(0x2029) + "b" << "a b";
    QTest::newRow("blanks") << "  spaced   out " << "spaced out";
    QTest::newRow("cyrillic") << "Война и мир" << "Война и мир";
}

void TestDescribeRun::cleanPartKeepsRecordsWhole()
{
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QCOMPARE(DescribeRun::cleanPart(typed), kept);
    const QString caption = DescribeRun::captionOf(typed, typed);
    QCOMPARE(caption.count(','), 1);
    QVERIFY(!caption.contains('~'));
}

QTEST_MAIN(TestDescribeRun)
#include "tst_describerun.moc"
