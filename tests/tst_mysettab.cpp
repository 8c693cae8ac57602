#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScopedPointer>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTranslator>
#include <QVBoxLayout>
#include <QtTest>

#include "constants.h"
#include "mysettab.h"
#include "mysettings.h"
#include "settingssupport.h"
#include "testsupport.h"

namespace {

// Two built-in labels in another language, as a loaded translation would give them.
class LabelTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (qstrcmp(context, "MySetTab") != 0)
            return QString();
        if (qstrcmp(sourceText, "chronicle") == 0)
            return QStringLiteral("Хроника");
        if (qstrcmp(sourceText, "event") == 0)
            return QStringLiteral("Событие");
        return QString();
    }
    bool isEmpty() const override { return false; }
};

const QString PHOTO_CUSTOM = QStringLiteral(
    "family|home life,informative|-,party,situation|-,moment|-,detail|-,pictorial|-,composition|-,series|-,essay|-,"
    "empty_A|-,empty_B|-,empty_C|-,empty_D|-,empty_E|-,empty_F|-");

} // namespace

class TestMySetTab : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    // Extensions
    void extensionsComeFromStore();
    void addRefusesListedTextIgnoringCase();
    void enterAddsAndNeverAcceptsDialog();
    void deleteClearAndDefault();
    void defaultComparesSortedItems();
    void extensionsAreSavedJoined();

    // Assistance programs
    void programRowsShowStatusAndDefault();

    // Categories
    void categoriesComeFromStore();
    void editingModeTogglesCells();
    void emptiedLabelGetsRowDefault();
    void predefineRestoresDefaultList();
    void categoriesAreSavedSimplified();
    void builtInLabelsAreShownTranslatedAndStoredPlain();

private:
    MySetTab *makeTab(const QString &box);
    QString iniFile() const;
    QStringList listItems() const;
    QString column(int index) const;

    QScopedPointer<QTemporaryDir> dir;
    QScopedPointer<MySettings> settings;
    QScopedPointer<MySetTab> tab;
    QScopedPointer<LabelTranslator> translator;
};

void TestMySetTab::init()
{
    dir.reset(new QTemporaryDir);
    QVERIFY(dir->isValid());
    settings.reset(TestSupport::makeSettings(*dir));
}

void TestMySetTab::cleanup()
{
    tab.reset();
    if (translator)
        QCoreApplication::removeTranslator(translator.data());
    translator.reset();
    settings.reset();
    dir.reset();
}

MySetTab *TestMySetTab::makeTab(const QString &box)
{
    tab.reset(new MySetTab(box, settings.data()));
    tab->show();
    return tab.data();
}

QString TestMySetTab::iniFile() const
{
    return dir->path() + QStringLiteral("/tessary.ini");
}

QStringList TestMySetTab::listItems() const
{
    QStringList items;
    auto list = tab->findChild<QListWidget *>(QStringLiteral("extList"));
    for (int row = 0; list && row < list->count(); ++row)
        items << list->item(row)->text();
    return items;
}

QString TestMySetTab::column(int index) const
{
    QStringList texts;
    auto table = tab->findChild<QTableWidget *>(QStringLiteral("myCatTable"));
    for (int row = 0; table && row < table->rowCount(); ++row)
        texts << table->item(row, index)->text();
    return texts.join(QLatin1Char(','));
}

// Extensions

void TestMySetTab::extensionsComeFromStore()
{
    MySetTab *t = makeTab(KEY_PHOTO);
    for (const char *name : {"extGroupBox", "myCatGroupBox", "AppGroupBox"})
        QVERIFY2(t->findChild<QWidget *>(QLatin1String(name)), name);
    auto add = t->findChild<QPushButton *>(QStringLiteral("extAddButton"));
    auto remove = t->findChild<QPushButton *>(QStringLiteral("extDeleteButton"));
    auto clear = t->findChild<QPushButton *>(QStringLiteral("extClearButton"));
    auto byDefault = t->findChild<QPushButton *>(QStringLiteral("extDefaultButton"));
    QVERIFY(add && remove && clear && byDefault);
    QCOMPARE(listItems(), (QStringList{"jpg", "jpeg", "raf", "png"}));
    QVERIFY(!add->isEnabled());
    QVERIFY(!remove->isEnabled());
    QVERIFY(clear->isEnabled());
    QVERIFY(!byDefault->isEnabled());
    QCOMPARE(byDefault->text(), QStringLiteral("Default"));
}

