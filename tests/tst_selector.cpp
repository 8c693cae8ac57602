#include <QtTest>

#include "category.h"
#include "entry.h"
#include "selectionsupport.h"
#include "selector.h"

using SelectionSupport::categoryValue;
using SelectionSupport::entryLine;

namespace {

const QString DAY_FORMAT = QStringLiteral("dd.MM.yyyy");
const QString YEAR_FORMAT = QStringLiteral("yyyy");

// A photo box: six primes, and two entries that belong to the groups of qwerty and poiuyt.
QList<Entry> photoBox()
{
    return {
        Entry(entryLine("1", "qwerty", "qwerty", "0", categoryValue(3, 1, 1, 2, 2, 2, 0), "aqmz,cdef", "Red Sea,John",
                        "14.05.2010")),
        Entry(entryLine("1", "abcdef", "abcdef", "2", categoryValue(1, 1, 0, 0, 0, 0, 1), "aqmz,bxyz",
                        "Harbour,unknown", "31.12.2010")),
        Entry(entryLine("2", "zxcvbn", "zxcvbn", "1", categoryValue(34, 2, 1, 3, 3, 4, 0), "cdef", "unknown,unknown",
                        "01.01.2011")),
        Entry(entryLine("2", "asdfgh", "qwerty", "0", categoryValue(3, 1, 1, 2, 2, 2, 0), "aqmz,cdef", "Red Sea,John",
                        "14.05.2010")),
        Entry(entryLine("3", "poiuyt", "poiuyt", "12", 0, "unknown", "unknown,unknown", "15.05.2012")),
        Entry(entryLine("3", "lkjhgf", "lkjhgf", "", categoryValue(4, 4, 0, 0, 0, 9, 0), "bxyz", "Dead sea,Anna", "")),
        Entry(entryLine("10", "mnbvcx", "mnbvcx", "x", categoryValue(3, 2, 1, 0, 0, 0, 0), "aqmz", "Sea gulls,unknown",
                        "01.01.2010")),
        Entry(entryLine("3", "plokij", "poiuyt", "0", 0, "Unknown", "unknown,unknown", "15.05.2012")),
    };
}

const QStringList PRIMES = {"qwerty", "abcdef", "zxcvbn", "poiuyt", "lkjhgf", "mnbvcx"};

// A book box, whose dates are years and whose main category (F) decides emptiness.
QList<Entry> bookBox()
{
    return {
        Entry(entryLine("1", "aaaaaa", "aaaaaa", "0", categoryValue(0, 0, 0, 0, 0, 1, 0), "unknown", "Dune,Herbert",
                        "1999")),
        Entry(entryLine("1", "bbbbbb", "bbbbbb", "0", categoryValue(1, 0, 1, 0, 0, 0, 0), "unknown", "Emma,Austen",
                        "2005")),
        Entry(entryLine("1", "cccccc", "cccccc", "0", categoryValue(0, 0, 0, 0, 0, 3, 1), "unknown", "Cosmos,Sagan",
                        "2010")),
        Entry(entryLine("2", "dddddd", "dddddd", "0", categoryValue(0, 0, 0, 0, 0, 1, 0), "unknown", "Ulysses,Joyce",
                        "")),
        Entry(entryLine("2", "eeeeee", "eeeeee", "0", 0, "unknown", "unknown,unknown", "05.05.2005")),
    };
}

const QStringList BOOKS = {"aaaaaa", "bbbbbb", "cccccc", "dddddd", "eeeeee"};

QStringList matching(const Selector &selector, const QList<Entry> &box)
{
    QStringList remarks;
    for (const Entry &entry : box) {
        if (selector.match(&entry))
            remarks << entry.getField(1);
    }
    return remarks;
}

QStringList except(const QStringList &all, const QStringList &left)
{
    QStringList rest = all;
    for (const QString &remark : left)
        rest.removeAll(remark);
    return rest;
}

} // namespace

