#include "describedialog.h"

#include <QEvent>
#include <QFile>
#include <QKeyEvent>
#include <QRegularExpressionValidator>
#include <QTime>
#include <QTimer>

#include "anybox.h"
#include "category.h"
#include "categorytab.h"
#include "constants.h"
#include "entry.h"
#include "frameatwork.h"
#include "helperprogram.h"
#include "mymessagebox.h"
#include "previewfollows.h"
#include "thumbnailloader.h"
#include "vocabularybrowser.h"

namespace {

// The long side of the current object's thumbnail.
const int THUMBNAIL_SIDE = 256;

const int KEY_ROLE = Qt::UserRole;

QStringList sortedKeys(const QString &keys)
{
    QStringList list = keys.split(QLatin1Char(','), Qt::SkipEmptyParts);
    list.sort();
    return list;
}

} // namespace

DescribeDialog::DescribeDialog(AnyBox *box, QFrame *parent)
    : QFrame(parent)
    , m_run(new DescribeRun(box, this))
    , m_preview(new HelperProgram(this))
    , m_thumbnails(new ThumbnailLoader(THUMBNAIL_SIDE, this))
{
    setupUi(this);
    setObjectName(QStringLiteral("DescribeDialog"));
    boxPixmap->setPixmap(box->boxPixmap());
    m_follows = new PreviewFollows(box->name(), this);
    headerLayout->addWidget(m_follows);
    m_follows->watch(m_preview->process());
    m_listBase = QTime::currentTime().toString(QStringLiteral("hhmmsszzz"));
    label_B->hide();
    mode->hide();
    m_modifiedMarker = QStringLiteral("*");
    m_category = new CategoryTab(this, this);

    hardcopyLineEdit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d*")), this));
    // Nine digits always fit into the stored unsigned count.
    hardcopyLineEdit->setMaxLength(9);
    prevUncorrButton->setShortcut(QKeySequence(Qt::Key_PageDown));
    nextUncorrButton->setShortcut(QKeySequence(Qt::Key_PageUp));
    prevCorrButton->setShortcut(QKeySequence(Qt::SHIFT + Qt::Key_PageDown));
    nextCorrButton->setShortcut(QKeySequence(Qt::SHIFT + Qt::Key_PageUp));
    connect(m_preview, &HelperProgram::cannotStart, this, &DescribeDialog::previewFailed);
    m_previewTimer = new QTimer(this);
    m_previewTimer->setSingleShot(true);
    m_previewTimer->setInterval(0);
    connect(m_previewTimer, &QTimer::timeout, this, &DescribeDialog::startPreview);
    connect(m_thumbnails, &ThumbnailLoader::ready, this, &DescribeDialog::thumbnailReady);
    connect(m_follows, &QCheckBox::toggled, this, [this](bool follows) {
        if (follows)
            demonstration(m_current);
        else
            stopPreview();
    });

    setInfoString();
    if (m_run->total() == 0) {
        label_A->hide();
        label_B->show();
        return;
    }
    label_A->hide();
    mode->show();
    m_tabTitles.clear();
    for (int i = 0; i < describeTab->count(); ++i)
        m_tabTitles << describeTab->tabText(i);
    retranslateThis();
    m_current = m_run->uncorrected().first();
    setTextBrowser(m_current);
    demonstration(m_current);
    setNavigation();
    which_A->setFocus();

    for (QWidget *widget : {static_cast<QWidget *>(describeTab), static_cast<QWidget *>(describeTab->tabBar()),
                            static_cast<QWidget *>(keywordLineEdit), static_cast<QWidget *>(synonymLineEdit),
                            static_cast<QWidget *>(keywordListWidget), static_cast<QWidget *>(synonymListWidget),
                            static_cast<QWidget *>(listWidget), static_cast<QWidget *>(titleLineEdit),
                            static_cast<QWidget *>(authorLineEdit), static_cast<QWidget *>(hardcopyLineEdit)})
        widget->installEventFilter(this);
    // The calendar's day table is what has the focus in the calendar.
    dateCalendar->installEventFilter(this);
    for (QWidget *widget : dateCalendar->findChildren<QWidget *>())
        widget->installEventFilter(this);
    originalBrowser->installEventFilter(this);

    connect(categoryClearButton, &QPushButton::clicked, this, &DescribeDialog::pressCategoryClearButton);
    connect(categoryOriginalButton, &QPushButton::clicked, this, &DescribeDialog::pressCategoryOriginalButton);
    m_vocabulary = new VocabularyBrowser(this, m_run, this);
    connect(m_vocabulary, &VocabularyBrowser::selectionChanged, this, &DescribeDialog::setModeChoose);
    connect(m_vocabulary, &VocabularyBrowser::wordsChanged, this, &DescribeDialog::refreshKeywordItem);
    connect(chooseButton, &QPushButton::clicked, this, &DescribeDialog::pressChooseButton);
    connect(listWidget, &QListWidget::itemSelectionChanged, this, &DescribeDialog::keywordSelect);
    connect(removeListButton, &QPushButton::clicked, this, &DescribeDialog::pressRemoveListButton);
    connect(clearListButton, &QPushButton::clicked, this, &DescribeDialog::pressClearKeywordButton);
    connect(originalListButton, &QPushButton::clicked, this, &DescribeDialog::pressOriginalKeywordButton);
    connect(titleClearButton, &QPushButton::clicked, this, &DescribeDialog::pressTitleClearButton);
    connect(titleOriginalButton, &QPushButton::clicked, this, &DescribeDialog::pressTitleOriginalButton);
    connect(dateTodayButton, &QPushButton::clicked, this, &DescribeDialog::pressDateTodayButton);
    connect(dateOriginalButton, &QPushButton::clicked, this, &DescribeDialog::pressDateOriginalButton);
    connect(hardcopyClearButton, &QPushButton::clicked, this, &DescribeDialog::pressHardcopyClearButton);
    connect(hardcopyOriginalButton, &QPushButton::clicked, this, &DescribeDialog::pressHardcopyOriginalButton);
    connect(applyButton, &QPushButton::clicked, this, &DescribeDialog::pressApplyButton);
    connect(saveButton, &QPushButton::clicked, this, &DescribeDialog::pressSaveButton);
    connect(prevCorrButton, &QPushButton::clicked, this, &DescribeDialog::pressPrevCorrButton);
    connect(nextCorrButton, &QPushButton::clicked, this, &DescribeDialog::pressNextCorrButton);
    connect(prevUncorrButton, &QPushButton::clicked, this, &DescribeDialog::pressPrevUncorrButton);
    connect(nextUncorrButton, &QPushButton::clicked, this, &DescribeDialog::pressNextUncorrButton);
    connect(m_category, &CategoryTab::edited, this, &DescribeDialog::updateCurrentCategory);
    connect(titleLineEdit, &QLineEdit::textChanged, this, &DescribeDialog::updateCurrentTitle);
    connect(authorLineEdit, &QLineEdit::textChanged, this, &DescribeDialog::updateCurrentTitle);
    // A click picks a date as well as a double click or Return does.
    connect(dateCalendar, &QCalendarWidget::activated, this, &DescribeDialog::updateSelectedDate);
    connect(dateCalendar, &QCalendarWidget::clicked, this, &DescribeDialog::updateSelectedDate);
    connect(hardcopyLineEdit, &QLineEdit::textChanged, this, &DescribeDialog::updateCurrentHardcopy);
    // The keyword tab starts as after emptying its field.
    m_vocabulary->likeKeywords(QString());
}

