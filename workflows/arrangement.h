#pragma once

#include <QFrame>
#include <QList>
#include <QStringList>

// With its folder, so that any target compiling this header (the tests too) finds the form and
// generates the header itself.
#include "ui_arrangement.h"

class AnyBox;
class ArrangementRun;
class DuplicateRemoval;
class QEvent;

// The working frame that places the files waiting in the source folder into the current box. The
// run itself is ArrangementRun; the frame shows its stages and figures. A frame runs once.
class Arrangement : public QFrame, private Ui::ArrangementDialogGUI
{
    Q_OBJECT

public:
    // The dynamic property that is true while the frame's run is at work.

    Arrangement(AnyBox *box, QFrame *parent);

    bool eventFilter(QObject *watched, QEvent *event) override;

    QStringList abcSubtract(const QStringList &used) const;
    QStringList abcSubtract(const QList<QObject *> &objects) const;
    QString abcRnd(const QStringList &names);

signals:
    void needUpdateStatus();

public slots:
    void pressStartButton();
    void pressRemoveDuplicatesButton();

protected:
    void changeEvent(QEvent *event) override;

private slots:
    void showReading();
    void showReadingProgress(int done, int total);
    void showFound(int found);
    void showDuplicateStage(int maximum);
    void showDuplicateProgress(int value);
    void showNewCount(int newFiles, int duplicates);
    void showCopyStage(int maximum);
    void showCopyProgress(int position);
    void showResembleStage(int maximum);
    void showResembleProgress(int value);
    void warnStoreFailed(const QString &path);

private:
    QString startProblem() const;
    void showResult();
    static void setShown(const QList<QWidget *> &widgets, bool shown);
    static void repaintNow();

    AnyBox *m_box;
    ArrangementRun *m_run;
    bool m_started = false;
    DuplicateRemoval *m_removal = nullptr;
};
