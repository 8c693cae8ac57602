#include "mysetdialog.h"
#include "ui_mysetdialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QShowEvent>
#include <QVBoxLayout>

#include "constants.h"
#include "firsttable.h"
#include "mymessagebox.h"
#include "mysettab.h"
#include "mysettings.h"
#include "windowplacement.h"

namespace {

enum FirstColumn { PathColumn, DescriptionColumn, StatusColumn };

bool isEnterKey(const QKeyEvent *keyEvent)
{
    return keyEvent->key() == Qt::Key_Return || keyEvent->key() == Qt::Key_Enter;
}

bool isAbsoluteDirectory(const QString &path)
{
    return QDir::isAbsolutePath(path) && QFileInfo(path).isDir();
}

MySetTab *addBoxTab(const QString &boxName, MySettings *settings, QWidget *page)
{
    auto tab = new MySetTab(boxName, settings, page);
    page->layout()->setContentsMargins(0, 0, 0, 0);
    page->layout()->addWidget(tab);
    return tab;
}

} // namespace

MySetDialog::MySetDialog(MySettings *settings, QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::MySetDialog)
    , settings(settings)
{
    ui->setupUi(this);
    firstTable = ui->firstDirTable;
    photoTab = addBoxTab(KEY_PHOTO, settings, ui->mySetPhotoTab);
    bookTab = addBoxTab(KEY_BOOK, settings, ui->mySetBookTab);
    clipTab = addBoxTab(KEY_CLIP, settings, ui->mySetVideoTab);
    musicTab = addBoxTab(KEY_MUSIC, settings, ui->mySetMusicTab);

    fieldRows[BoxDirRow] = {ui->boxDirLineEdit, ui->boxDirStatus, ui->boxDirDefaultButton, KEY_GENERAL + KEY_BOX_DIR,
                            BOX_DIR_DEFAULT, DirectoryField};
    fieldRows[CpyDirRow] = {ui->cpyDirLineEdit, ui->cpyDirStatus, ui->cpyDirDefaultButton, KEY_GENERAL + KEY_CPY_DIR,
                            CPY_DIR_DEFAULT, DirectoryField};
    fieldRows[BurnAppRow] = {ui->burnAppLineEdit, ui->burnAppStatus, ui->burnAppDefaultButton,
                             KEY_GENERAL + KEY_BURN_CD, CMD_BURN_CD_DEFAULT, ProgramField};
    fieldRows[ExtractAppRow] = {ui->extractAppLineEdit, ui->extractAppStatus, ui->extractAppDefaultButton,
                                KEY_GENERAL + KEY_EXTRACT_META_APP, EXTRACT_META_APP, ProgramField};
    addFolderButtons(fieldRows[BoxDirRow], 0, QStringLiteral("boxDir"));
    addFolderButtons(fieldRows[CpyDirRow], 1, QStringLiteral("cpyDir"));
    problemLabel = new QLabel(this);
    problemLabel->setObjectName(QStringLiteral("problemLabel"));
    problemLabel->setStyleSheet(QStringLiteral("color: red"));
    problemLabel->setWordWrap(true);
    problemLabel->hide();
    ui->dialogLayout->insertWidget(0, problemLabel);
    for (const FieldRow &row : fieldRows)
        row.lineEdit->setText(settings->text(row.key));
    boxDirAtStart = ui->boxDirLineEdit->text();
    fillFirstTable();

    connect(ui->boxDirLineEdit, &QLineEdit::textChanged, this, &MySetDialog::setBoxDirStatus);
    connect(ui->boxDirLineEdit, &QLineEdit::textChanged, this, &MySetDialog::setModeOkButton);
    connect(ui->boxDirLineEdit, &QLineEdit::textChanged, this, &MySetDialog::setModeBoxDirDefaultButton);
    connect(ui->cpyDirLineEdit, &QLineEdit::textChanged, this, &MySetDialog::setCpyDirStatus);
    connect(ui->cpyDirLineEdit, &QLineEdit::textChanged, this, &MySetDialog::setModeCpyDirDefaultButton);
    connect(ui->burnAppLineEdit, &QLineEdit::textChanged, this, &MySetDialog::setBurnAppStatus);
    connect(ui->burnAppLineEdit, &QLineEdit::textChanged, this, &MySetDialog::setModeBurnAppDefaultButton);
    connect(ui->extractAppLineEdit, &QLineEdit::textChanged, this, &MySetDialog::setExtractAppStatus);
    connect(ui->extractAppLineEdit, &QLineEdit::textChanged, this, &MySetDialog::setModeExtractAppDefaultButton);
    connect(ui->boxDirDefaultButton, &QPushButton::clicked, this, &MySetDialog::pressBoxDirDefaultButton);
    connect(ui->cpyDirDefaultButton, &QPushButton::clicked, this, &MySetDialog::pressCpyDirDefaultButton);
    connect(ui->burnAppDefaultButton, &QPushButton::clicked, this, &MySetDialog::pressBurnAppDefaultButton);
    connect(ui->extractAppDefaultButton, &QPushButton::clicked, this, &MySetDialog::pressExtractAppDefaultButton);
    connect(ui->firstDirAddButton, &QPushButton::clicked, this, &MySetDialog::pressFirstDirAddButton);
    connect(ui->firstDirDeleteButton, &QPushButton::clicked, this, &MySetDialog::pressFirstDirDeleteButton);
    connect(firstTable, &QTableWidget::itemChanged, this, &MySetDialog::tableChange);
    connect(firstTable, &QTableWidget::itemSelectionChanged, this, &MySetDialog::setModeFirstDeleteButton);
    connect(firstTable, &FirstTable::focusLose, this, &MySetDialog::setFocusAfterFirstTable);
    for (const FieldRow &row : fieldRows)
        row.lineEdit->installEventFilter(this);

    // The texts first, as wide as they will be shown; then the size, before the focus is set: moving
    // the tabs into their scroll area takes the focus away.
    ui->retranslateUi(this);
    retranslateThis();
    refreshAll();
    fitIntoScreen();
    ui->mySetTabWidget->setCurrentWidget(ui->mySetGeneralTab);
    ui->boxDirLineEdit->setFocus();
}