// Applied descriptions are on disk at the latest now; the preview goes with the frame.
DescribeDialog::~DescribeDialog()
{
    m_preview->disconnect(this);
    stopPreview();
    if (!m_run->storePending())
        MyMessageBox::warning(nullptr, tr("Warning"),
                              tr("The descriptions could not be stored in:\n%1")
                                  .arg(m_run->failedPaths().join(QLatin1Char('\n'))));
}

void DescribeDialog::setTabVisible(int i)
{
    if (i < 0 || i >= describeTab->count())
        return;
    describeTab->setCurrentIndex(i);
    for (int j = 0; j < describeTab->count(); ++j)
        describeTab->setTabEnabled(j, j == i);
}

// ---- counters and navigation ----------------------------------------------------------------

void DescribeDialog::setInfoString()
{
    const int all = m_run->total();
    const int done = m_run->corrected().size();
    const double percent = all > 0 ? done * 100.0 / all : 0.0;
    total->setText(QString::number(all));
    corrected->setText(QString::number(done));
    uncorrected->setText(QString::number(all - done));
    correctedPct->setText(QString::number(percent, 'f', 1));
    uncorrectedPct->setText(QString::number(100.0 - percent, 'f', 1));
}

void DescribeDialog::setNavigation()
{
    const int uncorrectedSize = m_run->uncorrected().size();
    const int correctedSize = m_run->corrected().size();
    prevUncorrButton->setEnabled(uncorrectedSize == 1 || (uncorrectedSize > 1 && m_uncorrectedPosition > 0));
    nextUncorrButton->setEnabled(uncorrectedSize == 1
                                 || (uncorrectedSize > 1 && m_uncorrectedPosition < uncorrectedSize - 1));
    prevCorrButton->setEnabled(correctedSize == 1 || (correctedSize > 1 && m_correctedPosition > 0));
    nextCorrButton->setEnabled(correctedSize == 1 || (correctedSize > 1 && m_correctedPosition < correctedSize - 1));
}

