#include "searchdialog.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QListView>
#include <QProgressBar>
#include <QScrollBar>
#include <QStandardItemModel>

#include <algorithm>

#include "anybox.h"
#include "constants.h"
#include "entrypass.h"
#include "entry.h"
#include "helperprogram.h"
#include "myabcfile.h"
#include "mymessagebox.h"
#include "mytmpfile.h"
#include "previewfollows.h"
#include "selectionframe.h"
#include "selectionpass.h"
#include "thumbnailloader.h"

namespace {

const QString STAGE_PREFIX = QStringLiteral("Stage_");
// The result strip: its thumbnails, and no more objects than a glance takes in.
const int RESULT_SIDE = 48;
const int RESULT_LIMIT = 500;
const int PATH_ROLE = Qt::UserRole + 1;
const int ENTRY_ROLE = Qt::UserRole + 2;

} // namespace

SearchDialog::SearchDialog(AnyBox *box, QFrame *parent)
    : QFrame(parent)
    , m_box(box)
    , m_preview(new HelperProgram(this))
{
    setupUi(this);
    setObjectName(QStringLiteral("SearchDialog"));
    boxPixmap->setPixmap(m_box->boxPixmap());
    label_A->hide();
    mode->hide();
    // The template's fields sit in the header row, yet belong to the form.
    templateBar->hide();
    connect(deleteStageButton, &QPushButton::clicked, this, &SearchDialog::pressDeleteStage);
    connect(createStageButton, &QPushButton::clicked, this, &SearchDialog::pressCreateStage);
    connect(saveButton, &QPushButton::clicked, this, &SearchDialog::pressSave);
    connect(prevStageButton, &QPushButton::clicked, this, &SearchDialog::pressPrevStage);
    connect(nextStageButton, &QPushButton::clicked, this, &SearchDialog::pressNextStage);
    connect(m_box, &AnyBox::showReduce, this, &SearchDialog::warningShowReduce);
    connect(m_preview, &HelperProgram::cannotStart, this, &SearchDialog::reportPreviewFailure);
    m_follows = new PreviewFollows(m_box->name(), this);
    m_follows->watch(m_preview->process());
    connect(m_follows, &QCheckBox::toggled, this, [this](bool follows) {
        if (follows)
            showStage();
        else
            closeShowStage();
    });

    m_resultView = new QListView(mode);
    m_resultView->setObjectName(QStringLiteral("resultView"));
    m_resultView->setViewMode(QListView::IconMode);
    // A strip across the frame below the stage's criteria: one row of thumbnails that scrolls sideways, so
    // that it takes the same small height on every screen.
    m_resultView->setFlow(QListView::LeftToRight);
    m_resultView->setWrapping(false);
    m_resultView->setMovement(QListView::Static);
    m_resultView->setUniformItemSizes(true);
    m_resultView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_resultView->setIconSize(QSize(RESULT_SIDE, RESULT_SIDE));
    m_resultView->setGridSize(QSize(RESULT_SIDE + m_resultView->fontMetrics().averageCharWidth() * 3,
                                    RESULT_SIDE + m_resultView->fontMetrics().height() + 6));
    m_resultView->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_resultView->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_resultView->setFixedHeight(m_resultView->gridSize().height() +
                                 m_resultView->horizontalScrollBar()->sizeHint().height() +
                                 2 * m_resultView->frameWidth());
    m_resultModel = new QStandardItemModel(this);
    m_resultView->setModel(m_resultModel);
    // The check box that lets the preview follow the result stands beside the result.
    auto strip = new QHBoxLayout;
    strip->addWidget(m_resultView, 1);
    strip->addWidget(m_follows, 0, Qt::AlignTop);
    stageResultLayout->addLayout(strip);
    m_thumbnails = new ThumbnailLoader(RESULT_SIDE, this);
    connect(m_thumbnails, &ThumbnailLoader::ready, this, &SearchDialog::resultThumbnailReady);
    connect(m_resultView, &QListView::doubleClicked, this, &SearchDialog::previewOne);
    if (m_box->getCount() == 0)
        return;
    label->hide();
    mode->show();
    templateBar->show();
    gatherSessions();
    createStageButton->setEnabled(false);
    addStage();
    updateStagesCount();
    setModePrevStageButton();
    setModeNextStageButton();
    setModeSaveButton();
}

SearchDialog::~SearchDialog()
{
    closeShowStage();
    m_box->uniteSubsets();
}

