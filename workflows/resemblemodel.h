#pragma once

#include <QAbstractListModel>
#include <QCache>
#include <QFont>
#include <QHash>
#include <QIcon>
#include <QPixmap>

class ResembleRun;
class ThumbnailLoader;

// The rows of the resemble list, read from the run as the view asks for them: a list of a million
// objects costs the run's records and nothing per row here. Rows share one font of each weight and one
// icon per state; a row's thumbnail is asked for when the view first shows the row, and the few made
// recently are kept.
class ResembleModel : public QAbstractListModel
{
    Q_OBJECT

public:
    static const int ICON_SIDE = 96;

    ResembleModel(ResembleRun *run, const QPixmap &boxPixmap, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    // The text of a prime row with members, "%1" standing for their number; the rows follow.
    void setAssociate(const QString &text);
    // Tells the views about the rows the run changed since the last time.
    void showChanges();
    // Thumbnails asked for and not begun are dropped: the rows they were for scrolled away.
    void dropWaiting();

private:
    struct Thumbnail
    {
        QPixmap picture;
        QIcon icons[3];
    };

    QIcon iconOf(int row) const;
    QIcon compose(const QPixmap &picture, int state) const;
    void thumbnailReady(const QString &path, const QImage &image);

    ResembleRun *m_run;
    QPixmap m_boxPixmap;
    ThumbnailLoader *m_loader;
    QString m_associate;
    QFont m_normal;
    QFont m_bold;
    QPixmap m_marks[3];
    QIcon m_placeholders[3];
    // Thumbnails by the run's object, the ones asked for by path, and the stand-ins by extension.
    mutable QCache<int, Thumbnail> m_thumbnails;
    mutable QHash<QString, int> m_asked;
    QHash<QString, QPixmap> m_fallbacks;
};