void DescribeDialog::navigate(const QList<Entry *> &list, int &position, int step)
{
    if (list.isEmpty())
        return;
    const bool wasListed = list.contains(m_current);
    if (!settleChanges())
        return;
    // An object applied away from the uncorrected list leaves its successor at the position.
    if (wasListed && !list.contains(m_current) && step > 0)
        step = 0;
    stopPreview();
    if (list.isEmpty())
        return;
    if (list.size() > 1)
        position = qBound(0, position + step, list.size() - 1);
    position = qBound(0, position, list.size() - 1);
    m_current = list.at(position);
    setTextBrowser(m_current);
    demonstration(m_current);
    setNavigation();
}

void DescribeDialog::pressPrevCorrButton()
{
    navigate(m_run->corrected(), m_correctedPosition, -1);
}

void DescribeDialog::pressNextCorrButton()
{
    navigate(m_run->corrected(), m_correctedPosition, 1);
}

void DescribeDialog::pressPrevUncorrButton()
{
    navigate(m_run->uncorrected(), m_uncorrectedPosition, -1);
}

void DescribeDialog::pressNextUncorrButton()
{
    navigate(m_run->uncorrected(), m_uncorrectedPosition, 1);
}

bool DescribeDialog::settleChanges()
{
    if (!m_current || !applyButton->isEnabled())
        return true;
    const QMessageBox::StandardButton answer = MyMessageBox::question(
        this, tr("Question"), tr("Apply the changes to %1?").arg(m_current->getField(Entry::RemarkField)),
        QMessageBox::Apply | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Apply);
    if (answer == QMessageBox::Apply) {
        pressApplyButton();
        return true;
    }
    if (answer == QMessageBox::Discard) {
        setTextBrowser(m_current);
        return true;
    }
    return false;
}

// ---- preview --------------------------------------------------------------------------------

// The preview program starts in the next turn of the event loop: the frame shows the object at once, and
// a user paging quickly through the objects starts the program once, for the object paged to.
void DescribeDialog::demonstration(Entry *entry)
{
    if (!entry || !m_follows->isChecked())
        return;
    m_previewDue = entry;
    m_previewTimer->start();
}

void DescribeDialog::startPreview()
{
    if (m_previewDue && m_follows->isChecked())
        m_preview->preview(m_run->box(), m_listBase, {m_previewDue});
    m_previewDue = nullptr;
}

void DescribeDialog::stopPreview()
{
    m_previewTimer->stop();
    m_previewDue = nullptr;
    m_preview->end();
}