void MySetDialog::setProblem(const QString &reason)
{
    problemLabel->setText(reason);
    problemLabel->setVisible(!reason.isEmpty());
}

// Beside the "Predefine" button of a folder row.
void MySetDialog::addFolderButtons(FieldRow &row, int gridRow, const QString &name)
{
    row.browseButton = new QPushButton(this);
    row.browseButton->setObjectName(name + QStringLiteral("BrowseButton"));
    row.createButton = new QPushButton(this);
    row.createButton->setObjectName(name + QStringLiteral("CreateButton"));
    ui->generalFieldLayout->addWidget(row.browseButton, gridRow, 4);
    ui->generalFieldLayout->addWidget(row.createButton, gridRow, 5);
    const int index = gridRow == 0 ? BoxDirRow : CpyDirRow;
    connect(row.browseButton, &QPushButton::clicked, this, [this, index] { pressBrowseButton(fieldRows[index]); });
    connect(row.createButton, &QPushButton::clicked, this, [this, index] { pressCreateButton(fieldRows[index]); });
}

void MySetDialog::retranslateThis()
{
    for (const FieldRow &row : fieldRows) {
        if (row.browseButton) {
            row.browseButton->setText(tr("Browse..."));
            row.createButton->setText(tr("Create"));
        }
    }
}

// Starts where the field points, or at its nearest folder that exists.
void MySetDialog::pressBrowseButton(const FieldRow &row)
{
    QString start = row.lineEdit->text().simplified();
    while (!start.isEmpty() && !QFileInfo(start).isDir() && QFileInfo(start).absolutePath() != start)
        start = QFileInfo(start).absolutePath();
    QFileDialog chooser(this, tr("Choose a folder"), start);
    chooser.setObjectName(QStringLiteral("folderChooser"));
    chooser.setFileMode(QFileDialog::Directory);
    chooser.setOption(QFileDialog::ShowDirsOnly);
    chooser.setOption(QFileDialog::DontUseNativeDialog);
    if (chooser.exec() == QDialog::Accepted && !chooser.selectedFiles().isEmpty())
        row.lineEdit->setText(QDir::toNativeSeparators(chooser.selectedFiles().first()));
    row.lineEdit->setFocus();
}

