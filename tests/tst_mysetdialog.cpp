#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScopedPointer>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

#include "constants.h"
#include "firsttable.h"
#include "mysetdialog.h"
#include "mysettab.h"
#include "mysettings.h"
#include "settingssupport.h"
#include "testsupport.h"
#include "windowsupport.h"

namespace {

// A few texts of the dialog in another language, as a loaded translation would give them.
class StatusTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (qstrcmp(context, "MySetDialog") == 0 && qstrcmp(sourceText, "Ok") == 0)
            return QStringLiteral("Есть");
        if (qstrcmp(context, "MySetDialog") == 0 && qstrcmp(sourceText, "Absent") == 0)
            return QStringLiteral("Нет");
        if (qstrcmp(context, "MySetDialog") == 0 && qstrcmp(sourceText, "Tessary settings") == 0)
            return QStringLiteral("Настройки Tessary");
        if (qstrcmp(context, "FirstTable") == 0 && qstrcmp(sourceText, "Path") == 0)
            return QStringLiteral("Путь");
        return QString();
    }
    bool isEmpty() const override { return false; }
};

} // namespace

class TestMySetDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    // Form
    void formHasTabsAndFields();
    void boxTabsReadTheirOwnBox();

    // Directory fields and OK
    void relativeBaseDirectoryDisablesOk();
    void missingBaseDirectoryDisablesOk();
    void existingBaseDirectoryEnablesOk();
    void backupDirectoryStatus();

    // Default buttons
    void defaultButtonFollowsField_data();
    void defaultButtonFollowsField();
    void altEnterRestoresDefault();
    void enterMovesFocusInsteadOfClosing();

    // Program fields
    void quotedProgramWithSpaceIsFound();
    void unquotedProgramWithSpaceIsAbsent();
    void bareProgramNameIsFoundOnPath();
    void extractorFieldUsesSameRule();

    // Devices
    void deviceListIsRead_data();
    void deviceListIsRead();
    void deviceStatusCells();
    void addedDeviceIsSaved();
    void addIsDisabledWhileAPathIsEmpty();
    void emptiedPathGetsPreviousValue();
    void deleteNeedsSelection();
    void deletingEveryDeviceSavesEmptyList();
    void tabLeavesDeviceTable();

    // Saving
    void saveWritesSimplifiedValues();
    void saveWritesBoxTabs();
    void needRebootOnlyForBaseDirectory();
    void cancelLeavesStoreUnchanged();
    void okAcceptsDialog();
    void foldersAreChosenOrCreatedInTheDialog();
    void languageChangeRetranslatesStatuses();

private:
    MySetDialog *makeDialog();
    QString iniFile() const;
    template <typename T> T *child(QWidget *parent, const char *name);

    QScopedPointer<QTemporaryDir> dir;
    QScopedPointer<MySettings> settings;
    QScopedPointer<MySetDialog> dialog;
};

void TestMySetDialog::init()
{
    dir.reset(new QTemporaryDir);
    QVERIFY(dir->isValid());
    settings.reset(TestSupport::makeSettings(*dir));
}

void TestMySetDialog::cleanup()
{
    dialog.reset();
    settings.reset();
    dir.reset();
}

MySetDialog *TestMySetDialog::makeDialog()
{
    settings->sync();
    dialog.reset(new MySetDialog(settings.data()));
    dialog->show();
    return dialog.data();
}

QString TestMySetDialog::iniFile() const
{
    return dir->path() + QStringLiteral("/tessary.ini");
}

template <typename T> T *TestMySetDialog::child(QWidget *parent, const char *name)
{
    T *widget = parent->findChild<T *>(QLatin1String(name));
    if (!widget)
        qWarning("no child %s", name);
    return widget;
}

// Form

