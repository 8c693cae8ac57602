#pragma once

#include <QFrame>
#include <QList>
#include <QString>

#include <memory>

// With its folder, so that any target compiling this header (the tests too) finds the form.
#include "ui_resembledialog.h"

#include "unappliedchanges.h"

class AnyBox;
class Entry;
class FrameAtWork;
class QEvent;
class HelperProgram;
class ResembleModel;
class ResembleRun;
class PreviewFollows;
class ThumbnailLoader;

// The working frame in which resembling objects are grouped around a prime. ResembleRun holds the
// groups and writes the links; the frame shows the rows (a view over the run, ResembleModel), their
// states and the three previews. A large selection is gathered in steps while the frame shows
// "Please wait..." and answers; the main window leaves the frame in place meanwhile.
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
    void showRows();
    void retranslateThis();
    void rewriteRows();
    int currentRow() const;
    void setCurrentRow(int row);
    void setButtons();
    void restartPreviews(bool pool, bool group);
    void startPreview(int which);
    void stopPreview(int which);
    void showLargeThumbnail(int row);
    void largeThumbnailReady(const QString &path, const QImage &image);

    AnyBox *m_box;
    ResembleRun *m_run = nullptr;
    HelperProgram *m_previews[3];
    QString m_listBases[3];
    QString m_associate;
    bool m_previewWarned = false;
    ResembleModel *m_model = nullptr;
    // Held while the objects are gathered.
    std::unique_ptr<FrameAtWork> m_gathering;
    // The selected row's larger picture.
    ThumbnailLoader *m_largeThumbnail = nullptr;
    QString m_largePath;
    PreviewFollows *m_follows = nullptr;
};