// A missing preview program is said once; describing goes on without it.
void DescribeDialog::previewFailed()
{
    MyMessageBox::warning(this, tr("Warning"),
                          tr("The preview program cannot be started:\n%1").arg(m_run->box()->execPreview()));
}

// ---- showing an object ----------------------------------------------------------------------

void DescribeDialog::setTextBrowser(Entry *entry)
{
    m_original = m_run->read(entry);
    m_currentSet = m_original;
    m_updating = true;
    m_category->show(m_currentSet.category);
    setKeyword(m_currentSet.keywords);
    setTitle(m_currentSet.caption);
    setDate(m_currentSet.date);
    setHardcopy(m_currentSet.hardcopy);
    m_updating = false;
    setModified();
    showOriginal(entry);
}

void DescribeDialog::showThumbnail(const Entry *entry)
{
    m_thumbnailPath = m_run->box()->objectPath(*entry);
    const QImage made = m_thumbnails->made(m_thumbnailPath);
    if (!made.isNull()) {
        thumbnailLabel->setPixmap(QPixmap::fromImage(made));
        return;
    }
    thumbnailLabel->setPixmap(ThumbnailLoader::placeholder(THUMBNAIL_SIDE));
    // Only the object in sight matters: what was asked for the objects passed by is dropped.
    m_thumbnails->cancel();
    m_thumbnails->requestFirst(m_thumbnailPath);
}

void DescribeDialog::thumbnailReady(const QString &path, const QImage &image)
{
    if (path != m_thumbnailPath)
        return;
    thumbnailLabel->setPixmap(image.isNull() ? ThumbnailLoader::fallback(path, m_run->box()->boxPixmap(), 128)
                                             : QPixmap::fromImage(image));
}

void DescribeDialog::showOriginal(const Entry *entry)
{
    showThumbnail(entry);
    const QString category = CategoryTab::description(m_run->box()->category(), m_original.category);
    const QString caption = DescribeRun::titleOf(m_original.caption) + QStringLiteral(", ")
                            + DescribeRun::authorOf(m_original.caption);
    originalBrowser->setHtml(m_template.arg(
        entry->getField(Entry::RemarkField).toHtmlEscaped(), caption.toHtmlEscaped(),
        m_original.date.toString(m_run->box()->dateFormat()), category.toHtmlEscaped(),
        m_run->keywordDisplay(m_original.keywords).toHtmlEscaped(), QString::number(m_original.hardcopy),
        entry->getField(Entry::SessionField).toHtmlEscaped(), entry->getField(Entry::OriginalField).toHtmlEscaped(),
        entry->getField(Entry::ChecksumField).toHtmlEscaped()));
}

void DescribeDialog::setKeyword(const QString &keys)
{
    listWidget->clear();
    const QStringList list = keys.split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (const QString &key : list) {
        auto item = new QListWidgetItem(listWidget);
        item->setData(KEY_ROLE, key);
        refreshKeywordItem(key);
    }
    removeListButton->setEnabled(false);
    setModeChoose();
}

QListWidgetItem *DescribeDialog::keywordItem(const QString &key) const
{
    for (int i = 0; i < listWidget->count(); ++i) {
        if (listWidget->item(i)->data(KEY_ROLE).toString() == key)
            return listWidget->item(i);
    }
    return nullptr;
}

void DescribeDialog::refreshKeywordItem(const QString &key)
{
    QListWidgetItem *item = keywordItem(key);
    if (!item)
        return;
    const QStringList words = m_run->wordsOf(key);
    item->setText(words.value(0));
    const QStringList synonyms = words.mid(1);
    item->setToolTip(synonyms.isEmpty() ? QStringLiteral(" - ") : synonyms.join(QStringLiteral(", ")));
}

QStringList DescribeDialog::currentKeys() const
{
    return m_currentSet.keywords.split(QLatin1Char(','), Qt::SkipEmptyParts);
}

void DescribeDialog::setTitle(const QString &caption)
{
    const QString title = DescribeRun::titleOf(caption);
    const QString author = DescribeRun::authorOf(caption);
    const bool wasUpdating = m_updating;
    m_updating = true;
    titleLineEdit->setText(title == SIGN_UNKNOWN ? QString() : title);
    authorLineEdit->setText(author == SIGN_UNKNOWN ? QString() : author);
    m_updating = wasUpdating;
}

