// One search as the search frame runs it (memorize, mark every entry of the box, match, unmark) over a
// box on disk, beside the bare selector pass over the same entries in the same run.
// Usage: bench_search [entries] (default 1000000).

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QStringList>
#include <QTemporaryDir>
#include <QVector>

#include <cstdio>
#include <memory>

#include "anybox.h"
#include "basefolder.h"
#include "category.h"
#include "constants.h"
#include "entry.h"
#include "photobox.h"
#include "selectionpass.h"
#include "selector.h"

namespace {

QString remarkOf(int index)
{
    QString remark(6, QLatin1Char('a'));
    for (int i = 5; i >= 0; --i) {
        remark[i] = QLatin1Char(char('a' + index % 26));
        index /= 26;
    }
    return remark;
}

QString keyOf(int index)
{
    return remarkOf(index).right(4);
}

// The same kind of photos as bench_selector: one in ten resembles an earlier prime; keys, captions and
// dates repeat as they do in a real collection. Each run of 676 remarks fills one catalogue file.
bool writeBox(const QString &boxPath, int count)
{
    QRandomGenerator random(20260101);
    const QStringList titles = {"Red Sea",  "Harbour",   "Old town", "Sea gulls", "Mountains", "unknown",
                                "Birthday", "Dead sea",  "Garden",   "Station",   "Lake",      "Market"};
    const QStringList authors = {"John", "Anna", "unknown", "Peter", "Maria"};
    const QDate firstDay(2000, 1, 1);
    QString lastPrime = remarkOf(0);
    QByteArray text;
    QString rema;
    const auto flush = [&]() {
        if (rema.isEmpty())
            return true;
        const QString folder = boxPath + QLatin1Char('/') + rema.left(2) + QLatin1Char('/') + rema.mid(2);
        QFile file(folder + QStringLiteral("/abc"));
        const bool ok = QDir().mkpath(folder) && file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
        text.clear();
        return ok;
    };
    for (int i = 0; i < count; ++i) {
        const QString remark = remarkOf(i);
        if (remark.left(4) != rema) {
            if (!flush())
                return false;
            rema = remark.left(4);
        }
        const bool member = i > 0 && random.bounded(10) == 0;
        if (!member)
            lastPrime = remark;
        const unsigned present = random.bounded(512u);
        const unsigned major = present & random.bounded(512u);
        const unsigned value = Category::categoryValue(present, major, random.bounded(2u), random.bounded(4u),
                                                       random.bounded(4u), random.bounded(16u), random.bounded(2u));
        QStringList keys;
        const int keyCount = random.bounded(5);
        for (int k = 0; k < keyCount; ++k)
            keys << keyOf(random.bounded(300));
        const QStringList fields = {
            QString::number(1 + random.bounded(500)), remark, member ? lastPrime : remark,
            QStringLiteral("9e107d9d372bb6826bd81d3542a419d6"),
            QString::number(random.bounded(4) == 0 ? 1 + random.bounded(3) : 0), QString::number(value),
            keys.isEmpty() ? QStringLiteral("unknown") : keys.join(QLatin1Char(',')),
            QStringLiteral("IMG_%1.JPG").arg(i),
            titles.at(random.bounded(titles.size())) + QLatin1Char(',') + authors.at(random.bounded(authors.size())),
            firstDay.addDays(random.bounded(7300)).toString(QStringLiteral("dd.MM.yyyy"))};
        text += fields.join(SIGN_INV).toUtf8();
        text += '\n';
    }
    return flush();
}

struct Timing
{
    double bare = 0;
    double pass = 0;
    int bareFound = 0;
    int passFound = 0;
};

// Best of three for each; the machine is shared.
Timing measure(AnyBox *box, const QVector<const Entry *> &entries, const Selector &selector)
{
    Timing timing;
    SelectionPass pass;
    for (int run = 0; run < 3; ++run) {
        QElapsedTimer timer;
        timer.start();
        int found = 0;
        for (const Entry *entry : entries) {
            if (selector.match(entry))
                ++found;
        }
        const double bare = timer.nsecsElapsed() / 1e9;
        timing.bare = run == 0 ? bare : qMin(timing.bare, bare);
        timing.bareFound = found;

        box->unmarkAllEntries();
        timer.restart();
        timing.passFound = pass.search(box, 0, true, selector);
        const double frame = timer.nsecsElapsed() / 1e9;
        timing.pass = run == 0 ? frame : qMin(timing.pass, frame);
    }
    box->unmarkAllEntries();
    return timing;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 1000000;
    QTemporaryDir dir;
    if (count <= 0 || !dir.isValid()) {
        std::fprintf(stderr, "usage: bench_search [entries]\n");
        return 1;
    }
    QElapsedTimer timer;
    timer.start();
    if (!writeBox(dir.path() + QStringLiteral("/base/") + NAME_PHOTO, count)) {
        std::fprintf(stderr, "cannot write the box\n");
        return 1;
    }
    std::unique_ptr<BaseFolder> base(new BaseFolder(dir.path(), QStringLiteral("base")));
    auto box = new PhotoBox(NAME_PHOTO, base.get());
    box->setCategoryLabels();
    std::printf("box of %u entries written and opened in %.1f s\n", box->getCount(), timer.nsecsElapsed() / 1e9);

    // The bare pass walks the same entries in the box's own memory.
    box->markAllEntries(0);
    QVector<const Entry *> entries;
    entries.reserve(count);
    for (const Entry *entry : box->markedEntries(0))
        entries.append(entry);
    box->unmarkAllEntries();

    const Category category = box->category();
    const QString format = box->dateFormat();
    const struct
    {
        const char *label;
        Selector selector;
    } searches[] = {
        // A typical search: a category, two keyword expressions, a date range and a caption.
        {"typical", Selector("", "+water-Sky,outside", "+aabc-aacd,+aaef+aagh", "01.01.2010-31.12.2015", "", "",
                             "sea", category, format)},
        // Loose enough that most primes reach the last test and stay marked.
        {"broad", Selector("", "-Sky", "-aacd,+aaef", "01.01.2001-...", "", "", "a", category, format)},
    };
    int status = 0;
    for (const auto &search : searches) {
        const Timing t = measure(box, entries, search.selector);
        std::printf("%-8s bare selector pass %.3f s (%d matched), frame's search %.3f s (%d found), ratio %.2f\n",
                    search.label, t.bare, t.bareFound, t.pass, t.passFound, t.pass / t.bare);
        if (t.bareFound != t.passFound)
            status = 1;
    }
    return status;
}
