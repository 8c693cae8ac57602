#include "bigbox.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include "category.h"
#include "constants.h"

namespace BigBox {

namespace {

constexpr int kSessions = 3000;
constexpr int kWords = 300;
constexpr int kGroup = 5;

QString keyOf(int i)
{
    return QStringLiteral("a") + remarkOf(i).right(3);
}

bool writeText(const QString &path, const QByteArray &text)
{
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

QByteArray vocabulary()
{
    QByteArray text;
    for (int w = 0; w < kWords; ++w)
        text += QStringLiteral("%1~word%2~synonym%2~\n").arg(keyOf(w)).arg(w).toUtf8();
    return text;
}

QByteArray sessions(const QString &boxName)
{
    QByteArray text;
    const QDate first(2005, 1, 1);
    for (int s = 1; s <= kSessions; ++s) {
        text += QStringLiteral("%1~%2 12:00:00~%3~Session %1\n")
                    .arg(s)
                    .arg(first.addDays(s * 2).toString(QStringLiteral("dd.MM.yyyy")), boxName)
                    .toUtf8();
    }
    return text;
}

// Field values vary with the object as in a real collection: a few keywords from the vocabulary, captions
// and dates that repeat, some hardcopies, categories of every kind.
QString entryLine(int i, int count)
{
    const QString remark = remarkOf(i);
    const int session = 1 + int(qint64(i) * kSessions / qMax(1, count));
    const unsigned value = Category::categoryValue(unsigned(i * 7) % 512u, unsigned(i * 3) % 64u, unsigned(i) % 2u,
                                                   unsigned(i / 3) % 4u, unsigned(i / 5) % 4u, unsigned(i) % 16u,
                                                   unsigned(i / 7) % 2u);
    QStringList keys;
    for (int k = 0; k < i % 4; ++k)
        keys << keyOf((i * 13 + k * 101) % kWords);
    const QDate day = QDate(2005, 1, 1).addDays(session * 2);
    const QStringList fields = {QString::number(session),
                                remark,
                                remarkOf(i - i % kGroup),
                                QStringLiteral("9e107d9d372bb6826bd81d3542a419d6"),
                                QString::number(i % 10 == 0 ? 1 : 0),
                                QString::number(value),
                                keys.isEmpty() ? QStringLiteral("unknown") : keys.join(QLatin1Char(',')),
                                QStringLiteral("IMG_%1.JPG").arg(i % 10000, 4, 10, QLatin1Char('0')),
                                i % 3 == 0 ? QStringLiteral("unknown,unknown")
                                           : QStringLiteral("Trip %1,Anna").arg(session % 97),
                                day.toString(QStringLiteral("dd.MM.yyyy"))};
    return fields.join(SIGN_INV);
}

} // namespace

QString remarkOf(int i)
{
    QString remark(6, QLatin1Char('a'));
    for (int p = 5; p >= 0; --p) {
        remark[p] = QLatin1Char(char('a' + i % 26));
        i /= 26;
    }
    return remark;
}

bool write(const QString &basePath, int count)
{
    const QString boxPath = basePath + QLatin1Char('/') + NAME_PHOTO;
    if (!writeText(basePath + QLatin1Char('/') + NAME_WRD_FILE, vocabulary())
        || !writeText(basePath + QLatin1Char('/') + NAME_SSS_FILE, sessions(NAME_PHOTO)))
        return false;
    QByteArray text;
    QString rema;
    const auto flush = [&]() {
        const bool ok = rema.isEmpty()
                        || writeText(boxPath + QLatin1Char('/') + rema.left(2) + QLatin1Char('/') + rema.mid(2)
                                         + QStringLiteral("/abc"),
                                     text);
        text.clear();
        return ok;
    };
    for (int i = 0; i < count; ++i) {
        const QString remark = remarkOf(i);
        if (!remark.startsWith(rema) || rema.isEmpty()) {
            if (!flush())
                return false;
            rema = remark.left(4);
        }
        text += entryLine(i, count).toUtf8();
        text += '\n';
    }
    return flush();
}

} // namespace BigBox
