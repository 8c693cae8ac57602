#include <QCoreApplication>
#include <QTranslator>
#include <QtTest>

#include "category.h"

namespace {

// Answers every text of the "Category" context with a marked copy, so tests see what is translated.
class MarkingTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (qstrcmp(context, "Category") != 0)
            return QString();
        return QStringLiteral("t_") + QString::fromUtf8(sourceText);
    }
    bool isEmpty() const override { return false; }
};

QStringList descriptions(const Category::subCategory &axis)
{
    QStringList list;
    for (const Category::content &value : axis.values)
        list.append(value.description);
    return list;
}

} // namespace

// The category model: default axes, parsing of value lists, decoding and emptiness of values.
class TestCategory : public QObject
{
    Q_OBJECT

private slots:
    void defaultAxes();
    void defaultNamesAreTranslated();
    void settingAxisADerivesB();
    void valueListParsing_data();
    void valueListParsing();
    void settersReplaceLabelAndFlags();
    void majorNeedsPresent();
    void combinedValueDecodes();
    void everyBitDecodesToItsAxis();
    void emptinessWithDefaults();
    void emptinessFollowsRequiredAxes();
};

void TestCategory::defaultAxes()
{
    const Category category;
    QCOMPARE(category.subCategory_A().label, QStringLiteral("Which"));
    QCOMPARE(category.listSubCategoryValues_A(),
             QStringList({"water", "sky", "land", "flora", "fauna", "humans", "build", "wheel", "item"}));
    QCOMPARE(category.subCategory_B().label, QStringLiteral("WhichMain"));
    QCOMPARE(category.listSubCategoryValues_B(),
             QStringList({"Water", "Sky", "Land", "Flora", "Fauna", "Humans", "Build", "Wheel", "Item"}));
    QCOMPARE(category.subCategory_C().label, QStringLiteral("Where"));
    QCOMPARE(category.listSubCategoryValues_C(), QStringList({"inside", "outside"}));
    QCOMPARE(category.subCategory_D().label, QStringLiteral("Daytime"));
    QCOMPARE(category.listSubCategoryValues_D(), QStringList({"night", "morning", "day", "evening"}));
    QCOMPARE(category.subCategory_E().label, QStringLiteral("Season"));
    QCOMPARE(category.listSubCategoryValues_E(), QStringList({"winter", "spring", "summer", "autumn"}));
    QCOMPARE(category.subCategory_F().label, QStringLiteral("Picture"));
    QCOMPARE(category.listSubCategoryValues_F(),
             QStringList({"chronicle", "informative", "event", "situation", "moment", "detail", "pictorial",
                          "composition", "series", "essay", "empty_A", "empty_B", "empty_C", "empty_D", "empty_E",
                          "empty_F"}));
    QCOMPARE(category.subCategory_G().label, QStringLiteral("Method"));
    QCOMPARE(category.listSubCategoryValues_G(), QStringList({"pose", "reporting"}));

    const QList<Category::subCategory> axes = {category.subCategory_A(), category.subCategory_B(),
                                               category.subCategory_C(), category.subCategory_D(),
                                               category.subCategory_E(), category.subCategory_F(),
                                               category.subCategory_G()};
    for (int i = 0; i < axes.size(); ++i) {
        QVERIFY(axes.at(i).inUse);
        QCOMPARE(axes.at(i).required, i == 0);
    }
}

void TestCategory::defaultNamesAreTranslated()
{
    MarkingTranslator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));
    const Category category;
    QCoreApplication::removeTranslator(&translator);

    QCOMPARE(category.subCategory_A().label, QStringLiteral("t_Which"));
    QCOMPARE(category.subCategory_B().label, QStringLiteral("t_WhichMain"));
    QCOMPARE(category.subCategory_G().label, QStringLiteral("t_Method"));
    QCOMPARE(category.listSubCategoryValues_A().first(), QStringLiteral("t_water"));
    QCOMPARE(category.listSubCategoryValues_B().first(), QStringLiteral("T_water"));
    QCOMPARE(category.listSubCategoryValues_D().at(2), QStringLiteral("t_day"));
    QCOMPARE(category.listSubCategoryValues_F().last(), QStringLiteral("t_empty_F"));
    QCOMPARE(category.listSubCategoryValues_C().last(), QStringLiteral("t_outside"));
    QCOMPARE(category.listSubCategoryValues_E().first(), QStringLiteral("t_winter"));
}