void DescribeDialog::setDate(const QDate &date)
{
    dateCalendar->blockSignals(true);
    dateCalendar->setSelectedDate(date);
    dateCalendar->blockSignals(false);
    selectedDate->setText(date.toString(m_run->box()->dateFormat()));
}

void DescribeDialog::setHardcopy(unsigned count)
{
    const bool wasUpdating = m_updating;
    m_updating = true;
    hardcopyLineEdit->setText(QString::number(count));
    m_updating = wasUpdating;
}

// ---- modified state -------------------------------------------------------------------------

void DescribeDialog::setModified()
{
    const bool modified[] = {
        m_currentSet.category != m_original.category,
        sortedKeys(m_currentSet.keywords) != sortedKeys(m_original.keywords),
        m_currentSet.caption != m_original.caption,
        m_currentSet.date != m_original.date,
        m_currentSet.hardcopy != m_original.hardcopy,
    };
    QPushButton *const originals[] = {categoryOriginalButton, originalListButton, titleOriginalButton,
                                      dateOriginalButton, hardcopyOriginalButton};
    bool any = false;
    for (int i = 0; i < 5; ++i) {
        originals[i]->setEnabled(modified[i]);
        if (i < m_tabTitles.size())
            describeTab->setTabText(i, modified[i] ? m_tabTitles.at(i) + QLatin1Char(' ') + m_modifiedMarker
                                                   : m_tabTitles.at(i));
        any = any || modified[i];
    }
    applyButton->setEnabled(any);
    // After a store that failed, Save stays usable to try again.
    saveButton->setEnabled(any || m_run->unsaved());
    clearListButton->setEnabled(!m_currentSet.keywords.isEmpty());
    titleClearButton->setEnabled(m_currentSet.caption != DescribeRun::captionOf(QString(), QString()));
    dateTodayButton->setEnabled(m_currentSet.date != QDate::currentDate());
    hardcopyClearButton->setEnabled(m_currentSet.hardcopy != 0);
    setModeChoose();
}

// ---- category tab ---------------------------------------------------------------------------

void DescribeDialog::updateCurrentCategory()
{
    if (m_updating)
        return;
    m_currentSet.category = m_category->value();
    setModified();
}

void DescribeDialog::pressCategoryClearButton()
{
    m_currentSet.category = 0;
    m_category->show(0);
    setModified();
}

void DescribeDialog::pressCategoryOriginalButton()
{
    m_currentSet.category = m_original.category;
    m_category->show(m_original.category);
    setModified();
}

// ---- keyword tab ----------------------------------------------------------------------------

void DescribeDialog::setModeChoose()
{
    const QString key = m_vocabulary ? m_vocabulary->selectedKey() : QString();
    chooseButton->setEnabled(!key.isEmpty() && !currentKeys().contains(key));
    synonymListWidget->setEnabled(!key.isEmpty());
}

void DescribeDialog::pressChooseButton()
{
    if (!chooseButton->isEnabled())
        return;
    const QString key = m_vocabulary->selectedKey();
    QStringList keys = currentKeys();
    keys << key;
    m_currentSet.keywords = keys.join(QLatin1Char(','));
    auto item = new QListWidgetItem(listWidget);
    item->setData(KEY_ROLE, key);
    refreshKeywordItem(key);
    keywordLineEdit->clear();
    keywordLineEdit->setFocus();
    setModified();
}

void DescribeDialog::keywordSelect()
{
    removeListButton->setEnabled(!listWidget->selectedItems().isEmpty());
}

void DescribeDialog::pressRemoveListButton()
{
    QStringList keys = currentKeys();
    const QList<QListWidgetItem *> selected = listWidget->selectedItems();
    for (QListWidgetItem *item : selected)
        keys.removeAll(item->data(KEY_ROLE).toString());
    m_currentSet.keywords = keys.join(QLatin1Char(','));
    setKeyword(m_currentSet.keywords);
    setModified();
}

