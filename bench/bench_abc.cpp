// Loading, marking and storing the catalogue of a synthetic box, against the floor of reading the
// same files raw. Usage: bench_abc [entries] (default 100000).

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QStringList>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <numeric>
#include <vector>

#include "basefolder.h"
#include "benchsupport.h"
#include "constants.h"
#include "myabcfile.h"
#include "myabcfolder.h"

namespace {

const int NAMES_PER_LEVEL = 26 * 26;

QString twoLetters(int index)
{
    return QString(QChar('a' + index / 26)) + QChar('a' + index % 26);
}

// One catalogue line of a described object, as a box holds them after some use.
QString entryLine(QRandomGenerator &random, const QString &remark, int session)
{
    static const QStringList captions = {QStringLiteral("unknown,unknown"), QStringLiteral("Sunset at the lake,Ann"),
                                         QString::fromUtf8("Grüße aus Köln,Jürgen"),
                                         QString::fromUtf8("Москва ночью,Пётр")};
    QString checksum;
    for (int i = 0; i < 4; ++i)
        checksum += QString::number(random.generate(), 16).rightJustified(8, QLatin1Char('0'));
    const unsigned category = random.bounded(1u << 28);
    const QString keywords = random.bounded(3) == 0
                                 ? QStringLiteral("unknown")
                                 : QStringLiteral("abcd,qwer,zxcv").left(4 + 5 * int(random.bounded(3)));
    const QString date = QStringLiteral("%1.%2.%3")
                             .arg(1 + random.bounded(28), 2, 10, QLatin1Char('0'))
                             .arg(1 + random.bounded(12), 2, 10, QLatin1Char('0'))
                             .arg(1990 + random.bounded(35));
    return QStringList({QString::number(session), remark, remark, checksum, QString::number(random.bounded(3)),
                        QString::number(category), keywords,
                        QStringLiteral("IMG_%1.JPG").arg(random.bounded(10000), 4, 10, QLatin1Char('0')),
                        captions.at(random.bounded(captions.size())), date})
        .join(QLatin1Char('~'));
}

// The layout the arrangement makes: full catalogue files of 676 entries in second-level folders
// with random names, first-level folders (random names) filled with 676 of them before the next.
int generateBox(const QString &boxPath, int entries)
{
    QRandomGenerator random(20260101);
    QVector<int> firstNames(NAMES_PER_LEVEL);
    std::iota(firstNames.begin(), firstNames.end(), 0);
    std::shuffle(firstNames.begin(), firstNames.end(), random);
    int files = 0;
    int written = 0;
    for (int first = 0; written < entries && first < NAMES_PER_LEVEL; ++first) {
        const QString re = twoLetters(firstNames.at(first));
        QVector<int> secondNames(NAMES_PER_LEVEL);
        std::iota(secondNames.begin(), secondNames.end(), 0);
        std::shuffle(secondNames.begin(), secondNames.end(), random);
        for (int second = 0; written < entries && second < NAMES_PER_LEVEL; ++second) {
            const QString ma = twoLetters(secondNames.at(second));
            const QString folder = boxPath + QLatin1Char('/') + re + QLatin1Char('/') + ma;
            QDir().mkpath(folder);
            QFile file(folder + QLatin1Char('/') + NAME_ABC_FILE);
            if (!file.open(QIODevice::WriteOnly))
                return -1;
            QString text;
            const int inFile = qMin(NAMES_PER_LEVEL, entries - written);
            for (int key = 0; key < inFile; ++key) {
                text += entryLine(random, re + ma + twoLetters(key), 1 + written / 500);
                text += QLatin1Char('\n');
                ++written;
            }
            file.write(text.toUtf8());
            ++files;
        }
    }
    return files;
}

// The two-letter folders of a folder in the box's listing order.
QStringList abcFolders(const QString &path)
{
    return QDir(path).entryList({ABC_CHAR + ABC_CHAR}, QDir::Dirs | QDir::NoDotAndDotDot,
                                QDir::Name | QDir::IgnoreCase);
}

// The floor: list the same folders and read and split every file, keeping nothing.
qint64 readRaw(const QString &boxPath)
{
    qint64 lines = 0;
    for (const QString &re : abcFolders(boxPath)) {
        for (const QString &ma : abcFolders(boxPath + QLatin1Char('/') + re)) {
            QFile file(boxPath + QLatin1Char('/') + re + QLatin1Char('/') + ma + QLatin1Char('/') + NAME_ABC_FILE);
            if (!file.open(QIODevice::ReadOnly))
                continue;
            const QStringList split = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
            lines += split.size();
        }
    }
    return lines;
}

void report(const char *what, qint64 entries, qint64 nanoseconds, double floor = 0)
{
    const double seconds = nanoseconds / 1e9;
    std::printf("%-10s %9lld entries in %7.3f s  %10.0f entries/s", what, static_cast<long long>(entries), seconds,
                entries / seconds);
    if (floor > 0)
        std::printf("  (%.2f x raw)", seconds / floor);
    std::printf("  VmHWM %ld MiB\n", long(BenchSupport::statusMiB("VmHWM")));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int entries = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 100000;
    if (entries <= 0 || entries > NAMES_PER_LEVEL * NAMES_PER_LEVEL * 4) {
        std::fprintf(stderr, "usage: bench_abc [entries]\n");
        return 2;
    }
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    const QString boxPath = dir.path() + QStringLiteral("/box");

    QElapsedTimer timer;
    timer.start();
    const int files = generateBox(boxPath, entries);
    if (files < 0)
        return 1;
    std::printf("box of %d entries in %d abc files generated in %.1f s\n", entries, files, timer.nsecsElapsed() / 1e9);

    // Each reading is timed three times and the best run counts: the machine is shared.
    const int runs = 3;
    readRaw(boxPath); // warms the page cache for both readers
    qint64 rawTime = 0;
    qint64 rawLines = 0;
    for (int run = 0; run < runs; ++run) {
        timer.restart();
        rawLines = readRaw(boxPath);
        const qint64 elapsed = timer.nsecsElapsed();
        rawTime = run == 0 ? elapsed : qMin(rawTime, elapsed);
    }
    report("raw read", rawLines, rawTime);

    // Opened the way the box opens its catalogue; the last run is kept for marking and storing.
    std::unique_ptr<BaseFolder> box;
    std::vector<MyAbcFile *> abcFiles;
    qint64 loaded = 0;
    qint64 loadTime = 0;
    for (int run = 0; run < runs; ++run) {
        box.reset();
        abcFiles.clear();
        loaded = 0;
        timer.restart();
        box.reset(new BaseFolder(dir.path(), QStringLiteral("box")));
        for (const QString &re : abcFolders(box->completeName())) {
            auto first = new MyAbcFolder(re, box.get());
            for (const QString &ma : abcFolders(first->completeName())) {
                auto file = new MyAbcFile(new MyAbcFolder(ma, first));
                loaded += file->countEntries();
                abcFiles.push_back(file);
            }
        }
        const qint64 elapsed = timer.nsecsElapsed();
        loadTime = run == 0 ? elapsed : qMin(loadTime, elapsed);
    }
    report("load", loaded, loadTime, rawTime / 1e9);
    std::printf("%-10s VmRSS %ld MiB with every entry loaded\n", "", long(BenchSupport::statusMiB("VmRSS")));

    timer.restart();
    qint64 marked = 0;
    for (MyAbcFile *file : abcFiles) {
        file->markAllEntries(0);
        marked += file->markedEntriesCount(0);
    }
    report("mark all", marked, timer.nsecsElapsed());

    timer.restart();
    int failed = 0;
    for (MyAbcFile *file : abcFiles)
        failed += file->store() ? 0 : 1;
    report("store", loaded, timer.nsecsElapsed());

    if (loaded != entries || marked != entries || rawLines != entries || failed) {
        std::fprintf(stderr, "inconsistent run: %lld loaded, %lld marked, %lld raw lines, %d failed stores\n",
                     static_cast<long long>(loaded), static_cast<long long>(marked),
                     static_cast<long long>(rawLines), failed);
        return 1;
    }
    return 0;
}
