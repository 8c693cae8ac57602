// Arranging incoming files into an empty photo box through the run the frame uses, against md5sum
// plus cp -p plus sync of the same files measured in the same run: the run puts every copy on the disk
// before it deletes its source, so the shell loop it is compared with syncs too.
// Usage: bench_arrangement [files] [MiB per file] [rounds] (default 200 5 3).

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QRandomGenerator>
#include <QStringList>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <memory>

#include "arrangementrun.h"
#include "basefolder.h"
#include "constants.h"
#include "mylogfile.h"
#include "mysrcfolder.h"
#include "mysssfile.h"
#include "photobox.h"

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

// md5sum over all files in one call, cp -p once per file, as a shell loop over the folder would, and a
// sync at the end.
double referenceSeconds(const QString &folder, const QString &target)
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
    for (int i = 0; i < paths.size(); ++i) {
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
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // A box holds a picture, which needs the GUI application object.
    QGuiApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    const int count = arguments.size() > 1 ? arguments.at(1).toInt() : 200;
    const qint64 size = (arguments.size() > 2 ? arguments.at(2).toLongLong() : 5) * 1024 * 1024;
    const int rounds = arguments.size() > 3 ? arguments.at(3).toInt() : 3;

    double bestRatio = 0;
    for (int round = 1; round <= rounds; ++round) {
        QTemporaryDir dir;
        auto base = std::make_unique<BaseFolder>(dir.path() + QLatin1Char('/'), QStringLiteral("base"));
        auto box = new PhotoBox(NAME_PHOTO, base.get());
        box->setExt(PHOTO_EXT);
        // An extractor that does nothing: the dates are not what is measured.
        auto srcFolder = new MySrcFolder(QStringLiteral("true"), NAME_SRC_FOLDER, base.get());
        new MySssFile(NAME_SSS_FILE, base.get());
        new MyLogFile(NAME_LOG_FILE, base.get());
        if (!writeFiles(srcFolder->completeName(), count, size)) {
            std::fprintf(stderr, "cannot write the incoming files\n");
            return 1;
        }

        // Both sides start with nothing left to write back.
        QProcess::execute(QStringLiteral("sync"), {});
        const double reference = referenceSeconds(srcFolder->completeName(), dir.path() + QStringLiteral("/copies"));
        QProcess::execute(QStringLiteral("sync"), {});
        ArrangementRun run(box);
        QElapsedTimer clock;
        clock.start();
        run.run(QStringLiteral("bench"));
        const double arranged = clock.nsecsElapsed() / 1e9;
        if (run.addedCount() != count) {
            std::fprintf(stderr, "only %d of %d files arranged\n", run.addedCount(), count);
            return 1;
        }
        const double ratio = arranged / reference;
        bestRatio = round == 1 ? ratio : std::min(bestRatio, ratio);
        std::printf("round %d: %d files of %lld MiB: arrangement %.2f s, md5sum + cp -p + sync %.2f s, ratio %.2f\n",
                    round, count, size / (1024 * 1024), arranged, reference, ratio);
    }
    std::printf("best ratio %.2f\n", bestRatio);
    return 0;
}