void MySetDialog::pressCreateButton(const FieldRow &row)
{
    const QString path = row.lineEdit->text().simplified();
    if (!QDir::isAbsolutePath(path))
        return;
    if (!QDir().mkpath(path))
        MyMessageBox::warning(this, tr("Warning"), tr("The folder cannot be created:\n%1").arg(path));
    refreshAll();
}

void MySetDialog::fitIntoScreen()
{
    // On a low screen the tabs scroll, so that OK and Cancel below them stay in sight.
    m_formSize = size();
    auto scrollArea = new QScrollArea(this);
    scrollArea->setObjectName(QStringLiteral("mySetScrollArea"));
    scrollArea->setFrameShape(QFrame::NoFrame);
    scrollArea->setWidgetResizable(true);
    delete ui->dialogLayout->replaceWidget(ui->mySetTabWidget, scrollArea);
    scrollArea->setWidget(ui->mySetTabWidget);
    WindowPlacement::fit(this, m_formSize);
}

QSize MySetDialog::preferredSize() const
{
    const QMargins margins = ui->dialogLayout->contentsMargins();
    return m_formSize.expandedTo(QSize(ui->mySetTabWidget->minimumSizeHint().width() + margins.left() +
                                           margins.right(), 0));
}

void MySetDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Only a shown form knows how wide its translated texts are; it widens once where the screen lets it.
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    if (preferredSize().width() > width())
        WindowPlacement::fit(this, preferredSize());
}

MySetDialog::~MySetDialog()
{
    // Hiding the dialog in the base destructor commits an open cell editor; the table must not
    // call back into this half-destroyed object then.
    firstTable->disconnect(this);
    delete ui;
}

void MySetDialog::saveSettings()
{
    for (const FieldRow &row : fieldRows)
        settings->setValue(row.key, row.lineEdit->text().simplified());
    settings->setValue(KEY_GENERAL + KEY_FIRST_DIR, firstDirValue());
    for (MySetTab *tab : {photoTab, bookTab, clipTab, musicTab})
        tab->saveSettings();
    settings->sync();
}

bool MySetDialog::needReboot() const
{
    return ui->boxDirLineEdit->text().simplified() != boxDirAtStart.simplified();
}

// General fields

void MySetDialog::setFieldStatus(const FieldRow &row)
{
    if (row.kind == ProgramField) {
        row.status->setText(MySetTab::programExists(row.lineEdit->text()) ? tr("Ok") : tr("Absent"));
        return;
    }
    const QString path = row.lineEdit->text().simplified();
    if (!QDir::isAbsolutePath(path))
        row.status->setText(tr("The path must be absolute"));
    else
        row.status->setText(QFileInfo(path).isDir() ? tr("Ok") : tr("Absent"));
    if (row.createButton)
        row.createButton->setVisible(QDir::isAbsolutePath(path) && !QFileInfo::exists(path));
}

void MySetDialog::setModeDefaultButton(const FieldRow &row)
{
    row.defaultButton->setEnabled(row.lineEdit->text().simplified() != row.defaultText);
}

void MySetDialog::pressDefaultButton(const FieldRow &row)
{
    row.lineEdit->setText(row.defaultText);
}

void MySetDialog::setBoxDirStatus()
{
    setFieldStatus(fieldRows[BoxDirRow]);
}

void MySetDialog::setCpyDirStatus()
{
    setFieldStatus(fieldRows[CpyDirRow]);
}

void MySetDialog::setBurnAppStatus()
{
    setFieldStatus(fieldRows[BurnAppRow]);
}

void MySetDialog::setExtractAppStatus()
{
    setFieldStatus(fieldRows[ExtractAppRow]);
}

void MySetDialog::setModeOkButton()
{
    if (QPushButton *ok = ui->buttonBox->button(QDialogButtonBox::Ok))
        ok->setEnabled(isAbsoluteDirectory(ui->boxDirLineEdit->text().simplified()));
}