void TestMySetTab::addRefusesListedTextIgnoringCase()
{
    MySetTab *t = makeTab(KEY_PHOTO);
    auto edit = t->findChild<QLineEdit *>(QStringLiteral("extLineEdit"));
    auto add = t->findChild<QPushButton *>(QStringLiteral("extAddButton"));
    auto byDefault = t->findChild<QPushButton *>(QStringLiteral("extDefaultButton"));
    QVERIFY(edit && add && byDefault);

    QTest::keyClicks(edit, QStringLiteral("JPG"));
    QVERIFY(!add->isEnabled());
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(listItems().size(), 4);
    QCOMPARE(edit->text(), QStringLiteral("JPG"));

    edit->setText(QStringLiteral(" Png "));
    QVERIFY(!add->isEnabled());
    edit->setText(QStringLiteral("   "));
    QVERIFY(!add->isEnabled());
    // A comma would turn one extension into two in the stored list.
    edit->setText(QStringLiteral("tif,gif"));
    QVERIFY(!add->isEnabled());

    edit->clear();
    QTest::keyClicks(edit, QStringLiteral("  TIF "));
    QVERIFY(add->isEnabled());
    QTest::mouseClick(add, Qt::LeftButton);
    QCOMPARE(listItems(), (QStringList{"jpg", "jpeg", "raf", "png", "TIF"}));
    QCOMPARE(edit->text(), QString());
    QVERIFY(!add->isEnabled());
    QVERIFY(byDefault->isEnabled());
    QTest::keyClicks(edit, QStringLiteral("tif"));
    QVERIFY(!add->isEnabled());
}

void TestMySetTab::enterAddsAndNeverAcceptsDialog()
{
    QDialog host;
    auto layout = new QVBoxLayout(&host);
    auto t = new MySetTab(KEY_BOOK, settings.data(), &host);
    layout->addWidget(t);
    auto ok = new QPushButton(QStringLiteral("OK"), &host);
    ok->setDefault(true);
    layout->addWidget(ok);
    connect(ok, &QPushButton::clicked, &host, &QDialog::accept);
    QSignalSpy accepted(&host, &QDialog::accepted);
    host.show();
    QVERIFY(QTest::qWaitForWindowActive(&host));

    auto edit = t->findChild<QLineEdit *>(QStringLiteral("extLineEdit"));
    QVERIFY(edit);
    edit->setFocus();
    QTest::keyClicks(edit, QStringLiteral("epub"));
    QTest::keyClick(edit, Qt::Key_Return);
    auto list = t->findChild<QListWidget *>(QStringLiteral("extList"));
    QVERIFY(list);
    QCOMPARE(list->item(list->count() - 1)->text(), QStringLiteral("epub"));
    QCOMPARE(edit->text(), QString());

    QTest::keyClicks(edit, QStringLiteral("PDF"));
    QTest::keyClick(edit, Qt::Key_Enter);
    QCOMPARE(list->count(), 7);
    QCOMPARE(accepted.count(), 0);
    QVERIFY(host.isVisible());
}

void TestMySetTab::deleteClearAndDefault()
{
    MySetTab *t = makeTab(KEY_PHOTO);
    auto list = t->findChild<QListWidget *>(QStringLiteral("extList"));
    auto remove = t->findChild<QPushButton *>(QStringLiteral("extDeleteButton"));
    auto clear = t->findChild<QPushButton *>(QStringLiteral("extClearButton"));
    auto byDefault = t->findChild<QPushButton *>(QStringLiteral("extDefaultButton"));
    QVERIFY(list && remove && clear && byDefault);

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
    QVERIFY(remove->isEnabled());
    QTest::mouseClick(remove, Qt::LeftButton);
    QCOMPARE(listItems(), (QStringList{"jpg", "raf", "png"}));
    QVERIFY(byDefault->isEnabled());

    QTest::mouseClick(clear, Qt::LeftButton);
    QCOMPARE(listItems(), QStringList());
    QVERIFY(!clear->isEnabled());
    QVERIFY(!remove->isEnabled());
    QVERIFY(byDefault->isEnabled());

    QTest::mouseClick(byDefault, Qt::LeftButton);
    QCOMPARE(listItems(), (QStringList{"jpg", "jpeg", "raf", "png"}));
    QVERIFY(!byDefault->isEnabled());
    QVERIFY(clear->isEnabled());
}

