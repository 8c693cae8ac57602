#include "restoredialog.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QTimer>

#include <memory>

#include "anybox.h"
#include "constants.h"
#include "entry.h"
#include "frameatwork.h"
#include "mylogfile.h"
#include "mymessagebox.h"
#include "restorerun.h"

// Up to this many objects the sizes are read in a few milliseconds, before the frame shows.
static const int SIZE_AT_ONCE_OBJECTS = 2000;

RestoreDialog::RestoreDialog(AnyBox *box, QFrame *parent)
    : QFrame(parent)
    , m_box(box)
    , m_logFile(dynamic_cast<MyLogFile *>(box->unit(NAME_LOG_FILE)))
{
    setupUi(this);
    setObjectName(QStringLiteral("RestoreDialog"));
    boxPixmap->setPixmap(m_box->boxPixmap());
    m_useOriginalFilename = false;
    label_B->hide();
    mode->hide();
    useOriginalFilename->hide();

    m_selected = m_box->markedEntriesCount();
    if (m_selected == 0) {
        label_A->hide();
        label_B->show();
        return;
    }
    // Sizes are known once the destination is; the figures come from the run.
    label_F->setEnabled(false);
    currentRemark->setEnabled(false);
    progressBar->setRange(0, m_selected);
    progressBar->setValue(0);
    label_A->hide();
    mode->show();
    startButton->setFocus();
    connect(startButton, &QPushButton::clicked, this, &RestoreDialog::pressStartButton);
    connect(clearButton, &QPushButton::clicked, this, &RestoreDialog::pressClearButton);
}

void RestoreDialog::setDestination(MyUnit *destinationUnit)
{
    m_destination = destinationUnit;
    retranslateThis();
    destination->setText(destinationPath());
    // Without its folder there is nowhere to copy to.
    if (!hasSelection() || destinationPath().isEmpty()) {
        startButton->setEnabled(false);
        clearButton->setEnabled(false);
        return;
    }
    m_run = new RestoreRun(m_box, destinationPath(), this);
    connect(m_run, &RestoreRun::entryStarted, this, &RestoreDialog::showCurrent);
    connect(m_run, &RestoreRun::entryRestored, this, &RestoreDialog::showRestored);
    connect(m_run, &RestoreRun::progressed, this, &RestoreDialog::showProgress);
    connect(m_run, &RestoreRun::removing, this,
            [] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); });
    select->setText(QString::number(m_selected));
    restore->setText(QStringLiteral("0"));
    restoreSize->setText(QStringLiteral("0.0"));
    remain->setText(QString::number(m_selected));
    destinationStatus->setText(getStatus());
    // A small selection is sized before the frame shows; a large one behind it, Start waiting for it.
    if (m_selected <= SIZE_AT_ONCE_OBJECTS) {
        sumSizes();
        return;
    }
    selectSize->setText(QStringLiteral("..."));
    remainSize->setText(QStringLiteral("..."));
    startButton->setEnabled(false);
    clearButton->setEnabled(false);
    QTimer::singleShot(0, this, &RestoreDialog::sumSizes);
}

void RestoreDialog::sumSizes()
{
    if (!m_run || m_run->selectedBytesKnown())
        return;
    {
        FrameAtWork atWork(this);
        m_run->sumSelectedBytes();
    }
    m_totalSize = m_run->selectedBytes();
    selectSize->setText(RestoreRun::megabytes(m_totalSize));
    remainSize->setText(RestoreRun::megabytes(m_totalSize));
    startButton->setEnabled(!m_started);
    setModeClearButton();
    emit sizesKnown();
}

QString RestoreDialog::destinationPath() const
{
    return m_destination ? m_destination->completeName() : QString();
}

QString RestoreDialog::getStatus()
{
    const int files = m_run ? m_run->destinationFiles().size()
                            : RestoreRun(nullptr, destinationPath()).destinationFiles().size();
    m_destinationEmpty = files == 0;
    if (m_destinationEmpty)
        return tr("<b>empty</b>");
    return tr("<b>not empty</b> / existing files: ") + QString::number(files);
}