void TestMySetDialog::formHasTabsAndFields()
{
    MySetDialog *d = makeDialog();
    QCOMPARE(d->windowTitle(), QStringLiteral("Tessary settings"));
    auto tabs = child<QTabWidget>(d, "mySetTabWidget");
    QVERIFY(tabs);
    QCOMPARE(tabs->count(), 5);
    const QStringList names = {"mySetGeneralTab", "mySetPhotoTab", "mySetBookTab", "mySetVideoTab", "mySetMusicTab"};
    const QStringList texts = {"&General", "&Images", "&Books", "&Video", "&Music"};
    for (int index = 0; index < 5; ++index) {
        QCOMPARE(tabs->widget(index)->objectName(), names.at(index));
        QCOMPARE(tabs->tabText(index), texts.at(index));
    }
    QCOMPARE(tabs->currentIndex(), 0);

    for (const char *name : {"boxDir", "cpyDir", "burnApp", "extractApp"}) {
        const QByteArray base(name);
        QVERIFY2(child<QLineEdit>(d, base + "LineEdit"), name);
        QVERIFY2(child<QLabel>(d, base + "Status"), name);
        auto button = child<QPushButton>(d, base + "DefaultButton");
        QVERIFY2(button, name);
        QCOMPARE(button->text(), QStringLiteral("Predefine"));
    }
    QCOMPARE(d->focusWidget(), child<QLineEdit>(d, "boxDirLineEdit"));

    auto label = child<QLabel>(d, "firstDirLabel");
    QVERIFY(label);
    QCOMPARE(label->text(), QStringLiteral("External devices"));
    QCOMPARE(child<QPushButton>(d, "firstDirAddButton")->text(), QStringLiteral("&Add"));
    QCOMPARE(child<QPushButton>(d, "firstDirDeleteButton")->text(), QStringLiteral("&Delete"));

    auto table = child<FirstTable>(d, "firstDirTable");
    QVERIFY(table);
    QCOMPARE(table->columnCount(), 3);
    QCOMPARE(table->horizontalHeaderItem(0)->text(), QStringLiteral("Path"));
    QCOMPARE(table->horizontalHeaderItem(1)->text(), QStringLiteral("Description"));
    QCOMPARE(table->horizontalHeaderItem(2)->text(), QStringLiteral("Status"));
    QVERIFY(!table->verticalHeader()->isVisible());
    QVERIFY(!table->isCornerButtonEnabled());
    QCOMPARE(table->selectionMode(), QAbstractItemView::SingleSelection);
    QCOMPARE(table->selectionBehavior(), QAbstractItemView::SelectRows);
    QVERIFY(table->horizontalHeader()->stretchLastSection());
    QTRY_COMPARE(table->columnWidth(0), table->width() / 4);
    QCOMPARE(table->columnWidth(1), table->width() / 2);
    table->resize(table->width() + 80, table->height());
    QTRY_COMPARE(table->columnWidth(0), table->width() / 4);
    QCOMPARE(table->columnWidth(1), table->width() / 2);

    auto buttons = child<QDialogButtonBox>(d, "buttonBox");
    QVERIFY(buttons);
    QVERIFY(buttons->button(QDialogButtonBox::Ok));
    QVERIFY(buttons->button(QDialogButtonBox::Cancel));
}

void TestMySetDialog::boxTabsReadTheirOwnBox()
{
    settings->setValue(KEY_MUSIC + KEY_EXT, QStringLiteral("ogg, flac"));
    MySetDialog *d = makeDialog();
    const QList<QPair<const char *, QStringList>> expected = {
        {"mySetPhotoTab", {"jpg", "jpeg", "raf", "png"}},
        {"mySetBookTab", {"doc", "txt", "djvu", "djv", "pdf", "fb2"}},
        {"mySetVideoTab", {"mp4", "avi", "flv"}},
        {"mySetMusicTab", {"ogg", "flac"}},
    };
    for (const auto &tab : expected) {
        auto page = child<QWidget>(d, tab.first);
        QVERIFY2(page, tab.first);
        QVERIFY2(page->findChild<MySetTab *>(), tab.first);
        auto list = child<QListWidget>(page, "extList");
        QVERIFY2(list, tab.first);
        QStringList items;
        for (int row = 0; row < list->count(); ++row)
            items << list->item(row)->text();
        QCOMPARE(items, tab.second);
    }
    auto videoPreview = child<QLineEdit>(child<QWidget>(d, "mySetVideoTab"), "previewAppLineEdit");
    QVERIFY(videoPreview);
    QCOMPARE(videoPreview->text(), CLIP_PREVIEW_APP);
}

// Directory fields and OK

void TestMySetDialog::relativeBaseDirectoryDisablesOk()
{
    MySetDialog *d = makeDialog();
    auto edit = child<QLineEdit>(d, "boxDirLineEdit");
    auto status = child<QLabel>(d, "boxDirStatus");
    QVERIFY(edit && status);
    QPushButton *ok = child<QDialogButtonBox>(d, "buttonBox")->button(QDialogButtonBox::Ok);
    QVERIFY(ok->isEnabled());

    edit->clear();
    QTest::keyClicks(edit, QStringLiteral("boxes\\main"));
    QCOMPARE(status->text(), QStringLiteral("The path must be absolute"));
    QVERIFY(!ok->isEnabled());

    // The built-in Windows default is not absolute here either.
    QTest::mouseClick(child<QPushButton>(d, "boxDirDefaultButton"), Qt::LeftButton);
    QCOMPARE(edit->text(), BOX_DIR_DEFAULT);
    QCOMPARE(status->text(), QStringLiteral("The path must be absolute"));
    QVERIFY(!ok->isEnabled());

    edit->clear();
    QCOMPARE(status->text(), QStringLiteral("The path must be absolute"));
    QVERIFY(!ok->isEnabled());
}

void TestMySetDialog::missingBaseDirectoryDisablesOk()
{
    MySetDialog *d = makeDialog();
    auto edit = child<QLineEdit>(d, "boxDirLineEdit");
    auto status = child<QLabel>(d, "boxDirStatus");
    QVERIFY(edit && status);
    QPushButton *ok = child<QDialogButtonBox>(d, "buttonBox")->button(QDialogButtonBox::Ok);

    edit->clear();
    QTest::keyClicks(edit, dir->path() + QStringLiteral("/nowhere"));
    QCOMPARE(status->text(), QStringLiteral("Absent"));
    QVERIFY(!ok->isEnabled());

    // A regular file is not a directory.
    QVERIFY(TestSupport::writeFile(dir->path() + QStringLiteral("/plain"), "x"));
    edit->setText(dir->path() + QStringLiteral("/plain"));
    QCOMPARE(status->text(), QStringLiteral("Absent"));
    QVERIFY(!ok->isEnabled());
}

