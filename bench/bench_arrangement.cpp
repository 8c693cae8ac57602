// Arranging incoming files into an empty photo box as a user meets it: the unit tree built from a
// settings file as at start-up while the files wait in the source folder, then the run the frame uses.
// Against md5sum plus cp -p plus sync of the same files measured in the same round, with one cp -p per
// file and with one cp -p of them all: the run puts every copy on the disk before it deletes its source,
// so the shell commands it is compared with sync too.
// Usage: bench_arrangement [files] [MiB per file] [rounds] [threads] (default 200 5 3, threads: the
// machine's cores).

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QRandomGenerator>
#include <QStringList>
#include <QThread>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

#include "anybox.h"
#include "arrangementrun.h"
#include "basefolder.h"
#include "benchsupport.h"
#include "constants.h"
#include "mysettings.h"
#include "unittree.h"
#include "workpool.h"

namespace {

// Distinct random content, written in blocks.
bool writeFiles(const QString &folder, int count, qint64 size)
{
    QRandomGenerator random(20240601);
    QByteArray block(1024 * 1024, Qt::Uninitialized);
    for (int i = 0; i < count; ++i) {
        QFile file(QStringLiteral("%1/IMG_%2.jpg").arg(folder).arg(i, 4, 10, QLatin1Char('0')));
        if (!file.open(QIODevice::WriteOnly))
            return false;
        for (qint64 written = 0; written < size; written += block.size()) {
            random.fillRange(reinterpret_cast<quint32 *>(block.data()), block.size() / int(sizeof(quint32)));
            if (file.write(block.constData(), std::min<qint64>(block.size(), size - written)) < 0)
                return false;
        }
    }
    return true;
}

// md5sum over all files in one call, then the copies, then a sync. The copies are one cp -p per file, as
// a shell loop over the folder would make them, or, with oneCopy, a single cp -p of all of them, which
// pays no process start per file.
double referenceSeconds(const QString &folder, const QString &target, bool oneCopy)
{
    const QStringList names = QDir(folder).entryList(QDir::Files, QDir::Name);
    QStringList paths;
    for (const QString &name : names)
        paths << folder + QLatin1Char('/') + name;
    QDir().mkpath(target);
    QElapsedTimer clock;
    clock.start();
    QProcess md5sum;
    md5sum.setStandardOutputFile(QProcess::nullDevice());
    md5sum.start(QStringLiteral("md5sum"), paths);
    if (!md5sum.waitForFinished(-1) || md5sum.exitCode() != 0)
        std::fprintf(stderr, "md5sum failed\n");
    if (oneCopy) {
        if (QProcess::execute(QStringLiteral("cp"), QStringList({QStringLiteral("-p")}) + paths + QStringList(target))
            != 0)
            std::fprintf(stderr, "cp failed\n");
    }
    for (int i = 0; !oneCopy && i < paths.size(); ++i) {
        const QStringList arguments = {QStringLiteral("-p"), paths.at(i), target + QLatin1Char('/') + names.at(i)};
        if (QProcess::execute(QStringLiteral("cp"), arguments) != 0)
            std::fprintf(stderr, "cp failed\n");
    }
    if (QProcess::execute(QStringLiteral("sync"), {}) != 0)
        std::fprintf(stderr, "sync failed\n");
    const double seconds = clock.nsecsElapsed() / 1e9;
    QDir(target).removeRecursively();
    return seconds;
}

} // namespace

int main(int argc, char *argv[])
{
    BenchSupport::useOffscreenPlatform();
    // A box holds a picture and the box set is a widget, which need the widget application object.
    QGuiApplication app(argc, argv);
    const auto [count, size, rounds] = BenchSupport::fileArguments(app.arguments());

    double bestRatio = 0;
    double bestOneCopyRatio = 0;
    for (int round = 1; round <= rounds; ++round) {
        QTemporaryDir dir;
        const QString basePath = dir.path() + QStringLiteral("/base");
        const QString srcPath = basePath + QLatin1Char('/') + NAME_SRC_FOLDER;
        QDir().mkpath(srcPath);
        MySettings settings(dir.path() + QStringLiteral("/tessary.ini"), MySettings::builtInDefaults());
        settings.setValue(KEY_GENERAL + KEY_BOX_DIR, basePath);
        // An extractor that does nothing: the dates are not what is measured.
        settings.setValue(KEY_GENERAL + KEY_EXTRACT_META_APP, QStringLiteral("true"));
        settings.sync();
        if (!writeFiles(srcPath, count, size)) {
            std::fprintf(stderr, "cannot write the incoming files\n");
            return 1;
        }

        // Both sides start with nothing left to write back.
        QProcess::execute(QStringLiteral("sync"), {});
        const double reference = referenceSeconds(srcPath, dir.path() + QStringLiteral("/copies"), false);
        QProcess::execute(QStringLiteral("sync"), {});
        const double oneCopy = referenceSeconds(srcPath, dir.path() + QStringLiteral("/copies"), true);
        QProcess::execute(QStringLiteral("sync"), {});
        QElapsedTimer clock;
        clock.start();
        // Start-up builds the unit tree while the files wait; then the user starts the arrangement.
        UnitTree tree(&settings);
        const double startUp = clock.nsecsElapsed() / 1e9;
        auto box = qobject_cast<AnyBox *>(tree.baseFolder()->unit(NAME_PHOTO));
        ArrangementRun run(box);
        run.run(QStringLiteral("bench"));
        const double arranged = clock.nsecsElapsed() / 1e9;
        if (run.addedCount() != count) {
            std::fprintf(stderr, "only %d of %d files arranged\n", run.addedCount(), count);
            return 1;
        }
        const double ratio = arranged / reference;
        const double oneCopyRatio = arranged / oneCopy;
        bestRatio = round == 1 ? ratio : std::min(bestRatio, ratio);
        bestOneCopyRatio = round == 1 ? oneCopyRatio : std::min(bestOneCopyRatio, oneCopyRatio);
        std::printf("round %d: %d files of %lld MiB: start-up %.3f s, start-up and arrangement %.2f s, "
                    "md5sum + cp -p per file + sync %.2f s, ratio %.2f; md5sum + one cp -p + sync %.2f s, "
                    "ratio %.2f\n",
                    round, count, size / (1024 * 1024), startUp, arranged, reference, ratio, oneCopy, oneCopyRatio);
        std::fflush(stdout);
    }
    std::printf("best ratio %.2f against cp -p per file, %.2f against one cp -p\n", bestRatio, bestOneCopyRatio);
    return 0;
}
