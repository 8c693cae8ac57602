#include "mysettab.h"
#include "ui_mysettab.h"

#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>

#include "altqfile.h"
#include "constants.h"
#include "mysettings.h"

// The labels of the built-in category lists, so that they reach the translation files; they are
// looked up at run time by their stored text.
[[maybe_unused]] static const char *const BUILT_IN_LABELS[] = {
    QT_TRANSLATE_NOOP("MySetTab", "chronicle"),      QT_TRANSLATE_NOOP("MySetTab", "informative"),
    QT_TRANSLATE_NOOP("MySetTab", "event"),          QT_TRANSLATE_NOOP("MySetTab", "situation"),
    QT_TRANSLATE_NOOP("MySetTab", "moment"),         QT_TRANSLATE_NOOP("MySetTab", "detail"),
    QT_TRANSLATE_NOOP("MySetTab", "pictorial"),      QT_TRANSLATE_NOOP("MySetTab", "composition"),
    QT_TRANSLATE_NOOP("MySetTab", "series"),         QT_TRANSLATE_NOOP("MySetTab", "essay"),
    QT_TRANSLATE_NOOP("MySetTab", "blank"),          QT_TRANSLATE_NOOP("MySetTab", "belles"),
    QT_TRANSLATE_NOOP("MySetTab", "information"),    QT_TRANSLATE_NOOP("MySetTab", "popular_science"),
    QT_TRANSLATE_NOOP("MySetTab", "periodical"),     QT_TRANSLATE_NOOP("MySetTab", "educational"),
    QT_TRANSLATE_NOOP("MySetTab", "technical"),      QT_TRANSLATE_NOOP("MySetTab", "folklore"),
    QT_TRANSLATE_NOOP("MySetTab", "fantasy"),        QT_TRANSLATE_NOOP("MySetTab", "detective"),
    QT_TRANSLATE_NOOP("MySetTab", "adventure"),      QT_TRANSLATE_NOOP("MySetTab", "creation"),
    QT_TRANSLATE_NOOP("MySetTab", "art"),            QT_TRANSLATE_NOOP("MySetTab", "home"),
    QT_TRANSLATE_NOOP("MySetTab", "music"),          QT_TRANSLATE_NOOP("MySetTab", "classic"),
    QT_TRANSLATE_NOOP("MySetTab", "folk"),           QT_TRANSLATE_NOOP("MySetTab", "pop"),
    QT_TRANSLATE_NOOP("MySetTab", "baby"),           QT_TRANSLATE_NOOP("MySetTab", "blues"),
    QT_TRANSLATE_NOOP("MySetTab", "jazz"),           QT_TRANSLATE_NOOP("MySetTab", "rock"),
    QT_TRANSLATE_NOOP("MySetTab", "electronic"),     QT_TRANSLATE_NOOP("MySetTab", "retro"),
    QT_TRANSLATE_NOOP("MySetTab", "dancing"),        QT_TRANSLATE_NOOP("MySetTab", "empty_A"),
    QT_TRANSLATE_NOOP("MySetTab", "empty_B"),        QT_TRANSLATE_NOOP("MySetTab", "empty_C"),
    QT_TRANSLATE_NOOP("MySetTab", "empty_D"),        QT_TRANSLATE_NOOP("MySetTab", "empty_E"),
    QT_TRANSLATE_NOOP("MySetTab", "empty_F"),        QT_TRANSLATE_NOOP("MySetTab", "empty_H"),
    QT_TRANSLATE_NOOP("MySetTab", "empty_I"),        QT_TRANSLATE_NOOP("MySetTab", "empty_J"),
    QT_TRANSLATE_NOOP("MySetTab", "empty_K"),        QT_TRANSLATE_NOOP("MySetTab", "empty_L"),
    QT_TRANSLATE_NOOP("MySetTab", "empty_M"),        QT_TRANSLATE_NOOP("MySetTab", "empty_N"),
};

namespace {

bool isEnterKey(const QKeyEvent *keyEvent)
{
    return keyEvent->key() == Qt::Key_Return || keyEvent->key() == Qt::Key_Enter;
}

// A category item is a label and, after a vertical bar, its description.
QString itemLabel(const QString &item)
{
    return item.section(QLatin1Char('|'), 0, 0).trimmed();
}

QString itemDescription(const QString &item)
{
    const int bar = item.indexOf(QLatin1Char('|'));
    return bar < 0 ? QString() : item.mid(bar + 1).trimmed();
}

} // namespace

