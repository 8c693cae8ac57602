#include "verifydialog.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QLocale>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTimer>

#include "anybox.h"
#include "backuprun.h"
#include "basefolder.h"
#include "frameatwork.h"
#include "mirrorcheck.h"
#include "mymessagebox.h"
#include "repairrun.h"
#include "verifyreport.h"
#include "verifyrun.h"

// Findings shown in full per check; the others are counted and go to the report file.
static const int REPORT_ROWS = 1000;
// Up to this many entries the scan takes a few milliseconds and the frame opens with its verdicts; a
// larger box shows the frame first and scans behind its progress bar.
static const unsigned SCAN_AT_ONCE_ENTRIES = 2000;
// On a large box a report longer than this is laid out block by block, the window repainting in between;
// a small box's report goes in whole, as it always did.
static const int REPORT_AT_ONCE_CHARS = 30000;

VerifyDialog::VerifyDialog(AnyBox *box, QFrame *parent)
    : QFrame(parent)
    , m_box(box)
{
    setupUi(this);
    setObjectName(QStringLiteral("VerifyDialog"));
    boxPixmap->setPixmap(m_box->boxPixmap());
    setStatusNames();
    if (auto base = dynamic_cast<BaseFolder *>(m_box->baseUnit()))
        m_backupDir = base->backupDir();
    backupFolder->setText(QDir::toNativeSeparators(m_backupDir));
    curFile->clear();
    copyResult->clear();
    repairResult->clear();
    copyProgress->setValue(0);
    connect(backupButton, &QPushButton::clicked, this, &VerifyDialog::pressBackupButton);
    connect(mirrorButton, &QPushButton::clicked, this, &VerifyDialog::pressMirrorButton);
    connect(repairButton, &QPushButton::clicked, this, &VerifyDialog::pressRepairButton);
    if (m_box->getCount() <= SCAN_AT_ONCE_ENTRIES) {
        scanBox();
        return;
    }
    setShown({mode, label_B, sssStatus, sssStatusDetail, label_C, wrdStatus, wrdStatusDetail, label_D, abcStatus,
             abcProgress, abcStatusDetail, label_E, fileStatus, fileStatusDetail, label_M, mirrorStatus,
             mirrorStatusDetail, mirrorButton, repairButton, copyGroup}, false);
    scanProgress->setRange(0, 0);
    label_A->show();
    label_F->show();
    scanProgress->show();
    QTimer::singleShot(0, this, &VerifyDialog::scanBox);
}

// A pass over the backup that is still running ends with the frame.
VerifyDialog::~VerifyDialog()
{
    delete m_mirror;
}

// The scan of the box and its four verdicts; again after a repair, so they show the repaired box.
void VerifyDialog::scanBox()
{
    // The main window leaves the frame in place until the verdicts are shown.
    FrameAtWork atWork(this);
    m_scanning = true;
    delete m_mirror;
    m_mirror = nullptr;
    delete m_run;
    m_run = new VerifyRun(m_box, this);
    m_sssState = m_wrdState = m_abcState = m_fileState = m_mirrorState = Scanning;
    setShown({mode, label_B, sssStatus, sssStatusDetail, label_C, wrdStatus, wrdStatusDetail, label_D, abcStatus,
             abcProgress, abcStatusDetail, label_E, fileStatus, fileStatusDetail, label_M, mirrorStatus,
             mirrorStatusDetail, mirrorButton, repairButton, copyGroup}, false);
    mirrorStatusDetail->clear();
    scanProgress->setRange(0, qMax(1, totalFilesInBox()));
    scanProgress->setValue(0);
    label_A->show();
    label_F->show();
    scanProgress->show();

    connect(m_run, &VerifyRun::folderScanned, this, &VerifyDialog::showFolderScanned);
    connect(m_run, &VerifyRun::fileScanned, this, &VerifyDialog::showFileScanned);
    repaintNow();
    m_run->scan();

    label_A->hide();
    label_F->hide();
    scanProgress->hide();
    mode->show();
    copyGroup->show();
    runChecks();

    m_allPassed = m_sssState == Passed && m_wrdState == Passed && m_abcState == Passed && m_fileState == Passed;
    copyGroup->setEnabled(m_allPassed);
    // The backup copy can be checked, and the box repaired from it, whatever the box's own verdicts.
    setShown({mirrorButton, repairButton}, true);
    mirrorButton->setEnabled(!m_backupDir.trimmed().isEmpty() && QFileInfo(m_backupDir.trimmed()).isDir());
    repairButton->setEnabled(false);
    if (m_allPassed)
        backupButton->setFocus();
    m_scanning = false;
    emit scanFinished();
}