void TestMySetDialog::existingBaseDirectoryEnablesOk()
{
    settings->setValue(KEY_GENERAL + KEY_BOX_DIR, dir->path() + QStringLiteral("/missing"));
    MySetDialog *d = makeDialog();
    auto edit = child<QLineEdit>(d, "boxDirLineEdit");
    auto status = child<QLabel>(d, "boxDirStatus");
    QVERIFY(edit && status);
    QPushButton *ok = child<QDialogButtonBox>(d, "buttonBox")->button(QDialogButtonBox::Ok);
    QCOMPARE(status->text(), QStringLiteral("Absent"));
    QVERIFY(!ok->isEnabled());

    edit->clear();
    QTest::keyClicks(edit, QStringLiteral("  ") + TestSupport::baseDir(*dir) + QStringLiteral("  "));
    QCOMPARE(status->text(), QStringLiteral("Ok"));
    QVERIFY(ok->isEnabled());
}

void TestMySetDialog::backupDirectoryStatus()
{
    settings->setValue(KEY_GENERAL + KEY_CPY_DIR, dir->path());
    MySetDialog *d = makeDialog();
    auto edit = child<QLineEdit>(d, "cpyDirLineEdit");
    auto status = child<QLabel>(d, "cpyDirStatus");
    QVERIFY(edit && status);
    QPushButton *ok = child<QDialogButtonBox>(d, "buttonBox")->button(QDialogButtonBox::Ok);
    QCOMPARE(status->text(), QStringLiteral("Ok"));

    QTest::keyClicks(edit, QStringLiteral("/backup"));
    QCOMPARE(status->text(), QStringLiteral("Absent"));
    edit->setText(QStringLiteral("backup"));
    QCOMPARE(status->text(), QStringLiteral("The path must be absolute"));
    // Only the base directory decides OK.
    QVERIFY(ok->isEnabled());
}

// Default buttons

void TestMySetDialog::defaultButtonFollowsField_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("defaultText");
    QTest::newRow("base") << "boxDir" << BOX_DIR_DEFAULT;
    QTest::newRow("backup") << "cpyDir" << CPY_DIR_DEFAULT;
    QTest::newRow("burner") << "burnApp" << CMD_BURN_CD_DEFAULT;
    QTest::newRow("extractor") << "extractApp" << EXTRACT_META_APP;
}

void TestMySetDialog::defaultButtonFollowsField()
{
    QFETCH(QString, field);
    QFETCH(QString, defaultText);
    settings->setValue(KEY_GENERAL + KEY_CPY_DIR, QStringLiteral("/elsewhere"));
    settings->setValue(KEY_GENERAL + KEY_BURN_CD, QStringLiteral("burner %1 %2"));
    settings->setValue(KEY_GENERAL + KEY_EXTRACT_META_APP, QStringLiteral("extractor %1"));
    MySetDialog *d = makeDialog();
    auto edit = child<QLineEdit>(d, qPrintable(field + QStringLiteral("LineEdit")));
    auto button = child<QPushButton>(d, qPrintable(field + QStringLiteral("DefaultButton")));
    QVERIFY(edit && button);

    QVERIFY(button->isEnabled());
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(edit->text(), defaultText);
    QVERIFY(!button->isEnabled());

    // Extra white space does not make a different value.
    edit->setText(QStringLiteral("  ") + defaultText + QStringLiteral(" "));
    QVERIFY(!button->isEnabled());
    QTest::keyClicks(edit, QStringLiteral("x"));
    QVERIFY(button->isEnabled());
}

void TestMySetDialog::altEnterRestoresDefault()
{
    MySetDialog *d = makeDialog();
    QVERIFY(QTest::qWaitForWindowActive(d));
    auto edit = child<QLineEdit>(d, "burnAppLineEdit");
    QVERIFY(edit);
    edit->setText(QStringLiteral("wodim %1"));
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Return, Qt::AltModifier);
    QCOMPARE(edit->text(), CMD_BURN_CD_DEFAULT);
    QVERIFY(d->isVisible());
    QCOMPARE(d->result(), int(QDialog::Rejected));
}

void TestMySetDialog::enterMovesFocusInsteadOfClosing()
{
    MySetDialog *d = makeDialog();
    QVERIFY(QTest::qWaitForWindowActive(d));
    QSignalSpy accepted(d, &QDialog::accepted);
    for (const char *name : {"boxDirLineEdit", "cpyDirLineEdit", "burnAppLineEdit", "extractAppLineEdit"}) {
        auto edit = child<QLineEdit>(d, name);
        QVERIFY2(edit, name);
        edit->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), edit);
        QTest::keyClick(edit, Qt::Key_Return);
        QVERIFY2(QApplication::focusWidget() != edit, name);
        QVERIFY(d->isVisible());
    }
    QCOMPARE(accepted.count(), 0);
    // The extractor holds its default, so its Predefine button is disabled and Enter moves on to the devices.
    QCOMPARE(QApplication::focusWidget(), child<QWidget>(d, "firstDirTable"));
}

