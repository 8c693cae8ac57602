// The resemble frame as the main window makes it, offscreen: construction until the rows are shown,
// the first thumbnails, a press of Create, a two-group Apply against the time of storing the catalogue
// files it changes, and closing; with the longest event-loop gap of each and the peak memory.
// Usage: bench_resembleframe [objects] [marked]
//   objects up to 5,000: that many small JPEG photos, each its own prime, thumbnails from a cold cache;
//   more: the synthetic box (groups of five), with marked objects spread evenly (all by default).

#include <QAbstractItemModel>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFrame>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>

#include "anybox.h"
#include "basefolder.h"
#include "benchsupport.h"
#include "bigbox.h"
#include "constants.h"
#include "entry.h"
#include "loopgap.h"
#include "myabcfile.h"
#include "mysettings.h"
#include "remark.h"
#include "resembledialog.h"
#include "resemblerun.h"
#include "tessary.h"

namespace {

const int PHOTO_LIMIT = 5000;

// Small photos in catalogue files of 50: object i is its own prime.
bool writePhotos(const QString &boxPath, int count)
{
    QImage image(400, 300, QImage::Format_RGB32);
    QByteArray text;
    QString rema;
    for (int i = 0; i < count; ++i) {
        QString fileRema;
        QString rk;
        const QString path = BenchSupport::objectPlace(boxPath, i, &fileRema, &rk);
        image.fill(QColor::fromHsv(i * 37 % 360, 200, 220));
        if (!image.save(path, "JPG", 85))
            return false;
        if (fileRema != rema && !rema.isEmpty()) {
            QFile abc(boxPath + QLatin1Char('/') + rema.left(2) + QLatin1Char('/') + rema.mid(2) + "/abc");
            if (!abc.open(QIODevice::WriteOnly) || abc.write(text) != text.size())
                return false;
            text.clear();
        }
        rema = fileRema;
        const QString remark = fileRema + rk;
        text += QStringLiteral("1~%1~%1~9e107d9d372bb6826bd81d3542a419d6~0~0~unknown~IMG_%2.jpg~unknown,unknown~"
                               "10.07.2021\n")
                    .arg(remark)
                    .arg(i)
                    .toUtf8();
    }
    QFile abc(boxPath + QLatin1Char('/') + rema.left(2) + QLatin1Char('/') + rema.mid(2) + "/abc");
    return abc.open(QIODevice::WriteOnly) && abc.write(text) == text.size();
}

// The rows in sight whose icon shows its thumbnail rather than the empty placeholder.
bool visibleThumbnailsShown(QListView *view)
{
    const QRect seen = view->viewport()->rect();
    int shown = 0;
    for (int row = 0; row < view->model()->rowCount(); ++row) {
        const QModelIndex index = view->model()->index(row, 0);
        const QRect rect = view->visualRect(index);
        if (rect.top() > seen.bottom())
            break;
        if (!rect.intersects(seen))
            continue;
        const QImage icon = index.data(Qt::DecorationRole).value<QIcon>().pixmap(96, 96).toImage();
        if (icon.isNull() || qAlpha(icon.pixel(icon.width() / 2, icon.height() / 2)) == 0)
            return false;
        ++shown;
    }
    return shown > 0;
}

void click(QListView *view, QWidget *frame, int row, const char *button)
{
    view->setCurrentIndex(view->model()->index(row, 0));
    frame->findChild<QPushButton *>(QLatin1String(button))->click();
}

} // namespace