class TestSelector : public QObject
{
    Q_OBJECT

private slots:
    void boxIsWellFormed();
    void emptyCriteriaMatchEveryPrime();
    void onlyPrimesMatch();
    void remarkCriterion_data();
    void remarkCriterion();
    void sessionCriterion_data();
    void sessionCriterion();
    void hardcopyCriterion_data();
    void hardcopyCriterion();
    void hardcopyFieldIsReduced();
    void titleCriterion_data();
    void titleCriterion();
    void keywordCriterion_data();
    void keywordCriterion();
    void dateCriterion_data();
    void dateCriterion();
    void yearDateCriterion_data();
    void yearDateCriterion();
    void dateTemplatesAreBuilt();
    void categoryCriterion_data();
    void categoryCriterion();
    void bookCategoryCriterion_data();
    void bookCategoryCriterion();
    void categoryFieldIsReadAsNumber();
    void checkCategoryIgnoresNegation();
    void criteriaCombine();
    void withoutTests();
};

void TestSelector::boxIsWellFormed()
{
    for (const Entry &entry : photoBox() + bookBox())
        QVERIFY2(entry.Ok(), qPrintable(entry.getAllFields()));
}

void TestSelector::emptyCriteriaMatchEveryPrime()
{
    const Selector selector("", "", "", "", "", "", "", SelectionSupport::photoCategory(), DAY_FORMAT);
    QCOMPARE(matching(selector, photoBox()), PRIMES);
    const Selector blanks("  ", " ", "\t", " ", " ", " ", "   ", SelectionSupport::photoCategory(), DAY_FORMAT);
    QCOMPARE(matching(blanks, photoBox()), PRIMES);
}

void TestSelector::onlyPrimesMatch()
{
    // asdfgh satisfies every criterion except that it resembles qwerty.
    const Selector selector("asdfgh,qwerty", "+water", "+aqmz", "14.05.2010", "1,2", "0", "Red Sea",
                            SelectionSupport::photoCategory(), DAY_FORMAT);
    QCOMPARE(matching(selector, photoBox()), QStringList({"qwerty"}));
    const Selector negated("~qwerty", "", "", "", "", "", "", SelectionSupport::photoCategory(), DAY_FORMAT);
    QVERIFY(!matching(negated, photoBox()).contains("asdfgh"));
    QVERIFY(!matching(negated, photoBox()).contains("plokij"));
    // A line that is no entry is never selected.
    const Entry broken(QStringLiteral("1~qwerty~qwerty"));
    const Selector all("", "", "", "", "", "", "", SelectionSupport::photoCategory(), DAY_FORMAT);
    QVERIFY(!all.match(&broken));
    QVERIFY(!all.match(nullptr));
}

void TestSelector::remarkCriterion_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("one") << "zxcvbn" << QStringList({"zxcvbn"});
    QTest::newRow("two") << "mnbvcx,qwerty" << QStringList({"qwerty", "mnbvcx"});
    QTest::newRow("blank removed") << " mnbv cx , qwerty" << QStringList({"qwerty", "mnbvcx"});
    QTest::newRow("group member") << "asdfgh" << QStringList();
    QTest::newRow("unknown") << "zzzzzz" << QStringList();
    QTest::newRow("upper case") << "QWERTY" << QStringList();
    QTest::newRow("negated") << "~abcdef, qwerty" << except(PRIMES, {"abcdef", "qwerty"});
    QTest::newRow("negated unknown") << "~zzzzzz" << PRIMES;
    QTest::newRow("sign alone") << "~" << PRIMES;
    QTest::newRow("empty alternatives") << ",,qwerty,," << QStringList({"qwerty"});
}

void TestSelector::remarkCriterion()
{
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    const Selector selector(text, "", "", "", "", "", "", SelectionSupport::photoCategory(), DAY_FORMAT);
    QCOMPARE(matching(selector, photoBox()), expected);
}