// Program fields

void TestMySetDialog::quotedProgramWithSpaceIsFound()
{
    const QString folder = dir->path() + QStringLiteral("/with space");
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(SettingsSupport::makeExecutable(folder + QStringLiteral("/burner")));
    MySetDialog *d = makeDialog();
    auto edit = child<QLineEdit>(d, "burnAppLineEdit");
    auto status = child<QLabel>(d, "burnAppStatus");
    QVERIFY(edit && status);
    QCOMPARE(status->text(), QStringLiteral("Absent"));

    edit->clear();
    QTest::keyClicks(edit, QStringLiteral("  \"%1/burner\" burn /l %1 /d %2").arg(folder));
    QCOMPARE(status->text(), QStringLiteral("Ok"));
    // Quotes inside the path are dropped; the text between the first and last quote counts.
    edit->setText(QStringLiteral("\"%1/\"burner\" -x").arg(folder));
    QCOMPARE(status->text(), QStringLiteral("Ok"));
    edit->setText(QStringLiteral("\"%1/burner -x").arg(folder));
    QCOMPARE(status->text(), QStringLiteral("Absent"));
}

void TestMySetDialog::unquotedProgramWithSpaceIsAbsent()
{
    const QString folder = dir->path() + QStringLiteral("/with space");
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(SettingsSupport::makeExecutable(folder + QStringLiteral("/burner")));
    MySetDialog *d = makeDialog();
    auto edit = child<QLineEdit>(d, "burnAppLineEdit");
    auto status = child<QLabel>(d, "burnAppStatus");
    QVERIFY(edit && status);
    edit->setText(folder + QStringLiteral("/burner burn %1"));
    QCOMPARE(status->text(), QStringLiteral("Absent"));
    edit->setText(QStringLiteral("\"%1/burner\"").arg(folder));
    QCOMPARE(status->text(), QStringLiteral("Ok"));
}

void TestMySetDialog::bareProgramNameIsFoundOnPath()
{
    MySetDialog *d = makeDialog();
    auto edit = child<QLineEdit>(d, "burnAppLineEdit");
    auto status = child<QLabel>(d, "burnAppStatus");
    QVERIFY(edit && status);
    edit->setText(QStringLiteral("sh -c true"));
    QCOMPARE(status->text(), QStringLiteral("Ok"));
    edit->setText(QStringLiteral("no-such-burner-program -c true"));
    QCOMPARE(status->text(), QStringLiteral("Absent"));
    edit->clear();
    QCOMPARE(status->text(), QStringLiteral("Absent"));
}

void TestMySetDialog::extractorFieldUsesSameRule()
{
    const QString folder = dir->path() + QStringLiteral("/with space");
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(SettingsSupport::makeExecutable(folder + QStringLiteral("/exiftool")));
    MySetDialog *d = makeDialog();
    auto edit = child<QLineEdit>(d, "extractAppLineEdit");
    auto status = child<QLabel>(d, "extractAppStatus");
    QVERIFY(edit && status);
    QCOMPARE(status->text(), QStringLiteral("Absent"));
    edit->setText(QStringLiteral("\"%1/exiftool\" -f -d \"%d.%m.%Y|%H:%M\" %1").arg(folder));
    // The last quote of the line is past the options, so the program part is not a file.
    QCOMPARE(status->text(), QStringLiteral("Absent"));
    edit->setText(QStringLiteral("\"%1/exiftool\" -f %1").arg(folder));
    QCOMPARE(status->text(), QStringLiteral("Ok"));
    edit->setText(QStringLiteral("sh -f %1"));
    QCOMPARE(status->text(), QStringLiteral("Ok"));
}

// Devices

namespace {

QStringList tableRows(const QTableWidget *table)
{
    QStringList rows;
    for (int row = 0; row < table->rowCount(); ++row)
        rows << table->item(row, 0)->text() + QLatin1Char('|') + table->item(row, 1)->text();
    return rows;
}

} // namespace

void TestMySetDialog::deviceListIsRead_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QStringList>("rows");
    QTest::newRow("default") << FIRST_DIR_DEFAULT << QStringList{"f:|", "h:|"};
    QTest::newRow("mixed") << "/tmp|USB stick, |bad, a|b|c, d: | Card , ,e:|"
                           << QStringList{"/tmp|USB stick", "d:|Card", "e:|"};
    QTest::newRow("empty") << "" << QStringList{};
}

void TestMySetDialog::deviceListIsRead()
{
    QFETCH(QString, stored);
    QFETCH(QStringList, rows);
    settings->setValue(KEY_GENERAL + KEY_FIRST_DIR, stored);
    MySetDialog *d = makeDialog();
    auto table = child<FirstTable>(d, "firstDirTable");
    QVERIFY(table);
    QCOMPARE(tableRows(table), rows);

    // Read unchanged and saved again, the list comes back in its canonical form.
    d->saveSettings();
    QStringList expected;
    for (QString row : rows)
        expected << (row.endsWith(QLatin1Char('|')) ? row.chopped(1) : row);
    QCOMPARE(SettingsSupport::storedValue(iniFile(), KEY_GENERAL + KEY_FIRST_DIR).toString(),
             expected.join(QLatin1Char(',')));
}

