#include "resembledialog.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QIcon>
#include <QKeyEvent>
#include <QPainter>
#include <QTime>

#include "anybox.h"
#include "helperprogram.h"
#include "mymessagebox.h"
#include "previewfollows.h"
#include "resemblerun.h"
#include "thumbnailloader.h"

namespace {

const int POOL = 0;
const int GROUP = 1;
const int PRIME = 2;
// A row's thumbnail, its state mark, and the selected row's picture.
const int ROW_SIDE = 96;
const int MARK_SIDE = 24;
const int LARGE_SIDE = 256;

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
        if (!m_run || m_run->isEmpty())
            return;
        if (follows) {
            startPreview(POOL, m_run->poolEntries());
            startPreview(GROUP, m_run->groupEntries());
            startPreview(PRIME, m_run->primeEntries());
        } else {
            for (int which : {POOL, GROUP, PRIME})
                stopPreview(which);
        }
    });
    retranslateThis();
    label_B->hide();
    mode->hide();

    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_run = new ResembleRun(m_box, this);
    QApplication::restoreOverrideCursor();
    label_A->hide();
    if (m_run->isEmpty()) {
        label_B->show();
        return;
    }
    // Rows at once, each with a placeholder; the thumbnails fill in behind, in the order of the rows.
    m_rowThumbnails = new ThumbnailLoader(ROW_SIDE, this);
    m_largeThumbnail = new ThumbnailLoader(LARGE_SIDE, this);
    connect(m_rowThumbnails, &ThumbnailLoader::ready, this, &ResembleDialog::rowThumbnailReady);
    connect(m_largeThumbnail, &ThumbnailLoader::ready, this, &ResembleDialog::largeThumbnailReady);
    resembleList->setIconSize(QSize(ROW_SIDE, ROW_SIDE));
    resembleList->setUniformItemSizes(true);
    for (int row = 0; row < m_run->rowCount(); ++row) {
        resembleList->addItem(QString());
        const QString path = m_run->rowObjectPath(row);
        m_rowOfPath.insert(path, row);
        m_rowThumbnails->request(path);
    }
    rewriteRows();
    progressBar->setValue(0);
    progressBar->setMaximum(m_run->rowCount());
    mode->show();
    startPreview(POOL, m_run->poolEntries());
    resembleList->setCurrentRow(0);
    setButtons();

    resembleList->installEventFilter(this);
    connect(addButton, &QPushButton::clicked, this, &ResembleDialog::pressAddButton);
    connect(uniqueButton, &QPushButton::clicked, this, &ResembleDialog::pressUniqueButton);
    connect(changeButton, &QPushButton::clicked, this, &ResembleDialog::pressChangeButton);
    connect(applyButton, &QPushButton::clicked, this, &ResembleDialog::pressApplyButton);
    connect(resembleList, &QListWidget::currentRowChanged, this, &ResembleDialog::setModeAddButton);
    connect(resembleList, &QListWidget::currentRowChanged, this, &ResembleDialog::setModeUniqueButton);
    connect(resembleList, &QListWidget::currentRowChanged, this, &ResembleDialog::setModeChangeButton);
    connect(resembleList, &QListWidget::currentRowChanged, this, &ResembleDialog::showLargeThumbnail);
    showLargeThumbnail(resembleList->currentRow());
    connect(m_run, &ResembleRun::progress, progressBar, &QProgressBar::setValue);
}

// The previews end with the frame; the marks become the primes after an Apply, else the old ones.
ResembleDialog::~ResembleDialog()
{
    for (int i = 0; i < 3; ++i) {
        m_previews[i]->disconnect(this);
        stopPreview(i);
    }
    m_run->finish();
    if (m_run->applied())
        emit needUpdateStatus();
}

void ResembleDialog::retranslateThis()
{
    m_associate = tr("associate with %1 following remarks");
}

