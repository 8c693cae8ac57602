#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "constants.h"
#include "mysettings.h"
#include "testsupport.h"

class TestMySettings : public QObject
{
    Q_OBJECT

private slots:
    void missingKeysFilledKeptKeysUntouched();
    void categoryListsRepaired_data();
    void categoryListsRepaired();
    void defaultValues();
};

void TestMySettings::missingKeysFilledKeptKeysUntouched()
{
    QTemporaryDir dir;
    const QString ini = dir.path() + QStringLiteral("/tessary.ini");
    QVERIFY(TestSupport::writeFile(ini, "[main]\nboxDir=/data/boxes\nlanguage=ru\n[photo]\next=\"jpg, tif\"\n"));
    {
        MySettings settings(ini, MySettings::builtInDefaults());
        settings.sync();
    }
    QSettings plain(ini, QSettings::IniFormat);
    QCOMPARE(plain.allKeys().size(), 22);
    QCOMPARE(plain.value("main/boxDir").toString(), QStringLiteral("/data/boxes"));
    QCOMPARE(plain.value("main/language").toString(), QStringLiteral("ru"));
    QCOMPARE(plain.value("photo/ext").toString(), QStringLiteral("jpg, tif"));
    QCOMPARE(plain.value("main/cpyDir").toString(), CPY_DIR_DEFAULT);
    QCOMPARE(plain.value("music/presentApp").toString(), MUSIC_PRESENT_APP);
    QCOMPARE(plain.value("library/categories").toString(), BOOK_CATEGORIES);
}

void TestMySettings::categoryListsRepaired_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("kept");
    QTest::newRow("fifteen items") << QStringLiteral("a,b,c,d,e,f,g,h,i,j,k,l,m,n,o") << false;
    QTest::newRow("seventeen items") << QStringLiteral("a,b,c,d,e,f,g,h,i,j,k,l,m,n,o,p,q") << false;
    QTest::newRow("sixteen items") << QStringLiteral("a|x,b,c,d,e,f,g,h,i,j,k,l,m,n,o,p|y") << true;
    QTest::newRow("sixteen empty items") << QStringLiteral(",,,,,,,,,,,,,,,") << true;
    QTest::newRow("empty") << QString() << false;
}

// A category list must hold sixteen items, whatever they say; any other list is replaced whole.
void TestMySettings::categoryListsRepaired()
{
    QFETCH(QString, stored);
    QFETCH(bool, kept);
    QTemporaryDir dir;
    const QString ini = dir.path() + QStringLiteral("/tessary.ini");
    {
        QSettings plain(ini, QSettings::IniFormat);
        for (const QString &box : {KEY_PHOTO, KEY_BOOK, KEY_CLIP, KEY_MUSIC})
            plain.setValue(box + KEY_CATEGORIES, stored);
    }
    {
        MySettings settings(ini, MySettings::builtInDefaults());
        settings.sync();
    }
    QSettings plain(ini, QSettings::IniFormat);
    QCOMPARE(plain.value(KEY_PHOTO + KEY_CATEGORIES).toString(), kept ? stored : PHOTO_CATEGORIES);
    QCOMPARE(plain.value(KEY_BOOK + KEY_CATEGORIES).toString(), kept ? stored : BOOK_CATEGORIES);
    QCOMPARE(plain.value(KEY_CLIP + KEY_CATEGORIES).toString(), kept ? stored : CLIP_CATEGORIES);
    QCOMPARE(plain.value(KEY_MUSIC + KEY_CATEGORIES).toString(), kept ? stored : MUSIC_CATEGORIES);
}

void TestMySettings::defaultValues()
{
    QTemporaryDir dir;
    MySettings settings(dir.path() + QStringLiteral("/tessary.ini"), MySettings::builtInDefaults());
    QCOMPARE(settings.defaultValue(KEY_GENERAL + KEY_EXTRACT_META_APP).toString(), EXTRACT_META_APP);
    QCOMPARE(settings.defaultValue(KEY_CLIP + KEY_PREVIEW_APP).toString(), CLIP_PREVIEW_APP);
    QVERIFY(!settings.defaultValue(QStringLiteral("main/nothing")).isValid());
    QCOMPARE(MySettings::builtInDefaults().size(), 22);

    // A hand-written list without quotes reads back as one text.
    QVERIFY(TestSupport::writeFile(dir.path() + QStringLiteral("/hand.ini"), "[photo]\next=jpg, png,raf\n"));
    MySettings hand(dir.path() + QStringLiteral("/hand.ini"), MySettings::builtInDefaults());
    QCOMPARE(hand.text(KEY_PHOTO + KEY_EXT), QStringLiteral("jpg,png,raf"));
}

QTEST_GUILESS_MAIN(TestMySettings)
#include "tst_mysettings.moc"
