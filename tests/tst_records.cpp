#include <QRegExp>
#include <QtTest>

#include "constants.h"
#include "entry.h"
#include "remark.h"

// Remarks and entry records: validity, the remark's parts, the fields of a catalogue line.
class TestRecords : public QObject
{
    Q_OBJECT

private slots:
    void remarkValidity_data();
    void remarkValidity();
    void remarkMatchesPatternForAnyText();
    void remarkParts();
    void remarkChangesWithSetRemark();

    void entryValidity_data();
    void entryValidity();
    void emptyLineHasNoFields();
    void splitKeepsEmptyFields();
    void allFieldsReproduceTheLine_data();
    void allFieldsReproduceTheLine();
    void invalidEntryGivesEmptyTexts();
    void remarkFileName_data();
    void remarkFileName();
    void settingFieldOneRecomputesValidity();
    void setFieldKeepsTheRecordOnOneLine();
    void setFieldOutsideTheFields();
};

void TestRecords::remarkValidity_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::newRow("six letters") << "abcdef" << true;
    QTest::newRow("a to z") << "azazaz" << true;
    QTest::newRow("five") << "abcde" << false;
    QTest::newRow("seven") << "abcdefg" << false;
    QTest::newRow("upper case") << "Abcdef" << false;
    QTest::newRow("digit") << "abc1ef" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("leading blank") << " abcde" << false;
    QTest::newRow("trailing newline") << "abcde\n" << false;
    QTest::newRow("non-ASCII letter") << QString::fromUtf8("abcdé") + "f" << false;
    QTest::newRow("letter after z") << "abcde{" << false;
    QTest::newRow("letter before a") << "abcde`" << false;
}

void TestRecords::remarkValidity()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    const Remark remark(text);
    QCOMPARE(remark.Ok(), valid);
    QCOMPARE(remark.test(), valid);
    QCOMPARE(remark.remark(), text);
    if (!valid) {
        QVERIFY(remark.re().isEmpty());
        QVERIFY(remark.ma().isEmpty());
        QVERIFY(remark.rk().isEmpty());
        QVERIFY(remark.rema().isEmpty());
    }
}

// The hand-written check must agree with an exact match of the shared pattern, character by character.
void TestRecords::remarkMatchesPatternForAnyText()
{
    const QRegExp pattern(ABC_REMARK);
    const QString alphabet = QString::fromUtf8("aAmzZ09`{_-~ äßЖ\t") + QChar(0xFF41) + QChar(0x0101);
    for (const QChar first : alphabet) {
        for (const QChar last : alphabet) {
            for (const QString &text : {QString("abcd") + first + last, QString(first) + "bcdef",
                                        QString("abcde") + first + last, QString("abc") + last}) {
                QVERIFY2(Remark(text).Ok() == pattern.exactMatch(text), qPrintable(text));
            }
        }
    }
}

void TestRecords::remarkParts()
{
    const Remark remark(QStringLiteral("qwerty"));
    QVERIFY(remark.Ok());
    QCOMPARE(remark.re(), QStringLiteral("qw"));
    QCOMPARE(remark.ma(), QStringLiteral("er"));
    QCOMPARE(remark.rk(), QStringLiteral("ty"));
    QCOMPARE(remark.rema(), QStringLiteral("qwer"));
    QVERIFY(!Remark().Ok());
    QVERIFY(Remark().remark().isEmpty());
}

void TestRecords::remarkChangesWithSetRemark()
{
    Remark remark(QStringLiteral("qwerty"));
    remark.setRemark(QStringLiteral("QWERTY"));
    QVERIFY(!remark.Ok());
    QCOMPARE(remark.remark(), QStringLiteral("QWERTY"));
    QVERIFY(remark.rema().isEmpty());
    remark.setRemark(QStringLiteral("asdfgh"));
    QVERIFY(remark.Ok());
    QCOMPARE(remark.rk(), QStringLiteral("gh"));
}

