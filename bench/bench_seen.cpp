// First steps listing a card as a user meets it: a device folder of FILES files, half of them already in
// the photo box. The first listing hashes every file on the work pool; it is timed against md5sum over
// the same files, page cache warm. Then the files' Ok records the ledger, and a second listing of the
// same folder takes every checksum from it: timed, with the bytes this process read (from /proc/self/io).
// Usage: bench_seen [files] [MiB per file] [rounds] [threads] (default 200 5 3, threads: the machine's cores).

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QRandomGenerator>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>

#include <sys/resource.h>

#include "anybox.h"
#include "basefolder.h"
#include "benchsupport.h"
#include "constants.h"
#include "firststepsrun.h"
#include "mysettings.h"
#include "unittree.h"
#include "workpool.h"

namespace {

// Distinct random content; the checksums of the files written are returned in order.
bool writeFiles(const QString &folder, int count, qint64 size, QStringList &checkSums)
{
    QRandomGenerator random(20261208);
    QByteArray block(1024 * 1024, Qt::Uninitialized);
    for (int i = 0; i < count; ++i) {
        QFile file(QStringLiteral("%1/IMG_%2.jpg").arg(folder).arg(i, 4, 10, QLatin1Char('0')));
        if (!file.open(QIODevice::WriteOnly))
            return false;
        QCryptographicHash hash(QCryptographicHash::Md5);
        for (qint64 written = 0; written < size; written += block.size()) {
            random.fillRange(reinterpret_cast<quint32 *>(block.data()), block.size() / int(sizeof(quint32)));
            const int length = int(std::min<qint64>(block.size(), size - written));
            hash.addData(block.constData(), length);
            if (file.write(block.constData(), length) != length)
                return false;
        }
        checkSums << QString::fromLatin1(hash.result().toHex());
    }
    return true;
}

// The catalogue file of one folder pair holding an object for each checksum.
bool writeBox(const QString &boxPath, const QStringList &checkSums)
{
    const QString folder = boxPath + QStringLiteral("/qw/er");
    if (!QDir().mkpath(folder))
        return false;
    QFile file(folder + QStringLiteral("/abc"));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    for (int i = 0; i < checkSums.size(); ++i) {
        const QString remark = QStringLiteral("qwer") + QChar('a' + i / 26) + QChar('a' + i % 26);
        const QString line = QStringList({QStringLiteral("1"), remark, remark, checkSums.at(i), QStringLiteral("0"),
                                          QStringLiteral("0"), QStringLiteral("unknown"), QStringLiteral("x.jpg"),
                                          QStringLiteral("unknown,unknown"), QStringLiteral("01.01.2020")})
                                 .join(QLatin1Char('~'));
        file.write(line.toUtf8() + '\n');
    }
    return true;
}



double md5sumCpu = 0;

double md5sumSeconds(const QString &folder)
{
    QStringList paths;
    for (const QString &name : QDir(folder).entryList(QDir::Files, QDir::Name))
        paths << folder + QLatin1Char('/') + name;
    QElapsedTimer clock;
    clock.start();
    const double cpuBefore = BenchSupport::cpuSeconds(RUSAGE_CHILDREN);
    QProcess md5sum;
    md5sum.setStandardOutputFile(QProcess::nullDevice());
    md5sum.start(QStringLiteral("md5sum"), paths);
    if (!md5sum.waitForFinished(-1) || md5sum.exitCode() != 0)
        std::fprintf(stderr, "md5sum failed\n");
    md5sumCpu = BenchSupport::cpuSeconds(RUSAGE_CHILDREN) - cpuBefore;
    return clock.nsecsElapsed() / 1e9;
}

// Bytes read by this process through system calls so far.
qint64 bytesRead()
{
    QFile io(QStringLiteral("/proc/self/io"));
    if (!io.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : io.readAll().split('\n')) {
        if (line.startsWith("rchar:"))
            return line.mid(6).trimmed().toLongLong();
    }
    return -1;
}

} // namespace