void TestMySetDialog::deviceStatusCells()
{
    settings->setValue(KEY_GENERAL + KEY_FIRST_DIR, dir->path() + QStringLiteral("|here,/no/such/device"));
    MySetDialog *d = makeDialog();
    auto table = child<FirstTable>(d, "firstDirTable");
    QVERIFY(table);
    QCOMPARE(table->rowCount(), 2);
    QCOMPARE(table->item(0, 2)->text(), QStringLiteral("Ok"));
    QCOMPARE(table->item(1, 2)->text(), QStringLiteral("Absent"));
    for (int row = 0; row < 2; ++row) {
        QVERIFY(table->item(row, 2)->font().italic());
        QVERIFY(!(table->item(row, 2)->flags() & Qt::ItemIsEditable));
        QVERIFY(table->item(row, 0)->flags() & Qt::ItemIsEditable);
    }
    QVERIFY(!SettingsSupport::editCell(table, 0, 2, QStringLiteral("Fine")));
    QCOMPARE(table->item(0, 2)->text(), QStringLiteral("Ok"));

    // The status follows an edited path.
    QVERIFY(SettingsSupport::editCell(table, 1, 0, dir->path()));
    QCOMPARE(table->item(1, 2)->text(), QStringLiteral("Ok"));
}

void TestMySetDialog::addedDeviceIsSaved()
{
    MySetDialog *d = makeDialog();
    QVERIFY(QTest::qWaitForWindowActive(d));
    auto table = child<FirstTable>(d, "firstDirTable");
    auto add = child<QPushButton>(d, "firstDirAddButton");
    QVERIFY(table && add);
    QVERIFY(add->isEnabled());

    QTest::mouseClick(add, Qt::LeftButton);
    QCOMPARE(table->rowCount(), 3);
    QCOMPARE(table->currentRow(), 2);
    QCOMPARE(table->currentColumn(), 0);
    QCOMPARE(table->item(2, 2)->text(), QString());
    QVERIFY(!add->isEnabled());
    // The path cell is open for typing at once.
    auto editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    QVERIFY(editor);
    QTest::keyClicks(editor, QStringLiteral("  /media/card  "));
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(table->item(2, 0)->text(), QStringLiteral("/media/card"));
    QCOMPARE(table->item(2, 2)->text(), QStringLiteral("Absent"));
    QVERIFY(add->isEnabled());

    QVERIFY(SettingsSupport::editCell(table, 2, 1, QStringLiteral("  Camera   card ")));
    QCOMPARE(table->item(2, 1)->text(), QStringLiteral("Camera   card"));
    // Separators of the stored list cannot slip into a value.
    QVERIFY(SettingsSupport::editCell(table, 0, 1, QStringLiteral("left|slot, top")));
    QCOMPARE(table->item(0, 1)->text(), QStringLiteral("leftslot top"));

    d->saveSettings();
    QCOMPARE(SettingsSupport::storedValue(iniFile(), KEY_GENERAL + KEY_FIRST_DIR).toString(),
             QStringLiteral("f:|leftslot top,h:,/media/card|Camera card"));
}

void TestMySetDialog::addIsDisabledWhileAPathIsEmpty()
{
    MySetDialog *d = makeDialog();
    auto table = child<FirstTable>(d, "firstDirTable");
    auto add = child<QPushButton>(d, "firstDirAddButton");
    QVERIFY(table && add);
    QTest::mouseClick(add, Qt::LeftButton);
    QCOMPARE(table->rowCount(), 3);
    QVERIFY(!add->isEnabled());
    QTest::mouseClick(add, Qt::LeftButton);
    QCOMPARE(table->rowCount(), 3);

    // A new row left without a path is no device.
    d->saveSettings();
    QCOMPARE(SettingsSupport::storedValue(iniFile(), KEY_GENERAL + KEY_FIRST_DIR).toString(),
             QStringLiteral("f:,h:"));
}

void TestMySetDialog::emptiedPathGetsPreviousValue()
{
    settings->setValue(KEY_GENERAL + KEY_FIRST_DIR, QStringLiteral("/mnt/usb|Stick"));
    MySetDialog *d = makeDialog();
    auto table = child<FirstTable>(d, "firstDirTable");
    QVERIFY(table);
    QVERIFY(SettingsSupport::editCell(table, 0, 0, QStringLiteral("/mnt/sd")));
    QCOMPARE(table->item(0, 0)->text(), QStringLiteral("/mnt/sd"));
    QVERIFY(SettingsSupport::editCell(table, 0, 0, QStringLiteral("   ")));
    QCOMPARE(table->item(0, 0)->text(), QStringLiteral("/mnt/sd"));
    // An emptied description stays empty.
    QVERIFY(SettingsSupport::editCell(table, 0, 1, QString()));
    QCOMPARE(table->item(0, 1)->text(), QString());
    d->saveSettings();
    QCOMPARE(SettingsSupport::storedValue(iniFile(), KEY_GENERAL + KEY_FIRST_DIR).toString(),
             QStringLiteral("/mnt/sd"));
}