void TestSelector::sessionCriterion_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("one") << "2" << QStringList({"zxcvbn"});
    QTest::newRow("two") << "1,3" << QStringList({"qwerty", "abcdef", "poiuyt", "lkjhgf"});
    QTest::newRow("blanks inside") << " 1 0" << QStringList({"mnbvcx"});
    QTest::newRow("whole text only") << "0" << QStringList();
    QTest::newRow("negated") << "~1" << QStringList({"zxcvbn", "poiuyt", "lkjhgf", "mnbvcx"});
    QTest::newRow("negated two") << "~1,2,3" << QStringList({"mnbvcx"});
}

void TestSelector::sessionCriterion()
{
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    const Selector selector("", "", "", "", text, "", "", SelectionSupport::photoCategory(), DAY_FORMAT);
    QCOMPARE(matching(selector, photoBox()), expected);
}

void TestSelector::hardcopyCriterion_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");
    // Hardcopy fields: qwerty 0, abcdef 2, zxcvbn 1, poiuyt 12, lkjhgf empty, mnbvcx x.
    QTest::newRow("printed") << "1" << QStringList({"abcdef", "zxcvbn", "poiuyt"});
    QTest::newRow("not printed") << "0" << QStringList({"qwerty", "lkjhgf", "mnbvcx"});
    QTest::newRow("either") << "0,1" << PRIMES;
    QTest::newRow("a count is no alternative") << "2" << QStringList();
    QTest::newRow("negated") << "~1" << QStringList({"qwerty", "lkjhgf", "mnbvcx"});
    QTest::newRow("negated either") << "~0,1" << QStringList();
}

void TestSelector::hardcopyCriterion()
{
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    const Selector selector("", "", "", "", "", text, "", SelectionSupport::photoCategory(), DAY_FORMAT);
    QCOMPARE(matching(selector, photoBox()), expected);
}

void TestSelector::hardcopyFieldIsReduced()
{
    const Selector printed("", "", "", "", "", "1", "", Category(), DAY_FORMAT);
    const Selector notPrinted("", "", "", "", "", "0", "", Category(), DAY_FORMAT);
    for (const QString &field : QStringList({"1", "3", "12"})) {
        QVERIFY(printed.cmp_print(field));
        QVERIFY(!notPrinted.cmp_print(field));
    }
    for (const QString &field : QStringList({"0", "", "x", "-1"})) {
        QVERIFY(!printed.cmp_print(field));
        QVERIFY(notPrinted.cmp_print(field));
    }
}

void TestSelector::titleCriterion_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("part of a title") << "sea" << QStringList({"qwerty", "lkjhgf", "mnbvcx"});
    QTest::newRow("negated") << "~sea" << QStringList({"abcdef", "zxcvbn", "poiuyt"});
    QTest::newRow("negated with blanks") << "  ~  sea " << QStringList({"abcdef", "zxcvbn", "poiuyt"});
    QTest::newRow("blanks kept inside") << "red  sea" << QStringList({"qwerty"});
    QTest::newRow("alternatives") << "RED SEA, harbour" << QStringList({"qwerty", "abcdef"});
    QTest::newRow("author") << "anna" << QStringList({"lkjhgf"});
    QTest::newRow("undescribed") << "unknown" << QStringList({"abcdef", "zxcvbn", "poiuyt", "mnbvcx"});
    QTest::newRow("empty alternatives") << "  ,  " << PRIMES;
    QTest::newRow("nothing like it") << "ocean" << QStringList();
}

void TestSelector::titleCriterion()
{
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    const Selector selector("", "", "", "", "", "", text, SelectionSupport::photoCategory(), DAY_FORMAT);
    QCOMPARE(matching(selector, photoBox()), expected);
}

