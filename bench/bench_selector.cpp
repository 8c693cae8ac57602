// Matches selectors against a large box held in memory and prints how many entries a second one
// full pass covers. Usage: bench_selector [entries] (default 1000000).

#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QStringList>
#include <QTextStream>
#include <QVector>

#include <cstdio>

#include "category.h"
#include "constants.h"
#include "entry.h"
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

// A box of photos: one in ten resembles an earlier prime; keys, captions and dates repeat as they
// do in a real collection.
QVector<Entry> makeBox(int count)
{
    QRandomGenerator random(20260101);
    const QStringList titles = {"Red Sea",  "Harbour",   "Old town", "Sea gulls", "Mountains", "unknown",
                                "Birthday", "Dead sea",  "Garden",   "Station",   "Lake",      "Market"};
    const QStringList authors = {"John", "Anna", "unknown", "Peter", "Maria"};
    const QDate firstDay(2000, 1, 1);
    QVector<Entry> box;
    box.reserve(count);
    QString lastPrime = remarkOf(0);
    for (int i = 0; i < count; ++i) {
        const QString remark = remarkOf(i);
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
        const QString keywords = keys.isEmpty() ? QStringLiteral("unknown") : keys.join(QLatin1Char(','));
        const QString title = titles.at(random.bounded(titles.size())) + QLatin1Char(',')
            + authors.at(random.bounded(authors.size()));
        const QString date = firstDay.addDays(random.bounded(7300)).toString(QStringLiteral("dd.MM.yyyy"));
        const QStringList fields = {QString::number(1 + random.bounded(500)),
                                    remark,
                                    member ? lastPrime : remark,
                                    QStringLiteral("9e107d9d372bb6826bd81d3542a419d6"),
                                    QString::number(random.bounded(4) == 0 ? 1 + random.bounded(3) : 0),
                                    QString::number(value),
                                    keywords,
                                    QStringLiteral("IMG_%1.JPG").arg(i),
                                    title,
                                    date};
        box.append(Entry(fields.join(SIGN_INV)));
    }
    return box;
}

void run(const char *label, const Selector &selector, const QVector<Entry> &box)
{
    double best = 0;
    int found = 0;
    for (int pass = 0; pass < 3; ++pass) {
        QElapsedTimer timer;
        timer.start();
        found = 0;
        for (const Entry &entry : box) {
            if (selector.match(&entry))
                ++found;
        }
        const double seconds = timer.nsecsElapsed() / 1e9;
        if (pass == 0 || seconds < best)
            best = seconds;
    }
    std::printf("%-10s %d entries, %d matched, best pass %.3f s, %.0f entries per second\n", label, box.size(),
                found, best, box.size() / best);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 1000000;
    if (count <= 0) {
        std::fprintf(stderr, "usage: bench_selector [entries]\n");
        return 1;
    }
    QElapsedTimer timer;
    timer.start();
    const QVector<Entry> box = makeBox(count);
    std::printf("built %d entries in %.2f s\n", count, timer.nsecsElapsed() / 1e9);

    const Category category;
    const QString format = QStringLiteral("dd.MM.yyyy");
    // A typical search: a category, two keyword expressions, a date range and a caption.
    const Selector typical("", "+water-Sky,outside", "+aabc-aacd,+aaef+aagh", "01.01.2010-31.12.2015", "", "", "sea",
                           category, format);
    // The same kinds of criteria, loose enough that most primes reach the last test.
    const Selector broad("", "-Sky", "-aacd,+aaef", "01.01.2001-...", "", "", "a", category, format);
    // Every prime matches: the cost of the prime test and field access alone.
    const Selector none("", "", "", "", "", "", "", category, format);
    run("typical", typical, box);
    run("broad", broad, box);
    run("empty", none, box);
    return 0;
}