void TestMySetTab::defaultComparesSortedItems()
{
    settings->setValue(KEY_PHOTO + KEY_EXT, QStringLiteral("png,raf , jpeg,jpg"));
    MySetTab *t = makeTab(KEY_PHOTO);
    auto byDefault = t->findChild<QPushButton *>(QStringLiteral("extDefaultButton"));
    QVERIFY(byDefault);
    QCOMPARE(listItems(), (QStringList{"png", "raf", "jpeg", "jpg"}));
    QVERIFY(!byDefault->isEnabled());

    settings->setValue(KEY_CLIP + KEY_EXT, QStringLiteral("MP4,avi,flv"));
    t = makeTab(KEY_CLIP);
    byDefault = t->findChild<QPushButton *>(QStringLiteral("extDefaultButton"));
    QVERIFY(byDefault);
    QVERIFY(byDefault->isEnabled());
}

void TestMySetTab::extensionsAreSavedJoined()
{
    settings->setValue(KEY_MUSIC + KEY_EXT, QStringLiteral(" mp3 , ,flac"));
    MySetTab *t = makeTab(KEY_MUSIC);
    QCOMPARE(listItems(), (QStringList{"mp3", "flac"}));
    t->saveSettings();
    settings->sync();
    QCOMPARE(SettingsSupport::storedValue(iniFile(), KEY_MUSIC + KEY_EXT).toString(), QStringLiteral("mp3,flac"));

    QTest::mouseClick(t->findChild<QPushButton *>(QStringLiteral("extClearButton")), Qt::LeftButton);
    t->saveSettings();
    settings->sync();
    QCOMPARE(SettingsSupport::storedValue(iniFile(), KEY_MUSIC + KEY_EXT).toString(), QString());
    // Other boxes are not touched by this tab.
    QCOMPARE(SettingsSupport::storedValue(iniFile(), KEY_PHOTO + KEY_EXT).toString(), PHOTO_EXT);
}

// Assistance programs

void TestMySetTab::programRowsShowStatusAndDefault()
{
    settings->setValue(KEY_BOOK + KEY_PREVIEW_APP, QStringLiteral("sh -c %1"));
    MySetTab *t = makeTab(KEY_BOOK);
    struct Row {
        const char *edit, *status, *button;
        QString defaultText;
    };
    const Row rows[] = {{"previewAppLineEdit", "previewAppStatus", "previewAppDefaultButton", BOOK_PREVIEW_APP},
                        {"presentAppLineEdit", "presentAppStatus", "presentAppDefaultButton", BOOK_PRESENT_APP}};
    for (const Row &row : rows) {
        auto edit = t->findChild<QLineEdit *>(QLatin1String(row.edit));
        auto status = t->findChild<QLabel *>(QLatin1String(row.status));
        auto button = t->findChild<QPushButton *>(QLatin1String(row.button));
        QVERIFY2(edit && status && button, row.edit);
        QCOMPARE(button->text(), QStringLiteral("Predefine"));

        edit->setText(QStringLiteral("  \"sh\"  -c %1"));
        QCOMPARE(status->text(), QStringLiteral("Ok"));
        QVERIFY(button->isEnabled());
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(edit->text(), row.defaultText);
        QCOMPARE(status->text(), QStringLiteral("Absent"));
        QVERIFY(!button->isEnabled());
        edit->setText(row.defaultText + QStringLiteral("  "));
        QVERIFY(!button->isEnabled());
    }
    auto preview = t->findChild<QLineEdit *>(QStringLiteral("previewAppLineEdit"));
    preview->setText(QStringLiteral("  okular   %1 "));
    t->saveSettings();
    settings->sync();
    QCOMPARE(SettingsSupport::storedValue(iniFile(), KEY_BOOK + KEY_PREVIEW_APP).toString(),
             QStringLiteral("okular %1"));
    QCOMPARE(SettingsSupport::storedValue(iniFile(), KEY_BOOK + KEY_PRESENT_APP).toString(), BOOK_PRESENT_APP);
}

// Categories

