// Start-up and quit of the main window over a synthetic photo box, beside the catalogue load of the
// same entries and the memory the loaded catalogue takes. Usage: bench_startup [entries] [nosplash]
// (default 1000000 entries; nosplash makes the window the process's first widget, as no start does).

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <malloc.h>

#include <cstdio>
#include <memory>

#include "anybox.h"
#include "basefolder.h"
#include "benchsupport.h"
#include "bigbox.h"
#include "constants.h"
#include "mainwindow.h"
#include "myabcfile.h"
#include "myabcfolder.h"
#include "mysettings.h"
#include "mysplash.h"
#include "unittree.h"

namespace {

// Resident memory of this process from /proc/self/status, in MiB (0 when not available). Memory freed
// before is handed back first, so that what an earlier run left in the heap does not hide the next.
long residentMiB()
{
    malloc_trim(0);
    return long(BenchSupport::statusMiB("VmRSS"));
}

QStringList twoLetterFolders(const QString &path)
{
    return QDir(path).entryList({ABC_CHAR + ABC_CHAR}, QDir::Dirs | QDir::NoDotAndDotDot,
                                QDir::Name | QDir::IgnoreCase);
}

// Reading and splitting every catalogue file of the box, keeping nothing.
qint64 readAndSplit(const QString &boxPath, qint64 *lines)
{
    QElapsedTimer timer;
    timer.start();
    *lines = 0;
    for (const QString &re : twoLetterFolders(boxPath)) {
        for (const QString &ma : twoLetterFolders(boxPath + QLatin1Char('/') + re)) {
            QFile file(boxPath + QLatin1Char('/') + re + QLatin1Char('/') + ma + QLatin1Char('/') + NAME_ABC_FILE);
            if (file.open(QIODevice::ReadOnly))
                *lines += QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts).size();
        }
    }
    return timer.nsecsElapsed();
}

// The catalogue alone, opened as the box opens it; the memory it holds is measured while it is loaded.
qint64 loadCatalogue(const QString &basePath, qint64 *entries, long *aboveBaseMiB)
{
    const long before = residentMiB();
    QElapsedTimer timer;
    timer.start();
    std::unique_ptr<BaseFolder> base(new BaseFolder(basePath, NAME_PHOTO));
    *entries = 0;
    for (const QString &re : twoLetterFolders(base->completeName())) {
        auto first = new MyAbcFolder(re, base.get());
        for (const QString &ma : twoLetterFolders(first->completeName()))
            *entries += (new MyAbcFile(new MyAbcFolder(ma, first)))->countEntries();
    }
    const qint64 elapsed = timer.nsecsElapsed();
    *aboveBaseMiB = residentMiB() - before;
    return elapsed;
}

} // namespace

int main(int argc, char *argv[])
{
    BenchSupport::useOffscreenPlatform();
    QApplication app(argc, argv);
    const int count = BenchSupport::countArgument(argc, argv, 1000000, "bench_startup [entries] [nosplash]");
    const bool splashFirst = !(argc > 2 && qstrcmp(argv[2], "nosplash") == 0);
    if (count == 0)
        return 2;
    QTemporaryDir dir;
    QString basePath;
    std::unique_ptr<MySettings> settings = BenchSupport::bigBoxSettings(dir.path(), count, &basePath);
    if (!dir.isValid() || !settings)
        return 1;
    const QString boxPath = basePath + QLatin1Char('/') + NAME_PHOTO;

    // Best of three for the readings, as the machine is shared; the first reading warms the cache.
    qint64 lines = 0;
    readAndSplit(boxPath, &lines);
    qint64 raw = 0;
    qint64 load = 0;
    qint64 loaded = 0;
    long catalogueMiB = 0;
    for (int run = 0; run < 3; ++run) {
        const qint64 rawRun = readAndSplit(boxPath, &lines);
        long miB = 0;
        const qint64 loadRun = loadCatalogue(basePath, &loaded, &miB);
        raw = run == 0 ? rawRun : qMin(raw, rawRun);
        load = run == 0 ? loadRun : qMin(load, loadRun);
        catalogueMiB = run == 0 ? miB : qMin(catalogueMiB, miB);
    }
    std::printf("%d entries: read and split %.3f s, catalogue load %.3f s (%.2f x), %ld MiB above base\n", count,
                raw / 1e9, load / 1e9, double(load) / double(raw), catalogueMiB);

    // The base folder as a user keeps it: the first start has made every folder and file of the tree
    // (the other boxes, the log, the source folder ...), which later starts only open.
    delete new UnitTree(settings.get());

    // As the program starts: its splash is on the screen, its message painted, before the main window
    // is made (the program shows each message for a while; here it goes at once).
    MySplash *splash = nullptr;
    if (splashFirst) {
        splash = new MySplash(QStringLiteral(":img/splash_420x290.png"), Qt::AlignBottom | Qt::AlignHCenter, Qt::white);
        splash->setDisplayMessageTime(0);
        splash->show();
        splash->showMessage(QStringLiteral("Loading..."));
    }

    // The main window as the program makes it: the box set built, the window shown.
    const long before = residentMiB();
    QElapsedTimer timer;
    timer.start();
    auto window = new MainWindow(settings.get());
    window->show();
    QCoreApplication::processEvents();
    const qint64 startUp = timer.nsecsElapsed();
    delete splash;
    const long windowMiB = residentMiB() - before;
    const bool built = window->currentBox() && window->currentBox()->getCount() == unsigned(count);
    // As a user leaves it after working: every object marked.
    if (built)
        window->currentBox()->markAllEntries(0);
    const bool marked = built && window->currentBox()->markedEntriesCount(0) == count;

    // Quitting as the program does: the window goes, then the settings store.
    timer.restart();
    delete window;
    settings.reset();
    const qint64 quit = timer.nsecsElapsed();
    std::printf("start-up%s %.3f s (%.2f x catalogue load), %ld MiB above base; quit %.3f s (all marked)\n",
                splashFirst ? "" : " without a splash before", startUp / 1e9, double(startUp) / double(load), windowMiB,
                quit / 1e9);
    std::fflush(stdout);
    if (!marked || loaded != count || lines != count) {
        std::fprintf(stderr, "inconsistent run: %lld loaded, %lld lines\n", static_cast<long long>(loaded),
                     static_cast<long long>(lines));
        return 1;
    }
    return 0;
}