void TestCategory::settingAxisADerivesB()
{
    Category category;
    category.setSubCategories_A(QStringLiteral("Animals"), QStringLiteral("cat,dog| four legs ,ápple,,"), false,
                                false);
    QCOMPARE(category.listSubCategoryValues_A(), QStringList({"cat", "dog", QString::fromUtf8("ápple"), "", ""}));
    QCOMPARE(category.listSubCategoryValues_B(), QStringList({"Cat", "Dog", QString::fromUtf8("Ápple"), "", ""}));
    // B keeps its own label and in-use flag, has no descriptions and never becomes required.
    const Category::subCategory major = category.subCategory_B();
    QCOMPARE(major.label, QStringLiteral("WhichMain"));
    QVERIFY(major.inUse);
    QVERIFY(!major.required);
    QCOMPARE(descriptions(major), QStringList({"", "", "", "", ""}));
    QCOMPARE(descriptions(category.subCategory_A()).at(1), QStringLiteral("four legs"));

    category.setSubCategories_A(QStringLiteral("A"), QStringLiteral("x"), true, true);
    QCOMPARE(category.listSubCategoryValues_B(), QStringList({"X"}));
    QVERIFY(!category.subCategory_B().required);
}

void TestCategory::valueListParsing_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("descriptions");
    QTest::newRow("three parts") << "a|x|y,b" << QStringList({"", "b"}) << QStringList({"", ""});
    QTest::newRow("with and without description") << "chronicle|-,informative"
                                                  << QStringList({"chronicle", "informative"})
                                                  << QStringList({"-", ""});
    QTest::newRow("white space simplified") << "  big   cat |  some \t text  ,dog"
                                            << QStringList({"big cat", "dog"}) << QStringList({"some text", ""});
    QTest::newRow("empty items kept") << ",," << QStringList({"", "", ""}) << QStringList({"", "", ""});
    QTest::newRow("empty text") << "" << QStringList({""}) << QStringList({""});
    QTest::newRow("empty description") << "night|" << QStringList({"night"}) << QStringList({""});
}

void TestCategory::valueListParsing()
{
    QFETCH(QString, text);
    QFETCH(QStringList, names);
    QFETCH(QStringList, descriptions);
    Category category;
    category.setSubCategories_F(QStringLiteral("Genre"), text, true, true);
    QCOMPARE(category.listSubCategoryValues_F(), names);
    QCOMPARE(::descriptions(category.subCategory_F()), descriptions);
}

void TestCategory::settersReplaceLabelAndFlags()
{
    Category category;
    category.setSubCategories_C(QStringLiteral("Home country"), QStringLiteral("native,foreign"), true, false);
    category.setSubCategories_D(QStringLiteral("Time range"), QStringLiteral("other,antique,classic,modern"), false,
                                true);
    category.setSubCategories_E(QStringLiteral("Auditory"), QStringLiteral("all,baby,youth,grownup"), true, true);
    category.setSubCategories_G(QStringLiteral("G"), QStringLiteral("A,B"), false, false);
    QCOMPARE(category.subCategory_C().label, QStringLiteral("Home country"));
    QCOMPARE(category.listSubCategoryValues_C(), QStringList({"native", "foreign"}));
    QVERIFY(!category.subCategory_D().inUse);
    QVERIFY(category.subCategory_D().required);
    QCOMPARE(category.listSubCategoryValues_D().at(3), QStringLiteral("modern"));
    QCOMPARE(category.subCategory_E().label, QStringLiteral("Auditory"));
    QVERIFY(category.subCategory_E().required);
    QCOMPARE(category.listSubCategoryValues_G(), QStringList({"A", "B"}));
    QVERIFY(!category.subCategory_G().inUse);
    // Other axes are untouched.
    QCOMPARE(category.subCategory_A().label, QStringLiteral("Which"));
    QCOMPARE(category.listSubCategoryValues_F().size(), 16);
}

void TestCategory::majorNeedsPresent()
{
    QCOMPARE(Category::subCategoryValue_B(0x200u), 0u);
    QCOMPARE(Category::subCategoryValue_B(0x201u), 1u);
    // Major flags of values 0 and 8, but only value 8 present.
    QCOMPARE(Category::subCategoryValue_B(0x20000u | 0x200u | 0x100u), 0x100u);
    QCOMPARE(Category::subCategoryValue_A(0x20000u | 0x200u | 0x100u), 0x100u);
}

