#pragma once

#include <QFrame>

// With its folder, so that any target compiling this header (the tests too) finds the form.
#include "ui_boxinfo.h"

class AnyBox;
class BoxInfoRun;
class QEvent;
class QProgressBar;

// The working frame that shows figures about the current box, computed once from one pass over every
// entry (BoxInfoRun) that runs behind the shown frame.
class BoxInfo : public QFrame, private Ui::BoxInfoGUI
{
    Q_OBJECT

public:
    BoxInfo(AnyBox *box, QFrame *parent);

    bool eventFilter(QObject *watched, QEvent *event) override;

protected:
    void changeEvent(QEvent *event) override;

private:
    void showResult();
    void showEmpty();
    void showFigures();
    void fillSessionTable();

    AnyBox *m_box;
    BoxInfoRun *m_run;
    QProgressBar *m_progress = nullptr;
};
