// Times a restore of JPEG objects with their descriptions written into the copies against the same
// restore of plain copies, in the same run, each into an empty folder after a sync. The description's cost is the
// difference, exiftool's start-up included (the first round also asks exiftool once which formats it
// writes; later rounds know it).
//
//   bench_metadata [OBJECTS [ROUNDS]]      defaults: 200 objects, 3 rounds

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>

#include "anybox.h"
#include "basefolder.h"
#include "benchsupport.h"
#include "constants.h"
#include "metadatawriter.h"
#include "mysettings.h"
#include "restorerun.h"
#include "unittree.h"

static bool writeText(const QString &path, const QString &text)
{
    QFile file(path);
    const QByteArray bytes = text.toUtf8();
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// A photo of camera-like size for a web gallery: 1600 x 1200, its picture depending on the seed.
static bool makePhoto(const QString &path, int seed)
{
    QImage image(1600, 1200, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = qRgb((x + seed * 7) % 256, (y + seed * 13) % 256, (x * y + seed) % 256);
    }
    return image.save(path, "JPG", 85);
}

// Each side starts with nothing of the other waiting to be written to the disk.
static void sync()
{
    QProcess process;
    process.start(QStringLiteral("sync"), QStringList());
    process.waitForFinished(-1);
}

int main(int argc, char *argv[])
{
    BenchSupport::useOffscreenPlatform();
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int objects = args.size() > 1 ? args.at(1).toInt() : 200;
    const int rounds = args.size() > 2 ? args.at(2).toInt() : 3;
    QTextStream out(stdout);

    const QString program = MetadataWriter::findProgram(QStringLiteral("exiftool"));
    if (program.isEmpty()) {
        out << "no exiftool\n";
        return 1;
    }
    QTemporaryDir dir;
    QString basePath;
    const std::unique_ptr<MySettings> settings = BenchSupport::baseSettings(dir.path(), &basePath);

    const QString boxPath = basePath + QLatin1Char('/') + NAME_PHOTO;
    QMap<QString, QStringList> abcLines;
    qint64 bytes = 0;
    for (int i = 0; i < objects; ++i) {
        QString rema;
        QString rk;
        const QString path = BenchSupport::objectPlace(boxPath, i, &rema, &rk);
        if (!makePhoto(path, i)) {
            out << "cannot write " << path << "\n";
            return 1;
        }
        bytes += QFileInfo(path).size();
        abcLines[QFileInfo(path).path()] << QStringLiteral("1~%1~%1~0123456789abcdef0123456789abcdef~0~0~aqmz,abde~IMG_%2.jpg~"
                                           "Ærøskøbing – “citron” %2,Smith; John~10.07.2021")
                                .arg(rema + rk)
                                .arg(i);
    }
    for (auto it = abcLines.constBegin(); it != abcLines.constEnd(); ++it)
        writeText(it.key() + QLatin1Char('/') + NAME_ABC_FILE, it.value().join(QLatin1Char('\n')) + QLatin1Char('\n'));
    writeText(basePath + QLatin1Char('/') + NAME_WRD_FILE,
              QStringLiteral("aqmz~sea~ocean~\nabde~море~волны~\n"));

    UnitTree tree(settings.get());
    auto box = dynamic_cast<AnyBox *>(tree.baseFolder()->unit(NAME_PHOTO));
    if (!box) {
        out << "no photo box\n";
        return 1;
    }
    box->markAllEntries(0);
    out << QStringLiteral("%1 JPEG objects, %2 MiB, %3\n")
               .arg(objects)
               .arg(double(bytes) / 1048576.0, 0, 'f', 1)
               .arg(program);

    qint64 bestPlain = -1;
    qint64 bestDescribed = -1;
    for (int round = 0; round < rounds; ++round) {
        const QString plainDir = dir.path() + QStringLiteral("/plain%1").arg(round);
        const QString describedDir = dir.path() + QStringLiteral("/described%1").arg(round);
        QDir().mkpath(plainDir);
        QDir().mkpath(describedDir);

        sync();
        QElapsedTimer clock;
        clock.start();
        RestoreRun plain(box, plainDir);
        plain.run();
        const qint64 plainNs = clock.nsecsElapsed();

        sync();
        clock.restart();
        RestoreRun described(box, describedDir);
        described.setMetadataProgram(program);
        described.run();
        const qint64 describedNs = clock.nsecsElapsed();
        if (plain.restoredCount() != objects || described.describedCount() != objects) {
            out << QStringLiteral("only %1 plain copies and %2 described of %3\n")
                       .arg(plain.restoredCount())
                       .arg(described.describedCount())
                       .arg(objects);
            return 1;
        }
        out << QStringLiteral("round %1: plain %2 s, described %3 s, the description adds %4 s\n")
                   .arg(round + 1)
                   .arg(plainNs / 1e9, 0, 'f', 3)
                   .arg(describedNs / 1e9, 0, 'f', 3)
                   .arg((describedNs - plainNs) / 1e9, 0, 'f', 3);
        out.flush();
        bestPlain = bestPlain < 0 ? plainNs : std::min(bestPlain, plainNs);
        bestDescribed = bestDescribed < 0 ? describedNs : std::min(bestDescribed, describedNs);
        QDir(plainDir).removeRecursively();
        QDir(describedDir).removeRecursively();
    }
    out << QStringLiteral("best: plain %1 s, described %2 s, the description adds %3 s per %4 copies\n")
               .arg(bestPlain / 1e9, 0, 'f', 3)
               .arg(bestDescribed / 1e9, 0, 'f', 3)
               .arg((bestDescribed - bestPlain) / 1e9, 0, 'f', 3)
               .arg(objects);
    return 0;
}