void TestSelector::keywordCriterion_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");
    // Keyword fields: qwerty aqmz,cdef; abcdef aqmz,bxyz; zxcvbn cdef; poiuyt unknown; lkjhgf bxyz;
    // mnbvcx aqmz.
    QTest::newRow("with and without") << "+aqmz-bxyz" << QStringList({"qwerty", "mnbvcx"});
    QTest::newRow("unsigned first") << "aqmz-bxyz" << QStringList({"qwerty", "mnbvcx"});
    QTest::newRow("blanks removed") << " + aqmz - bxyz " << QStringList({"qwerty", "mnbvcx"});
    QTest::newRow("without only") << "-bxyz" << QStringList({"qwerty", "zxcvbn", "poiuyt", "mnbvcx"});
    QTest::newRow("alternatives") << "+aqmz,+cdef" << QStringList({"qwerty", "abcdef", "zxcvbn", "mnbvcx"});
    QTest::newRow("negated") << "~+aqmz" << QStringList({"zxcvbn", "poiuyt", "lkjhgf"});
    QTest::newRow("negated alternatives") << "~+aqmz,+cdef" << QStringList({"poiuyt", "lkjhgf"});
    // A key takes the sign of its first occurrence.
    QTest::newRow("first sign plus") << "+aqmz-aqmz" << QStringList({"qwerty", "abcdef", "mnbvcx"});
    QTest::newRow("first sign minus") << "-aqmz+aqmz" << QStringList({"zxcvbn", "poiuyt", "lkjhgf"});
    QTest::newRow("later repeat") << "+cdef-bxyz+bxyz" << QStringList({"qwerty", "zxcvbn"});
    QTest::newRow("signs only") << "+" << PRIMES;
    QTest::newRow("no words found") << "nothing" << QStringList();
}

void TestSelector::keywordCriterion()
{
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    const Selector selector("", "", text, "", "", "", "", SelectionSupport::photoCategory(), DAY_FORMAT);
    QCOMPARE(matching(selector, photoBox()), expected);
}

void TestSelector::dateCriterion_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");
    // Dates: qwerty 14.05.2010, abcdef 31.12.2010, zxcvbn 01.01.2011, poiuyt 15.05.2012, lkjhgf none,
    // mnbvcx 01.01.2010.
    QTest::newRow("closed") << "01.01.2010-31.12.2010" << QStringList({"qwerty", "abcdef", "mnbvcx"});
    QTest::newRow("from") << "01.01.2011-" << QStringList({"zxcvbn", "poiuyt"});
    QTest::newRow("from first day") << "01.01.2010-" << except(PRIMES, {"lkjhgf"});
    QTest::newRow("up to") << "-01.01.2010" << QStringList({"mnbvcx"});
    QTest::newRow("up to, dots") << "...-31.12.2010" << QStringList({"qwerty", "abcdef", "mnbvcx"});
    QTest::newRow("from, dots") << "31.12.2010-..." << QStringList({"abcdef", "zxcvbn", "poiuyt"});
    QTest::newRow("exact") << "15.05.2012" << QStringList({"poiuyt"});
    QTest::newRow("exact with blanks") << " 14.05. 2010 " << QStringList({"qwerty"});
    QTest::newRow("two days") << "14.05.2010,15.05.2012" << QStringList({"qwerty", "poiuyt"});
    QTest::newRow("year only builds nothing") << "2010" << PRIMES;
    QTest::newRow("three parts ignored") << "01.01.2010-31.12.2010-01.01.2012" << PRIMES;
    QTest::newRow("reversed range") << "31.12.2010-01.01.2010" << QStringList();
    QTest::newRow("negated") << "~01.01.2010-31.12.2010" << QStringList({"zxcvbn", "poiuyt"});
    QTest::newRow("negated nothing built") << "~2010" << PRIMES;
}

void TestSelector::dateCriterion()
{
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    const Selector selector("", "", "", text, "", "", "", SelectionSupport::photoCategory(), DAY_FORMAT);
    QCOMPARE(matching(selector, photoBox()), expected);
}