// The sessions' figures need every entry of the box: they are gathered behind the shown frame, and the
// stages' session tables are filled when they are complete.
void SearchDialog::gatherSessions()
{
    m_sessions.setDateFormat(m_box->dateFormat());
    m_sessionProgress = new QProgressBar(this);
    m_sessionProgress->setObjectName(QStringLiteral("sessionProgress"));
    m_sessionProgress->setTextVisible(false);
    m_sessionProgress->setMaximumWidth(160);
    titleLayout->addWidget(m_sessionProgress);
    m_sessionPass = new EntryPass(m_box, [this](const Entry &entry) { m_sessions.add(entry); }, this);
    connect(m_sessionPass, &EntryPass::progress, this, [this](int done, int all) {
        m_sessionProgress->setMaximum(all);
        m_sessionProgress->setValue(done);
    });
    connect(m_sessionPass, &EntryPass::finished, this, [this] {
        m_sessionProgress->hide();
        for (int i = 0; i < stages->count(); ++i) {
            if (SelectionFrame *stage = stageAt(i))
                stage->fillSessionTable();
        }
    });
    m_sessionPass->start();
}

bool SearchDialog::sessionsGathered() const
{
    return m_sessionPass && m_sessionPass->isFinished();
}

SelectionFrame *SearchDialog::stageAt(int index) const
{
    QWidget *page = stages->widget(index);
    return page ? page->findChild<SelectionFrame *>() : nullptr;
}

SelectionFrame *SearchDialog::currentStage() const
{
    return stageAt(stages->currentIndex());
}

void SearchDialog::addStage()
{
    auto page = new QFrame;
    auto layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    stages->addWidget(page);
    stages->setCurrentWidget(page);
    auto stage = new SelectionFrame(STAGE_PREFIX + QString::number(stages->currentIndex() + 1), m_box, this, page);
    layout->addWidget(stage);
}

bool SearchDialog::needSave() const
{
    return saveButton->isEnabled();
}

void SearchDialog::setBusy(bool busy)
{
    m_busy = busy;
    for (QWidget *widget : {static_cast<QWidget *>(createStageButton), static_cast<QWidget *>(deleteStageButton),
                            static_cast<QWidget *>(prevStageButton), static_cast<QWidget *>(nextStageButton),
                            static_cast<QWidget *>(saveButton)})
        widget->setEnabled(false);
    if (!busy) {
        deleteStageButton->setEnabled(true);
        setModePrevStageButton();
        setModeNextStageButton();
        setModeCreateStageButton();
        setModeSaveButton();
    }
}

// ---- stages ------------------------------------------------------------------------------

void SearchDialog::pressCreateStage()
{
    if (m_busy || !createStageButton->isEnabled())
        return;
    closeShowStage();
    addStage();
    showResult();
    createStageButton->setEnabled(false);
    saveButton->setEnabled(false);
    updateStagesCount();
    setModePrevStageButton();
    setModeNextStageButton();
}

// The stages after the deleted one take the next lower numbers, as their subsets do in the box.
void SearchDialog::pressDeleteStage()
{
    if (m_busy || stages->count() == 0)
        return;
    closeShowStage();
    const int index = stages->currentIndex();
    m_box->deleteSubset(index);
    emit needUpdateStatus();
    QWidget *page = stages->currentWidget();
    stages->removeWidget(page);
    delete page;
    if (stages->count() == 0) {
        addStage();
    } else {
        for (int k = index; k < stages->count(); ++k) {
            if (SelectionFrame *stage = stageAt(k))
                stage->setObjectName(STAGE_PREFIX + QString::number(k + 1));
        }
        showStage();
    }
    updateStagesCount();
    setModePrevStageButton();
    setModeNextStageButton();
    setModeCreateStageButton();
    setModeSaveButton();
}

void SearchDialog::pressPrevStage()
{
    if (m_busy || stages->currentIndex() < 1)
        return;
    closeShowStage();
    stages->setCurrentIndex(stages->currentIndex() - 1);
    showStage();
    updateStagesCount();
    setModePrevStageButton();
    setModeNextStageButton();
    setModeCreateStageButton();
}

void SearchDialog::pressNextStage()
{
    if (m_busy || stages->currentIndex() >= stages->count() - 1)
        return;
    closeShowStage();
    stages->setCurrentIndex(stages->currentIndex() + 1);
    showStage();
    updateStagesCount();
    setModePrevStageButton();
    setModeNextStageButton();
    setModeCreateStageButton();
}

void SearchDialog::updateStagesCount()
{
    label_CurrentStage->setText(QString::number(stages->currentIndex() + 1));
    label_TotalStage->setText(QString::number(stages->count()));
}

void SearchDialog::setModePrevStageButton()
{
    prevStageButton->setEnabled(!m_busy && stages->currentIndex() >= 1);
}

void SearchDialog::setModeNextStageButton()
{
    nextStageButton->setEnabled(!m_busy && stages->currentIndex() < stages->count() - 1);
}

// A new stage takes the next subset number, so it may follow only when no stage is still without a
// result: a stage that never found anything holds no subset, and the numbers would no longer match.
void SearchDialog::setModeCreateStageButton()
{
    bool allFound = stages->count() > 0;
    for (int i = 0; i < stages->count(); ++i) {
        const SelectionFrame *stage = stageAt(i);
        allFound = allFound && stage && stage->getRemarkFoundCount() != 0;
    }
    createStageButton->setEnabled(!m_busy && allFound);
}