void MySetDialog::setModeBoxDirDefaultButton()
{
    setModeDefaultButton(fieldRows[BoxDirRow]);
}

void MySetDialog::setModeCpyDirDefaultButton()
{
    setModeDefaultButton(fieldRows[CpyDirRow]);
}

void MySetDialog::setModeBurnAppDefaultButton()
{
    setModeDefaultButton(fieldRows[BurnAppRow]);
}

void MySetDialog::setModeExtractAppDefaultButton()
{
    setModeDefaultButton(fieldRows[ExtractAppRow]);
}

void MySetDialog::pressBoxDirDefaultButton()
{
    pressDefaultButton(fieldRows[BoxDirRow]);
}

void MySetDialog::pressCpyDirDefaultButton()
{
    pressDefaultButton(fieldRows[CpyDirRow]);
}

void MySetDialog::pressBurnAppDefaultButton()
{
    pressDefaultButton(fieldRows[BurnAppRow]);
}

void MySetDialog::pressExtractAppDefaultButton()
{
    pressDefaultButton(fieldRows[ExtractAppRow]);
}

// Devices

// Entries are "path" or "path|description"; anything else, or an empty path, is dropped.
void MySetDialog::fillFirstTable()
{
    const QSignalBlocker blocker(firstTable);
    firstTable->setRowCount(0);
    firstDirs.clear();
    for (const QString &entry : settings->text(KEY_GENERAL + KEY_FIRST_DIR).split(QLatin1Char(','))) {
        const QStringList parts = entry.split(QLatin1Char('|'), Qt::KeepEmptyParts);
        if (parts.size() > 2)
            continue;
        const QString path = parts.at(0).trimmed();
        if (path.isEmpty())
            continue;
        appendFirstRow(path, parts.size() > 1 ? parts.at(1).trimmed() : QString());
    }
}

void MySetDialog::appendFirstRow(const QString &path, const QString &description)
{
    const QSignalBlocker blocker(firstTable);
    const int row = firstTable->rowCount();
    firstTable->insertRow(row);
    firstTable->setItem(row, PathColumn, new QTableWidgetItem(path));
    firstTable->setItem(row, DescriptionColumn, new QTableWidgetItem(description));
    auto status = new QTableWidgetItem;
    status->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    QFont font = status->font();
    font.setItalic(true);
    status->setFont(font);
    firstTable->setItem(row, StatusColumn, status);
    firstDirs << path;
    setFirstRowStatus(row);
}

void MySetDialog::setFirstRowStatus(int row)
{
    QTableWidgetItem *pathItem = firstTable->item(row, PathColumn);
    QTableWidgetItem *statusItem = firstTable->item(row, StatusColumn);
    if (!pathItem || !statusItem)
        return;
    const QString path = pathItem->text();
    const QSignalBlocker blocker(firstTable);
    if (path.isEmpty())
        statusItem->setText(QString());
    else
        statusItem->setText(QFileInfo(path).isDir() ? tr("Ok") : tr("Absent"));
}

// Rows still without a path are not devices and are left out.
QString MySetDialog::firstDirValue() const
{
    QStringList entries;
    for (int row = 0; row < firstTable->rowCount(); ++row) {
        const QTableWidgetItem *pathItem = firstTable->item(row, PathColumn);
        const QTableWidgetItem *descriptionItem = firstTable->item(row, DescriptionColumn);
        QString entry = pathItem ? pathItem->text().simplified() : QString();
        if (entry.isEmpty())
            continue;
        const QString description = descriptionItem ? descriptionItem->text().simplified() : QString();
        if (!description.isEmpty())
            entry += QLatin1Char('|') + description;
        entries << entry;
    }
    return entries.join(QLatin1Char(','));
}

void MySetDialog::setModeFirstAddButton()
{
    bool enabled = true;
    for (int row = 0; row < firstTable->rowCount(); ++row) {
        const QTableWidgetItem *pathItem = firstTable->item(row, PathColumn);
        if (!pathItem || pathItem->text().isEmpty())
            enabled = false;
    }
    ui->firstDirAddButton->setEnabled(enabled);
}

