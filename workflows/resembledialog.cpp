#include "resembledialog.h"

#include <QEvent>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTime>

#include "anybox.h"
#include "frameatwork.h"
#include "helperprogram.h"
#include "mymessagebox.h"
#include "previewfollows.h"
#include "resemblelistview.h"
#include "resemblemodel.h"
#include "resemblerun.h"
#include "thumbnailloader.h"

namespace {

const int POOL = 0;
const int GROUP = 1;
const int PRIME = 2;
// The selected row's picture.
const int LARGE_SIDE = 256;
// A list file holds 1,001 objects; one more tells the box that the list was cut short.
const int LIST_OBJECTS = 1002;

} // namespace

ResembleDialog::ResembleDialog(AnyBox *box, QFrame *parent)
    : QFrame(parent)
    , m_box(box)
{
    setupUi(this);
    setObjectName(QStringLiteral("ResembleDialog"));
    boxPixmap->setPixmap(m_box->boxPixmap());
    const QString time = QTime::currentTime().toString(QStringLiteral("hhmmsszzz"));
    m_listBases[POOL] = time;
    m_listBases[GROUP] = time + QStringLiteral("_2");
    m_listBases[PRIME] = time + QStringLiteral("_3");
    m_follows = new PreviewFollows(m_box->name(), this);
    headerLayout->addWidget(m_follows);
    for (HelperProgram *&preview : m_previews) {
        preview = new HelperProgram(this);
        connect(preview, &HelperProgram::cannotStart, this, &ResembleDialog::previewFailed);
        m_follows->watch(preview->process());
    }
    connect(m_follows, &QCheckBox::toggled, this, [this](bool follows) {
        if (!m_model || m_run->isEmpty())
            return;
        for (int which : {POOL, GROUP, PRIME}) {
            if (follows)
                startPreview(which);
            else
                stopPreview(which);
        }
    });
    retranslateThis();
    label_B->hide();
    mode->hide();

    // A small selection is gathered before the constructor returns; a large one goes on in steps.
    m_run = new ResembleRun(m_box, ResembleRun::InSteps, this);
    if (m_run->isGathered()) {
        showRows();
        return;
    }
    m_gathering = std::make_unique<FrameAtWork>(this);
    connect(m_run, &ResembleRun::gathered, this, &ResembleDialog::showRows);
}

// The previews end with the frame; the marks become the primes after an Apply, else the old ones.
ResembleDialog::~ResembleDialog()
{
    for (int i = 0; i < 3; ++i) {
        m_previews[i]->disconnect(this);
        stopPreview(i);
    }
    m_run->finish();
    m_gathering.reset();
    if (m_run->applied())
        emit needUpdateStatus();
}

// Rows at once, each with a placeholder; the thumbnails of the rows in sight fill in behind.
void ResembleDialog::showRows()
{
    m_gathering.reset();
    label_A->hide();
    if (m_run->isEmpty()) {
        label_B->show();
        return;
    }
    m_model = new ResembleModel(m_run, m_box->boxPixmap(), this);
    m_model->setAssociate(m_associate);
    m_largeThumbnail = new ThumbnailLoader(LARGE_SIDE, this);
    connect(m_largeThumbnail, &ThumbnailLoader::ready, this, &ResembleDialog::largeThumbnailReady);
    resembleList->setIconSize(QSize(ResembleModel::ICON_SIDE, ResembleModel::ICON_SIDE));
    resembleList->setUniformItemSizes(true);
    resembleList->setModel(m_model);
    connect(resembleList->verticalScrollBar(), &QScrollBar::valueChanged, m_model, &ResembleModel::dropWaiting);
    rewriteRows();
    progressBar->setValue(0);
    progressBar->setMaximum(m_run->rowCount());
    mode->show();
    startPreview(POOL);
    setCurrentRow(0);
    setButtons();

    resembleList->installEventFilter(this);
    connect(addButton, &QPushButton::clicked, this, &ResembleDialog::pressAddButton);
    connect(uniqueButton, &QPushButton::clicked, this, &ResembleDialog::pressUniqueButton);
    connect(changeButton, &QPushButton::clicked, this, &ResembleDialog::pressChangeButton);
    connect(applyButton, &QPushButton::clicked, this, &ResembleDialog::pressApplyButton);
    connect(resembleList->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) {
                const int row = current.isValid() ? current.row() : -1;
                setModeAddButton(row);
                setModeUniqueButton(row);
                setModeChangeButton(row);
                showLargeThumbnail(row);
            });
    showLargeThumbnail(currentRow());
    // A progress bar repaints at once for every new value; posted, the value is painted with the rest
    // of the window while Apply waits for its files, and once after it.
    connect(m_run, &ResembleRun::progress, progressBar, &QProgressBar::setValue, Qt::QueuedConnection);
}