void TestSelector::yearDateCriterion_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");
    // Years: aaaaaa 1999, bbbbbb 2005, cccccc 2010, dddddd none, eeeeee a day (no year).
    QTest::newRow("closed") << "2000-2009" << QStringList({"bbbbbb"});
    QTest::newRow("closed inclusive") << "1999-2005" << QStringList({"aaaaaa", "bbbbbb"});
    QTest::newRow("from") << "2005-" << QStringList({"bbbbbb", "cccccc"});
    QTest::newRow("up to") << "-2005" << QStringList({"aaaaaa", "bbbbbb"});
    QTest::newRow("exact") << "2005" << QStringList({"bbbbbb"});
    QTest::newRow("alternatives") << "1999,2010" << QStringList({"aaaaaa", "cccccc"});
    QTest::newRow("day builds nothing") << "05.05.2005" << BOOKS;
    QTest::newRow("negated") << "~2000-2009" << QStringList({"aaaaaa", "cccccc"});
}

void TestSelector::yearDateCriterion()
{
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    const Selector selector("", "", "", text, "", "", "", SelectionSupport::bookCategory(), YEAR_FORMAT);
    QCOMPARE(matching(selector, bookBox()), expected);
}

void TestSelector::dateTemplatesAreBuilt()
{
    const Selector selector("", "", "", "01.01.2010-31.12.2010,01.02.2010-,-01.03.2010,01.04.2010,x-y,2010,-,,a-b-c",
                            "", "", "", Category(), DAY_FORMAT);
    const QVector<Selector::dt_template> templates = selector.dateTemplates();
    QCOMPARE(templates.size(), 4);
    QCOMPARE(templates.at(0).kind, 0);
    QCOMPARE(templates.at(0).first, QDate(2010, 1, 1));
    QCOMPARE(templates.at(0).second, QDate(2010, 12, 31));
    QCOMPARE(templates.at(1).kind, 2);
    QCOMPARE(templates.at(1).first, QDate(2010, 2, 1));
    QCOMPARE(templates.at(1).second, QDate(2010, 2, 1));
    QCOMPARE(templates.at(2).kind, 1);
    QCOMPARE(templates.at(2).first, QDate(2010, 3, 1));
    QCOMPARE(templates.at(2).second, QDate(2010, 3, 1));
    QCOMPARE(templates.at(3).kind, 3);
    QCOMPARE(templates.at(3).first, QDate(2010, 4, 1));
    // A field that is no date fails a date criterion, negated or not.
    QVERIFY(!selector.cmp_date(""));
    QVERIFY(!selector.cmp_date("31.02.2010"));
    const Selector negated("", "", "", "~01.01.2010", "", "", "", Category(), DAY_FORMAT);
    QVERIFY(!negated.cmp_date("garbage"));
    QVERIFY(negated.cmp_date("02.01.2010"));
}

