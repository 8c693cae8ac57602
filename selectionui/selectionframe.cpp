#include "selectionframe.h"

#include <QApplication>
#include <QCompleter>
#include <QHeaderView>
#include <QKeyEvent>
#include <QRegularExpressionValidator>

#include <algorithm>

#include "anybox.h"
#include "constants.h"
#include "mymessagebox.h"
#include "mysssfile.h"
#include "mywrdfile.h"
#include "searchdialog.h"
#include "selectionpass.h"
#include "selector.h"
#include "sessioncolumns.h"

namespace {

enum WhichValue { Ignore, Present, Absent, PresentMajor, PresentNotMajor };
const int CATEGORY_POSITIONS = 6;

QString capitalized(const QString &text)
{
    return text.isEmpty() ? text : text.left(1).toUpper() + text.mid(1);
}

} // namespace

SelectionFrame::SelectionFrame(const QString &name, AnyBox *box, SearchDialog *dialog, QFrame *parent)
    : QFrame(parent)
    , m_box(box)
    , m_dialog(dialog)
    , m_pass(new SelectionPass(this))
{
    setObjectName(name);
    setupUi(this);
    m_wrdFile = dynamic_cast<MyWrdFile *>(m_box->unit(NAME_WRD_FILE));
    for (int i = 0; i < searchTab->count(); ++i)
        m_tabTitles << searchTab->tabText(i);
    m_marker = QStringLiteral("*");
    progressBar->setMinimum(0);
    progressBar->setValue(0);
    foundRecords->setText(QStringLiteral("0"));

    remarkEdit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[a-z]{6}")), this));
    fillSessionTable();
    if (m_wrdFile) {
        auto completer = new QCompleter(m_wrdFile->allWords(), this);
        completer->setCaseSensitivity(Qt::CaseInsensitive);
        wordEdit->setCompleter(completer);
    }
    m_fromPrefix = tr("&From");
    m_beforePrefix = tr("&Before");
    const QDate today = QDate::currentDate();
    fromCalendar->setSelectedDate(today);
    beforeCalendar->setSelectedDate(today);
    setTitleFromGroupBox();
    setTitleBeforeGroupBox();
    setWhichPossibleValue();
    retranslateCategory();
    setupLists();

    connect(m_pass, &SelectionPass::started, this, [this](int total) {
        progressBar->setMaximum(total > 0 ? total : 1);
        progressBar->setValue(0);
    });
    connect(m_pass, &SelectionPass::progressed, this,
            [this](int examined) { progressBar->setValue(qMin(examined, progressBar->maximum())); });
    connect(m_pass, &SelectionPass::foundChanged, this,
            [this](int found) { foundRecords->setText(QString::number(found)); });
    connect(startButton, &QPushButton::clicked, this, &SelectionFrame::pressStart);
    connect(this, &SelectionFrame::searchOver, m_dialog, &SearchDialog::setModeSaveButton);
    connect(this, &SelectionFrame::searchOver, m_dialog, &SearchDialog::setModeCreateStageButton);
    connect(this, &SelectionFrame::searchOver, m_dialog, &SearchDialog::showStage);
    connect(this, &SelectionFrame::searchOver, m_dialog, &SearchDialog::needUpdateStatus);
    setModeButtons();
}

int SelectionFrame::stageNumber() const
{
    return objectName().section(QLatin1Char('_'), 1).toInt() - 1;
}

// ---- lists and buttons -------------------------------------------------------------------

// Each criterion list with its Clear and Remove buttons.
QList<SelectionFrame::ListButtons> SelectionFrame::listButtons() const
{
    return {{remarkList, remarkClearButton, remarkRemoveButton},
            {titleList, titleClearButton, titleRemoveButton},
            {dateList, dateClearButton, dateRemoveButton},
            {wordList, wordClearButton, wordRemoveButton},
            {wordPresentList, wordPresentClearButton, wordPresentRemoveButton},
            {wordAbsentList, wordAbsentClearButton, wordAbsentRemoveButton}};
}