// Each check's report shows its first findings; the rest are counted in one line and written to the
// report file, so that the report stays small however many entries the box holds.
void VerifyDialog::runChecks()
{
    QString report;
    VerifyReport reportFile(VerifyReport::pathFor(m_box));
    m_reportPath.clear();
    const auto more = [this, &reportFile](const VerifyRun::Cap &cap) {
        if (cap.hidden() == 0)
            return QString();
        m_reportPath = reportFile.path();
        return QStringLiteral("<p>")
               + tr("and %1 more findings of this kind, listed in the file %2")
                     .arg(QLocale().toString(cap.hidden()))
                     .arg(QDir::toNativeSeparators(reportFile.path()).toHtmlEscaped())
               + QStringLiteral("</p>");
    };
    setShown({label_B, sssStatus, sssStatusDetail}, true);
    setStatusLabel(sssStatus, Scanning);
    VerifyRun::Cap sssCap(REPORT_ROWS, reportFile.sink());
    m_sssState = m_run->sssOk(m_run->sssPath(), report, &sssCap) ? Passed : Caution;
    showReport(sssStatusDetail, {report}, more(sssCap));
    setStatusLabel(sssStatus, m_sssState);
    repaintNow();

    setShown({label_C, wrdStatus, wrdStatusDetail}, true);
    setStatusLabel(wrdStatus, Scanning);
    VerifyRun::Cap wrdCap(REPORT_ROWS, reportFile.sink());
    m_wrdState = m_run->wrdOk(m_run->wrdPath(), report, &wrdCap) ? Passed : Caution;
    showReport(wrdStatusDetail, {report}, more(wrdCap));
    setStatusLabel(wrdStatus, m_wrdState);
    repaintNow();

    setShown({label_D, abcStatus, abcProgress, abcStatusDetail}, true);
    setStatusLabel(abcStatus, Scanning);
    const QStringList abcPaths = m_run->abcPaths();
    abcProgress->setRange(0, qMax(1, abcPaths.size()));
    abcProgress->setValue(abcPaths.isEmpty() ? 1 : 0);
    bool abcPassed = true;
    QStringList abcReports;
    VerifyRun::Cap abcCap(REPORT_ROWS, reportFile.sink());
    for (int i = 0; i < abcPaths.size(); ++i) {
        // Once the report is full, the further files only add to the count and the report file.
        const bool full = abcCap.full();
        if (!m_run->abcOk(abcPaths.at(i), report, &abcCap))
            abcPassed = false;
        if (!full)
            abcReports << report;
        abcProgress->setValue(i + 1);
        repaintNow();
    }
    m_abcState = abcPassed ? Passed : Caution;
    showReport(abcStatusDetail, abcReports, more(abcCap));
    setStatusLabel(abcStatus, m_abcState);

    setShown({label_E, fileStatus, fileStatusDetail}, true);
    setStatusLabel(fileStatus, Scanning);
    VerifyRun::Cap fileCap(REPORT_ROWS, reportFile.sink());
    m_fileState = m_run->fileOk(report, &fileCap) ? Passed : Caution;
    showReport(fileStatusDetail, {report}, more(fileCap));
    setStatusLabel(fileStatus, m_fileState);
    if (!reportFile.commit())
        m_reportPath.clear();
    repaintNow();
}

// A long report goes in a block at a time: laying out a thousand table rows at once would hold up the
// window for longer than a repaint should wait.
void VerifyDialog::showReport(QTextBrowser *browser, const QStringList &blocks, const QString &tail)
{
    int length = tail.size();
    for (const QString &block : blocks)
        length += block.size();
    if (length <= REPORT_AT_ONCE_CHARS) {
        browser->setHtml(blocks.join(QString()) + tail);
        return;
    }
    browser->clear();
    QTextCursor cursor(browser->document());
    for (const QString &block : blocks + QStringList{tail}) {
        for (const QString &piece : reportPieces(block)) {
            cursor.movePosition(QTextCursor::End);
            cursor.insertHtml(piece);
            repaintNow();
        }
    }
}

// A block cut into tables of a hundred rows at most, each laid out on its own.
QStringList VerifyDialog::reportPieces(const QString &block)
{
    static const QString rowEnd = QStringLiteral("</tr>");
    static const QString tableOpen = QStringLiteral("<table width = 100%>");
    static const QString tableClose = QStringLiteral("</table>");
    const int rowsPerPiece = 100;
    QStringList pieces;
    int from = 0;
    int rows = 0;
    for (int at = block.indexOf(rowEnd); at >= 0; at = block.indexOf(rowEnd, at + rowEnd.size())) {
        const int end = at + rowEnd.size();
        if (++rows < rowsPerPiece || block.midRef(end).trimmed().startsWith(tableClose))
            continue;
        pieces << (from == 0 ? QString() : tableOpen) + block.mid(from, end - from) + tableClose;
        from = end;
        rows = 0;
    }
    const QString rest = (from == 0 ? QString() : tableOpen) + block.mid(from);
    if (!block.isEmpty())
        pieces << rest;
    return pieces;
}