int main(int argc, char *argv[])
{
    BenchSupport::useOffscreenPlatform();
    QTemporaryDir dir;
    // Thumbnails start from a cold cache of this run's own.
    qputenv("XDG_CACHE_HOME", (dir.path() + QStringLiteral("/cache")).toUtf8());
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int objects = args.size() > 1 ? args.at(1).toInt() : 2000;
    const bool photos = objects <= PHOTO_LIMIT;
    const int marked = args.size() > 2 && !photos ? qBound(1, args.at(2).toInt(), objects) : objects;

    QString basePath;
    std::unique_ptr<MySettings> settings = BenchSupport::baseSettings(dir.path(), &basePath);
    settings->setValue(KEY_PHOTO + KEY_PREVIEW_APP, QStringLiteral("true %1"));
    settings->sync();
    const QString boxPath = basePath + QLatin1Char('/') + NAME_PHOTO;
    if (!(photos ? writePhotos(boxPath, objects) : BigBox::write(basePath, objects))) {
        std::fprintf(stderr, "cannot write the box\n");
        return 1;
    }
    QElapsedTimer clock;
    clock.start();
    std::unique_ptr<Tessary> tessary(new Tessary(settings.get()));
    QString status;
    if (!tessary->initStatus(status)) {
        std::fprintf(stderr, "cannot open the box set: %s\n", qPrintable(status));
        return 1;
    }
    auto box = qobject_cast<AnyBox *>(tessary->baseFolder()->unit(NAME_PHOTO));
    const qint64 openMs = clock.elapsed();
    if (marked == objects) {
        box->markAllEntries(0);
    } else {
        const int every = objects / marked;
        for (int i = 0; i < objects; i += every) {
            const Remark remark(BigBox::remarkOf(i));
            if (MyAbcFile *file = box->abcFile(remark))
                file->markEntry(file->getEntry(remark.rk()), 0);
        }
    }
    const double baseMb = BenchSupport::statusMiB("VmHWM");

    QFrame central;
    central.resize(1280, 800);
    auto layout = new QVBoxLayout(&central);
    central.show();
    QCoreApplication::processEvents();

    // Construction and first show, as the main window places a frame.
    LoopGap gap;
    clock.restart();
    auto frame = new ResembleDialog(box, &central);
    layout->addWidget(frame);
    const qint64 constructedMs = clock.elapsed();
    QListView *view = frame->findChild<QListView *>(QStringLiteral("resembleList"));
    QWidget *mode = frame->findChild<QWidget *>(QStringLiteral("mode"));
    const bool shown = BenchSupport::serveEventsUntil(
        [&] { return mode->isVisible() && view->model() && view->model()->rowCount() > 0; }, 60000);
    QCoreApplication::processEvents();
    const qint64 openedMs = clock.elapsed();
    const qint64 openGap = gap.longestMs();
    const int rows = shown ? view->model()->rowCount() : 0;
    const double openMb = BenchSupport::statusMiB("VmHWM");
    std::printf("%d objects, %d marked, %d rows (box set %lld ms, %.0f MB)\n", objects, marked, rows,
                static_cast<long long>(openMs), baseMb);
    std::printf("construction %lld ms, + first show %lld ms, longest gap %lld ms, peak %.0f MB\n",
                static_cast<long long>(constructedMs), static_cast<long long>(openedMs),
                static_cast<long long>(openGap), openMb);
    if (!shown)
        return 1;
    if (photos) {
        const bool thumbnails = BenchSupport::serveEventsUntil([&] { return visibleThumbnailsShown(view); }, 60000);
        std::printf("thumbnails of the rows in sight %lld ms%s\n", static_cast<long long>(clock.elapsed()),
                    thumbnails ? "" : " (NOT SHOWN)");
    }

    // Typing letters in the list looks for a row that starts with them, here one that is not there.
    gap.restart();
    clock.restart();
    view->keyboardSearch(QStringLiteral("zzzzzz"));
    const qint64 searchMs = clock.elapsed();
    QCoreApplication::processEvents();
    std::printf("typing a remark that is not listed %lld ms (gap %lld ms)\n", static_cast<long long>(searchMs),
                static_cast<long long>(gap.longestMs()));

    // The buttons' own work: the three previews (one process each, the same for any size of list)
    // are timed apart at the end.
    QCheckBox *follows = frame->findChild<QCheckBox *>(QStringLiteral("previewFollows"));
    follows->setChecked(false);

    // Create on the first prime, Add on the next one, Apply.
    ResembleRun *run = frame->findChild<ResembleRun *>();
    int second = 1;
    while (second < rows && !run->isPrimeRow(second))
        ++second;
    if (second >= rows) {
        std::printf("no second group\n");
        return 1;
    }
    gap.restart();
    clock.restart();
    click(view, frame, 0, "addButton");
    const qint64 createMs = clock.nsecsElapsed();
    QCoreApplication::processEvents();
    const qint64 createGap = gap.longestMs();
    click(view, frame, second, "addButton");
    const QString first = run->rowRemark(0);
    const QString other = run->rowRemark(second);
    // The yardstick: the same files stored as they are, three times, before Apply. The first store of
    // a file the box writer has just made costs more than the later ones, so it is paid here and Apply
    // finds its files as a user's box keeps them.
    QList<MyAbcFile *> changed{box->abcFile(Remark(first))};
    if (!changed.contains(box->abcFile(Remark(other))))
        changed << box->abcFile(Remark(other));
    QVector<double> stores;
    for (int round = 0; round < 3; ++round) {
        QElapsedTimer store;
        store.start();
        for (MyAbcFile *file : changed)
            file->store();
        stores << store.nsecsElapsed() / 1e6;
    }
    std::sort(stores.begin(), stores.end());
    // A user's click comes after the window has shown the last one.
    QCoreApplication::processEvents();
    gap.restart();
    clock.restart();
    frame->findChild<QPushButton *>(QStringLiteral("applyButton"))->click();
    const qint64 applyMs = clock.nsecsElapsed();
    QCoreApplication::processEvents();
    const qint64 applyGap = gap.longestMs();
    const bool linked = box->abcFile(Remark(other))->getEntry(Remark(other).rk())->getField(2) == first;
    std::printf("create %.1f ms (gap %lld ms); apply %.1f ms (gap %lld ms, %s), storing its %d files %.1f ms\n",
                createMs / 1e6, static_cast<long long>(createGap), applyMs / 1e6, static_cast<long long>(applyGap),
                linked ? "stored" : "NOT STORED", int(changed.size()), stores.at(1));

    // The marks become the primes behind the window.
    gap.restart();
    clock.restart();
    BenchSupport::serveEventsUntil([&] { return run->marksSettled(); }, 60000);
    const qint64 settleMs = clock.elapsed();
    const qint64 settleGap = gap.longestMs();
    // The previews come back on: the three processes start over lists of at most 1,001 objects.
    gap.restart();
    clock.restart();
    follows->setChecked(true);
    const qint64 previewMs = clock.elapsed();
    QCoreApplication::processEvents();
    std::printf("previews started %lld ms (gap %lld ms)\n", static_cast<long long>(previewMs),
                static_cast<long long>(gap.longestMs()));
    // The frame goes.
    gap.restart();
    clock.restart();
    delete frame;
    const qint64 closeMs = clock.elapsed();
    QCoreApplication::processEvents();
    std::printf("marks settled %lld ms (gap %lld ms); closing %lld ms (gap %lld ms); %d marked; peak %.0f MB\n",
                static_cast<long long>(settleMs), static_cast<long long>(settleGap), static_cast<long long>(closeMs),
                static_cast<long long>(gap.longestMs()), box->markedEntriesCount(0), BenchSupport::statusMiB("VmHWM"));
    return linked ? 0 : 1;
}
