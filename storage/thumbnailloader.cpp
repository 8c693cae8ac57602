#include "thumbnailloader.h"

#include <QIcon>
#include <QMetaObject>
#include <QMimeDatabase>
#include <QPainter>
#include <QTimer>

#include "thumbnailcache.h"
#include "workpool.h"

namespace {

// Often enough that thumbnails seem to come as they are made, rarely enough to cost nothing.
const int COLLECT_MS = 20;

} // namespace

ThumbnailLoader::ThumbnailLoader(int side, QObject *parent)
    : QObject(parent)
    , m_side(side)
    , m_collector(new QTimer(this))
{
    m_collector->setInterval(COLLECT_MS);
    connect(m_collector, &QTimer::timeout, this, &ThumbnailLoader::collect);
}

ThumbnailLoader::~ThumbnailLoader()
{
    // Nothing may call back into a loader that is gone; what is being decoded finishes first.
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_stopping = true;
        m_queue.clear();
    }
    m_wake.notify_all();
    for (std::thread &thread : m_threads)
        thread.join();
}

int ThumbnailLoader::side() const
{
    return m_side;
}

void ThumbnailLoader::request(const QString &path)
{
    start(path, 0);
}

void ThumbnailLoader::requestFirst(const QString &path)
{
    start(path, 1);
}

void ThumbnailLoader::start(const QString &path, int priority)
{
    const auto made = m_made.constFind(path);
    if (made != m_made.constEnd()) {
        const QImage image = made.value();
        QMetaObject::invokeMethod(this, [this, path, image]() { emit ready(path, image); }, Qt::QueuedConnection);
        return;
    }
    if (m_pending.contains(path) && priority == 0)
        return;
    m_pending.insert(path, true);
    {
        std::lock_guard<std::mutex> guard(m_lock);
        if (priority > 0)
            m_queue.push_front(path);
        else
            m_queue.push_back(path);
        // The threads start with the first request and stay for the loader's life.
        if (m_threads.empty()) {
            for (int i = 0; i < WorkPool::threadCount(); ++i)
                m_threads.emplace_back([this] { work(); });
        }
    }
    m_wake.notify_one();
    if (!m_collector->isActive())
        m_collector->start();
}

// One decoding thread: takes the next path, makes its thumbnail and leaves it for collect().
void ThumbnailLoader::work()
{
    const int side = m_side;
    for (;;) {
        QString path;
        {
            std::unique_lock<std::mutex> guard(m_lock);
            m_wake.wait(guard, [this] { return m_stopping || !m_queue.empty(); });
            if (m_stopping)
                return;
            path = m_queue.front();
            m_queue.pop_front();
            ++m_busy;
        }
        const QImage image = ThumbnailCache::thumbnail(path, side);
        std::lock_guard<std::mutex> guard(m_lock);
        m_results.emplace_back(path, image);
        --m_busy;
    }
}

void ThumbnailLoader::collect()
{
    std::vector<std::pair<QString, QImage>> results;
    {
        std::lock_guard<std::mutex> guard(m_lock);
        results.swap(m_results);
        if (m_queue.empty() && m_busy == 0)
            m_collector->stop();
    }
    for (const auto &result : results)
        arrived(result.first, result.second);
}

void ThumbnailLoader::arrived(const QString &path, const QImage &image)
{
    // A path queued twice (once moved to the front) arrives twice; it is told once.
    if (!m_pending.remove(path) && m_made.contains(path))
        return;
    m_made.insert(path, image);
    emit ready(path, image);
}

void ThumbnailLoader::cancel()
{
    std::lock_guard<std::mutex> guard(m_lock);
    // What is being decoded still arrives; what waits is dropped.
    for (const QString &path : m_queue)
        m_pending.remove(path);
    m_queue.clear();
}

QImage ThumbnailLoader::made(const QString &path) const
{
    return m_made.value(path);
}

QPixmap ThumbnailLoader::placeholder(int side)
{
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(QColor(128, 128, 128, 128));
    painter.drawRect(QRect(0, 0, side - 1, side - 1));
    return pixmap;
}

QPixmap ThumbnailLoader::fallback(const QString &path, const QPixmap &boxPixmap, int side)
{
    const QMimeType type = QMimeDatabase().mimeTypeForFile(path);
    QIcon icon = QIcon::fromTheme(type.iconName(), QIcon::fromTheme(type.genericIconName()));
    if (!icon.isNull())
        return icon.pixmap(side, side);
    if (!boxPixmap.isNull())
        return boxPixmap.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return placeholder(side);
}
