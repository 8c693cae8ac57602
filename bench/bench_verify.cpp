// Times the verification scan of a box against md5sum over the same stored files, a backup of the box
// into an empty folder against cp -p of the same files (alone and followed by one sync), and the scan
// followed by the check of the backup copy against md5sum over the stored files and their backup copies,
// in the same run with the page cache warm.
// Prints the best of the rounds for each side and the ratios.
//
//   bench_verify [OBJECTS [MIB_EACH [ROUNDS]]]      defaults: 200 objects of 5 MiB, 3 rounds

#include <QGuiApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>

#include <sys/resource.h>

#include "anybox.h"
#include "backuprun.h"
#include "basefolder.h"
#include "benchsupport.h"
#include "constants.h"
#include "mirrorcheck.h"
#include "mysettings.h"
#include "unittree.h"
#include "verifyrun.h"

// Random content, so that neither side is flattered by sparse or repetitive data. Returns the MD5.
static QString makeObject(const QString &path, qint64 mib, quint32 seed)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    QCryptographicHash hash(QCryptographicHash::Md5);
    QByteArray block(1024 * 1024, Qt::Uninitialized);
    QRandomGenerator generator(seed);
    for (qint64 i = 0; i < mib; ++i) {
        generator.fillRange(reinterpret_cast<quint32 *>(block.data()), block.size() / int(sizeof(quint32)));
        if (file.write(block) != block.size())
            return QString();
        hash.addData(block);
    }
    return QString::fromLatin1(hash.result().toHex());
}

static bool writeText(const QString &path, const QString &text)
{
    QFile file(path);
    const QByteArray bytes = text.toUtf8();
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}




// The shortest time of the rounds so far; -1 before the first.
static void keepBest(qint64 &best, qint64 value)
{
    best = best < 0 ? value : std::min(best, value);
}

// The frame's scan and its four checks, as the verification runs them when it opens.
static bool scanPasses(VerifyRun &run)
{
    run.scan();
    QString report;
    bool passed = run.sssOk(run.sssPath(), report) && run.wrdOk(run.wrdPath(), report) && run.fileOk(report);
    for (const QString &abc : run.abcPaths())
        passed = run.abcOk(abc, report) && passed;
    return passed;
}

