// The box info pass over a synthetic photo box, beside the catalogue load of the same entries.
// Usage: bench_boxinfo [entries] (default 1000000).

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

#include "basefolder.h"
#include "boxinforun.h"
#include "photobox.h"

namespace {

const int NAMES_PER_LEVEL = 26 * 26;

QString twoLetters(int index)
{
    return QString(QChar('a' + index / 26)) + QChar('a' + index % 26);
}

// Groups of up to five around a prime, some described, some new; a session per 500 objects.
QString entryLine(QRandomGenerator &random, const QString &remark, const QString &prime, int session)
{
    static const QStringList captions = {QStringLiteral("unknown,unknown"), QStringLiteral("Sunset at the lake,Ann"),
                                         QString::fromUtf8("Москва ночью,Пётр")};
    const QString keywords = random.bounded(3) == 0 ? QStringLiteral("unknown") : QStringLiteral("abcd,qwer");
    const QString date = QStringLiteral("%1.%2.%3")
                             .arg(1 + random.bounded(28), 2, 10, QLatin1Char('0'))
                             .arg(1 + random.bounded(12), 2, 10, QLatin1Char('0'))
                             .arg(1990 + random.bounded(35));
    return QStringList({QString::number(session), remark, prime, QStringLiteral("0123456789abcdef0123456789abcdef"),
                        QString::number(random.bounded(3)), QString::number(random.bounded(1u << 28)), keywords,
                        QStringLiteral("IMG_0001.JPG"), captions.at(random.bounded(captions.size())), date})
        .join(QLatin1Char('~'));
}

// Full abc files of 676 entries, first-level folders filled in order.
bool generateBox(const QString &boxPath, int entries)
{
    QRandomGenerator random(20261207);
    int written = 0;
    for (int first = 0; written < entries && first < NAMES_PER_LEVEL; ++first) {
        for (int second = 0; written < entries && second < NAMES_PER_LEVEL; ++second) {
            const QString rema = twoLetters(first) + twoLetters(second);
            const QString folder = boxPath + QLatin1Char('/') + rema.left(2) + QLatin1Char('/') + rema.mid(2);
            QDir().mkpath(folder);
            QFile file(folder + QStringLiteral("/abc"));
            if (!file.open(QIODevice::WriteOnly))
                return false;
            QString text;
            const int inFile = qMin(NAMES_PER_LEVEL, entries - written);
            for (int key = 0; key < inFile; ++key) {
                const QString prime = rema + twoLetters(key - key % 5);
                text += entryLine(random, rema + twoLetters(key), prime, 1 + written / 500) + QLatin1Char('\n');
                ++written;
            }
            if (file.write(text.toUtf8()) < 0)
                return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int entries = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 1000000;
    if (entries <= 0 || entries > NAMES_PER_LEVEL * NAMES_PER_LEVEL * 4) {
        std::fprintf(stderr, "usage: bench_boxinfo [entries]\n");
        return 2;
    }
    QTemporaryDir dir;
    if (!dir.isValid() || !generateBox(dir.path() + QStringLiteral("/base/photo"), entries))
        return 1;

    // Best of three for each, on a shared machine; the first load warms the page cache.
    const int runs = 3;
    qint64 loadTime = 0;
    qint64 infoTime = 0;
    int counted = 0;
    QElapsedTimer timer;
    for (int run = 0; run <= runs; ++run) {
        std::unique_ptr<BaseFolder> base(new BaseFolder(dir.path(), QStringLiteral("base")));
        timer.start();
        auto box = new PhotoBox(QStringLiteral("photo"), base.get());
        const qint64 load = timer.nsecsElapsed();
        box->setCategoryLabels();
        BoxInfoRun info(box);
        timer.restart();
        info.run();
        const qint64 pass = timer.nsecsElapsed();
        counted = info.remarkCount();
        if (run == 0)
            continue;
        loadTime = run == 1 ? load : qMin(loadTime, load);
        infoTime = run == 1 ? pass : qMin(infoTime, pass);
        if (run == runs) {
            std::printf("sessions %d, without category %d, keywords %d, caption %d\n", int(info.sessions().size()),
                        info.withoutCategory(), info.withoutKeywords(), info.withoutCaption());
        }
    }
    std::printf("load      %9d entries in %7.3f s\n", entries, loadTime / 1e9);
    std::printf("box info  %9d entries in %7.3f s  (%.2f x load)\n", counted, infoTime / 1e9,
                double(infoTime) / double(loadTime));
    return counted == entries ? 0 : 1;
}