void SelectionFrame::setupLists()
{
    connect(remarkAddButton, &QPushButton::clicked, this, &SelectionFrame::pressRemarkAddButton);
    connect(titleAddButton, &QPushButton::clicked, this, &SelectionFrame::pressTitleAddButton);
    connect(dateAddButton, &QPushButton::clicked, this, &SelectionFrame::pressDateAddButton);
    connect(wordAddButton, &QPushButton::clicked, this, &SelectionFrame::pressWordAddButton);
    connect(wordPresentButton, &QPushButton::clicked, this, &SelectionFrame::pressWordPresentButton);
    connect(wordAbsentButton, &QPushButton::clicked, this, &SelectionFrame::pressWordAbsentButton);
    connect(remarkEdit, &QLineEdit::returnPressed, remarkAddButton, &QPushButton::click);
    connect(titleEdit, &QLineEdit::returnPressed, titleAddButton, &QPushButton::click);
    wordEdit->installEventFilter(this);

    const QList<ListButtons> lists = listButtons();
    for (const auto &item : lists) {
        QListWidget *list = item.list;
        connect(item.clear, &QPushButton::clicked, this, [this, list]() {
            list->clear();
            rememberWordKeys();
            setModeButtons();
        });
        connect(item.remove, &QPushButton::clicked, this, [this, list]() {
            qDeleteAll(list->selectedItems());
            rememberWordKeys();
            setModeButtons();
        });
        connect(list, &QListWidget::itemSelectionChanged, this, &SelectionFrame::setModeButtons);
    }
    for (QLineEdit *edit : {remarkEdit, titleEdit, wordEdit})
        connect(edit, &QLineEdit::textChanged, this, &SelectionFrame::setModeButtons);
    for (QCheckBox *box : {remarkInvert, titleInvert, dateInvert, wordInvert, sessionInvert, printInvert,
                           categoryInvert, printed, notPrinted})
        connect(box, &QCheckBox::toggled, this, &SelectionFrame::setModeButtons);
    const QRegularExpression categoryBoxes(QStringLiteral("^(where|daytime|season|picture|method)_"));
    for (QCheckBox *box : findChildren<QCheckBox *>(categoryBoxes))
        connect(box, &QCheckBox::toggled, this, &SelectionFrame::setModeButtons);
    for (QComboBox *combo : whichGroupBox->findChildren<QComboBox *>()) {
        connect(combo, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &SelectionFrame::setModeButtons);
        combo->installEventFilter(this);
    }
    connect(dateFromGroupBox, &QGroupBox::toggled, this, &SelectionFrame::setTitleFromGroupBox);
    connect(dateBeforeGroupBox, &QGroupBox::toggled, this, &SelectionFrame::setTitleBeforeGroupBox);
    connect(fromCalendar, &QCalendarWidget::selectionChanged, this, &SelectionFrame::setTitleFromGroupBox);
    connect(beforeCalendar, &QCalendarWidget::selectionChanged, this, &SelectionFrame::setTitleBeforeGroupBox);
    connect(sessionTable, &QTableWidget::itemSelectionChanged, this, &SelectionFrame::changeSessionSelection);
    connect(sessionAnnFilterEdit, &QLineEdit::textChanged, this, &SelectionFrame::filterSessions);
    connect(sessionClearAnnFilterButton, &QPushButton::clicked, sessionAnnFilterEdit, &QLineEdit::clear);
    connect(sessionClearButton, &QPushButton::clicked, sessionTable, &QTableWidget::clearSelection);
}

bool SelectionFrame::listHas(const QListWidget *list, const QString &text)
{
    return !list->findItems(text, Qt::MatchExactly).isEmpty();
}

void SelectionFrame::appendTo(QListWidget *list, const QString &text)
{
    list->addItem(text);
}

