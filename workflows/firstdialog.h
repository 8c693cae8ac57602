#pragma once

#include <QFrame>
#include <QHash>
#include <QList>
#include <QPixmap>
#include <QString>
#include <QStringList>

#include "seencheck.h"

// With its folder, so that any target compiling this header (the tests too) finds the form and
// generates the header itself.
#include "ui_firstdialog.h"

class AnyBox;
class FirstStepsRun;
class PreviewFollows;
class ThumbnailLoader;
class QEvent;
class QListWidgetItem;

// The working frame that brings new files from removable devices into the source folder: detect the
// devices of the setting, tick devices and then files while the box's preview shows them, copy. The
// stages cannot be gone back; the frame runs once. The work itself is FirstStepsRun.
class FirstDialog : public QFrame, private Ui::FirstDialogGUI
{
    Q_OBJECT

public:
    FirstDialog(AnyBox *box, QFrame *parent);
    ~FirstDialog() override;

    bool eventFilter(QObject *watched, QEvent *event) override;

public slots:
    void detectNothing();
    void detectSubstract();
    void detectAdd();
    void detectAll();
    void detectAgree();
    void enableDetectAdd(QListWidgetItem *item);
    void enableDetectSubstract(QListWidgetItem *item);
    void selectNothing();
    void selectSubstract();
    void selectAdd();
    void selectAll();
    void selectAgree();
    void enableSelectAdd();
    void enableSelectSubstract();

protected:
    void changeEvent(QEvent *event) override;

private:
    QIcon fileIcon(int row) const;
    void thumbnailReady(const QString &path, const QImage &image);
    void startPreview();
    // One device of the setting: state -1 not usable (missing or empty), 0 not ticked, 1 ticked.
    struct DeviceRecord
    {
        QString path;
        QString text;
        QString toolTip;
        int count = 0;
        int state = -1;
    };
    // One file offered: state 0 not ticked, 1 ticked; seen tells what is known of its content.
    struct FileRecord
    {
        QString path;
        QString text;
        int state = 0;
        qint64 size = 0;
        SeenCheck::State seen = SeenCheck::New;
    };
    // The stages follow one another and never go back.
    enum class Stage { Devices, Listing, Files, Copying, Done };

    void detecting();
    QString deviceText(const DeviceRecord &device) const;
    void setDeviceState(int row, int state);
    void setFileState(int row, int state);
    QString fileText(int row) const;
    static bool tickable(const FileRecord &file);
    static bool tickedByAll(const FileRecord &file);
    bool tickIconClicked(QEvent *event);
    void setModeDetect();
    void setModeSelect();
    void showCounters();
    void retranslateThis();
    static void setShown(const QList<QWidget *> &widgets, bool shown);
    static QString mebibytes(qint64 bytes);

    AnyBox *m_box;
    FirstStepsRun *m_run;
    // Each offered file's thumbnail, with its tick in the corner.
    ThumbnailLoader *m_thumbnails = nullptr;
    QHash<QString, int> m_rowOfPath;
    QHash<int, QPixmap> m_rowPixmaps;
    PreviewFollows *m_follows = nullptr;
    QStringList m_previewPaths;
    QList<DeviceRecord> set_D;
    QList<FileRecord> set_F;
    int m_preSelected = 0;
    int m_selected = 0;
    qint64 m_totalSize = 0;
    bool m_detected = false;
    Stage m_stage = Stage::Devices;
    QList<SeenCheck::Offer> m_offers;
    int m_inBox = 0;
    int m_rejectedBefore = 0;
};