void SearchDialog::setModeSaveButton()
{
    bool allFound = stages->count() > 0;
    for (int i = 0; i < stages->count(); ++i) {
        const SelectionFrame *stage = stageAt(i);
        allFound = allFound && stage && stage->getRemarkFoundCount() != 0;
    }
    saveButton->setEnabled(!m_busy && allFound);
}

// ---- preview -----------------------------------------------------------------------------

QString SearchDialog::previewListFile() const
{
    return m_preview->listFile();
}

void SearchDialog::showStage()
{
    closeShowStage();
    showResult();
    const SelectionFrame *stage = currentStage();
    if (!stage || stage->getRemarkFoundCount() == 0)
        return;
    m_reduceWarned = false;
    if (m_follows->isChecked())
        m_preview->previewSelected(m_box, stages->currentIndex());
}

// The preview is asked to end and killed when it does not; its list file goes with it, which also
// tells the companions to end.
void SearchDialog::closeShowStage()
{
    m_preview->close();
}

void SearchDialog::reportPreviewFailure()
{
    MyMessageBox::warning(this, tr("Warning"),
                          tr("The preview program cannot be started:\n%1").arg(m_box->execPreview()));
}

// Once per list: the box announces every object left out of it.
void SearchDialog::warningShowReduce()
{
    if (m_reduceWarned)
        return;
    m_reduceWarned = true;
    MyMessageBox::information(this, tr("Warning"), tr("Selected list is very big. The output will be truncated..."));
}

// ---- template ----------------------------------------------------------------------------

void SearchDialog::pressSave()
{
    if (m_busy || !saveButton->isEnabled())
        return;
    saveButton->setEnabled(false);
    QList<MyTmpFile::task> steps;
    for (int i = 0; i < stages->count(); ++i) {
        QList<MyTmpFile::task> stageSteps = stageAt(i)->getSteps();
        if (i > 0 && !stageSteps.isEmpty())
            stageSteps.first().plus = true;
        steps << stageSteps;
    }
    m_reduceWarned = false;
    m_box->makePlayListFile(SelectionPass::listFileName(templateName->text()));
    const QString name = templateName->text().simplified();
    if (name.isEmpty() || name == QLatin1String("anonymous"))
        return;
    auto tmpFile = dynamic_cast<MyTmpFile *>(m_box->unit(NAME_TMP_FILE));
    if (!tmpFile || !tmpFile->addTask(m_box->objectName(), name, templateDescription->text(), steps))
        MyMessageBox::warning(this, tr("Warning"), tr("The template %1 cannot be stored.").arg(name));
}

void SearchDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        const QString name = templateName->text();
        const QString description = templateDescription->text();
        const QString current = label_CurrentStage->text();
        const QString total = label_TotalStage->text();
        retranslateUi(this);
        templateName->setText(name);
        templateDescription->setText(description);
        label_CurrentStage->setText(current);
        label_TotalStage->setText(total);
    }
    QFrame::changeEvent(event);
}

// ---- the result strip -----------------------------------------------------------------------

void SearchDialog::showResult()
{
    m_thumbnails->cancel();
    m_resultModel->clear();
    m_resultRowOfPath.clear();
    const SelectionFrame *stage = currentStage();
    m_resultEntries = stage && stage->getRemarkFoundCount() > 0 ? m_box->markedEntries(stages->currentIndex())
                                                                 : QList<Entry *>();
    if (m_resultEntries.size() > RESULT_LIMIT)
        m_resultEntries = m_resultEntries.mid(0, RESULT_LIMIT);
    const QIcon placeholder(ThumbnailLoader::placeholder(RESULT_SIDE));
    for (int row = 0; row < m_resultEntries.size(); ++row) {
        const Entry *entry = m_resultEntries.at(row);
        const QString path = m_box->objectPath(*entry);
        auto item = new QStandardItem(placeholder, entry->getField(Entry::RemarkField));
        item->setData(path, PATH_ROLE);
        item->setData(row, ENTRY_ROLE);
        item->setToolTip(entry->getField(Entry::OriginalField));
        m_resultModel->appendRow(item);
        m_resultRowOfPath.insert(path, row);
        m_thumbnails->request(path);
    }
}

void SearchDialog::resultThumbnailReady(const QString &path, const QImage &image)
{
    const auto found = m_resultRowOfPath.constFind(path);
    if (found == m_resultRowOfPath.constEnd())
        return;
    if (QStandardItem *item = m_resultModel->item(found.value()))
        item->setIcon(QIcon(image.isNull() ? ThumbnailLoader::fallback(path, m_box->boxPixmap(), RESULT_SIDE)
                                           : QPixmap::fromImage(image)));
}

// The box's preview on that object alone; the stage's preview comes back with the next stage shown.
void SearchDialog::previewOne(const QModelIndex &index)
{
    const int row = index.data(ENTRY_ROLE).toInt();
    if (!index.isValid() || row < 0 || row >= m_resultEntries.size())
        return;
    m_preview->preview(m_box, QStringLiteral("search_one"), {m_resultEntries.at(row)});
}
