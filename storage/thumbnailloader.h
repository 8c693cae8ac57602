#pragma once

#include <QHash>
#include <QImage>
#include <QObject>
#include <QPixmap>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

class QTimer;

// Makes thumbnails behind the window: requests are queued and decoded on as many threads as the work
// pool uses, each one handed back through ready() on the thread that asked, as it arrives. The window
// shows a placeholder until then and never waits. What was made once is kept for the loader's life.
//
// The queue and the results are handed between the threads under a standard mutex, which the thread
// sanitizer sees; the asking thread collects the results on a short timer.
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
    void work();
    void collect();

    int m_side;
    QTimer *m_collector;
    QHash<QString, QImage> m_made;
    QHash<QString, bool> m_pending;

    std::mutex m_lock;
    std::condition_variable m_wake;
    std::deque<QString> m_queue;
    std::vector<std::pair<QString, QImage>> m_results;
    int m_busy = 0;
    bool m_stopping = false;
    std::vector<std::thread> m_threads;
};