void SelectionFrame::pressRemarkAddButton()
{
    if (!remarkAddButton->isEnabled())
        return;
    appendTo(remarkList, remarkEdit->text());
    remarkEdit->clear();
    remarkEdit->setFocus();
    setModeButtons();
}

void SelectionFrame::pressTitleAddButton()
{
    if (!titleAddButton->isEnabled())
        return;
    appendTo(titleList, titleEdit->text().simplified());
    titleEdit->clear();
    titleEdit->setFocus();
    setModeButtons();
}

void SelectionFrame::pressDateAddButton()
{
    if (!dateAddButton->isEnabled())
        return;
    appendTo(dateList, makeDateRequest());
    setModeButtons();
}

void SelectionFrame::pressWordAddButton()
{
    if (!wordAddButton->isEnabled())
        return;
    appendTo(wordList, makeWordRequest());
    wordPresentList->clear();
    wordAbsentList->clear();
    rememberWordKeys();
    wordEdit->clear();
    wordEdit->setFocus();
    setModeButtons();
}

void SelectionFrame::pressWordPresentButton()
{
    if (!wordPresentButton->isEnabled())
        return;
    appendTo(wordPresentList, wordEdit->text().simplified());
    rememberWordKeys();
    wordEdit->clear();
    wordEdit->setFocus();
    setModeButtons();
}

void SelectionFrame::pressWordAbsentButton()
{
    if (!wordAbsentButton->isEnabled())
        return;
    appendTo(wordAbsentList, wordEdit->text().simplified());
    rememberWordKeys();
    wordEdit->clear();
    wordEdit->setFocus();
    setModeButtons();
}

// The keys chosen are those of the words in the two lists, so removing a word frees its key.
void SelectionFrame::rememberWordKeys()
{
    m_presentKeys.clear();
    m_absentKeys.clear();
    if (!m_wrdFile)
        return;
    for (int i = 0; i < wordPresentList->count(); ++i)
        m_presentKeys.insert(m_wrdFile->getKey(wordPresentList->item(i)->text()));
    for (int i = 0; i < wordAbsentList->count(); ++i)
        m_absentKeys.insert(m_wrdFile->getKey(wordAbsentList->item(i)->text()));
}

void SelectionFrame::setModeButtons()
{
    const QString remark = remarkEdit->text();
    remarkAddButton->setEnabled(remarkEdit->hasAcceptableInput() && !listHas(remarkList, remark));
    const QString caption = titleEdit->text().simplified();
    titleAddButton->setEnabled(!caption.isEmpty() && !listHas(titleList, caption));
    dateAddButton->setEnabled((dateFromGroupBox->isChecked() || dateBeforeGroupBox->isChecked())
                              && !listHas(dateList, makeDateRequest()));
    wordAddButton->setEnabled((wordPresentList->count() > 0 || wordAbsentList->count() > 0)
                              && !listHas(wordList, makeWordRequest()));
    const QString key = m_wrdFile ? m_wrdFile->getKey(wordEdit->text()) : QString();
    const bool newWord = !key.isEmpty() && !m_presentKeys.contains(key) && !m_absentKeys.contains(key);
    wordPresentButton->setEnabled(newWord);
    wordAbsentButton->setEnabled(newWord);
    const QList<ListButtons> lists = listButtons();
    for (const auto &item : lists) {
        item.clear->setEnabled(item.list->count() > 0);
        item.remove->setEnabled(!item.list->selectedItems().isEmpty());
    }
    sessionClearAnnFilterButton->setEnabled(!sessionAnnFilterEdit->text().isEmpty());
    sessionClearButton->setEnabled(!m_sessions.isEmpty());

    setHeaderRemark();
    setHeaderCategory();
    setHeaderKeyword();
    setHeaderDate();
    setHeaderSession();
    setHeaderPrint();
    setHeaderTitle();
    startButton->setEnabled(remarkList->count() > 0 || categoryHoldsCriterion() || wordList->count() > 0
                            || dateList->count() > 0 || !m_sessions.isEmpty() || printed->isChecked()
                            || notPrinted->isChecked() || titleList->count() > 0);
}