void TestMySetDialog::deleteNeedsSelection()
{
    MySetDialog *d = makeDialog();
    auto table = child<FirstTable>(d, "firstDirTable");
    auto remove = child<QPushButton>(d, "firstDirDeleteButton");
    QVERIFY(table && remove);
    QVERIFY(!remove->isEnabled());
    table->selectRow(1);
    QVERIFY(remove->isEnabled());
    QTest::mouseClick(remove, Qt::LeftButton);
    QCOMPARE(tableRows(table), QStringList{"f:|"});
    d->saveSettings();
    QCOMPARE(SettingsSupport::storedValue(iniFile(), KEY_GENERAL + KEY_FIRST_DIR).toString(), QStringLiteral("f:"));
}

void TestMySetDialog::deletingEveryDeviceSavesEmptyList()
{
    MySetDialog *d = makeDialog();
    QVERIFY(QTest::qWaitForWindowActive(d));
    auto table = child<FirstTable>(d, "firstDirTable");
    auto remove = child<QPushButton>(d, "firstDirDeleteButton");
    QVERIFY(table && remove);
    while (table->rowCount() > 0) {
        table->setFocus();
        table->selectRow(0);
        QVERIFY(remove->isEnabled());
        QTest::mouseClick(remove, Qt::LeftButton);
    }
    QVERIFY(!remove->isEnabled());
    QWidget *focus = QApplication::focusWidget();
    QVERIFY(focus);
    QVERIFY(focus != table && !table->isAncestorOf(focus) && focus != remove);
    QCOMPARE(focus, child<QWidget>(d, "firstDirAddButton"));

    d->saveSettings();
    QVERIFY(settings->contains(KEY_GENERAL + KEY_FIRST_DIR));
    QCOMPARE(SettingsSupport::storedValue(iniFile(), KEY_GENERAL + KEY_FIRST_DIR).toString(), QString());
}