void RestoreDialog::setModeClearButton()
{
    clearButton->setEnabled(!m_destinationEmpty && !m_started && m_run && m_run->selectedBytesKnown());
}

QStringList RestoreDialog::filesToClear() const
{
    return m_run ? m_run->destinationFiles() : QStringList();
}

QString RestoreDialog::clearQuestion(const QStringList &files) const
{
    return tr("Remove %1 files from the folder\n%2?\nSub-folders stay.").arg(files.size()).arg(destinationPath());
}

// Files go; sub-folders stay. The user confirms the files named first.
void RestoreDialog::pressClearButton()
{
    if (!m_run)
        return;
    const QStringList files = filesToClear();
    if (files.isEmpty()) {
        MyMessageBox::information(this, tr("Information"), tr("No file of the folder\n%1\nis to be removed.")
                                                               .arg(destinationPath()));
        return;
    }
    const QMessageBox::StandardButton answer = MyMessageBox::question(
        this, tr("Question"), clearQuestion(files), QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    clearButton->setEnabled(false);
    int failed = 0;
    {
        FrameAtWork atWork(this);
        failed = m_run->removeFiles(files);
    }
    destinationStatus->setText(getStatus());
    setModeClearButton();
    if (failed > 0) {
        MyMessageBox::warning(this, tr("Warning"),
                              tr("%1 files of the destination folder cannot be removed.").arg(failed));
    }
}

void RestoreDialog::pressStartButton()
{
    if (m_started || !m_run || !m_run->selectedBytesKnown())
        return;
    m_started = true;
    auto atWork = std::make_unique<FrameAtWork>(this);
    label_F->setEnabled(true);
    currentRemark->setEnabled(true);
    clearButton->setEnabled(false);
    startButton->setEnabled(false);
    m_run->setUseOriginalFilename(m_useOriginalFilename);
    m_run->setCountHardcopies(m_countHardcopies);
    const bool stored = m_run->run();
    label_F->setEnabled(false);
    currentRemark->setText(QStringLiteral(" "));
    currentRemark->setEnabled(false);
    destinationStatus->setText(getStatus());
    destinationStatus->setEnabled(false);
    clearButton->setEnabled(false);
    time->setText(RestoreRun::elapsedText(m_run->elapsedMs()));
    atWork.reset();
    // The user learns what did not come out instead of reading leftover counters.
    if (m_run->failedCount() > 0) {
        MyMessageBox::warning(this, tr("Warning"),
                              tr("%1 of %2 objects were not restored: a file of the same name is already in "
                                 "the destination folder, or the copy failed. See the log.")
                                  .arg(m_run->failedCount())
                                  .arg(m_selected));
    }
    if (!stored) {
        MyMessageBox::warning(this, tr("Warning"),
                              tr("The hardcopy counts cannot be written to the catalogue."));
    }
}

void RestoreDialog::showCurrent(const QString &remark)
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    currentRemark->setText(remark);
}

void RestoreDialog::showRestored(Entry *entry)
{
    updateCurrentEntry(entry);
    restore->setText(QString::number(m_run->restoredCount()));
    restoreSize->setText(RestoreRun::megabytes(m_run->restoredBytes()));
    remain->setText(QString::number(m_run->remainingCount()));
    remainSize->setText(RestoreRun::megabytes(m_run->remainingBytes()));
}

void RestoreDialog::showProgress(int done)
{
    progressBar->setValue(done);
    time->setText(RestoreRun::elapsedText(m_run->elapsedMs()));
}

void RestoreDialog::updateCurrentEntry(Entry *entry)
{
    Q_UNUSED(entry)
}

void RestoreDialog::retranslateThis()
{
    title->setText(tr("Restoring"));
}

void RestoreDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslateUi(this);
        retranslateThis();
    }
    QFrame::changeEvent(event);
}

bool RestoreDialog::sizesAreKnown() const
{
    return m_run && m_run->selectedBytesKnown();
}