// Return in the word clicks Present, with Shift Absent; Return in a "which" box goes to the next control.
bool SelectionFrame::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto keyEvent = static_cast<QKeyEvent *>(event);
        const bool enter = keyEvent->key() == Qt::Key_Return || keyEvent->key() == Qt::Key_Enter;
        if (enter && watched == wordEdit) {
            if (keyEvent->modifiers() & Qt::ShiftModifier)
                wordAbsentButton->click();
            else
                wordPresentButton->click();
            return true;
        }
        if (enter && qobject_cast<QComboBox *>(watched)) {
            focusNextChild();
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}

// ---- sessions and dates ------------------------------------------------------------------

void SelectionFrame::fillSessionTable()
{
    const auto sss = dynamic_cast<MySssFile *>(m_box->unit(NAME_SSS_FILE));
    const QList<unsigned> numbers =
        m_dialog->sessionsGathered() ? m_dialog->sessionNumbers() : QList<unsigned>();
    sessionTable->setEnabled(m_dialog->sessionsGathered());
    sessionTable->setColumnCount(5);
    sessionTable->setHorizontalHeaderLabels(sessionHeaders());
    sessionTable->setRowCount(numbers.size());
    SessionColumns::setWidths(sessionTable);
    sessionTable->horizontalHeader()->setStretchLastSection(true);
    sessionTable->verticalHeader()->hide();
    const QString format = m_box->dateFormat();
    for (int row = 0; row < numbers.size(); ++row) {
        const unsigned number = numbers.at(row);
        const SessionFigures::Session session = m_dialog->sessions().value(number);
        const QDate begin = session.earliest;
        const QDate end = session.latest;
        const QString length = begin == end ? begin.toString(format)
                                            : begin.toString(format) + QStringLiteral(" - ") + end.toString(format);
        const QStringList cells = {QString::number(number), sss ? sss->sessionDateCreation(number) : QString(),
                                   QString::number(session.count), length,
                                   sss ? sss->sessionAnnotation(number) : QString()};
        for (int column = 0; column < cells.size(); ++column)
            sessionTable->setItem(row, column, new QTableWidgetItem(cells.at(column)));
    }
}

QStringList SelectionFrame::sessionHeaders() const
{
    return {tr("Session"), tr("Created"), tr("Objects"), tr("Time length"), tr("Annotation")};
}

void SelectionFrame::changeSessionSelection()
{
    QSet<QString> numbers;
    for (const QModelIndex &index : sessionTable->selectionModel()->selectedIndexes()) {
        if (const QTableWidgetItem *item = sessionTable->item(index.row(), 0))
            numbers.insert(item->text());
    }
    m_sessions = QStringList(numbers.cbegin(), numbers.cend());
    std::sort(m_sessions.begin(), m_sessions.end(),
              [](const QString &a, const QString &b) { return a.toUInt() < b.toUInt(); });
    setModeButtons();
}

void SelectionFrame::filterSessions(const QString &filter)
{
    for (int row = 0; row < sessionTable->rowCount(); ++row) {
        const QTableWidgetItem *item = sessionTable->item(row, 4);
        const QString annotation = item ? item->text().simplified() : QString();
        sessionTable->setRowHidden(row, !annotation.contains(filter));
    }
    setModeButtons();
}

void SelectionFrame::setTitleFromGroupBox()
{
    dateFromGroupBox->setTitle(m_fromPrefix + QStringLiteral(": ")
                               + (dateFromGroupBox->isChecked()
                                      ? fromCalendar->selectedDate().toString(m_box->dateFormat())
                                      : QStringLiteral("...")));
    setModeButtons();
}

void SelectionFrame::setTitleBeforeGroupBox()
{
    dateBeforeGroupBox->setTitle(m_beforePrefix + QStringLiteral(": ")
                                 + (dateBeforeGroupBox->isChecked()
                                        ? beforeCalendar->selectedDate().toString(m_box->dateFormat())
                                        : QStringLiteral("...")));
    setModeButtons();
}

