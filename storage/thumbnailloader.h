#pragma once

#include <QHash>
#include <QImage>
#include <QObject>
#include <QPixmap>
#include <QThreadPool>

// Makes thumbnails behind the window: requests are queued and decoded on as many threads as the work
// pool uses, each one handed back through ready() on the thread that asked, as it arrives. The window
// shows a placeholder until then and never waits. What was made once is kept for the loader's life.
class ThumbnailLoader : public QObject
{
    Q_OBJECT

public:
    explicit ThumbnailLoader(int side, QObject *parent = nullptr);
    ~ThumbnailLoader() override;

    int side() const;
    // Queues path; ready() follows (at once for one already made). A path asked for again while queued
    // is not decoded twice.
    void request(const QString &path);
    // Moves path to the front: the object the user is looking at comes first.
    void requestFirst(const QString &path);
    // Drops what has not started yet, e.g. when the frame shows other objects.
    void cancel();
    // The thumbnail already made for path, or a null image.
    QImage made(const QString &path) const;
    // Waits for the queued work; for tests and benchmarks.
    void waitForDone();

    // Shown until the thumbnail arrives: a plain frame of the thumbnail's size.
    static QPixmap placeholder(int side);
    // Shown for what has no thumbnail (a film, a book, a raw photo Qt cannot read): the file type's icon
    // from the desktop's theme, or the box's picture.
    static QPixmap fallback(const QString &path, const QPixmap &boxPixmap, int side);

signals:
    // image is null when the file is no picture or cannot be decoded.
    void ready(const QString &path, const QImage &image);

private:
    void start(const QString &path, int priority);
    void arrived(const QString &path, const QImage &image);

    int m_side;
    QThreadPool m_pool;
    QHash<QString, QImage> m_made;
    QHash<QString, bool> m_pending;
};