void TestMySetTab::categoriesComeFromStore()
{
    settings->setValue(KEY_PHOTO + KEY_CATEGORIES, PHOTO_CUSTOM);
    MySetTab *t = makeTab(KEY_PHOTO);
    auto table = t->findChild<QTableWidget *>(QStringLiteral("myCatTable"));
    QVERIFY(table);
    QCOMPARE(table->columnCount(), 2);
    QCOMPARE(table->horizontalHeaderItem(0)->text(), QStringLiteral("Category"));
    QCOMPARE(table->horizontalHeaderItem(1)->text(), QStringLiteral("Description"));
    QCOMPARE(table->rowCount(), 16);
    QCOMPARE(table->item(0, 0)->text(), QStringLiteral("family"));
    QCOMPARE(table->item(0, 1)->text(), QStringLiteral("home life"));
    QCOMPARE(table->item(2, 0)->text(), QStringLiteral("party"));
    QCOMPARE(table->item(2, 1)->text(), QString());
    QCOMPARE(table->item(15, 0)->text(), QStringLiteral("empty_F"));
    QCOMPARE(table->item(15, 1)->text(), QStringLiteral("-"));

    // Unchanged, the list is stored back as it was.
    t->saveSettings();
    settings->sync();
    QCOMPARE(SettingsSupport::storedValue(iniFile(), KEY_PHOTO + KEY_CATEGORIES).toString(), PHOTO_CUSTOM);
}

void TestMySetTab::editingModeTogglesCells()
{
    MySetTab *t = makeTab(KEY_MUSIC);
    auto table = t->findChild<QTableWidget *>(QStringLiteral("myCatTable"));
    auto edit = t->findChild<QPushButton *>(QStringLiteral("myCatEditButton"));
    auto status = t->findChild<QLabel *>(QStringLiteral("myCatEditStatus"));
    auto predefine = t->findChild<QPushButton *>(QStringLiteral("myCatDefaultButton"));
    QVERIFY(table && edit && status && predefine);
    QCOMPARE(edit->text(), QStringLiteral("Editing mod&e:"));
    QCOMPARE(status->text(), QStringLiteral("disable"));
    QVERIFY(!predefine->isEnabled());
    QVERIFY(!SettingsSupport::editCell(table, 1, 0, QStringLiteral("opera")));
    QCOMPARE(table->item(1, 0)->text(), QStringLiteral("classic"));

    QTest::mouseClick(edit, Qt::LeftButton);
    QCOMPARE(status->text(), QStringLiteral("enable"));
    QVERIFY(!predefine->isEnabled());
    QVERIFY(SettingsSupport::editCell(table, 1, 0, QStringLiteral("opera")));
    QCOMPARE(table->item(1, 0)->text(), QStringLiteral("opera"));
    QVERIFY(predefine->isEnabled());
    QVERIFY(SettingsSupport::editCell(table, 1, 1, QStringLiteral("big voices")));
    QCOMPARE(table->item(1, 1)->text(), QStringLiteral("big voices"));

    QTest::mouseClick(edit, Qt::LeftButton);
    QCOMPARE(status->text(), QStringLiteral("disable"));
    QVERIFY(!predefine->isEnabled());
    QVERIFY(!SettingsSupport::editCell(table, 2, 0, QStringLiteral("ballad")));
    QCOMPARE(table->item(2, 0)->text(), QStringLiteral("folk"));
}

void TestMySetTab::emptiedLabelGetsRowDefault()
{
    settings->setValue(KEY_PHOTO + KEY_CATEGORIES, PHOTO_CUSTOM);
    MySetTab *t = makeTab(KEY_PHOTO);
    auto table = t->findChild<QTableWidget *>(QStringLiteral("myCatTable"));
    QVERIFY(table);
    QTest::mouseClick(t->findChild<QPushButton *>(QStringLiteral("myCatEditButton")), Qt::LeftButton);

    QVERIFY(SettingsSupport::editCell(table, 2, 0, QStringLiteral("   ")));
    QCOMPARE(table->item(2, 0)->text(), QStringLiteral("event"));
    QVERIFY(SettingsSupport::editCell(table, 0, 0, QString()));
    QCOMPARE(table->item(0, 0)->text(), QStringLiteral("chronicle"));
    // An emptied description stays empty.
    QVERIFY(SettingsSupport::editCell(table, 0, 1, QString()));
    QCOMPARE(table->item(0, 1)->text(), QString());
    // The separators of the stored list cannot become part of a label.
    QVERIFY(SettingsSupport::editCell(table, 3, 0, QStringLiteral("a,b|c")));
    QCOMPARE(table->item(3, 0)->text(), QStringLiteral("abc"));
}