void ResembleDialog::retranslateThis()
{
    m_associate = tr("associate with %1 following remarks");
}

// Rows keep their places; the view repaints the rows whose texts, icons or weights changed.
void ResembleDialog::rewriteRows()
{
    m_model->showChanges();
    prime->setText(m_run->currentPrime().isEmpty() ? QStringLiteral("- - -") : m_run->currentPrime());
}

int ResembleDialog::currentRow() const
{
    const QModelIndex current = resembleList->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void ResembleDialog::setCurrentRow(int row)
{
    resembleList->setCurrentIndex(m_model->index(row));
}

void ResembleDialog::setButtons()
{
    const int row = currentRow();
    setModeAddButton(row);
    setModeUniqueButton(row);
    setModeChangeButton(row);
    applyButton->setEnabled(m_run->canApply());
}

void ResembleDialog::setModeAddButton(int row)
{
    const ResembleRun::AddMode mode = m_run->addMode(row);
    addButton->setEnabled(mode != ResembleRun::AddDisabled);
    if (mode == ResembleRun::AddRemove)
        addButton->setText(tr("&Remove"));
    else if (mode == ResembleRun::AddAdd)
        addButton->setText(tr("A&dd"));
    else if (mode == ResembleRun::AddCreate)
        addButton->setText(tr("&Create"));
}

void ResembleDialog::setModeUniqueButton(int row)
{
    const ResembleRun::UniqueMode mode = m_run->uniqueMode(row);
    uniqueButton->setEnabled(mode != ResembleRun::UniqueDisabled);
    switch (mode) {
    case ResembleRun::UniqueDisabled:
        break;
    case ResembleRun::UniqueUnique:
        uniqueButton->setText(tr("&Unique"));
        break;
    case ResembleRun::UniqueReturnBack:
        uniqueButton->setText(tr("&Return back"));
        break;
    case ResembleRun::UniqueAllUnique:
        uniqueButton->setText(tr("All &unique"));
        break;
    case ResembleRun::UniqueReturnAll:
        uniqueButton->setText(tr("&Return all"));
        break;
    }
}

void ResembleDialog::setModeChangeButton(int row)
{
    changeButton->setEnabled(m_run->canChange(row));
}

void ResembleDialog::pressAddButton()
{
    const int row = currentRow();
    if (m_run->addMode(row) == ResembleRun::AddDisabled)
        return;
    m_run->pressAdd(row);
    rewriteRows();
    setButtons();
    restartPreviews(true, true);
}

void ResembleDialog::pressUniqueButton()
{
    const int row = currentRow();
    if (m_run->uniqueMode(row) == ResembleRun::UniqueDisabled)
        return;
    m_run->pressUnique(row);
    rewriteRows();
    setButtons();
}

void ResembleDialog::pressChangeButton()
{
    const int row = currentRow();
    if (!m_run->canChange(row))
        return;
    m_run->pressChange(row);
    rewriteRows();
    setButtons();
    restartPreviews(false, true);
}

// The catalogue files are written on the pool while the window answers; clicks and keys wait.
void ResembleDialog::pressApplyButton()
{
    if (!m_run->canApply())
        return;
    applyButton->setEnabled(false);
    bool stored = false;
    {
        FrameAtWork atWork(this);
        progressBar->setValue(0);
        stored = m_run->apply();
    }
    rewriteRows();
    setCurrentRow(0);
    setButtons();
    restartPreviews(true, true);
    if (!stored)
        MyMessageBox::warning(this, tr("Warning"),
                              tr("The groups could not be stored in:\n%1\nNothing was changed.")
                                  .arg(m_run->failedPaths().join(QLatin1Char('\n'))));
}

// Discarded changes go with the frame; a frame that stays (a language switch) keeps showing them.
bool ResembleDialog::settleChanges()
{
    if (!m_model || !m_run->canApply())
        return true;
    const QString prime = m_run->currentPrime();
    const QMessageBox::StandardButton answer = MyMessageBox::question(
        this, tr("Question"),
        prime.isEmpty() ? tr("Apply the changes to the groups?") : tr("Apply the changes to %1?").arg(prime),
        QMessageBox::Apply | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Apply);
    if (answer == QMessageBox::Apply)
        pressApplyButton();
    return answer != QMessageBox::Cancel;
}

// ---- previews -------------------------------------------------------------------------------

void ResembleDialog::restartPreviews(bool pool, bool group)
{
    if (pool)
        startPreview(POOL);
    if (group) {
        startPreview(GROUP);
        startPreview(PRIME);
    }
}

void ResembleDialog::startPreview(int which)
{
    stopPreview(which);
    if (!m_follows->isChecked())
        return;
    const QList<Entry *> entries = which == POOL    ? m_run->poolEntries(LIST_OBJECTS)
                                   : which == GROUP ? m_run->groupEntries(LIST_OBJECTS)
                                                    : m_run->primeEntries();
    if (!entries.isEmpty())
        m_previews[which]->preview(m_box, m_listBases[which], entries);
}

void ResembleDialog::stopPreview(int which)
{
    m_previews[which]->end();
}

// A missing preview program is said once; grouping goes on without it.
void ResembleDialog::previewFailed()
{
    if (m_previewWarned)
        return;
    m_previewWarned = true;
    MyMessageBox::warning(this, tr("Warning"),
                          tr("The preview program cannot be started:\n%1").arg(m_box->execPreview()));
}

// ---- keyboard and language ------------------------------------------------------------------

bool ResembleDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != resembleList || event->type() != QEvent::KeyPress)
        return QFrame::eventFilter(watched, event);
    const auto keyEvent = static_cast<QKeyEvent *>(event);
    const int key = keyEvent->key();
    const bool shift = keyEvent->modifiers() & Qt::ShiftModifier;
    switch (key) {
    case Qt::Key_Plus:
        addButton->click();
        return true;
    case Qt::Key_Minus:
        uniqueButton->click();
        return true;
    case Qt::Key_Space:
        changeButton->click();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (shift)
            applyButton->click();
        return true;
    case Qt::Key_Up:
        return currentRow() <= 0;
    case Qt::Key_Down:
        return currentRow() >= m_run->rowCount() - 1;
    default:
        return QFrame::eventFilter(watched, event);
    }
}

void ResembleDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslateUi(this);
        retranslateThis();
        if (m_model) {
            m_model->setAssociate(m_associate);
            resembleList->layOutAgain();
            rewriteRows();
            setButtons();
        }
    }
    QFrame::changeEvent(event);
}

// ---- thumbnails -----------------------------------------------------------------------------

void ResembleDialog::showLargeThumbnail(int row)
{
    m_largePath = m_run->rowObjectPath(row);
    if (m_largePath.isEmpty()) {
        thumbnailLabel->clear();
        return;
    }
    const QImage made = m_largeThumbnail->made(m_largePath);
    if (!made.isNull()) {
        thumbnailLabel->setPixmap(QPixmap::fromImage(made));
        return;
    }
    thumbnailLabel->setPixmap(ThumbnailLoader::placeholder(LARGE_SIDE));
    m_largeThumbnail->cancel();
    m_largeThumbnail->requestFirst(m_largePath);
}

void ResembleDialog::largeThumbnailReady(const QString &path, const QImage &image)
{
    if (path != m_largePath)
        return;
    thumbnailLabel->setPixmap(image.isNull() ? ThumbnailLoader::fallback(path, m_box->boxPixmap(), 128)
                                             : QPixmap::fromImage(image));
}