void TestRecords::entryValidity_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("fields");
    QTest::newRow("new entry") << "7~qwerty~qwerty~c0ffee~0~3670016~unknown~IMG_0001.JPG~unknown,unknown~10.07.2021"
                               << true << 10;
    QTest::newRow("nine fields") << "7~qwerty~qwerty~c0ffee~0~0~unknown~IMG.JPG~unknown,unknown" << false << 9;
    QTest::newRow("eleven fields") << "7~qwerty~qwerty~c0ffee~0~0~unknown~IMG.JPG~unknown,unknown~2021~x" << false
                                   << 11;
    QTest::newRow("upper-case remark") << "1~ABCDEF~~~~~~~~" << false << 10;
    QTest::newRow("remark in field 0") << "abcdef~1~~~~~~~~" << false << 10;
    QTest::newRow("everything else empty") << "~abcdef~~~~~~~~" << true << 10;
    QTest::newRow("trailing separator") << "1~abcdef~~~~~~~~~" << false << 11;
}

void TestRecords::entryValidity()
{
    QFETCH(QString, line);
    QFETCH(bool, valid);
    QFETCH(int, fields);
    const Entry entry(line);
    QCOMPARE(entry.Ok(), valid);
    QCOMPARE(entry.test(), valid);
    QCOMPARE(entry.fieldCount(), fields);
    Entry set;
    set.setEntry(line);
    QCOMPARE(set.Ok(), valid);
}

void TestRecords::emptyLineHasNoFields()
{
    const Entry entry{QString()};
    QVERIFY(!entry.Ok());
    QCOMPARE(entry.fieldCount(), 0);
    QCOMPARE(Entry().fieldCount(), 0);
    QVERIFY(!Entry().Ok());
    Entry filled(QStringLiteral("1~abcdef~~~~~~~~"));
    filled.setEntry(QString());
    QVERIFY(!filled.Ok());
    QCOMPARE(filled.fieldCount(), 0);
}

void TestRecords::splitKeepsEmptyFields()
{
    const Entry entry(QStringLiteral("1~abcdef~~~~~~~~"));
    QVERIFY(entry.Ok());
    QCOMPARE(entry.fieldCount(), 10);
    QCOMPARE(entry.getField(0), QStringLiteral("1"));
    QCOMPARE(entry.getField(1), QStringLiteral("abcdef"));
    for (int i = 2; i < 10; ++i)
        QVERIFY(entry.getField(i).isEmpty());
    QCOMPARE(entry.simpleName(), QStringLiteral("ef"));
}

void TestRecords::allFieldsReproduceTheLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::newRow("new entry") << "12~qwerty~qwerty~9e107d9d372bb6826bd81d3542a419d6~0~2097152~unknown~DSC 01.jpg~"
                                  "unknown,unknown~01.01.2020";
    QTest::newRow("described") << "3~asdfgh~qwerty~9e10~2~267649541~abcd,efgh~Song.mp3~Title,Author~1999";
    QTest::newRow("non-ASCII caption") << QString::fromUtf8("3~zxcvbn~zxcvbn~ab~0~0~unknown~Фото.jpg~Grüße aus "
                                                            "Köln,Zoë~2021");
    QTest::newRow("empty fields") << "~abcdef~~~~~~~~";
}

void TestRecords::allFieldsReproduceTheLine()
{
    QFETCH(QString, line);
    const Entry entry(line);
    QVERIFY(entry.Ok());
    QCOMPARE(entry.getAllFields(), line);
    QCOMPARE(line.split('~').join('~'), line);
    for (int i = 0; i < 10; ++i)
        QCOMPARE(entry.getField(i), line.split('~').at(i));
}

void TestRecords::invalidEntryGivesEmptyTexts()
{
    const Entry entry(QStringLiteral("1~ABCDEF~x~y~0~0~unknown~IMG.JPG~unknown,unknown~2021"));
    QVERIFY(!entry.Ok());
    QCOMPARE(entry.fieldCount(), 10);
    for (int i = 0; i < 10; ++i)
        QVERIFY(entry.getField(i).isEmpty());
    QVERIFY(entry.getAllFields().isEmpty());
    QVERIFY(entry.simpleName().isEmpty());
    QVERIFY(entry.originalFileName().isEmpty());
    QVERIFY(entry.remarkFileName().isEmpty());
}