void TestMySetTab::predefineRestoresDefaultList()
{
    settings->setValue(KEY_PHOTO + KEY_CATEGORIES, PHOTO_CUSTOM);
    MySetTab *t = makeTab(KEY_PHOTO);
    auto predefine = t->findChild<QPushButton *>(QStringLiteral("myCatDefaultButton"));
    QVERIFY(predefine);
    QCOMPARE(predefine->text(), QStringLiteral("Predefine"));
    QVERIFY(!predefine->isEnabled());
    QTest::mouseClick(t->findChild<QPushButton *>(QStringLiteral("myCatEditButton")), Qt::LeftButton);
    QVERIFY(predefine->isEnabled());

    QTest::mouseClick(predefine, Qt::LeftButton);
    QVERIFY(!predefine->isEnabled());
    QCOMPARE(column(0) + QLatin1Char(','), QString(PHOTO_CATEGORIES + QLatin1Char(',')).remove(QStringLiteral("|-")));
    QCOMPARE(column(1), QStringList(QVector<QString>(16, QStringLiteral("-")).toList()).join(QLatin1Char(',')));

    t->saveSettings();
    settings->sync();
    QCOMPARE(SettingsSupport::storedValue(iniFile(), KEY_PHOTO + KEY_CATEGORIES).toString(), PHOTO_CATEGORIES);
}

void TestMySetTab::categoriesAreSavedSimplified()
{
    MySetTab *t = makeTab(KEY_CLIP);
    auto table = t->findChild<QTableWidget *>(QStringLiteral("myCatTable"));
    QVERIFY(table);
    QTest::mouseClick(t->findChild<QPushButton *>(QStringLiteral("myCatEditButton")), Qt::LeftButton);
    QVERIFY(SettingsSupport::editCell(table, 0, 0, QStringLiteral(" big   family ")));
    QVERIFY(SettingsSupport::editCell(table, 0, 1, QString()));
    QVERIFY(SettingsSupport::editCell(table, 1, 1, QStringLiteral("holiday   films")));
    t->saveSettings();
    settings->sync();
    QString expected = CLIP_CATEGORIES;
    expected.replace(QStringLiteral("blank|-,home|-"), QStringLiteral("big family,home|holiday films"));
    QCOMPARE(SettingsSupport::storedValue(iniFile(), KEY_CLIP + KEY_CATEGORIES).toString(), expected);
}

void TestMySetTab::builtInLabelsAreShownTranslatedAndStoredPlain()
{
    translator.reset(new LabelTranslator);
    QVERIFY(QCoreApplication::installTranslator(translator.data()));
    settings->setValue(KEY_PHOTO + KEY_CATEGORIES, PHOTO_CUSTOM);
    MySetTab *t = makeTab(KEY_PHOTO);
    auto table = t->findChild<QTableWidget *>(QStringLiteral("myCatTable"));
    auto predefine = t->findChild<QPushButton *>(QStringLiteral("myCatDefaultButton"));
    QVERIFY(table && predefine);
    QCOMPARE(table->item(0, 0)->text(), QStringLiteral("family"));
    QCOMPARE(table->item(1, 0)->text(), QStringLiteral("informative"));

    QTest::mouseClick(t->findChild<QPushButton *>(QStringLiteral("myCatEditButton")), Qt::LeftButton);
    QVERIFY(SettingsSupport::editCell(table, 0, 0, QString()));
    QCOMPARE(table->item(0, 0)->text(), QStringLiteral("Хроника"));
    // Typing a built-in label's translation stores the built-in label.
    QVERIFY(SettingsSupport::editCell(table, 2, 0, QStringLiteral("Событие")));
    QVERIFY(!predefine->isEnabled());

    t->saveSettings();
    settings->sync();
    QString expected = PHOTO_CUSTOM;
    expected.replace(QStringLiteral("family|home life,"), QStringLiteral("chronicle|home life,"));
    expected.replace(QStringLiteral(",party,"), QStringLiteral(",event,"));
    QCOMPARE(SettingsSupport::storedValue(iniFile(), KEY_PHOTO + KEY_CATEGORIES).toString(), expected);

    // A fresh tab shows the stored built-in labels in the interface language.
    t = makeTab(KEY_PHOTO);
    table = t->findChild<QTableWidget *>(QStringLiteral("myCatTable"));
    QCOMPARE(table->item(0, 0)->text(), QStringLiteral("Хроника"));
    QCOMPARE(table->item(2, 0)->text(), QStringLiteral("Событие"));
}

QTEST_MAIN(TestMySetTab)
#include "tst_mysettab.moc"
