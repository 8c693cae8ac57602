#pragma once

#include <QFileInfoList>
#include <QFrame>

// With its folder, so that any target compiling this header (the tests too) finds the form.
#include "ui_displaydialog.h"

class AnyBox;
class DisplayRun;
class QEvent;
class QTimerEvent;

// The working frame that offers the box's saved lists for presentation: name, description and, filled
// in the background one row per half second, the number of objects and the span of their dates.
class DisplayDialog : public QFrame, private Ui::DisplayDialogGUI
{
    Q_OBJECT

public:
    DisplayDialog(AnyBox *box, QFrame *parent);
    ~DisplayDialog() override;

    bool eventFilter(QObject *watched, QEvent *event) override;
    void fillItemCapacityAndTime(int row);

public slots:
    void pressStartButton();

protected:
    void timerEvent(QTimerEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void continueRow();

    AnyBox *m_box;
    DisplayRun *m_run;
    QFileInfoList m_lists;
    int m_row = 0;
    int m_timer = 0;
    // The row being read, and the quick timer that goes on reading a long list.
    int m_fillRow = 0;
    int m_sliceTimer = 0;
};