void TestRecords::remarkFileName_data()
{
    QTest::addColumn<QString>("original");
    QTest::addColumn<QString>("expected");
    QTest::newRow("upper-case extension") << "IMG_0001.JPG" << "abcdef.JPG";
    QTest::newRow("two dots") << "archive.tar.gz" << "abcdef.gz";
    QTest::newRow("no dot") << "README" << "abcdef.README";
    QTest::newRow("blank in name") << "my song.mp3" << "abcdef.mp3";
}

void TestRecords::remarkFileName()
{
    QFETCH(QString, original);
    QFETCH(QString, expected);
    const Entry entry("1~abcdef~abcdef~00~0~0~unknown~" + original + "~unknown,unknown~2021");
    QVERIFY(entry.Ok());
    QCOMPARE(entry.remarkFileName(), expected);
    QCOMPARE(entry.originalFileName(), original);
}

void TestRecords::settingFieldOneRecomputesValidity()
{
    Entry entry(QStringLiteral("1~abcdef~abcdef~00~0~0~unknown~a.jpg~unknown,unknown~2021"));
    QVERIFY(entry.setField(1, QString()));
    QVERIFY(!entry.Ok());
    QVERIFY(entry.getAllFields().isEmpty());
    QVERIFY(entry.setField(1, QStringLiteral("qwerty")));
    QVERIFY(entry.Ok());
    QCOMPARE(entry.simpleName(), QStringLiteral("ty"));
    QCOMPARE(entry.getAllFields(), QStringLiteral("1~qwerty~abcdef~00~0~0~unknown~a.jpg~unknown,unknown~2021"));
    QVERIFY(entry.setField(1, QStringLiteral("Qwerty")));
    QVERIFY(!entry.Ok());
}

// A "~" or a line break in a value would break the record apart; they are replaced.
void TestRecords::setFieldKeepsTheRecordOnOneLine()
{
    Entry entry(QStringLiteral("1~abcdef~abcdef~00~0~0~unknown~a.jpg~unknown,unknown~2021"));
    QVERIFY(entry.setField(8, QStringLiteral("a~b,x\ny")));
    QVERIFY(entry.setField(7, QStringLiteral("\r\nname~~.jpg")));
    QVERIFY(entry.Ok());
    QCOMPARE(entry.fieldCount(), 10);
    QCOMPARE(entry.getField(8), QStringLiteral("a-b,x y"));
    QCOMPARE(entry.getField(7), QStringLiteral("  name--.jpg"));
    QCOMPARE(entry.getField(9), QStringLiteral("2021"));
    const Entry reread(entry.getAllFields());
    QVERIFY(reread.Ok());
    QCOMPARE(reread.getField(8), QStringLiteral("a-b,x y"));
    QVERIFY(!entry.getAllFields().contains('\n'));

    // The first and the last field are replaced as well as inner ones.
    QVERIFY(entry.setField(0, QStringLiteral("42")));
    QVERIFY(entry.setField(9, QString()));
    QCOMPARE(entry.getAllFields(), QStringLiteral("42~abcdef~abcdef~00~0~0~unknown~  name--.jpg~a-b,x y~"));
}

void TestRecords::setFieldOutsideTheFields()
{
    Entry entry(QStringLiteral("1~abcdef~abcdef~00~0~0~unknown~a.jpg~unknown,unknown~2021"));
    const QString before = entry.getAllFields();
    QVERIFY(!entry.setField(10, QStringLiteral("x")));
    QVERIFY(!entry.setField(-1, QStringLiteral("x")));
    QCOMPARE(entry.getAllFields(), before);
    Entry empty;
    QVERIFY(!empty.setField(0, QStringLiteral("x")));
    QCOMPARE(empty.fieldCount(), 0);
}

QTEST_GUILESS_MAIN(TestRecords)
#include "tst_records.moc"