MySetTab::MySetTab(const QString &boxName, MySettings *settings, QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::MySetTab)
    , box(boxName)
    , settings(settings)
{
    ui->setupUi(this);
    setObjectName(boxName);
    previewRow = {ui->previewAppLineEdit, ui->previewAppStatus, ui->previewAppDefaultButton, box + KEY_PREVIEW_APP};
    presentRow = {ui->presentAppLineEdit, ui->presentAppStatus, ui->presentAppDefaultButton, box + KEY_PRESENT_APP};

    ui->myCatTable->setSelectionBehavior(QAbstractItemView::SelectItems);
    // Category names are short; the whole name stays readable in any language.
    ui->myCatTable->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    fillExtList(settings->text(box + KEY_EXT).split(QLatin1Char(',')));
    ui->previewAppLineEdit->setText(settings->text(previewRow.key));
    ui->presentAppLineEdit->setText(settings->text(presentRow.key));
    fillCategories();

    connect(ui->extLineEdit, &QLineEdit::textChanged, this, &MySetTab::setModeExtAddButton);
    connect(ui->extAddButton, &QPushButton::clicked, this, &MySetTab::pressExtAddButton);
    connect(ui->extDeleteButton, &QPushButton::clicked, this, &MySetTab::pressExtDeleteButton);
    connect(ui->extClearButton, &QPushButton::clicked, this, &MySetTab::pressExtClearButton);
    connect(ui->extDefaultButton, &QPushButton::clicked, this, &MySetTab::pressExtDefaultButton);
    connect(ui->extList, &QListWidget::itemSelectionChanged, this, &MySetTab::setModeExtDeleteButton);
    connect(ui->previewAppLineEdit, &QLineEdit::textChanged, this, &MySetTab::setPreviewAppStatus);
    connect(ui->presentAppLineEdit, &QLineEdit::textChanged, this, &MySetTab::setPresentAppStatus);
    connect(ui->previewAppDefaultButton, &QPushButton::clicked, this, &MySetTab::pressPreviewAppDefaultButton);
    connect(ui->presentAppDefaultButton, &QPushButton::clicked, this, &MySetTab::pressPresentAppDefaultButton);
    connect(ui->myCatEditButton, &QPushButton::clicked, this, &MySetTab::pressMyCatEditButton);
    connect(ui->myCatDefaultButton, &QPushButton::clicked, this, &MySetTab::pressMyCatDefaultButton);
    connect(ui->myCatTable, &QTableWidget::itemChanged, this, &MySetTab::myCatTableChange);
    ui->extLineEdit->installEventFilter(this);

    setModeExtAddButton();
    setModeExtDeleteButton();
    setModeExtClearButton();
    setModeExtDefaultButton();
    setPreviewAppStatus();
    setPresentAppStatus();
    applyEditMode();
}

MySetTab::~MySetTab()
{
    // An open cell editor is committed while the widgets go; this object no longer listens then.
    ui->myCatTable->disconnect(this);
    delete ui;
}

QString MySetTab::programOf(const QString &commandLine)
{
    const QString text = commandLine.trimmed();
    const QChar quote = QLatin1Char('"');
    if (text.startsWith(quote) && text.indexOf(quote, 1) > 0) {
        const int last = text.lastIndexOf(quote);
        return text.mid(0, last + 1).remove(quote).trimmed();
    }
    return text.section(QLatin1Char(' '), 0, 0);
}

bool MySetTab::programExists(const QString &commandLine)
{
    return AltQFile::exists(programOf(commandLine));
}

QString MySetTab::withoutSeparators(const QString &text)
{
    QString result = text;
    result.remove(QLatin1Char(',')).remove(QLatin1Char('|'));
    return result;
}

void MySetTab::saveSettings()
{
    settings->setValue(box + KEY_EXT, extItems().join(QLatin1Char(',')));
    settings->setValue(previewRow.key, ui->previewAppLineEdit->text().simplified());
    settings->setValue(presentRow.key, ui->presentAppLineEdit->text().simplified());

    QStringList items;
    for (int row = 0; row < ui->myCatTable->rowCount(); ++row) {
        const QTableWidgetItem *labelItem = ui->myCatTable->item(row, 0);
        const QTableWidgetItem *descriptionItem = ui->myCatTable->item(row, 1);
        QString item = builtInLabel(labelItem ? labelItem->text().simplified() : QString());
        const QString description = descriptionItem ? descriptionItem->text().simplified() : QString();
        if (!description.isEmpty())
            item += QLatin1Char('|') + description;
        items << item;
    }
    settings->setValue(box + KEY_CATEGORIES, items.join(QLatin1Char(',')));
}

