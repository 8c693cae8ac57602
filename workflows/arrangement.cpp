#include "arrangement.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>

#include <limits>

#include "anybox.h"
#include "arrangementrun.h"
#include "constants.h"
#include "duplicateremoval.h"
#include "frameatwork.h"
#include "mymessagebox.h"

Arrangement::Arrangement(AnyBox *box, QFrame *parent)
    : QFrame(parent)
    , m_box(box)
    , m_run(new ArrangementRun(box, this))
{
    setupUi(this);
    setObjectName(QStringLiteral("Arrangement"));
    boxPixmap->setPixmap(m_box->boxPixmap());
    sessionLabel->setText(m_run->sessionNumber());
    annotationEdit->setFocus();
    // Everything below the Start row appears stage by stage during the run.
    setShown({label_O, readingProgress, label_B, variousLabel, label_C, duplicateProgress, label_D, label_E,
              newLabel, label_F, duplicateLabel, label_G, arrangementProgress, label_Q, label_P, resembleProgress,
              label_H, label_I, totalLabel, label_J, addLabel, label_K, remainsLabel, label_L, beforeLabel, label_M,
              afterLabel, label_N, timeLabel, label_R, unreadableLabel, removeDuplicatesButton, removedLabel},
             false);
    annotationEdit->installEventFilter(this);
    connect(startButton, &QPushButton::clicked, this, &Arrangement::pressStartButton);
    connect(removeDuplicatesButton, &QPushButton::clicked, this, &Arrangement::pressRemoveDuplicatesButton);

    connect(m_run, &ArrangementRun::readingStarted, this, &Arrangement::showReading);
    connect(m_run, &ArrangementRun::readingProgress, this, &Arrangement::showReadingProgress);
    connect(m_run, &ArrangementRun::readingFinished, this, &Arrangement::showFound);
    connect(m_run, &ArrangementRun::duplicateStageStarted, this, &Arrangement::showDuplicateStage);
    connect(m_run, &ArrangementRun::duplicateProgress, this, &Arrangement::showDuplicateProgress);
    connect(m_run, &ArrangementRun::newCountChanged, this, &Arrangement::showNewCount);
    connect(m_run, &ArrangementRun::copyStageStarted, this, &Arrangement::showCopyStage);
    connect(m_run, &ArrangementRun::copyProgress, this, &Arrangement::showCopyProgress);
    connect(m_run, &ArrangementRun::resembleStageStarted, this, &Arrangement::showResembleStage);
    connect(m_run, &ArrangementRun::resembleProgress, this, &Arrangement::showResembleProgress);
    connect(m_run, &ArrangementRun::storeFailed, this, &Arrangement::warnStoreFailed);
    connect(m_run, &ArrangementRun::sessionNumberChanged, sessionLabel, &QLabel::setText);
}

QStringList Arrangement::abcSubtract(const QStringList &used) const
{
    return ArrangementRun::abcSubtract(used);
}

QStringList Arrangement::abcSubtract(const QList<QObject *> &objects) const
{
    return ArrangementRun::abcSubtract(objects);
}

QString Arrangement::abcRnd(const QStringList &names)
{
    return m_run->abcRnd(names);
}

// Return or Enter in the annotation starts the run.
bool Arrangement::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == annotationEdit && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            startButton->click();
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}

void Arrangement::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi(this);
    QFrame::changeEvent(event);
}

// The button is disabled before the first event processing of the run, so it cannot start twice.
void Arrangement::pressStartButton()
{
    if (m_started)
        return;
    m_started = true;
    startButton->setEnabled(false);
    annotationEdit->setReadOnly(true);
    // A run that cannot start would show zeros as if the folder were empty; the user learns why instead.
    const QString problem = startProblem();
    if (!problem.isEmpty()) {
        MyMessageBox::warning(this, tr("Warning"), tr("The arrangement cannot start.\n%1").arg(problem));
        return;
    }
    // The window answers during the run; the main window asks this before it closes or replaces the frame.
    bool ran = false;
    {
        FrameAtWork atWork(this);
        ran = m_run->run(annotationEdit->text());
        if (ran) {
            showResult();
            if (!m_run->recovered()) {
                MyMessageBox::warning(this, tr("Warning"),
                                      tr("An interrupted arrangement cannot be finished, so no file is placed. The "
                                         "log tells what stands in the way."));
            }
            emit needUpdateStatus();
        }
    }
    if (!ran)
        MyMessageBox::warning(this, tr("Warning"), tr("The arrangement cannot start."));
}

// Why a run cannot start in this box set, or an empty text when it can.
QString Arrangement::startProblem() const
{
    switch (m_run->problem()) {
    case ArrangementRun::NoProblem:
    case ArrangementRun::NoBox:
        break;
    case ArrangementRun::NoSourceFolder:
        return tr("The source folder \"%1\" is not found in the base folder.").arg(NAME_SRC_FOLDER);
    case ArrangementRun::NoSessionFile:
        return tr("The session file \"%1\" is not found in the base folder.").arg(NAME_SSS_FILE);
    case ArrangementRun::NoLogFile:
        return tr("The log file \"%1\" is not found in the base folder.").arg(NAME_LOG_FILE);
    case ArrangementRun::NoSessionNumberLeft:
        return tr("No session number is left: the session file\n%1\nalready holds the largest number, %2.")
            .arg(m_box->unit(NAME_SSS_FILE)->completeName())
            .arg(std::numeric_limits<unsigned>::max());
    }
    return QString();
}