void DescribeDialog::pressClearKeywordButton()
{
    m_currentSet.keywords.clear();
    setKeyword(m_currentSet.keywords);
    setModified();
}

void DescribeDialog::pressOriginalKeywordButton()
{
    m_currentSet.keywords = m_original.keywords;
    setKeyword(m_currentSet.keywords);
    setModified();
}

// ---- caption, date and hardcopy tabs ----------------------------------------------------------

// Characters that would split the record or the caption are replaced where the user sees them.
void DescribeDialog::updateCurrentTitle()
{
    if (m_updating)
        return;
    for (QLineEdit *edit : {titleLineEdit, authorLineEdit}) {
        const QString clean = DescribeRun::cleanChars(edit->text());
        if (clean != edit->text()) {
            const int position = edit->cursorPosition();
            m_updating = true;
            edit->setText(clean);
            edit->setCursorPosition(position);
            m_updating = false;
        }
    }
    m_currentSet.caption = DescribeRun::captionOf(titleLineEdit->text(), authorLineEdit->text());
    setModified();
}

void DescribeDialog::pressTitleClearButton()
{
    m_currentSet.caption = DescribeRun::captionOf(QString(), QString());
    setTitle(m_currentSet.caption);
    setModified();
}

void DescribeDialog::pressTitleOriginalButton()
{
    m_currentSet.caption = m_original.caption;
    setTitle(m_currentSet.caption);
    setModified();
}

void DescribeDialog::updateSelectedDate(const QDate &date)
{
    if (!date.isValid())
        return;
    m_currentSet.date = date;
    selectedDate->setText(date.toString(m_run->box()->dateFormat()));
    setModified();
}

void DescribeDialog::pressDateTodayButton()
{
    m_currentSet.date = QDate::currentDate();
    setDate(m_currentSet.date);
    setModified();
}

void DescribeDialog::pressDateOriginalButton()
{
    m_currentSet.date = m_original.date;
    setDate(m_currentSet.date);
    setModified();
}

void DescribeDialog::updateCurrentHardcopy()
{
    if (m_updating)
        return;
    m_currentSet.hardcopy = hardcopyLineEdit->text().toUInt();
    setModified();
}

void DescribeDialog::pressHardcopyClearButton()
{
    m_currentSet.hardcopy = 0;
    setHardcopy(0);
    setModified();
}

void DescribeDialog::pressHardcopyOriginalButton()
{
    m_currentSet.hardcopy = m_original.hardcopy;
    setHardcopy(m_original.hardcopy);
    setModified();
}

// ---- apply and save -------------------------------------------------------------------------

void DescribeDialog::pressApplyButton()
{
    if (!m_current)
        return;
    const bool wasUncorrected = !m_run->isCorrected(m_current);
    m_original = m_currentSet;
    const bool stored = m_run->apply(m_current, m_currentSet);
    if (wasUncorrected) {
        const int left = m_run->uncorrected().size();
        if (m_uncorrectedPosition >= left)
            m_uncorrectedPosition = qMax(0, left - 1);
        m_correctedPosition = qMin(m_correctedPosition + 1, m_run->corrected().size() - 1);
    }
    setInfoString();
    setNavigation();
    setTextBrowser(m_current);
    if (!stored)
        warnStore();
}

void DescribeDialog::pressSaveButton()
{
    if (applyButton->isEnabled())
        pressApplyButton();
    bool stored = false;
    {
        FrameAtWork atWork(this);
        stored = m_run->storeAll();
    }
    if (!stored)
        warnStore();
    setModified();
}

void DescribeDialog::warnStore()
{
    MyMessageBox::warning(this, tr("Warning"),
                          tr("The descriptions could not be stored in:\n%1\nThey stay applied and are stored again "
                             "on saving or closing.")
                              .arg(m_run->failedPaths().join(QLatin1Char('\n'))));
    setModified();
}

// ---- keyboard and language ------------------------------------------------------------------