int main(int argc, char *argv[])
{
    BenchSupport::useOffscreenPlatform();
    QGuiApplication app(argc, argv);
    const auto [count, size, rounds] = BenchSupport::fileArguments(app.arguments());

    double bestRatio = 0;
    double bestSecond = 0;
    for (int round = 1; round <= rounds; ++round) {
        QTemporaryDir dir;
        const QString basePath = dir.path() + QStringLiteral("/base");
        const QString device = dir.path() + QStringLiteral("/card");
        QDir().mkpath(basePath + QLatin1Char('/') + NAME_PHOTO);
        QDir().mkpath(device);
        QStringList checkSums;
        if (!writeFiles(device, count, size, checkSums)
            || !writeBox(basePath + QLatin1Char('/') + NAME_PHOTO, checkSums.mid(0, count / 2))) {
            std::fprintf(stderr, "cannot write the files\n");
            return 1;
        }
        MySettings settings(dir.path() + QStringLiteral("/tessary.ini"), MySettings::builtInDefaults());
        settings.setValue(KEY_GENERAL + KEY_BOX_DIR, basePath);
        settings.setValue(KEY_GENERAL + KEY_FIRST_DIR, device);
        settings.setValue(KEY_GENERAL + KEY_EXTRACT_META_APP, QStringLiteral("true"));
        settings.sync();
        UnitTree tree(&settings);
        auto box = qobject_cast<AnyBox *>(tree.baseFolder()->unit(NAME_PHOTO));

        BenchSupport::warm(BenchSupport::filesIn(device));
        // The two sides take turns in going first.
        double reference = round % 2 == 1 ? md5sumSeconds(device) : 0;
        FirstStepsRun first(box);
        const QFileInfoList files = first.listFiles(device);
        QElapsedTimer clock;
        clock.start();
        const double cpuBefore = BenchSupport::cpuSeconds(RUSAGE_SELF);
        const QList<SeenCheck::Offer> offers = first.examine(files);
        const double firstSeconds = clock.nsecsElapsed() / 1e9;
        const double firstCpu = BenchSupport::cpuSeconds(RUSAGE_SELF) - cpuBefore;
        if (round % 2 == 0)
            reference = md5sumSeconds(device);
        int inBox = 0;
        for (const SeenCheck::Offer &offer : offers)
            inBox += offer.state == SeenCheck::InBox ? 1 : 0;
        if (offers.size() != count || inBox != count / 2) {
            std::fprintf(stderr, "%d files offered, %d in the box\n", int(offers.size()), inBox);
            return 1;
        }
        // The files' Ok with nothing ticked: the new ones are rejected, those in the box recorded too.
        if (!first.recordVerdicts(offers, QList<bool>())) {
            std::fprintf(stderr, "the ledger cannot be written\n");
            return 1;
        }

        FirstStepsRun second(box);
        const QFileInfoList again = second.listFiles(device);
        const qint64 readBefore = bytesRead();
        clock.restart();
        const QList<SeenCheck::Offer> known = second.examine(again);
        const double secondSeconds = clock.nsecsElapsed() / 1e9;
        const qint64 read = bytesRead() - readBefore;
        const qint64 ledgerSize = QFileInfo(second.ledger().path()).size();

        const double ratio = firstSeconds / reference;
        bestRatio = round == 1 ? ratio : std::min(bestRatio, ratio);
        bestSecond = round == 1 ? secondSeconds : std::min(bestSecond, secondSeconds);
        std::printf("round %d: %d files of %lld MiB, %d in the box: first listing %.2f s (%d hashed, %.2f CPU s), "
                    "md5sum %.2f s (%.2f CPU s), ratio %.2f; second listing %.4f s, %d hashed, %lld bytes read "
                    "(ledger %lld bytes)\n",
                    round, count, size / (1024 * 1024), inBox, firstSeconds, first.check()->hashedCount(), firstCpu,
                    reference, md5sumCpu, ratio, secondSeconds, second.check()->hashedCount(), read, ledgerSize);
        std::fflush(stdout);
        if (known.size() != count)
            return 1;
    }
    std::printf("best ratio %.2f, best second listing %.4f s\n", bestRatio, bestSecond);
    return 0;
}