void TestMySetDialog::tabLeavesDeviceTable()
{
    MySetDialog *d = makeDialog();
    QVERIFY(QTest::qWaitForWindowActive(d));
    auto table = child<FirstTable>(d, "firstDirTable");
    QVERIFY(table);
    QSignalSpy lost(table, &FirstTable::focusLose);

    table->setFocus();
    table->setCurrentCell(0, 0);
    QTest::keyClick(table, Qt::Key_Tab);
    QCOMPARE(lost.count(), 1);
    QCOMPARE(lost.at(0).at(0).toBool(), true);
    QCOMPARE(table->currentRow(), 0);
    QCOMPARE(QApplication::focusWidget(), child<QWidget>(d, "firstDirAddButton"));

    table->setFocus();
    QTest::keyClick(table, Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(lost.count(), 2);
    QCOMPARE(lost.at(1).at(0).toBool(), false);
    // The extractor's Predefine button is disabled while the field holds the default.
    QCOMPARE(QApplication::focusWidget(), child<QWidget>(d, "extractAppLineEdit"));

    // Tab inside an open editor leaves the table as well instead of opening the next cell.
    table->setFocus();
    table->setCurrentCell(0, 0);
    QTest::keyClick(table, Qt::Key_F2);
    auto editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    QVERIFY(editor);
    QTest::keyClick(editor, Qt::Key_End);
    QTest::keyClicks(editor, QStringLiteral("/x"));
    QTest::keyClick(editor, Qt::Key_Tab);
    QCOMPARE(lost.count(), 3);
    QCOMPARE(table->item(0, 0)->text(), QStringLiteral("f:/x"));
    QCOMPARE(QApplication::focusWidget(), child<QWidget>(d, "firstDirAddButton"));
}

// Saving

void TestMySetDialog::saveWritesSimplifiedValues()
{
    MySetDialog *d = makeDialog();
    const QString base = TestSupport::baseDir(*dir);
    child<QLineEdit>(d, "boxDirLineEdit")->setText(QStringLiteral("  ") + base + QStringLiteral(" "));
    child<QLineEdit>(d, "cpyDirLineEdit")->setText(QStringLiteral(" /backup   copies "));
    child<QLineEdit>(d, "burnAppLineEdit")->setText(QStringLiteral("wodim   dev=%2  %1 "));
    child<QLineEdit>(d, "extractAppLineEdit")->setText(QStringLiteral("\texiftool  -p \"$FileName\" %1"));
    settings->setValue(KEY_GENERAL + KEY_LANGUAGE, QStringLiteral("ru"));
    d->saveSettings();

    const QString ini = iniFile();
    QCOMPARE(SettingsSupport::storedValue(ini, KEY_GENERAL + KEY_BOX_DIR).toString(), base);
    QCOMPARE(SettingsSupport::storedValue(ini, KEY_GENERAL + KEY_CPY_DIR).toString(), QStringLiteral("/backup copies"));
    QCOMPARE(SettingsSupport::storedValue(ini, KEY_GENERAL + KEY_BURN_CD).toString(),
             QStringLiteral("wodim dev=%2 %1"));
    QCOMPARE(SettingsSupport::storedValue(ini, KEY_GENERAL + KEY_EXTRACT_META_APP).toString(),
             QStringLiteral("exiftool -p \"$FileName\" %1"));
    QCOMPARE(SettingsSupport::storedValue(ini, KEY_GENERAL + KEY_FIRST_DIR).toString(), QStringLiteral("f:,h:"));
    // The language is the main window's business.
    QCOMPARE(SettingsSupport::storedValue(ini, KEY_GENERAL + KEY_LANGUAGE).toString(), QStringLiteral("ru"));
}

void TestMySetDialog::saveWritesBoxTabs()
{
    MySetDialog *d = makeDialog();
    auto music = child<QWidget>(d, "mySetMusicTab");
    QVERIFY(music);
    auto extEdit = child<QLineEdit>(music, "extLineEdit");
    auto preview = child<QLineEdit>(music, "previewAppLineEdit");
    QVERIFY(extEdit && preview);
    QTest::keyClicks(extEdit, QStringLiteral("ogg"));
    QTest::keyClick(extEdit, Qt::Key_Return);
    preview->setText(QStringLiteral("  cantrel  -list %1"));
    d->saveSettings();

    const QString ini = iniFile();
    QCOMPARE(SettingsSupport::storedValue(ini, KEY_PHOTO + KEY_EXT).toString(), QStringLiteral("jpg,jpeg,raf,png"));
    QCOMPARE(SettingsSupport::storedValue(ini, KEY_MUSIC + KEY_EXT).toString(), QStringLiteral("mp3,wav,ogg"));
    QCOMPARE(SettingsSupport::storedValue(ini, KEY_MUSIC + KEY_PREVIEW_APP).toString(),
             QStringLiteral("cantrel -list %1"));
    QCOMPARE(SettingsSupport::storedValue(ini, KEY_MUSIC + KEY_PRESENT_APP).toString(), MUSIC_PRESENT_APP);
    QCOMPARE(SettingsSupport::storedValue(ini, KEY_CLIP + KEY_PREVIEW_APP).toString(), CLIP_PREVIEW_APP);
    for (const QString &box : {KEY_PHOTO, KEY_BOOK, KEY_CLIP, KEY_MUSIC})
        QCOMPARE(SettingsSupport::storedValue(ini, box + KEY_CATEGORIES).toString(),
                 settings->defaultValue(box + KEY_CATEGORIES).toString());
}

void TestMySetDialog::needRebootOnlyForBaseDirectory()
{
    const QString other = dir->path() + QStringLiteral("/other");
    QVERIFY(QDir().mkpath(other));
    {
        MySetDialog *d = makeDialog();
        QVERIFY(!d->needReboot());
        child<QLineEdit>(d, "cpyDirLineEdit")->setText(other);
        child<QLineEdit>(d, "boxDirLineEdit")->setText(TestSupport::baseDir(*dir) + QStringLiteral("  "));
        QVERIFY(!d->needReboot());
        d->saveSettings();
    }
    {
        MySetDialog *d = makeDialog();
        QVERIFY(!d->needReboot());
        auto edit = child<QLineEdit>(d, "boxDirLineEdit");
        edit->clear();
        QTest::keyClicks(edit, other);
        QVERIFY(d->needReboot());
        // Back to the opening value: nothing to restart for.
        edit->setText(TestSupport::baseDir(*dir));
        QVERIFY(!d->needReboot());
    }
}

void TestMySetDialog::cancelLeavesStoreUnchanged()
{
    settings->sync();
    const QByteArray before = TestSupport::readFile(iniFile());
    QVERIFY(!before.isEmpty());
    MySetDialog d(settings.data());
    bool edited = false;
    QTimer::singleShot(0, &d, [&]() {
        child<QLineEdit>(&d, "cpyDirLineEdit")->setText(QStringLiteral("/changed"));
        child<QLineEdit>(&d, "boxDirLineEdit")->setText(dir->path());
        QTest::mouseClick(child<QPushButton>(&d, "firstDirAddButton"), Qt::LeftButton);
        auto photo = child<QWidget>(&d, "mySetPhotoTab");
        QTest::mouseClick(child<QPushButton>(photo, "extClearButton"), Qt::LeftButton);
        edited = true;
        child<QDialogButtonBox>(&d, "buttonBox")->button(QDialogButtonBox::Cancel)->click();
    });
    QCOMPARE(d.exec(), int(QDialog::Rejected));
    QVERIFY(edited);
    settings->sync();
    QCOMPARE(TestSupport::readFile(iniFile()), before);
    QCOMPARE(settings->value(KEY_GENERAL + KEY_CPY_DIR).toString(), CPY_DIR_DEFAULT);
}

void TestMySetDialog::okAcceptsDialog()
{
    MySetDialog d(settings.data());
    QTimer::singleShot(0, &d, [&]() {
        child<QLineEdit>(&d, "cpyDirLineEdit")->setText(QStringLiteral("/copies"));
        QTest::mouseClick(child<QDialogButtonBox>(&d, "buttonBox")->button(QDialogButtonBox::Ok), Qt::LeftButton);
    });
    QCOMPARE(d.exec(), int(QDialog::Accepted));
    // Accepting alone writes nothing; the caller saves.
    QCOMPARE(SettingsSupport::storedValue(iniFile(), KEY_GENERAL + KEY_CPY_DIR).toString(), CPY_DIR_DEFAULT);
    d.saveSettings();
    QCOMPARE(SettingsSupport::storedValue(iniFile(), KEY_GENERAL + KEY_CPY_DIR).toString(), QStringLiteral("/copies"));
}

void TestMySetDialog::languageChangeRetranslatesStatuses()
{
    settings->setValue(KEY_GENERAL + KEY_FIRST_DIR, QStringLiteral("/no/such/device"));
    MySetDialog *d = makeDialog();
    auto status = child<QLabel>(d, "boxDirStatus");
    auto table = child<FirstTable>(d, "firstDirTable");
    QVERIFY(status && table);
    QCOMPARE(status->text(), QStringLiteral("Ok"));

    StatusTranslator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));
    QTRY_COMPARE(status->text(), QStringLiteral("Есть"));
    QCOMPARE(d->windowTitle(), QStringLiteral("Настройки Tessary"));
    QCOMPARE(table->item(0, 2)->text(), QStringLiteral("Нет"));
    QCOMPARE(table->horizontalHeaderItem(0)->text(), QStringLiteral("Путь"));
    // Field contents are the user's and stay as they are.
    QCOMPARE(child<QLineEdit>(d, "boxDirLineEdit")->text(), TestSupport::baseDir(*dir));

    QCoreApplication::removeTranslator(&translator);
    QTRY_COMPARE(status->text(), QStringLiteral("Ok"));
    QCOMPARE(table->horizontalHeaderItem(0)->text(), QStringLiteral("Path"));
}