// Widgets whose own keys PgUp and PgDn are (the calendar's month, a list's or the view's page) keep them
// while they have the focus; elsewhere the keys move to another object.
bool DescribeDialog::keepsPageKeys(QObject *watched) const
{
    if (watched == keywordListWidget || watched == synonymListWidget || watched == listWidget)
        return true;
    if (watched == originalBrowser || watched == originalBrowser->viewport())
        return true;
    auto widget = qobject_cast<QWidget *>(watched);
    return widget && (widget == dateCalendar || dateCalendar->isAncestorOf(widget));
}

bool DescribeDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if ((key == Qt::Key_PageUp || key == Qt::Key_PageDown) && keepsPageKeys(watched)) {
            event->accept();
            return true;
        }
        return QFrame::eventFilter(watched, event);
    }
    if (event->type() != QEvent::KeyPress)
        return QFrame::eventFilter(watched, event);
    const auto keyEvent = static_cast<QKeyEvent *>(event);
    const int key = keyEvent->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    const bool shift = keyEvent->modifiers() & Qt::ShiftModifier;

    if (watched == describeTab || watched == describeTab->tabBar()) {
        if (key == Qt::Key_PageUp) {
            if (describeTab->currentIndex() < describeTab->count() - 1)
                describeTab->setCurrentIndex(describeTab->currentIndex() + 1);
            return true;
        }
        if (key == Qt::Key_PageDown) {
            if (describeTab->currentIndex() > 0)
                describeTab->setCurrentIndex(describeTab->currentIndex() - 1);
            return true;
        }
        if (enter) {
            focusNextChild();
            return true;
        }
        return false;
    }
    if (!enter)
        return QFrame::eventFilter(watched, event);
    if (watched == keywordLineEdit) {
        if (shift)
            chooseButton->click();
        else
            keywordAddButton->click();
        return true;
    }
    if (watched == synonymLineEdit) {
        synonymAddButton->click();
        if (shift)
            keywordLineEdit->setFocus();
        return true;
    }
    if (watched == keywordListWidget) {
        m_vocabulary->choiceKeyword(keywordListWidget->currentItem());
        return true;
    }
    if (watched == synonymListWidget || watched == listWidget) {
        auto list = static_cast<QListWidget *>(watched);
        if (list->currentItem() && list->currentItem()->isSelected())
            focusNextChild();
        return true;
    }
    if (watched == titleLineEdit) {
        focusNextChild();
        return true;
    }
    if (watched == authorLineEdit || watched == hardcopyLineEdit) {
        describeTab->setFocus();
        return true;
    }
    return QFrame::eventFilter(watched, event);
}

void DescribeDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        // The box set has built every box's category model anew in the new language already.
        retranslateUi(this);
        m_tabTitles.clear();
        for (int i = 0; i < describeTab->count(); ++i)
            m_tabTitles << describeTab->tabText(i);
        retranslateThis();
        // What is being edited stays; only the texts change.
        if (m_current)
            showOriginal(m_current);
    }
    QFrame::changeEvent(event);
}

// The category tab follows the box's model: its titles and names, and only what the model uses.
void DescribeDialog::retranslateThis()
{
    m_category->dress(m_run->box()->category());

    m_template = tr("<table><tr> <td width = 120> <b>Remark</b> </td> <td>%1</td> </tr> </table><hr /><table><tr> "
                    "<td width = 120> <b>Caption</b> </td> <td>%2</td> </tr><tr> <td> <b>Date</b>      </td> "
                    "<td>%3</td> </tr><tr> <td> <b>Category</b>  </td> <td>%4</td> </tr><tr> <td> "
                    "<b>Keyword</b>   </td> <td>%5</td> </tr><tr> <td> <b>Hardcopy</b>  </td> <td>%6</td> "
                    "</tr></table><hr /><table><tr> <td width = 120> <b>Session</b> </td> <td>%7</td> "
                    "</tr><tr> <td> <b>Original name</b>       </td> <td>%8</td> </tr><tr> <td> "
                    "<b>Checksum</b>            </td> <td>%9</td> </tr></table>");
    setModified();
}