void Arrangement::showReading()
{
    label_O->show();
    repaintNow();
}

void Arrangement::showReadingProgress(int done, int total)
{
    readingProgress->setRange(0, qMax(total, 1));
    readingProgress->setValue(total > 0 ? done : 1);
    readingProgress->show();
}

void Arrangement::showFound(int found)
{
    label_O->hide();
    readingProgress->hide();
    variousLabel->setText(QString::number(found));
    setShown({label_B, variousLabel}, true);
    repaintNow();
}

void Arrangement::showDuplicateStage(int maximum)
{
    // An empty box has nothing to search: the bar is shown full.
    duplicateProgress->setRange(0, maximum > 0 ? maximum : 1);
    duplicateProgress->setValue(maximum > 0 ? 0 : 1);
    setShown({label_C, duplicateProgress, label_D, label_E, newLabel, label_F, duplicateLabel}, true);
    repaintNow();
}

void Arrangement::showDuplicateProgress(int value)
{
    if (duplicateProgress->maximum() > 1 || value > 0)
        duplicateProgress->setValue(qMin(value, duplicateProgress->maximum()));
    repaintNow();
}

void Arrangement::showNewCount(int newFiles, int duplicates)
{
    newLabel->setText(QString::number(newFiles));
    duplicateLabel->setText(QString::number(duplicates));
    repaintNow();
}

void Arrangement::showCopyStage(int maximum)
{
    arrangementProgress->setRange(0, maximum);
    arrangementProgress->setValue(0);
    setShown({label_G, arrangementProgress}, true);
    repaintNow();
}

void Arrangement::showCopyProgress(int position)
{
    arrangementProgress->setValue(position);
    repaintNow();
}

void Arrangement::showResembleStage(int maximum)
{
    resembleProgress->setRange(0, maximum);
    resembleProgress->setValue(0);
    setShown({label_Q, label_P, resembleProgress}, true);
    repaintNow();
}

void Arrangement::showResembleProgress(int value)
{
    resembleProgress->setValue(qMin(value, resembleProgress->maximum()));
    repaintNow();
}

// The run goes on with the other catalogue files; the user learns which one could not be written.
void Arrangement::warnStoreFailed(const QString &path)
{
    MyMessageBox::warning(this, tr("Warning"),
                          tr("The catalogue file\n%1\ncannot be written. The files meant for it stay in the source "
                             "folder.")
                              .arg(path));
}

void Arrangement::showResult()
{
    totalLabel->setText(QString::number(m_run->newCount()));
    addLabel->setText(QString::number(m_run->addedCount()));
    remainsLabel->setText(QString::number(m_run->remainsCount()));
    beforeLabel->setText(QString::number(m_run->capacityBefore()));
    afterLabel->setText(QString::number(m_run->capacityAfter()));
    timeLabel->setText(m_run->elapsedText());
    setShown({label_H, label_I, totalLabel, label_J, addLabel, label_K, remainsLabel, label_L, beforeLabel, label_M,
              afterLabel, label_N, timeLabel},
             true);
    // Files that no path can name are counted only when there are any.
    unreadableLabel->setText(QString::number(m_run->unreadableCount()));
    setShown({label_R, unreadableLabel}, m_run->unreadableCount() > 0);
    // Duplicates stay in the source folder unless the user has them removed.
    m_removal = new DuplicateRemoval(m_box, m_run->identicalFiles(), this);
    removeDuplicatesButton->setVisible(m_removal->count() > 0);
}

// Asks once, naming the count; each file is read again before it goes.
void Arrangement::pressRemoveDuplicatesButton()
{
    if (!m_removal || m_removal->count() == 0 || !removeDuplicatesButton->isEnabled())
        return;
    const QMessageBox::StandardButton answer = MyMessageBox::question(
        this, tr("Question"),
        tr("Files to remove from the source folder: %1. The box already holds the same content. Remove them?")
            .arg(m_removal->count()),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    removeDuplicatesButton->setEnabled(false);
    {
        FrameAtWork atWork(this);
        m_removal->run();
    }
    QString text = tr("removed: %1").arg(m_removal->removedCount());
    if (m_removal->changedCount() > 0)
        text += QStringLiteral(", ") + tr("changed since, left: %1").arg(m_removal->changedCount());
    if (m_removal->failedCount() > 0)
        text += QStringLiteral(", ") + tr("cannot be removed: %1").arg(m_removal->failedCount());
    removedLabel->setText(text);
    removedLabel->show();
}

void Arrangement::setShown(const QList<QWidget *> &widgets, bool shown)
{
    for (QWidget *widget : widgets)
        widget->setVisible(shown);
}

// Labels and bars repaint between the steps that the run takes on this thread; the long steps serve
// every event while they wait. No other command can replace this frame in the middle of a run: the main
// window refuses while the frame is at work.
void Arrangement::repaintNow()
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