QString SelectionFrame::makeDateRequest() const
{
    const QString format = m_box->dateFormat();
    const QString from = fromCalendar->selectedDate().toString(format);
    const QString before = beforeCalendar->selectedDate().toString(format);
    const bool useFrom = dateFromGroupBox->isChecked();
    const bool useBefore = dateBeforeGroupBox->isChecked();
    if (useFrom && useBefore)
        return from == before ? from : from + QLatin1Char('-') + before;
    if (useFrom)
        return from + QStringLiteral("-...");
    if (useBefore)
        return QStringLiteral("...-") + before;
    return QString();
}

QString SelectionFrame::makeWordRequest() const
{
    QStringList present;
    QStringList absent;
    for (int i = 0; i < wordPresentList->count(); ++i)
        present << wordPresentList->item(i)->text();
    for (int i = 0; i < wordAbsentList->count(); ++i)
        absent << wordAbsentList->item(i)->text();
    QString request;
    if (!present.isEmpty())
        request += QLatin1Char('+') + present.join(QLatin1Char('+'));
    if (!absent.isEmpty())
        request += QLatin1Char('-') + absent.join(QLatin1Char('-'));
    return request;
}

// ---- category ----------------------------------------------------------------------------

void SelectionFrame::setWhichPossibleValue()
{
    m_whichValues = QStringList({tr("Ignore"), tr("Present"), tr("Absent"), tr("Present and major"),
                                 tr("Present, but not major")});
    for (QComboBox *combo : whichGroupBox->findChildren<QComboBox *>()) {
        const int current = qMax(0, combo->currentIndex());
        const QSignalBlocker blocker(combo);
        combo->clear();
        combo->addItems(m_whichValues);
        combo->setCurrentIndex(current);
    }
}

void SelectionFrame::retranslateCategory()
{
    const Category category = m_box->category();
    const auto names = [](const Category::subCategory &axis) {
        QStringList list;
        for (const Category::content &value : axis.values)
            list << value.name;
        return list;
    };
    const Category::subCategory a = category.subCategory_A();
    whichGroupBox->setVisible(a.inUse);
    whichGroupBox->setTitle(a.label);
    const QStringList aNames = names(a);
    const QString letters = QStringLiteral("ABCDEFGHI");
    for (int i = 0; i < letters.size(); ++i) {
        auto label = whichGroupBox->findChild<QLabel *>(QStringLiteral("label_") + letters.at(i));
        auto combo = whichGroupBox->findChild<QComboBox *>(QStringLiteral("which_") + letters.at(i));
        const bool shown = i < aNames.size();
        label->setText(shown ? aNames.at(i) : QString());
        label->setVisible(shown);
        combo->setVisible(shown);
    }
    const struct
    {
        QGroupBox *group;
        QString prefix;
        Category::subCategory axis;
    } groups[] = {{whereGroupBox, QStringLiteral("where_"), category.subCategory_C()},
                  {methodGroupBox, QStringLiteral("method_"), category.subCategory_G()},
                  {daytimeGroupBox, QStringLiteral("daytime_"), category.subCategory_D()},
                  {seasonGroupBox, QStringLiteral("season_"), category.subCategory_E()},
                  {pictureGroupBox, QStringLiteral("picture_"), category.subCategory_F()}};
    for (const auto &item : groups) {
        item.group->setVisible(item.axis.inUse);
        item.group->setTitle(item.axis.label);
        const QStringList axisNames = names(item.axis);
        const QList<QCheckBox *> boxes = item.group->findChildren<QCheckBox *>(
            QRegularExpression(QLatin1Char('^') + item.prefix));
        for (QCheckBox *box : boxes) {
            const int position = box->objectName().at(item.prefix.size()).unicode() - 'A';
            const bool shown = position < axisNames.size();
            box->setText(shown ? axisNames.at(position) : QString());
            box->setVisible(shown);
            if (!shown)
                box->setChecked(false);
        }
    }
}