int main(int argc, char *argv[])
{
    // The box set is a widget; no window is ever shown.
    BenchSupport::useOffscreenPlatform();
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int objects = args.size() > 1 ? args.at(1).toInt() : 200;
    const qint64 mibEach = args.size() > 2 ? args.at(2).toLongLong() : 5;
    const int rounds = args.size() > 3 ? args.at(3).toInt() : 3;
    QTextStream out(stdout);

    QTemporaryDir dir;
    QString basePath;
    const std::unique_ptr<MySettings> settings = BenchSupport::baseSettings(dir.path(), &basePath);

    // The box on disk first: objects spread over catalogue files of 50, as the arrangement fills them.
    const QString boxPath = basePath + QLatin1Char('/') + NAME_PHOTO;
    QStringList stored;
    QMap<QString, QStringList> abcLines;
    for (int i = 0; i < objects; ++i) {
        QString rema;
        QString rk;
        const QString path = BenchSupport::objectPlace(boxPath, i, &rema, &rk);
        const QString digest = makeObject(path, mibEach, quint32(i + 1));
        if (digest.isEmpty()) {
            out << "cannot write " << path << "\n";
            return 1;
        }
        stored << path;
        const QString remark = rema + rk;
        abcLines[QFileInfo(path).path()] << QStringLiteral("1~%1~%1~%2~0~0~unknown~IMG_%3.jpg~unknown,unknown~10.07.2021")
                                .arg(remark, digest)
                                .arg(i);
    }
    for (auto it = abcLines.constBegin(); it != abcLines.constEnd(); ++it)
        writeText(it.key() + QLatin1Char('/') + NAME_ABC_FILE, it.value().join(QLatin1Char('\n')) + QLatin1Char('\n'));
    writeText(basePath + QLatin1Char('/') + NAME_SSS_FILE, QStringLiteral("1~05.12.2026 21:14:06~photo~bench\n"));

    UnitTree tree(settings.get());
    auto box = dynamic_cast<AnyBox *>(tree.baseFolder()->unit(NAME_PHOTO));
    if (!box) {
        out << "no photo box\n";
        return 1;
    }
    BenchSupport::warm(stored);

    qint64 bestScan = -1;
    qint64 bestMd5sum = -1;
    qint64 bestBackup = -1;
    qint64 bestCp = -1;
    qint64 bestCpSync = -1;
    for (int round = 0; round < rounds; ++round) {
        QElapsedTimer clock;
        clock.start();
        VerifyRun run(box);
        const bool passed = scanPasses(run);
        const qint64 scan = clock.nsecsElapsed();
        if (!passed || run.backupList().size() != objects + 3 + abcLines.size()) {
            out << "the box did not pass its verification\n";
            return 1;
        }

        bool ok = false;
        const qint64 md5sum = BenchSupport::timeProcess(QStringLiteral("md5sum"), stored, &ok);
        if (!ok) {
            out << "md5sum failed\n";
            return 1;
        }

        // Both copies go into empty folders beside the box, on the same file system.
        const QString backupDir = dir.path() + QStringLiteral("/backup%1").arg(round);
        const QString cpDir = dir.path() + QStringLiteral("/cp%1").arg(round);
        QDir().mkpath(cpDir);
        // Each side starts with nothing of the other waiting to be written.
        BenchSupport::timeProcess(QStringLiteral("sync"), {}, &ok);
        clock.restart();
        BackupRun backup(box, backupDir, run.backupList());
        backup.setDigests(run.goodDigests());
        if (backup.run() != BackupRun::Actual) {
            out << "the backup failed at " << backup.failedPath() << "\n";
            return 1;
        }
        const qint64 copied = clock.nsecsElapsed();
        // The same files: the box folder holds exactly the objects and the abc files, beside the three
        // shared files the backup takes too.
        const QStringList sources = {boxPath, basePath + QLatin1Char('/') + NAME_SSS_FILE,
                                     basePath + QLatin1Char('/') + NAME_WRD_FILE,
                                     basePath + QLatin1Char('/') + NAME_TMP_FILE};
        const qint64 cp = BenchSupport::timeProcess(QStringLiteral("cp"), QStringList{QStringLiteral("-p"), QStringLiteral("-r")}
                                                                + sources + QStringList{cpDir},
                                      &ok);
        if (!ok) {
            out << "cp -p failed\n";
            return 1;
        }
        // The backup syncs every copy before it is renamed into place; cp -p leaves its copies to the
        // page cache, so the same files are also timed with one sync after them.
        const qint64 cpSync = cp + BenchSupport::timeProcess(QStringLiteral("sync"), {}, &ok);
        QDir(backupDir).removeRecursively();
        QDir(cpDir).removeRecursively();

        out << QStringLiteral("round %1: scan %2 s, md5sum %3 s, backup %4 s, cp -p %5 s, cp -p and sync %6 s\n")
                   .arg(round + 1)
                   .arg(scan / 1e9, 0, 'f', 3)
                   .arg(md5sum / 1e9, 0, 'f', 3)
                   .arg(copied / 1e9, 0, 'f', 3)
                   .arg(cp / 1e9, 0, 'f', 3)
                   .arg(cpSync / 1e9, 0, 'f', 3);
        out.flush();
        keepBest(bestScan, scan);
        keepBest(bestMd5sum, md5sum);
        keepBest(bestBackup, copied);
        keepBest(bestCp, cp);
        keepBest(bestCpSync, cpSync);
    }
    // The scan and the check of the backup copy, as the frame runs them one after the other, against
    // md5sum over the stored files and their backup copies.
    const QString mirrorDir = dir.path() + QStringLiteral("/mirror");
    QStringList mirrored;
    {
        VerifyRun run(box);
        run.scan();
        BackupRun backup(box, mirrorDir, run.backupList());
        backup.setDigests(run.goodDigests());
        if (backup.run() != BackupRun::Actual) {
            out << "the backup for the check failed\n";
            return 1;
        }
        for (const QString &path : stored)
            mirrored << backup.targetOf(path);
    }
    BenchSupport::warm(stored + mirrored);
    qint64 bestCheck = -1;
    qint64 bestMd5sumBoth = -1;
    double checkCpu = 0;
    double md5sumCpu = 0;
    for (int round = 0; round < rounds; ++round) {
        const double cpuBefore = BenchSupport::cpuSeconds(RUSAGE_SELF);
        QElapsedTimer clock;
        clock.start();
        VerifyRun run(box);
        const bool passed = scanPasses(run);
        const qint64 scanned = clock.nsecsElapsed();
        MirrorCheck check(box, run, mirrorDir);
        check.runHere();
        const qint64 checked = clock.nsecsElapsed();
        checkCpu += BenchSupport::cpuSeconds(RUSAGE_SELF) - cpuBefore;
        if (!passed || !check.passed() || check.count(MirrorCheck::Good) != objects) {
            out << "the box or its backup copy did not pass\n" << check.report() << "\n";
            return 1;
        }
        bool ok = false;
        const double childBefore = BenchSupport::cpuSeconds(RUSAGE_CHILDREN);
        const qint64 md5sum = BenchSupport::timeProcess(QStringLiteral("md5sum"), stored + mirrored, &ok);
        md5sumCpu += BenchSupport::cpuSeconds(RUSAGE_CHILDREN) - childBefore;
        if (!ok) {
            out << "md5sum failed\n";
            return 1;
        }
        out << QStringLiteral("round %1: scan and backup check %2 s (scan %3 s), md5sum over both copies %4 s\n")
                   .arg(round + 1)
                   .arg(checked / 1e9, 0, 'f', 3)
                   .arg(scanned / 1e9, 0, 'f', 3)
                   .arg(md5sum / 1e9, 0, 'f', 3);
        out.flush();
        keepBest(bestCheck, checked);
        keepBest(bestMd5sumBoth, md5sum);
    }

    const double mib = double(objects * mibEach);
    out << QStringLiteral("%1 objects of %2 MiB, best of %3 rounds\n").arg(objects).arg(mibEach).arg(rounds);
    out << QStringLiteral("verification scan %1 s (%2 MiB/s), md5sum %3 s (%4 MiB/s): %5x\n")
               .arg(bestScan / 1e9, 0, 'f', 3)
               .arg(mib / (bestScan / 1e9), 0, 'f', 0)
               .arg(bestMd5sum / 1e9, 0, 'f', 3)
               .arg(mib / (bestMd5sum / 1e9), 0, 'f', 0)
               .arg(double(bestScan) / double(bestMd5sum), 0, 'f', 2);
    out << QStringLiteral("backup %1 s, cp -p %2 s: %3x\n")
               .arg(bestBackup / 1e9, 0, 'f', 3)
               .arg(bestCp / 1e9, 0, 'f', 3)
               .arg(double(bestBackup) / double(bestCp), 0, 'f', 2);
    out << QStringLiteral("backup %1 s, cp -p and sync %2 s: %3x\n")
               .arg(bestBackup / 1e9, 0, 'f', 3)
               .arg(bestCpSync / 1e9, 0, 'f', 3)
               .arg(double(bestBackup) / double(bestCpSync), 0, 'f', 2);
    out << QStringLiteral("scan and backup check %1 s, md5sum over both copies %2 s: %3x\n")
               .arg(bestCheck / 1e9, 0, 'f', 3)
               .arg(bestMd5sumBoth / 1e9, 0, 'f', 3)
               .arg(double(bestCheck) / double(bestMd5sumBoth), 0, 'f', 2);
    // What each side costs whatever the other programs on the machine take: with both cores free the
    // check can take half its CPU time.
    const double both = 2 * mib * rounds;
    out << QStringLiteral("MiB per CPU second: scan and backup check %1, md5sum %2\n")
               .arg(both / checkCpu, 0, 'f', 0)
               .arg(both / md5sumCpu, 0, 'f', 0);
    return 0;
}