// A base folder that is not there yet is made by Create; the backup folder is picked with Browse...;
// a reason given to the dialog stands above the tabs, in red.
void TestMySetDialog::foldersAreChosenOrCreatedInTheDialog()
{
    MySetDialog *d = makeDialog();
    auto problem = child<QLabel>(d, "problemLabel");
    QVERIFY(problem);
    QVERIFY(!problem->isVisible());
    d->setProblem(QStringLiteral("Directory '/x/_dst'\n cannot be created..."));
    QVERIFY(problem->isVisible());
    QCOMPARE(problem->text(), QStringLiteral("Directory '/x/_dst'\n cannot be created..."));
    QVERIFY(problem->styleSheet().contains(QStringLiteral("red")));
    QVERIFY(problem->y() < child<QTabWidget>(d, "mySetTabWidget")->mapTo(d, QPoint(0, 0)).y());

    auto boxDir = child<QLineEdit>(d, "boxDirLineEdit");
    auto create = child<QPushButton>(d, "boxDirCreateButton");
    QVERIFY(boxDir && create && child<QPushButton>(d, "boxDirBrowseButton"));
    QCOMPARE(create->text(), QStringLiteral("Create"));
    QCOMPARE(child<QPushButton>(d, "boxDirBrowseButton")->text(), QStringLiteral("Browse..."));
    const QString wanted = dir->path() + QStringLiteral("/new/boxes");
    boxDir->setText(wanted);
    QCOMPARE(child<QLabel>(d, "boxDirStatus")->text(), QStringLiteral("Absent"));
    QVERIFY(create->isVisible());
    QPushButton *ok = child<QDialogButtonBox>(d, "buttonBox")->button(QDialogButtonBox::Ok);
    QVERIFY(!ok->isEnabled());
    QTest::mouseClick(create, Qt::LeftButton);
    QVERIFY(QFileInfo(wanted).isDir());
    QCOMPARE(child<QLabel>(d, "boxDirStatus")->text(), QStringLiteral("Ok"));
    QVERIFY(!create->isVisible());
    QVERIFY(ok->isEnabled());

    const QString backup = dir->path() + QStringLiteral("/backup");
    QVERIFY(QDir().mkpath(backup));
    auto cpyDir = child<QLineEdit>(d, "cpyDirLineEdit");
    bool chooserSeen = false;
    WindowSupport::whenModal([&](QDialog *modal) {
        auto chooser = qobject_cast<QFileDialog *>(modal);
        chooserSeen = chooser != nullptr;
        if (!chooser) {
            modal->reject();
            return;
        }
        QVERIFY(chooser->testOption(QFileDialog::ShowDirsOnly));
        // Inside the folder with no name typed, the chooser takes the folder itself.
        chooser->setDirectory(backup);
        if (auto name = chooser->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
            name->clear();
        static_cast<QDialog *>(chooser)->accept();
    });
    QTest::mouseClick(child<QPushButton>(d, "cpyDirBrowseButton"), Qt::LeftButton);
    QVERIFY(chooserSeen);
    QCOMPARE(cpyDir->text(), backup);
    QCOMPARE(child<QLabel>(d, "cpyDirStatus")->text(), QStringLiteral("Ok"));
}

QTEST_MAIN(TestMySetDialog)
#include "tst_mysetdialog.moc"