bool VerifyDialog::sssOk(const QString &path, QString &report) const
{
    return m_run->sssOk(path, report);
}

bool VerifyDialog::wrdOk(const QString &path, QString &report) const
{
    return m_run->wrdOk(path, report);
}

bool VerifyDialog::abcOk(const QString &path, QString &report) const
{
    return m_run->abcOk(path, report);
}

bool VerifyDialog::fileOk(QString &report) const
{
    return m_run->fileOk(report);
}

int VerifyDialog::totalFilesInBox() const
{
    return m_run->totalFilesInBox();
}

// The button is disabled before the first event processing of the backup, so it cannot start twice.
void VerifyDialog::pressBackupButton()
{
    if (m_backupState != BackupRun::NotRun || m_backupStage != 0)
        return;
    backupButton->setEnabled(false);
    FrameAtWork atWork(this);
    BackupRun backup(m_box, m_backupDir, m_run->backupList());
    backup.setDigests(m_run->goodDigests());
    // Backup copies the check found wrong are replaced although their time and size agree.
    if (m_mirror && m_mirror->isDone())
        backup.setReplaced(m_mirror->staleBackupCopies());
    connect(&backup, &BackupRun::folderStageStarted, this, &VerifyDialog::showFolderStage);
    connect(&backup, &BackupRun::folderShown, this, &VerifyDialog::showFolder);
    connect(&backup, &BackupRun::fileStageStarted, this, &VerifyDialog::showFileStage);
    connect(&backup, &BackupRun::fileShown, this, &VerifyDialog::showFile);
    copyProgress->setRange(0, qMax(1, m_run->backupList().size()));
    copyProgress->setValue(0);
    m_backupState = backup.run();
    if (m_backupState == BackupRun::Actual)
        curFile->setText(tr("all"));
    else
        curFile->setText(QDir::toNativeSeparators(backup.failedPath()));
    setCopyStatusLabel();
}

// The backup copy is read on another thread; the window answers, and leaving the frame ends the pass.
void VerifyDialog::pressMirrorButton()
{
    if (!m_run || (m_mirror && m_mirror->isRunning()))
        return;
    delete m_mirror;
    m_mirror = new MirrorCheck(m_box, *m_run, m_backupDir, this);
    mirrorButton->setEnabled(false);
    repairButton->setEnabled(false);
    copyGroup->setEnabled(false);
    setShown({label_M, mirrorStatus, mirrorStatusDetail}, true);
    m_mirrorState = Scanning;
    setStatusLabel(mirrorStatus, m_mirrorState);
    mirrorStatusDetail->clear();
    // A busy bar until the pass knows how many files it reads.
    scanProgress->setRange(0, 0);
    scanProgress->setValue(0);
    label_F->show();
    scanProgress->show();
    connect(m_mirror, &MirrorCheck::progress, this, &VerifyDialog::showMirrorProgress);
    connect(m_mirror, &MirrorCheck::finished, this, &VerifyDialog::showMirrorFinished);
    m_mirror->start();
}

void VerifyDialog::showMirrorProgress(int done)
{
    if (scanProgress->maximum() == 0 && m_mirror && m_mirror->total() > 0)
        scanProgress->setRange(0, m_mirror->total());
    scanProgress->setValue(qMin(done, scanProgress->maximum()));
}

void VerifyDialog::showMirrorFinished()
{
    // A long report is shown a block at a time; the main window leaves the frame in place meanwhile.
    FrameAtWork atWork(this);
    scanProgress->setValue(scanProgress->maximum());
    label_F->hide();
    scanProgress->hide();
    m_mirrorState = m_mirror->passed() ? Passed : Caution;
    setStatusLabel(mirrorStatus, m_mirrorState);
    showReport(mirrorStatusDetail, {m_mirror->report()}, QString());
    repairButton->setEnabled(!m_mirror->failed() && !m_mirror->repairable().isEmpty());
    mirrorButton->setEnabled(true);
    copyGroup->setEnabled(m_allPassed);
}