// Extensions

QStringList MySetTab::extItems() const
{
    QStringList items;
    for (int row = 0; row < ui->extList->count(); ++row)
        items << ui->extList->item(row)->text();
    return items;
}

QStringList MySetTab::defaultExtItems() const
{
    QStringList items;
    for (const QString &item : settings->defaultValue(box + KEY_EXT).toString().split(QLatin1Char(','))) {
        if (!item.trimmed().isEmpty())
            items << item.trimmed();
    }
    return items;
}

// Empty parts (an empty setting, doubled commas) are no extensions.
void MySetTab::fillExtList(const QStringList &items)
{
    ui->extList->clear();
    for (const QString &item : items) {
        if (!item.trimmed().isEmpty())
            ui->extList->addItem(item.trimmed());
    }
}

void MySetTab::pressExtAddButton()
{
    if (!ui->extAddButton->isEnabled())
        return;
    ui->extList->addItem(ui->extLineEdit->text().trimmed());
    ui->extLineEdit->clear();
    setModeExtAddButton();
    setModeExtClearButton();
    setModeExtDefaultButton();
}

void MySetTab::pressExtDeleteButton()
{
    const QList<QListWidgetItem *> selected = ui->extList->selectedItems();
    if (selected.isEmpty())
        return;
    delete selected.first();
    setModeExtAddButton();
    setModeExtDeleteButton();
    setModeExtClearButton();
    setModeExtDefaultButton();
}

void MySetTab::pressExtClearButton()
{
    ui->extList->clear();
    setModeExtAddButton();
    setModeExtDeleteButton();
    setModeExtClearButton();
    setModeExtDefaultButton();
}

void MySetTab::pressExtDefaultButton()
{
    fillExtList(defaultExtItems());
    setModeExtAddButton();
    setModeExtDeleteButton();
    setModeExtClearButton();
    setModeExtDefaultButton();
}

void MySetTab::setModeExtAddButton()
{
    // A comma would split the extension in two when the list is stored.
    const QString text = ui->extLineEdit->text().trimmed();
    bool enabled = !text.isEmpty() && !text.contains(QLatin1Char(','));
    for (const QString &item : extItems()) {
        if (item.compare(text, Qt::CaseInsensitive) == 0)
            enabled = false;
    }
    ui->extAddButton->setEnabled(enabled);
}

void MySetTab::setModeExtDeleteButton()
{
    ui->extDeleteButton->setEnabled(!ui->extList->selectedItems().isEmpty());
}

void MySetTab::setModeExtClearButton()
{
    ui->extClearButton->setEnabled(ui->extList->count() > 0);
}

void MySetTab::setModeExtDefaultButton()
{
    QStringList current = extItems();
    QStringList defaults = settings->defaultValue(box + KEY_EXT).toString().remove(QLatin1Char(' ')).split(
        QLatin1Char(','));
    current.sort();
    defaults.sort();
    ui->extDefaultButton->setEnabled(current != defaults);
}

// Assistance programs

void MySetTab::setProgramStatus(const ProgramRow &row)
{
    row.status->setText(programExists(row.lineEdit->text()) ? tr("Ok") : tr("Absent"));
    row.defaultButton->setEnabled(row.lineEdit->text().simplified() != settings->defaultValue(row.key).toString());
}

void MySetTab::pressProgramDefaultButton(const ProgramRow &row)
{
    row.lineEdit->setText(settings->defaultValue(row.key).toString());
}

void MySetTab::setPreviewAppStatus()
{
    setProgramStatus(previewRow);
}

void MySetTab::setPresentAppStatus()
{
    setProgramStatus(presentRow);
}

void MySetTab::pressPreviewAppDefaultButton()
{
    pressProgramDefaultButton(previewRow);
}

void MySetTab::pressPresentAppDefaultButton()
{
    pressProgramDefaultButton(presentRow);
}

// Categories

QString MySetTab::translatedLabel(const QString &label) const
{
    if (!defaultLabels.contains(label))
        return label;
    return tr(label.toUtf8().constData());
}

// A label shown in its translation is stored under its built-in name.
QString MySetTab::builtInLabel(const QString &shown) const
{
    const int index = defaultLabelsTr.indexOf(shown);
    return index < 0 ? shown : defaultLabels.at(index);
}

