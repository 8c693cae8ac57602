#pragma once

#include <QFrame>
#include <QString>

// With its folder, so that any target compiling this header (the tests too) finds the form and
// generates the header itself.
#include "ui_verifydialog.h"

class AnyBox;
class BackupRun;
class MirrorCheck;
class QEvent;
class QLabel;
class QTextBrowser;
class VerifyRun;

// The working frame that checks the current box and, when every check passes, backs it up. The scan
// runs once, at construction (VerifyRun); the backup at most once, on the button (BackupRun).
class VerifyDialog : public QFrame, private Ui::VerifyDialogGUI
{
    Q_OBJECT

public:
    enum CheckState { Scanning = 0, Passed = 1, Caution = 2 };

    VerifyDialog(AnyBox *box, QFrame *parent);
    ~VerifyDialog() override;

    bool sssOk(const QString &path, QString &report) const;
    bool wrdOk(const QString &path, QString &report) const;
    bool abcOk(const QString &path, QString &report) const;
    bool fileOk(QString &report) const;
    int totalFilesInBox() const;

    // The backup's state: 0 not run, 1 actual, 2 backup folder not created, 3 a sub-folder not created,
    // 4 copy failed.
    int backupState() const { return m_backupState; }
    bool isScanning() const { return m_scanning; }
    // The file holding the findings the report leaves out; empty when it leaves none out.
    QString reportPath() const { return m_reportPath; }

signals:
    // The verdicts are shown.
    void scanFinished();

public slots:
    void pressBackupButton();
    void pressMirrorButton();
    void pressRepairButton();

protected:
    void changeEvent(QEvent *event) override;

private slots:
    void showFolderScanned();
    void showFileScanned(int count);
    void showFolderStage();
    void showFolder(const QString &nativePath);
    void showFileStage(int maximum);
    void showFile(const QString &nativePath, int position);
    void showMirrorProgress(int done);
    void showMirrorFinished();

private:
    void scanBox();
    void runChecks();
    void showReport(QTextBrowser *browser, const QStringList &blocks, const QString &tail);
    static QStringList reportPieces(const QString &block);
    void setRepairResult();
    void retranslateThis();
    static void setShown(const QList<QWidget *> &widgets, bool shown);
    void setStatusNames();
    void setStatusLabel(QLabel *label, int state);
    void setCopyStatusLabel();
    static void repaintNow();

    AnyBox *m_box;
    VerifyRun *m_run = nullptr;
    MirrorCheck *m_mirror = nullptr;
    QString m_backupDir;
    QString m_statusOk;
    QString m_statusCaution;
    QString m_statusWait;
    int m_sssState = Scanning;
    int m_wrdState = Scanning;
    int m_abcState = Scanning;
    int m_fileState = Scanning;
    int m_mirrorState = Scanning;
    bool m_allPassed = false;
    // The last repair's counts; -1 before any.
    int m_repaired = -1;
    int m_notRepaired = 0;
    int m_backupState = 0;
    bool m_scanning = false;
    // A large box: scanned after the frame shows, its long reports laid out in pieces.
    QString m_reportPath;
    // Where a running backup is: 0 not started, 1 creating folders, 2 copying files.
    int m_backupStage = 0;
};