void TestCategory::combinedValueDecodes()
{
    const unsigned value = 1 + 4 + 512 + 262144 + 1048576 + 6291456 + 125829120 + 134217728;
    QCOMPARE(value, 267649541u);
    const Category category;
    QCOMPARE(category.subCategoryValue_A(value), 5u);
    QCOMPARE(category.subCategoryValue_B(value), 1u);
    QCOMPARE(category.subCategoryValue_C(value), 1u);
    QCOMPARE(category.subCategoryValue_D(value), 2u);
    QCOMPARE(category.subCategoryValue_E(value), 3u);
    QCOMPARE(category.subCategoryValue_F(value), 15u);
    QCOMPARE(category.subCategoryValue_G(value), 1u);

    // A photo of a summer day taken outside, showing land and humans (humans major), as an event.
    const unsigned photo = (1u << 2) | (1u << 5) | (1u << (9 + 5)) | (1u << 18) | (2u << 19) | (2u << 21) | (2u << 23);
    QCOMPARE(Category::subCategoryValue_A(photo), 0x24u);
    QCOMPARE(Category::subCategoryValue_B(photo), 0x20u);
    QCOMPARE(Category::subCategoryValue_C(photo), 1u);
    QCOMPARE(Category::subCategoryValue_D(photo), 2u);
    QCOMPARE(Category::subCategoryValue_E(photo), 2u);
    QCOMPARE(Category::subCategoryValue_F(photo), 2u);
    QCOMPARE(Category::subCategoryValue_G(photo), 0u);
}

// Each axis reads only its own bits; the reserved bits 28-31 are read by none.
void TestCategory::everyBitDecodesToItsAxis()
{
    for (int bit = 0; bit < 32; ++bit) {
        const unsigned value = 1u << bit;
        const unsigned a = Category::subCategoryValue_A(value);
        const unsigned c = Category::subCategoryValue_C(value);
        const unsigned d = Category::subCategoryValue_D(value);
        const unsigned e = Category::subCategoryValue_E(value);
        const unsigned f = Category::subCategoryValue_F(value);
        const unsigned g = Category::subCategoryValue_G(value);
        QCOMPARE(a, bit <= 8 ? value : 0u);
        QCOMPARE(c, bit == 18 ? 1u : 0u);
        QCOMPARE(d, bit >= 19 && bit <= 20 ? 1u << (bit - 19) : 0u);
        QCOMPARE(e, bit >= 21 && bit <= 22 ? 1u << (bit - 21) : 0u);
        QCOMPARE(f, bit >= 23 && bit <= 26 ? 1u << (bit - 23) : 0u);
        QCOMPARE(g, bit == 27 ? 1u : 0u);
        QCOMPARE(Category::subCategoryValue_B(value | 511u), bit >= 9 && bit <= 17 ? 1u << (bit - 9) : 0u);
    }
    QCOMPARE(Category::subCategoryValue_F(0xFFFFFFFFu), 15u);
    QCOMPARE(Category::subCategoryValue_B(0xFFFFFFFFu), 511u);
}

void TestCategory::emptinessWithDefaults()
{
    const Category category;
    QVERIFY(category.isEmpty(0));
    QVERIFY(category.isEmpty(0x7800000u));
    QVERIFY(!category.isEmpty(1));
    QVERIFY(!category.isEmpty(0x100u));
    // Major without present, and every single-choice axis, do not count.
    QVERIFY(category.isEmpty(0x3FE00u));
    QVERIFY(category.isEmpty(0xFFFFFE00u));
}

void TestCategory::emptinessFollowsRequiredAxes()
{
    // As in a book box: A unused, F (genre) required, where index 0 is "blank".
    Category book;
    book.setSubCategories_A(QStringLiteral("A"), QStringLiteral("A,B,C,D,E,F,G,H,I"), false, false);
    book.setSubCategories_F(QStringLiteral("Genre"), QStringLiteral("blank|-,belles|-"), true, true);
    QVERIFY(book.isEmpty(0));
    QVERIFY(book.isEmpty(511u));
    QVERIFY(!book.isEmpty(1u << 23));
    QVERIFY(!book.isEmpty(0x7800000u));

    Category none;
    none.setSubCategories_A(QStringLiteral("A"), QStringLiteral("a"), true, false);
    QVERIFY(none.isEmpty(0));
    QVERIFY(none.isEmpty(0xFFFFFFFFu));

    Category two;
    two.setSubCategories_C(QStringLiteral("Where"), QStringLiteral("inside,outside"), true, true);
    QVERIFY(!two.isEmpty(1));       // A is still required
    QVERIFY(!two.isEmpty(1u << 18)); // so is C
    QVERIFY(two.isEmpty(1u << 19));
    two.setSubCategories_G(QStringLiteral("Method"), QStringLiteral("pose,reporting"), true, true);
    QVERIFY(!two.isEmpty(1u << 27));
    two.setSubCategories_D(QStringLiteral("Daytime"), QStringLiteral("a,b,c,d"), true, true);
    two.setSubCategories_E(QStringLiteral("Season"), QStringLiteral("a,b,c,d"), true, true);
    QVERIFY(!two.isEmpty(1u << 20));
    QVERIFY(!two.isEmpty(1u << 22));
    QVERIFY(two.isEmpty(1u << 9));
}

QTEST_GUILESS_MAIN(TestCategory)
#include "tst_category.moc"
