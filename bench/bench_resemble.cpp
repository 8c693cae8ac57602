// Grouping in a large photo box through the run the resemble frame uses: collecting the marked objects
// with their groups, then one Apply that joins every marked object into one group.
// Usage: bench_resemble [abc files] [entries per file] [marked] (default 100 676 200).

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QRandomGenerator>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

#include "basefolder.h"
#include "constants.h"
#include "entry.h"
#include "myabcfile.h"
#include "photobox.h"
#include "resemblerun.h"

namespace {

QString twoLetters(int n)
{
    return QString(QLatin1Char(char('a' + n / 26))) + QLatin1Char(char('a' + n % 26));
}

// Catalogue files of new objects: each its own prime.
bool writeBox(const QString &boxPath, int files, int perFile)
{
    for (int f = 0; f < files; ++f) {
        const QString rema = twoLetters(f / 676) + twoLetters(f % 676);
        const QString folder = boxPath + QLatin1Char('/') + rema.left(2) + QLatin1Char('/') + rema.mid(2);
        if (!QDir().mkpath(folder))
            return false;
        QByteArray text;
        for (int e = 0; e < perFile; ++e) {
            const QString remark = rema + twoLetters(e);
            text += QStringLiteral("1~%1~%1~d41d8cd98f00b204e9800998ecf8427e~0~0~unknown~IMG.JPG~unknown,unknown~"
                                   "10.07.2021\n")
                        .arg(remark)
                        .toUtf8();
        }
        QFile file(folder + QStringLiteral("/abc"));
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int files = args.size() > 1 ? args.at(1).toInt() : 100;
    const int perFile = args.size() > 2 ? qBound(1, args.at(2).toInt(), 676) : 676;
    const int marked = args.size() > 3 ? args.at(3).toInt() : 200;

    QTemporaryDir dir;
    const QString boxPath = dir.path() + QStringLiteral("/base/") + NAME_PHOTO;
    if (!dir.isValid() || !writeBox(boxPath, files, perFile)) {
        std::fprintf(stderr, "cannot write the box\n");
        return 1;
    }
    auto base = std::make_unique<BaseFolder>(dir.path() + QLatin1Char('/'), QStringLiteral("base"));
    QElapsedTimer clock;
    clock.start();
    auto box = new PhotoBox(NAME_PHOTO, base.get());
    const qint64 openMs = clock.restart();

    // Marked objects spread over the whole box.
    QRandomGenerator random(20240601);
    const QList<MyAbcFile *> abcFiles = box->findChildren<MyAbcFile *>();
    for (int i = 0; i < marked && !abcFiles.isEmpty(); ++i) {
        MyAbcFile *file = abcFiles.at(int(random.bounded(quint32(abcFiles.size()))));
        file->markEntry(file->getEntry(twoLetters(int(random.bounded(quint32(perFile))))), 0);
    }
    clock.restart();
    ResembleRun run(box);
    const qint64 collectMs = clock.restart();
    for (int row = 0; row < run.rowCount(); ++row)
        run.pressAdd(row);
    const qint64 buildMs = clock.restart();
    const bool applied = run.apply();
    const qint64 applyMs = clock.restart();
    run.finish();

    std::printf("entries %d, listed %d: open %lld ms, collect %lld ms, group %lld ms, apply %lld ms (%s)\n",
                files * perFile, run.rowCount(), static_cast<long long>(openMs), static_cast<long long>(collectMs),
                static_cast<long long>(buildMs), static_cast<long long>(applyMs), applied ? "stored" : "FAILED");
    return applied ? 0 : 1;
}
