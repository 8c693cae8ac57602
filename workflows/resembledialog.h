#pragma once

#include <QFrame>
#include <QHash>
#include <QList>
#include <QPixmap>
#include <QString>

// With its folder, so that any target compiling this header (the tests too) finds the form.
#include "ui_resembledialog.h"

#include "unappliedchanges.h"

class AnyBox;
class Entry;
class QEvent;
class HelperProgram;
class ResembleRun;
class PreviewFollows;
class ThumbnailLoader;

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
    QIcon rowIcon(int row) const;
    void rowThumbnailReady(const QString &path, const QImage &image);
    void showLargeThumbnail(int row);
    void largeThumbnailReady(const QString &path, const QImage &image);

    AnyBox *m_box;
    ResembleRun *m_run = nullptr;
    HelperProgram *m_previews[3];
    QString m_listBases[3];
    QString m_associate;
    bool m_previewWarned = false;
    // Row icons as they arrive, and the selected row's larger picture.
    ThumbnailLoader *m_rowThumbnails = nullptr;
    ThumbnailLoader *m_largeThumbnail = nullptr;
    QHash<QString, int> m_rowOfPath;
    QHash<int, QPixmap> m_rowPixmaps;
    QString m_largePath;
    PreviewFollows *m_follows = nullptr;
};