bool SelectionFrame::categoryHoldsCriterion() const
{
    for (const QComboBox *combo : whichGroupBox->findChildren<QComboBox *>()) {
        if (combo->currentIndex() > Ignore)
            return true;
    }
    for (const QCheckBox *box :
         findChildren<QCheckBox *>(QRegularExpression(QStringLiteral("^(where|daytime|season|picture|method)_")))) {
        if (box->isChecked())
            return true;
    }
    return false;
}

QString SelectionFrame::whichPart() const
{
    QString part;
    for (const QObject *child : whichGroupBox->children()) {
        const auto label = qobject_cast<const QLabel *>(child);
        if (!label || !child->objectName().startsWith(QLatin1String("label")) || !label->buddy())
            continue;
        const auto combo = qobject_cast<const QComboBox *>(label->buddy());
        if (!combo)
            continue;
        const QString name = label->text().toLower();
        switch (combo->currentIndex()) {
        case Present:
            part += QLatin1Char('+') + name;
            break;
        case Absent:
            part += QLatin1Char('-') + name;
            break;
        case PresentMajor:
            part += QLatin1Char('+') + capitalized(name);
            break;
        case PresentNotMajor:
            part += QLatin1Char('-') + capitalized(name);
            break;
        default:
            break;
        }
    }
    return part;
}

QString SelectionFrame::checkedPart(QGroupBox *group, const QString &prefix) const
{
    QStringList names;
    for (const QObject *child : group->children()) {
        const auto box = qobject_cast<const QCheckBox *>(child);
        if (box && child->objectName().startsWith(prefix) && box->isChecked())
            names << box->text();
    }
    return names.join(QLatin1Char('|'));
}

// ---- criteria and search -----------------------------------------------------------------

QString SelectionFrame::listCriterion(const QListWidget *list, bool invert)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text();
    if (items.isEmpty())
        return QString();
    return (invert ? SIGN_INV : QString()) + items.join(QLatin1Char(','));
}

void SelectionFrame::setValue()
{
    m_remark = listCriterion(remarkList, remarkInvert->isChecked());
    m_session = m_sessions.isEmpty() ? QString()
                                     : (sessionInvert->isChecked() ? SIGN_INV : QString())
                                           + m_sessions.join(QLatin1Char(','));
    m_caption = listCriterion(titleList, titleInvert->isChecked());
    QStringList keys;
    for (int i = 0; i < wordList->count(); ++i)
        keys << SelectionPass::requestToKeys(m_wrdFile, wordList->item(i)->text());
    m_keyword = keys.isEmpty() ? QString()
                               : (wordInvert->isChecked() ? SIGN_INV : QString()) + keys.join(QLatin1Char(','));
    m_date = listCriterion(dateList, dateInvert->isChecked());
    QStringList hardcopy;
    if (notPrinted->isChecked())
        hardcopy << QStringLiteral("0");
    if (printed->isChecked())
        hardcopy << QStringLiteral("1");
    m_hardcopy = hardcopy.isEmpty() ? QString()
                                    : (printInvert->isChecked() ? SIGN_INV : QString())
                                          + hardcopy.join(QLatin1Char(','));
    QStringList positions = {whichPart(), checkedPart(whereGroupBox, QStringLiteral("where")),
                             checkedPart(daytimeGroupBox, QStringLiteral("daytime")),
                             checkedPart(seasonGroupBox, QStringLiteral("season")),
                             checkedPart(pictureGroupBox, QStringLiteral("picture")),
                             checkedPart(methodGroupBox, QStringLiteral("method"))};
    Q_ASSERT(positions.size() == CATEGORY_POSITIONS);
    while (!positions.isEmpty() && positions.last().isEmpty())
        positions.removeLast();
    m_category = positions.join(QLatin1Char(','));
    if (!m_category.isEmpty() && categoryInvert->isChecked())
        m_category.prepend(SIGN_INV);
}