// Asks once, repairs every object the check found repairable, then scans the box again.
void VerifyDialog::pressRepairButton()
{
    if (!m_mirror || !m_mirror->isDone() || m_mirror->failed())
        return;
    const QList<MirrorCheck::RepairItem> items = m_mirror->repairable();
    if (items.isEmpty())
        return;
    const QMessageBox::StandardButton answer = MyMessageBox::question(
        this, tr("Repair"),
        tr("Objects to repair from the backup copy: %1. The damaged files are kept in the folder \"_bad\" of "
           "the base folder. Repair them now?")
            .arg(items.size()),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    repairButton->setEnabled(false);
    mirrorButton->setEnabled(false);
    copyGroup->setEnabled(false);
    {
        FrameAtWork atWork(this);
        RepairRun repair(m_box, items);
        connect(&repair, &RepairRun::objectShown, this, [this](const QString &, int position) {
            repairResult->setText(tr("repairing %1 of %2").arg(position).arg(m_mirror->repairable().size())
                                  + QStringLiteral("..."));
            repaintNow();
        });
        repair.run();
        m_repaired = repair.repairedCount();
        m_notRepaired = repair.failedCount();
    }
    setRepairResult();
    scanBox();
}

void VerifyDialog::setRepairResult()
{
    if (m_repaired < 0)
        repairResult->clear();
    else
        repairResult->setText(tr("%1 repaired, %2 not repaired").arg(m_repaired).arg(m_notRepaired));
}

void VerifyDialog::showFolderScanned()
{
    repaintNow();
}

void VerifyDialog::showFileScanned(int count)
{
    scanProgress->setValue(qMin(count, scanProgress->maximum()));
}

void VerifyDialog::showFolderStage()
{
    m_backupStage = 1;
    setCopyStatusLabel();
}

void VerifyDialog::showFolder(const QString &nativePath)
{
    curFile->setText(nativePath);
    repaintNow();
}

void VerifyDialog::showFileStage(int maximum)
{
    m_backupStage = 2;
    copyProgress->setRange(0, qMax(1, maximum));
    copyProgress->setValue(0);
    setCopyStatusLabel();
}

void VerifyDialog::showFile(const QString &nativePath, int position)
{
    curFile->setText(nativePath);
    copyProgress->setValue(position);
    repaintNow();
}

void VerifyDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateThis();
    QFrame::changeEvent(event);
}

void VerifyDialog::retranslateThis()
{
    const QString folder = backupFolder->text();
    const QString current = curFile->text();
    retranslateUi(this);
    backupFolder->setText(folder);
    curFile->setText(m_backupState == BackupRun::Actual ? tr("all") : current);
    setStatusNames();
    setStatusLabel(sssStatus, m_sssState);
    setStatusLabel(wrdStatus, m_wrdState);
    setStatusLabel(abcStatus, m_abcState);
    setStatusLabel(fileStatus, m_fileState);
    setStatusLabel(mirrorStatus, m_mirrorState);
    setCopyStatusLabel();
    setRepairResult();
}

void VerifyDialog::setStatusNames()
{
    m_statusOk = tr("ok");
    m_statusCaution = tr("caution");
    m_statusWait = tr("...");
}

void VerifyDialog::setStatusLabel(QLabel *label, int state)
{
    switch (state) {
    case Passed:
        label->setText(m_statusOk);
        break;
    case Caution:
        label->setText(m_statusCaution);
        break;
    default:
        label->setText(m_statusWait);
        break;
    }
}

void VerifyDialog::setCopyStatusLabel()
{
    label_GB->setText(m_backupStage == 2 ? tr("File:") : tr("Folder:"));
    switch (m_backupState) {
    case BackupRun::Actual:
        copyResult->setText(tr("copying is successful complete") + QStringLiteral("..."));
        break;
    case BackupRun::FolderNotCreated:
        copyResult->setText(tr("Do not create backup folder") + QStringLiteral("..."));
        break;
    case BackupRun::SubFolderNotCreated:
        copyResult->setText(tr("do not create folder") + QStringLiteral("..."));
        break;
    case BackupRun::CopyFailed:
        copyResult->setText(tr("copying is not complete") + QStringLiteral("..."));
        break;
    default:
        if (m_backupStage == 1)
            copyResult->setText(tr("create") + QStringLiteral("..."));
        else if (m_backupStage == 2)
            copyResult->setText(tr("copying") + QStringLiteral("..."));
        else
            copyResult->clear();
        break;
    }
}

// Labels and bars repaint; clicks and keys wait until the work is over, so that no other command can
// replace this frame in the middle of a scan or a backup.
void VerifyDialog::repaintNow()
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void VerifyDialog::setShown(const QList<QWidget *> &widgets, bool shown)
{
    for (QWidget *widget : widgets)
        widget->setVisible(shown);
}
