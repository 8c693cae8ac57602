// Thumbnails of large photos: made the first time (cold cache) on the work pool, decoded at the needed
// size, against decoding each photo whole and scaling it with QImage::scaled; then served again from
// the thumbnail cache (warm).
// Usage: bench_thumbnails [photos] [megapixels] (default 200 12).

#include <QDir>
#include <QElapsedTimer>
#include <QCoreApplication>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>
#include <QtMath>

#include <atomic>
#include <cstdio>

#include "thumbnailcache.h"
#include "workpool.h"

namespace {

const int SIDE = 128;

// A photo-like picture: gradients and shapes, so that the JPEG is not trivially small.
bool writePhoto(const QString &path, const QSize &size, int seed)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, size.width(), size.height());
    gradient.setColorAt(0, QColor::fromHsv((seed * 37) % 360, 180, 220));
    gradient.setColorAt(1, QColor::fromHsv((seed * 37 + 120) % 360, 200, 90));
    painter.fillRect(image.rect(), gradient);
    for (int i = 0; i < 60; ++i) {
        painter.setBrush(QColor::fromHsv((seed * 13 + i * 29) % 360, 150, 60 + (i * 7) % 190));
        painter.drawEllipse(QPoint((i * 997 + seed * 31) % size.width(), (i * 613 + seed * 17) % size.height()),
                            size.width() / 12, size.height() / 9);
    }
    painter.end();
    return image.save(path, "JPG", 90);
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir dir;
    qputenv("XDG_CACHE_HOME", QFile::encodeName(dir.filePath(QStringLiteral("cache"))));
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 200;
    const double megapixels = argc > 2 ? QString::fromLocal8Bit(argv[2]).toDouble() : 12.0;
    const int width = int(qSqrt(megapixels * 1e6 * 4.0 / 3.0));
    const QSize size(width, width * 3 / 4);

    QStringList paths;
    for (int i = 0; i < count; ++i)
        paths << dir.filePath(QStringLiteral("IMG_%1.JPG").arg(i, 4, 10, QLatin1Char('0')));
    // The photos themselves are written on the pool too; they are only the material.
    std::atomic<int> written(0);
    WorkPool::forEach(count, [&](int i) { written += writePhoto(paths.at(i), size, i) ? 1 : 0; });
    if (written != count) {
        std::fprintf(stderr, "could not write the photos\n");
        return 1;
    }
    std::printf("%d photos of %dx%d (%.1f MP), %d threads\n", count, size.width(), size.height(),
                size.width() * size.height() / 1e6, WorkPool::threadCount());

    QElapsedTimer timer;
    std::atomic<int> good(0);
    timer.start();
    WorkPool::forEach(count, [&](int i) {
        const QImage full(paths.at(i));
        const QImage scaled = full.scaled(SIDE, SIDE, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        good += scaled.isNull() ? 0 : 1;
    });
    const qint64 fullMs = timer.elapsed();
    std::printf("full decode + QImage::scaled: %lld ms (%d images)\n", fullMs, int(good));

    good = 0;
    timer.start();
    WorkPool::forEach(count, [&](int i) {
        ThumbnailCache::Outcome outcome;
        const QImage image = ThumbnailCache::thumbnail(paths.at(i), SIDE, &outcome);
        good += !image.isNull() && outcome == ThumbnailCache::Made ? 1 : 0;
    });
    const qint64 coldMs = timer.elapsed();
    std::printf("thumbnails, cold cache (scaled decode + PNG stored): %lld ms (%d made), %.1fx faster\n", coldMs,
                int(good), coldMs > 0 ? double(fullMs) / double(coldMs) : 0.0);

    good = 0;
    timer.start();
    WorkPool::forEach(count, [&](int i) {
        ThumbnailCache::Outcome outcome;
        const QImage image = ThumbnailCache::thumbnail(paths.at(i), SIDE, &outcome);
        good += !image.isNull() && outcome == ThumbnailCache::FromCache ? 1 : 0;
    });
    const qint64 warmMs = timer.elapsed();
    std::printf("thumbnails, warm cache: %lld ms (%d from the cache)\n", warmMs, int(good));
    return 0;
}
