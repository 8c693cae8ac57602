#pragma once

#include <QFrame>

// With its folder, so that any target compiling this header (the tests too) finds the form.
#include "ui_restoredialog.h"

class AnyBox;
class Entry;
class MyLogFile;
class MyUnit;
class QEvent;
class RestoreRun;

// The base of the three restore frames: copies the objects marked in the box into a destination
// folder, showing counts, sizes and elapsed time. The copy loop is RestoreRun; a frame restores once.
class RestoreDialog : public QFrame, protected Ui::RestoreDialogGUI
{
    Q_OBJECT

public:
    RestoreDialog(AnyBox *box, QFrame *parent);

    QString getStatus();
    void setModeClearButton();
    // True once the total size of the selection is known and Start may be pressed.
    bool sizesAreKnown() const;

signals:
    void sizesKnown();

public slots:
    virtual void pressStartButton();
    void pressClearButton();

protected slots:
    virtual void updateCurrentEntry(Entry *entry);
    virtual void retranslateThis();

protected:
    // Called by the subclass constructor once it knows its destination unit.
    void setDestination(MyUnit *destinationUnit);
    void changeEvent(QEvent *event) override;
    bool hasSelection() const { return m_selected > 0; }
    QString destinationPath() const;
    // What Clear removes, and the question naming it; a restore into a folder of Tessary's own clears all files.
    virtual QStringList filesToClear() const;
    virtual QString clearQuestion(const QStringList &files) const;

    AnyBox *m_box;
    MyLogFile *m_logFile;
    MyUnit *m_destination = nullptr;
    RestoreRun *m_run = nullptr;
    int m_selected = 0;
    qint64 m_totalSize = 0;
    bool m_destinationEmpty = true;
    bool m_useOriginalFilename = false;
    bool m_countHardcopies = false;

private slots:
    void sumSizes();
    void showCurrent(const QString &remark);
    void showRestored(Entry *entry);
    void showProgress(int done);

private:
    bool m_started = false;
};