QString SelectionFrame::remarkToResemble(const QString &remark) const
{
    return SelectionPass::remarkToResemble(m_box, remark);
}

void SelectionFrame::pressStart()
{
    if (!startButton->isEnabled())
        return;
    setValue();
    MyTmpFile::task step;
    step.remark = m_remark;
    step.category = m_category;
    step.keyword = m_keyword;
    step.date = m_date;
    step.session = m_session;
    step.hardcopy = m_hardcopy;
    step.caption = m_caption;
    step.plus = false;
    // The group is found by its prime; the step keeps the remarks as typed.
    const Selector selector(SelectionPass::remarksToResemble(m_box, m_remark), m_category, m_keyword, m_date,
                            m_session, m_hardcopy, m_caption, m_box->category(), m_box->dateFormat());
    const int n = stageNumber();
    // No other stage may change the marking while the pass lets events through.
    startButton->setEnabled(false);
    m_dialog->setBusy(true);
    m_found = 0;
    foundRecords->setText(QStringLiteral("0"));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const int found = m_pass->search(m_box, n, m_fresh, selector);
    QApplication::restoreOverrideCursor();
    m_dialog->setBusy(false);
    setModeButtons();
    step.keyword = listCriterion(wordList, wordInvert->isChecked());
    if (found > 0) {
        m_found = unsigned(found);
        foundRecords->setText(QString::number(found));
        m_steps.append(step);
        m_fresh = false;
        emit searchOver();
        return;
    }
    if (m_fresh) {
        foundRecords->setText(QStringLiteral("0"));
        return;
    }
    MyMessageBox::information(this, tr("Warning"), tr("Return previous result, because of search list is empty..."));
    m_found = unsigned(m_box->markedEntriesCount(n));
    foundRecords->setText(QString::number(m_found));
    emit searchOver();
}

// ---- tab headers and language ------------------------------------------------------------

void SelectionFrame::setHeader(QWidget *tab, bool holdsCriterion)
{
    const int index = searchTab->indexOf(tab);
    if (index < 0 || index >= m_tabTitles.size())
        return;
    searchTab->setTabText(index, holdsCriterion ? m_tabTitles.at(index) + QLatin1Char(' ') + m_marker
                                                : m_tabTitles.at(index));
}

void SelectionFrame::setHeaderRemark()
{
    setHeader(tab_A, remarkList->count() > 0);
}

void SelectionFrame::setHeaderCategory()
{
    setHeader(tab_B, categoryHoldsCriterion());
}

void SelectionFrame::setHeaderKeyword()
{
    setHeader(tab_C, wordList->count() > 0);
}

void SelectionFrame::setHeaderDate()
{
    setHeader(tab_D, dateList->count() > 0);
}

void SelectionFrame::setHeaderSession()
{
    setHeader(tab_E, !m_sessions.isEmpty());
}

void SelectionFrame::setHeaderPrint()
{
    setHeader(tab_F, printed->isChecked() || notPrinted->isChecked());
}

void SelectionFrame::setHeaderTitle()
{
    setHeader(tab_G, titleList->count() > 0);
}

void SelectionFrame::retranslateThis()
{
    retranslateUi(this);
    m_tabTitles.clear();
    for (int i = 0; i < searchTab->count(); ++i)
        m_tabTitles << searchTab->tabText(i);
    m_fromPrefix = tr("&From");
    m_beforePrefix = tr("&Before");
    setTitleFromGroupBox();
    setTitleBeforeGroupBox();
    setWhichPossibleValue();
    retranslateCategory();
    sessionTable->setHorizontalHeaderLabels(sessionHeaders());
    foundRecords->setText(QString::number(m_found));
    setModeButtons();
}

void SelectionFrame::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateThis();
    QFrame::changeEvent(event);
}