void TestSelector::categoryCriterion_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");
    // which (A present / major): qwerty water sky / water; abcdef water / water; zxcvbn sky humans / sky;
    // poiuyt none; lkjhgf land / land; mnbvcx water sky / sky.
    QTest::newRow("present") << "+water" << QStringList({"qwerty", "abcdef", "mnbvcx"});
    QTest::newRow("unsigned first name") << "water+sky" << QStringList({"qwerty", "mnbvcx"});
    QTest::newRow("absent") << "-water" << QStringList({"zxcvbn", "poiuyt", "lkjhgf"});
    QTest::newRow("major") << "+Sky" << QStringList({"zxcvbn", "mnbvcx"});
    QTest::newRow("present not major") << "-Sky" << QStringList({"qwerty"});
    QTest::newRow("present and sky not major") << "+water-Sky" << QStringList({"qwerty"});
    QTest::newRow("major water without sky") << "+Water-sky" << QStringList({"abcdef"});
    QTest::newRow("major land") << "+Land" << QStringList({"lkjhgf"});
    QTest::newRow("name sign of first occurrence") << "+sky-water+water" << QStringList({"zxcvbn"});
    QTest::newRow("unknown name ignored") << "+water+unicorn" << QStringList({"qwerty", "abcdef", "mnbvcx"});
    QTest::newRow("only unknown names") << "+unicorn-Dragon" << PRIMES;
    // where, daytime, season, picture, method.
    QTest::newRow("where") << ",inside" << QStringList({"abcdef", "poiuyt", "lkjhgf"});
    QTest::newRow("where blanks") << " , in side " << QStringList({"abcdef", "poiuyt", "lkjhgf"});
    QTest::newRow("where either") << ",inside|outside" << PRIMES;
    QTest::newRow("daytime") << ",,day|evening" << QStringList({"qwerty", "zxcvbn"});
    QTest::newRow("season") << ",,,summer" << QStringList({"qwerty"});
    QTest::newRow("picture") << ",,,,event|moment" << QStringList({"qwerty", "zxcvbn"});
    QTest::newRow("picture essay") << ",,,,essay" << QStringList({"lkjhgf"});
    QTest::newRow("method") << ",,,,,pose" << except(PRIMES, {"abcdef"});
    QTest::newRow("name of another box") << ",native" << QStringList();
    QTest::newRow("other box's name beside ours") << ",inside|native" << QStringList({"abcdef", "poiuyt", "lkjhgf"});
    QTest::newRow("major name in where") << ",Inside" << QStringList();
    QTest::newRow("which and where and daytime") << "+water,outside,day" << QStringList({"qwerty"});
    QTest::newRow("extra positions ignored") << ",,,,,,inside" << PRIMES;
    QTest::newRow("negated") << "~,inside" << QStringList({"qwerty", "zxcvbn", "mnbvcx"});
    QTest::newRow("negated which") << "~+water" << QStringList({"zxcvbn", "poiuyt", "lkjhgf"});
    QTest::newRow("negated nothing") << "~,,," << PRIMES;
    QTest::newRow("sign alone") << "~" << PRIMES;
}

void TestSelector::categoryCriterion()
{
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    const Selector selector("", text, "", "", "", "", "", SelectionSupport::photoCategory(), DAY_FORMAT);
    QCOMPARE(matching(selector, photoBox()), expected);
}

void TestSelector::bookCategoryCriterion_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("genre") << ",,,,belles" << QStringList({"aaaaaa", "dddddd"});
    QTest::newRow("genre blank") << ",,,,blank" << QStringList({"bbbbbb", "eeeeee"});
    QTest::newRow("home country") << ",foreign" << QStringList({"bbbbbb"});
    QTest::newRow("style") << ",,,,,poesy" << QStringList({"cccccc"});
    QTest::newRow("unused axis still decodes") << "+A" << QStringList({"bbbbbb"});
    QTest::newRow("photo name") << ",,,,chronicle" << QStringList();
    QTest::newRow("photo which name ignored") << "+water" << BOOKS;
}

void TestSelector::bookCategoryCriterion()
{
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    const Selector selector("", text, "", "", "", "", "", SelectionSupport::bookCategory(), YEAR_FORMAT);
    QCOMPARE(matching(selector, bookBox()), expected);
}

void TestSelector::categoryFieldIsReadAsNumber()
{
    const Selector inside("", ",inside", "", "", "", "", "", SelectionSupport::photoCategory(), DAY_FORMAT);
    // An unreadable field counts as 0: inside, night, winter, chronicle, pose.
    QVERIFY(inside.cmp_category("garbage"));
    QVERIFY(inside.cmp_category(""));
    QVERIFY(!inside.cmp_category(QString::number(categoryValue(0, 0, 1, 0, 0, 0, 0))));
    const Selector water("", "+water", "", "", "", "", "", SelectionSupport::photoCategory(), DAY_FORMAT);
    QVERIFY(!water.cmp_category("-1"));
    QVERIFY(water.cmp_category("1"));
    // Major without present is no major value.
    const Selector major("", "+Water", "", "", "", "", "", SelectionSupport::photoCategory(), DAY_FORMAT);
    QVERIFY(!major.cmp_category(QString::number(0x200)));
    QVERIFY(major.cmp_category(QString::number(0x201)));
}