void MySetDialog::pressFirstDirAddButton()
{
    if (!ui->firstDirAddButton->isEnabled())
        return;
    appendFirstRow(QString(), QString());
    const int row = firstTable->rowCount() - 1;
    setModeFirstAddButton();
    firstTable->setFocus();
    firstTable->setCurrentCell(row, PathColumn);
    firstTable->editItem(firstTable->item(row, PathColumn));
}

void MySetDialog::pressFirstDirDeleteButton()
{
    int row = -1;
    for (const QTableWidgetItem *item : firstTable->selectedItems()) {
        if (item->column() == PathColumn) {
            row = item->row();
            break;
        }
    }
    if (row < 0)
        return;
    const QWidget *focus = focusWidget();
    const bool focusOnDevices =
        !focus || focus == ui->firstDirDeleteButton || focus == firstTable || firstTable->isAncestorOf(focus);
    firstTable->removeRow(row);
    firstDirs.removeAt(row);
    setModeFirstAddButton();
    setModeFirstDeleteButton();
    // An empty table has nothing to offer the keyboard, nor has the disabled Delete button: the
    // next thing to do is adding a device.
    if (firstTable->rowCount() == 0 && focusOnDevices)
        moveFocusFrom(firstTable, true);
}

// Separators of the device list cannot be part of a path or description; an emptied path keeps
// the value it had.
void MySetDialog::tableChange(QTableWidgetItem *item)
{
    if (!item || item->column() == StatusColumn)
        return;
    const int row = item->row();
    QString text = MySetTab::withoutSeparators(item->text()).trimmed();
    if (item->column() == PathColumn) {
        if (text.isEmpty() && row < firstDirs.size())
            text = firstDirs.at(row);
        if (row < firstDirs.size())
            firstDirs[row] = text;
    }
    if (text != item->text()) {
        const QSignalBlocker blocker(firstTable);
        item->setText(text);
    }
    if (item->column() == PathColumn)
        setFirstRowStatus(row);
    setModeFirstAddButton();
}

void MySetDialog::setModeFirstDeleteButton()
{
    ui->firstDirDeleteButton->setEnabled(!firstTable->selectedItems().isEmpty());
}

void MySetDialog::setFocusAfterFirstTable(bool next)
{
    moveFocusFrom(firstTable, next);
}

// Walks the tab chain from a widget to the next one that can take the keyboard focus, skipping
// the widget's own children (the table's viewport, editors and scroll bars).
void MySetDialog::moveFocusFrom(QWidget *from, bool next)
{
    QWidget *candidate = from;
    for (;;) {
        candidate = next ? candidate->nextInFocusChain() : candidate->previousInFocusChain();
        if (!candidate || candidate == from)
            return;
        if (from->isAncestorOf(candidate) || !isAncestorOf(candidate))
            continue;
        if ((candidate->focusPolicy() & Qt::TabFocus) && candidate->isEnabled() && candidate->isVisibleTo(this)) {
            candidate->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return;
        }
    }
}

// Enter in a general field moves on instead of accepting the dialog; Alt+Enter restores the default.
bool MySetDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && isEnterKey(static_cast<QKeyEvent *>(event))) {
        for (const FieldRow &row : fieldRows) {
            if (watched != row.lineEdit)
                continue;
            if (static_cast<QKeyEvent *>(event)->modifiers() & Qt::AltModifier)
                pressDefaultButton(row);
            else
                moveFocusFrom(row.lineEdit, true);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void MySetDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange && ui) {
        ui->retranslateUi(this);
        retranslateThis();
        refreshAll();
    }
    QDialog::changeEvent(event);
}

void MySetDialog::refreshAll()
{
    setBoxDirStatus();
    setCpyDirStatus();
    setBurnAppStatus();
    setExtractAppStatus();
    setModeOkButton();
    setModeBoxDirDefaultButton();
    setModeCpyDirDefaultButton();
    setModeBurnAppDefaultButton();
    setModeExtractAppDefaultButton();
    for (int row = 0; row < firstTable->rowCount(); ++row)
        setFirstRowStatus(row);
    setModeFirstAddButton();
    setModeFirstDeleteButton();
}