void MySetTab::fillCategories()
{
    defaultLabels.clear();
    defaultLabelsTr.clear();
    defaultDescriptions.clear();
    for (const QString &item : settings->defaultValue(box + KEY_CATEGORIES).toString().split(QLatin1Char(','))) {
        defaultLabels << itemLabel(item);
        defaultDescriptions << itemDescription(item);
    }
    for (const QString &label : qAsConst(defaultLabels))
        defaultLabelsTr << translatedLabel(label);

    const QStringList items = settings->text(box + KEY_CATEGORIES).split(QLatin1Char(','));
    const QSignalBlocker blocker(ui->myCatTable);
    ui->myCatTable->setRowCount(items.size());
    for (int row = 0; row < items.size(); ++row)
        setCategoryRow(row, translatedLabel(itemLabel(items.at(row))), itemDescription(items.at(row)));
}

void MySetTab::setCategoryRow(int row, const QString &label, const QString &description)
{
    const QStringList texts = {label, description};
    for (int column = 0; column < texts.size(); ++column) {
        QTableWidgetItem *item = ui->myCatTable->item(row, column);
        if (!item) {
            item = new QTableWidgetItem;
            ui->myCatTable->setItem(row, column, item);
        }
        item->setText(texts.at(column));
    }
}

void MySetTab::applyEditMode()
{
    {
        const QSignalBlocker blocker(ui->myCatTable);
        for (int row = 0; row < ui->myCatTable->rowCount(); ++row) {
            for (int column = 0; column < ui->myCatTable->columnCount(); ++column) {
                if (QTableWidgetItem *item = ui->myCatTable->item(row, column)) {
                    item->setFlags(editMode ? item->flags() | Qt::ItemIsEditable
                                            : item->flags() & ~Qt::ItemIsEditable);
                }
            }
        }
    }
    ui->myCatEditStatus->setText(editMode ? tr("enable") : tr("disable"));
    setModeMyCatDefaultButton();
}

void MySetTab::pressMyCatEditButton()
{
    editMode = !editMode;
    applyEditMode();
}

void MySetTab::pressMyCatDefaultButton()
{
    {
        const QSignalBlocker blocker(ui->myCatTable);
        ui->myCatTable->setRowCount(defaultLabels.size());
        for (int row = 0; row < defaultLabels.size(); ++row)
            setCategoryRow(row, defaultLabelsTr.at(row), defaultDescriptions.at(row));
    }
    applyEditMode();
    ui->myCatDefaultButton->setEnabled(false);
}

void MySetTab::myCatTableChange(QTableWidgetItem *item)
{
    if (!item)
        return;
    QString text = withoutSeparators(item->text()).trimmed();
    if (item->column() == 0 && text.isEmpty() && item->row() < defaultLabelsTr.size())
        text = defaultLabelsTr.at(item->row());
    if (text != item->text()) {
        const QSignalBlocker blocker(ui->myCatTable);
        item->setText(text);
    }
    setModeMyCatDefaultButton();
}

void MySetTab::setModeMyCatDefaultButton()
{
    QStringList shown;
    for (int row = 0; row < ui->myCatTable->rowCount(); ++row) {
        const QTableWidgetItem *item = ui->myCatTable->item(row, 0);
        shown << (item ? item->text() : QString());
    }
    ui->myCatDefaultButton->setEnabled(editMode && shown != defaultLabelsTr);
}

bool MySetTab::eventFilter(QObject *watched, QEvent *event)
{
    // Enter adds the typed extension; it never reaches the dialog, where it would accept it.
    if (watched == ui->extLineEdit && event->type() == QEvent::KeyPress
        && isEnterKey(static_cast<QKeyEvent *>(event))) {
        pressExtAddButton();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void MySetTab::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange && ui)
        retranslateUi();
    QWidget::changeEvent(event);
}

void MySetTab::retranslateUi()
{
    ui->retranslateUi(this);
    // Rows that show a built-in label follow the new language; labels of the user's own stay.
    const QStringList oldTranslations = defaultLabelsTr;
    defaultLabelsTr.clear();
    for (const QString &label : qAsConst(defaultLabels))
        defaultLabelsTr << translatedLabel(label);
    {
        const QSignalBlocker blocker(ui->myCatTable);
        for (int row = 0; row < ui->myCatTable->rowCount(); ++row) {
            QTableWidgetItem *item = ui->myCatTable->item(row, 0);
            const int index = item ? oldTranslations.indexOf(item->text()) : -1;
            if (index >= 0)
                item->setText(defaultLabelsTr.at(index));
        }
    }
    ui->myCatEditStatus->setText(editMode ? tr("enable") : tr("disable"));
    setPreviewAppStatus();
    setPresentAppStatus();
}