// Rows keep their places; texts, icons and weights follow the states.
void ResembleDialog::rewriteRows()
{
    for (int row = 0; row < m_run->rowCount() && row < resembleList->count(); ++row) {
        QListWidgetItem *item = resembleList->item(row);
        const QString remark = m_run->rowRemark(row);
        if (!m_run->isPrimeRow(row)) {
            item->setText(QStringLiteral("... ") + remark);
        } else {
            const int members = m_run->memberCount(remark);
            item->setText(members == 0 ? remark + QStringLiteral(" ...")
                                       : remark + QStringLiteral(" ...\t") + m_associate.arg(members));
        }
        item->setIcon(rowIcon(row));
        QFont font = item->font();
        font.setWeight(remark == m_run->currentPrime() ? 75 : 50);
        item->setFont(font);
    }
    prime->setText(m_run->currentPrime().isEmpty() ? QStringLiteral("- - -") : m_run->currentPrime());
}

void ResembleDialog::setButtons()
{
    const int row = resembleList->currentRow();
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
    const int row = resembleList->currentRow();
    if (m_run->addMode(row) == ResembleRun::AddDisabled)
        return;
    m_run->pressAdd(row);
    rewriteRows();
    setButtons();
    restartPreviews(true, true);
}

void ResembleDialog::pressUniqueButton()
{
    const int row = resembleList->currentRow();
    if (m_run->uniqueMode(row) == ResembleRun::UniqueDisabled)
        return;
    m_run->pressUnique(row);
    rewriteRows();
    setButtons();
}

void ResembleDialog::pressChangeButton()
{
    const int row = resembleList->currentRow();
    if (!m_run->canChange(row))
        return;
    m_run->pressChange(row);
    rewriteRows();
    setButtons();
    restartPreviews(false, true);
}

void ResembleDialog::pressApplyButton()
{
    if (!m_run->canApply())
        return;
    applyButton->setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    progressBar->setValue(0);
    const bool stored = m_run->apply();
    QApplication::restoreOverrideCursor();
    rewriteRows();
    resembleList->setCurrentRow(0);
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
    if (!m_run || !m_run->canApply())
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
        startPreview(POOL, m_run->poolEntries());
    if (group) {
        startPreview(GROUP, m_run->groupEntries());
        startPreview(PRIME, m_run->primeEntries());
    }
}

void ResembleDialog::startPreview(int which, const QList<Entry *> &entries)
{
    stopPreview(which);
    if (entries.isEmpty() || !m_follows->isChecked())
        return;
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
        return resembleList->currentRow() <= 0;
    case Qt::Key_Down:
        return resembleList->currentRow() >= resembleList->count() - 1;
    default:
        return QFrame::eventFilter(watched, event);
    }
}

void ResembleDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslateUi(this);
        retranslateThis();
        if (m_run && !m_run->isEmpty()) {
            rewriteRows();
            setButtons();
        }
    }
    QFrame::changeEvent(event);
}

// ---- thumbnails -----------------------------------------------------------------------------

// The row's thumbnail with its state (in a group, made unique) in the corner.
QIcon ResembleDialog::rowIcon(int row) const
{
    QPixmap canvas(ROW_SIDE, ROW_SIDE);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    const QPixmap thumbnail = m_rowPixmaps.value(row, ThumbnailLoader::placeholder(ROW_SIDE));
    painter.drawPixmap((ROW_SIDE - thumbnail.width()) / 2, (ROW_SIDE - thumbnail.height()) / 2, thumbnail);
    QString mark;
    switch (m_run->state(m_run->rowRemark(row))) {
    case ResembleRun::InGroup:
        mark = QStringLiteral(":img/nextStage.png");
        break;
    case ResembleRun::MadeUnique:
        mark = QStringLiteral(":img/delStage.png");
        break;
    case ResembleRun::Untouched:
        break;
    }
    if (!mark.isEmpty())
        painter.drawPixmap(ROW_SIDE - MARK_SIDE, ROW_SIDE - MARK_SIDE, QIcon(mark).pixmap(MARK_SIDE, MARK_SIDE));
    painter.end();
    return QIcon(canvas);
}

void ResembleDialog::rowThumbnailReady(const QString &path, const QImage &image)
{
    const auto found = m_rowOfPath.constFind(path);
    if (found == m_rowOfPath.constEnd())
        return;
    const int row = found.value();
    m_rowPixmaps.insert(row, image.isNull() ? ThumbnailLoader::fallback(path, m_box->boxPixmap(), ROW_SIDE)
                                            : QPixmap::fromImage(image));
    if (QListWidgetItem *item = resembleList->item(row))
        item->setIcon(rowIcon(row));
}

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