void TestSelector::checkCategoryIgnoresNegation()
{
    const Selector selector("", "~+water,outside", "", "", "", "", "", SelectionSupport::photoCategory(), DAY_FORMAT);
    const unsigned waterOutside = categoryValue(1, 0, 1, 0, 0, 0, 0);
    QVERIFY(selector.check_category(waterOutside));
    QVERIFY(!selector.cmp_category(QString::number(waterOutside)));
    QVERIFY(!selector.check_category(categoryValue(1, 0, 0, 0, 0, 0, 0)));
    QVERIFY(selector.cmp_category(QString::number(categoryValue(1, 0, 0, 0, 0, 0, 0))));
    // Every decodable value of the picture axis can be asked for by name.
    const QStringList pictures = SelectionSupport::photoCategory().listSubCategoryValues_F();
    QCOMPARE(pictures.size(), 16);
    for (int i = 0; i < pictures.size(); ++i) {
        const Selector picture("", ",,,," + pictures.at(i), "", "", "", "", "", SelectionSupport::photoCategory(),
                               DAY_FORMAT);
        QVERIFY(picture.check_category(categoryValue(0, 0, 0, 0, 0, unsigned(i), 0)));
        QVERIFY(!picture.check_category(categoryValue(0, 0, 0, 0, 0, unsigned(15 - i), 0)));
    }
}

void TestSelector::criteriaCombine()
{
    const Category photo = SelectionSupport::photoCategory();
    const Selector both("", "+water", "+aqmz-bxyz", "01.01.2010-31.12.2010", "1,10", "0", "sea", photo, DAY_FORMAT);
    QCOMPARE(matching(both, photoBox()), QStringList({"qwerty", "mnbvcx"}));
    const Selector session("", "+water", "+aqmz-bxyz", "01.01.2010-31.12.2010", "1", "0", "sea", photo, DAY_FORMAT);
    QCOMPARE(matching(session, photoBox()), QStringList({"qwerty"}));
    const Selector title("", "+water", "+aqmz-bxyz", "01.01.2010-31.12.2010", "1,10", "0", "~sea", photo, DAY_FORMAT);
    QCOMPARE(matching(title, photoBox()), QStringList());
    const Selector remark("~qwerty", "+water", "+aqmz-bxyz", "01.01.2010-31.12.2010", "", "", "", photo,
                          DAY_FORMAT);
    QCOMPARE(matching(remark, photoBox()), QStringList({"mnbvcx"}));
    const Selector date("", "-Sky", "+aqmz", "~01.01.2011-", "", "0", "", photo, DAY_FORMAT);
    QCOMPARE(matching(date, photoBox()), QStringList({"qwerty"}));
}

void TestSelector::withoutTests()
{
    const QList<Entry> photos = photoBox();
    const Category photo = SelectionSupport::photoCategory();
    QStringList noCategory;
    QStringList noKeyword;
    QStringList noTitle;
    for (const Entry &entry : photos) {
        if (Selector::withoutCategory(&entry, photo))
            noCategory << entry.getField(1);
        if (Selector::withoutKeyword(&entry))
            noKeyword << entry.getField(1);
        if (Selector::withoutTitle(&entry))
            noTitle << entry.getField(1);
    }
    // Group members count too.
    QCOMPARE(noCategory, QStringList({"poiuyt", "plokij"}));
    QCOMPARE(noKeyword, QStringList({"poiuyt", "plokij"}));
    QCOMPARE(noTitle, QStringList({"abcdef", "zxcvbn", "poiuyt", "mnbvcx", "plokij"}));

    // In a book box the genre decides, and A's bits do not count.
    QStringList books;
    for (const Entry &entry : bookBox()) {
        if (Selector::withoutCategory(&entry, SelectionSupport::bookCategory()))
            books << entry.getField(1);
    }
    QCOMPARE(books, QStringList({"bbbbbb", "eeeeee"}));
    QVERIFY(!Selector::withoutKeyword(nullptr));
}

QTEST_GUILESS_MAIN(TestSelector)
#include "tst_selector.moc"
