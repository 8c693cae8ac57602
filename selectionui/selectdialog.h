#pragma once

#include <QFrame>

#include "ui_selectdialog.h"

class AnyBox;
class Entry;
class QEvent;
class SelectionPass;

// The common frame of the one-pass selections: the form, the progress display and the pass over the
// marked entries of the box, keeping those that match(). The result is left in subset 0.
class SelectDialog : public QFrame, protected Ui::TemplateDialogGUI
{
    Q_OBJECT

public:
    SelectDialog(AnyBox *box, QFrame *parent);
    ~SelectDialog() override;

    virtual bool match(Entry *entry);
    virtual void retranslateThis();

    int foundCount() const { return m_found; }

signals:
    void needUpdateStatus();

public slots:
    virtual void pressStartButton();

protected:
    void changeEvent(QEvent *event) override;
    // Shows the total to examine; an empty total shows a full bar.
    void startProgress(int total);

    AnyBox *m_box;
    SelectionPass *m_pass;
    int m_found = 0;
    bool m_emptyBox = false;
};
