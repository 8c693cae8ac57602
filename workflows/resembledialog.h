#pragma once

#include <QFrame>
#include <QList>
#include <QString>

// With its folder, so that any target compiling this header (the tests too) finds the form.
#include "ui_resembledialog.h"

#include "unappliedchanges.h"

class AnyBox;
class Entry;
class QEvent;
class HelperProgram;
class ResembleRun;

// The working frame in which resembling objects are grouped around a prime. ResembleRun holds the
// groups and writes the links; the frame shows the rows, their states and the three previews.
class ResembleDialog : public QFrame, public UnappliedChanges, private Ui::ResembleDialogGUI
{
    Q_OBJECT

public:
    ResembleDialog(AnyBox *box, QFrame *parent);
    ~ResembleDialog() override;

    bool eventFilter(QObject *watched, QEvent *event) override;
    // Asks once about groups built or members set apart and not applied: Apply, Discard or Cancel.
    bool settleChanges() override;

signals:
    void needUpdateStatus();

public slots:
    void pressAddButton();
    void pressUniqueButton();
    void pressChangeButton();
    void pressApplyButton();
    void setModeAddButton(int row);
    void setModeUniqueButton(int row);
    void setModeChangeButton(int row);

protected:
    void changeEvent(QEvent *event) override;

private slots:
    void previewFailed();

private:
    void retranslateThis();
    void rewriteRows();
    void setButtons();
    void restartPreviews(bool pool, bool group);
    void startPreview(int which, const QList<Entry *> &entries);
    void stopPreview(int which);

    AnyBox *m_box;
    ResembleRun *m_run = nullptr;
    HelperProgram *m_previews[3];
    QString m_listBases[3];
    QString m_associate;
    bool m_previewWarned = false;
};
