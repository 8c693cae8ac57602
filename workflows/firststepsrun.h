#pragma once

#include <QFileInfoList>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

#include "seencheck.h"
#include "seenledger.h"

class AnyBox;
class HelperProgram;
class QProcess;
class MyLogFile;

// The work of the first steps: the devices of the setting, the box's files on them, the preview list
// and the copy into the source folder. Widget-free, so the frame and the tests run the same code.
//
// A copy never replaces a file already waiting in the source folder: that may be an edited version or
// a file of the same name from another camera. The same content under the name counts as copied;
// different content goes under a free name with "_1", "_2", ... added to the base name.
class FirstStepsRun : public QObject
{
    Q_OBJECT

public:
    // One entry of the device setting: the directory to look in and the tool tip of its item.
    struct Device
    {
        QString path;
        QString toolTip;
    };
    enum Outcome { Copied, AlreadyThere, CopiedUnderNewName, Failed };

    explicit FirstStepsRun(AnyBox *box, QObject *parent = nullptr);
    ~FirstStepsRun() override;

    // "f:, h:" gives f: and h:; "g:|Camera" looks in g: with the tool tip Camera. An entry with more
    // than one "|" gives an empty path, which detection skips.
    static QList<Device> devices(const QString &setting);
    QList<Device> devices() const;

    QStringList nameFilters() const { return m_nameFilters; }
    // The box's files directly in the folder, grouped by type; -1 when the folder does not exist.
    int countFiles(const QString &folder) const;
    QFileInfoList listFiles(const QString &folder) const;

    // The preview list in the list folder, named when the run was made; at most limit paths are written.
    QString listPath() const { return m_listPath; }
    bool writeList(const QStringList &nativePaths, int limit = 1000) const;
    // Starts the box's preview command on the list; the list path replaces "%1" inside the arguments,
    // so a path with blanks stays one argument. False when there is no command or it cannot start.
    bool startPreview();
    // Ends a running preview and removes its list.
    void endPreview();
    // The preview's process, for its signals.
    QProcess *previewProcess() const;

    // Copies the files into the source folder in order, with a log block; returns the failed count.
    int copyFiles(const QStringList &files);
    Outcome copyFile(const QString &file, QString *placedAs = nullptr);
    QString sourceFolder() const { return m_srcPath; }
    // How the last copyFiles placed a file; Failed for a file it did not copy.
    Outcome outcomeOf(const QString &file) const { return m_outcomes.value(file, Failed); }

    // Each file offered with what is known of it, from the ledger and the box; the files the ledger does not
    // know are hashed on the work pool while the calling thread serves its events (no clicks or keys).
    QList<SeenCheck::Offer> examine(const QFileInfoList &files);
    const SeenCheck *check() const { return m_check.get(); }
    const SeenLedger &ledger() const { return m_ledger; }
    // Records what the files' Ok decided on the offers examined: ticked[i] tells whether offers[i] was ticked;
    // a ticked file counts as copied only if copyFiles placed it. False when the ledger cannot be written.
    bool recordVerdicts(const QList<SeenCheck::Offer> &offers, const QList<bool> &ticked);
    int copiedCount() const { return m_copied; }
    int alreadyThereCount() const { return m_alreadyThere; }
    int renamedCount() const { return m_renamed; }
    int failedCount() const { return m_failed; }

signals:
    void copyProgress(int position);
    void examineProgress(int done, int total);

private:
    void log(const QString &line) const;

    AnyBox *m_box;
    MyLogFile *m_log;
    HelperProgram *m_preview;
    QString m_firstDir;
    QString m_srcPath;
    QString m_listPath;
    QStringList m_nameFilters;
    int m_copied = 0;
    int m_alreadyThere = 0;
    int m_renamed = 0;
    int m_failed = 0;
    QHash<QString, Outcome> m_outcomes;
    SeenLedger m_ledger;
    std::unique_ptr<SeenCheck> m_check;
};
