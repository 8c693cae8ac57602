#pragma once

#include <QFrame>

#include "ui_boxselect.h"

class AnyBox;

// The welcome frame: the picture of the current box and the text saying which box is at work.
class BoxSelect : public QFrame, private Ui::BoxSelectGUI
{
    Q_OBJECT

public:
    BoxSelect(AnyBox *box, QFrame *parent);

protected:
    void changeEvent(QEvent *event) override;

private:
    AnyBox *m_box;
};
