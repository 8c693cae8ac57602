#include "thumbnailloader.h"

#include <QIcon>
#include <QMetaObject>
#include <QMimeDatabase>
#include <QPainter>
#include <QRunnable>

#include "thumbnailcache.h"
#include "workpool.h"

ThumbnailLoader::ThumbnailLoader(int side, QObject *parent)
    : QObject(parent)
    , m_side(side)
{
    m_pool.setMaxThreadCount(WorkPool::threadCount());
}

ThumbnailLoader::~ThumbnailLoader()
{
    // Nothing may call back into a loader that is gone; what is running finishes first.
    m_pool.clear();
    m_pool.waitForDone();
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
    const int side = m_side;
    QRunnable *job = QRunnable::create([this, path, side]() {
        const QImage image = ThumbnailCache::thumbnail(path, side);
        QMetaObject::invokeMethod(this, [this, path, image]() { arrived(path, image); }, Qt::QueuedConnection);
    });
    m_pool.start(job, priority);
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
    m_pool.clear();
    m_pending.clear();
}

QImage ThumbnailLoader::made(const QString &path) const
{
    return m_made.value(path);
}

void ThumbnailLoader::waitForDone()
{
    m_pool.waitForDone();
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
