#pragma once

#include <QDate>
#include <QFrame>
#include <QHash>
#include <QImage>
#include <QList>
#include <QMap>
#include <QSet>

#include "sessionfigures.h"
#include "ui_searchdialog.h"

class AnyBox;
class Entry;
class QEvent;
class EntryPass;
class QListView;
class QProgressBar;
class QModelIndex;
class QStandardItemModel;
class PreviewFollows;
class ThumbnailLoader;
class HelperProgram;
class SelectionFrame;

// The staged search: one SelectionFrame per stage, each working on its own subset of the box (stage n
// on subset n - 1). The stages can be stored as a template; the current stage's result is previewed.
// When the frame goes, the results of all stages are left together in subset 0.
class SearchDialog : public QFrame, private Ui::SearchDialogGUI
{
    Q_OBJECT

public:
    SearchDialog(AnyBox *box, QFrame *parent);
    ~SearchDialog() override;

    QList<unsigned> sessionNumbers() const { return m_sessions.numbers(); }
    const QMap<unsigned, SessionFigures::Session> &sessions() const { return m_sessions.sessions(); }
    // Whether the sessions' figures cover every entry yet.
    bool sessionsGathered() const;
    bool needSave() const;
    // While a stage searches, nothing else may change the marking.
    void setBusy(bool busy);
    SelectionFrame *currentStage() const;
    QString previewListFile() const;

signals:
    void needUpdateStatus();

public slots:
    void pressCreateStage();
    void pressDeleteStage();
    void pressPrevStage();
    void pressNextStage();
    void pressSave();
    void warningShowReduce();
    void showStage();
    void closeShowStage();
    void updateStagesCount();
    void setModePrevStageButton();
    void setModeNextStageButton();
    void setModeCreateStageButton();
    void setModeSaveButton();

protected:
    void changeEvent(QEvent *event) override;

private:
    void gatherSessions();
    SelectionFrame *stageAt(int index) const;
    void addStage();
    void reportPreviewFailure();
    void showResult();
    void resultThumbnailReady(const QString &path, const QImage &image);
    void previewOne(const QModelIndex &index);

    AnyBox *m_box;
    HelperProgram *m_preview;
    SessionFigures m_sessions;
    EntryPass *m_sessionPass = nullptr;
    QProgressBar *m_sessionProgress = nullptr;
    bool m_reduceWarned = false;
    bool m_busy = false;
    // The current stage's result as thumbnails, the first objects only.
    QListView *m_resultView = nullptr;
    QStandardItemModel *m_resultModel = nullptr;
    ThumbnailLoader *m_thumbnails = nullptr;
    QList<Entry *> m_resultEntries;
    QHash<QString, int> m_resultRowOfPath;
    PreviewFollows *m_follows = nullptr;
};
