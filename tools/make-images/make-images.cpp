// Draws Tessary's own artwork: the splash picture, the picture of the about box and the window icon.
// The motif is a small mosaic of four tiles, one colour for each kind of media (photos, books,
// video, music). Usage: make-images <output folder>; run it with QT_QPA_PLATFORM=offscreen.
// The output is deterministic and is committed, so the program is run only when the artwork changes.

#include <QByteArray>
#include <QColor>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTextStream>
#include <QVector>
#include <cmath>

namespace {

// One colour for each kind of media, in the order photos, books, video, music.
const QColor kTileColours[4] = {QColor(0xf0, 0x9a, 0x24), QColor(0xd6, 0x4b, 0x4b),
                                QColor(0x1f, 0xa8, 0x8e), QColor(0x3c, 0x7c, 0xdc)};
const QColor kNightTop(0x10, 0x1d, 0x30);
const QColor kNightBottom(0x1c, 0x33, 0x52);
const QColor kBand(0x0a, 0x12, 0x1f);
const char *const kFamily = "DejaVu Sans";

// A small linear congruential generator, so that the scattered tiles are the same on every run.
class Dice {
public:
    explicit Dice(quint32 seed) : state(seed) {}
    double next()
    {
        state = state * 1664525u + 1013904223u;
        return double(state >> 8) / double(1u << 24);
    }

private:
    quint32 state;
};

void fillTile(QPainter &p, const QRectF &r, qreal radius, const QColor &colour)
{
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0.0, colour.lighter(122));
    g.setColorAt(1.0, colour.darker(112));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(r, radius, radius);
}

// White symbols on the four tiles of the large mark: a landscape, an open book, a play sign, a note.
void drawGlyph(QPainter &p, int kind, const QRectF &r)
{
    const qreal s = r.width();
    const QPointF c = r.center();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 235));
    switch (kind) {
    case 0: { // photo: sun above two hills
        p.drawEllipse(QPointF(c.x() + 0.18 * s, c.y() - 0.17 * s), 0.09 * s, 0.09 * s);
        QPainterPath hills;
        hills.moveTo(c.x() - 0.32 * s, c.y() + 0.24 * s);
        hills.lineTo(c.x() - 0.10 * s, c.y() - 0.08 * s);
        hills.lineTo(c.x() + 0.04 * s, c.y() + 0.10 * s);
        hills.lineTo(c.x() + 0.14 * s, c.y() + 0.00 * s);
        hills.lineTo(c.x() + 0.32 * s, c.y() + 0.24 * s);
        hills.closeSubpath();
        p.drawPath(hills);
        break;
    }
    case 1: { // book: two open pages
        QPainterPath left;
        left.moveTo(c.x() - 0.02 * s, c.y() - 0.14 * s);
        left.cubicTo(c.x() - 0.12 * s, c.y() - 0.22 * s, c.x() - 0.24 * s, c.y() - 0.22 * s,
                     c.x() - 0.32 * s, c.y() - 0.18 * s);
        left.lineTo(c.x() - 0.32 * s, c.y() + 0.22 * s);
        left.cubicTo(c.x() - 0.24 * s, c.y() + 0.18 * s, c.x() - 0.12 * s, c.y() + 0.18 * s,
                     c.x() - 0.02 * s, c.y() + 0.26 * s);
        left.closeSubpath();
        p.drawPath(left);
        QTransform mirror;
        mirror.translate(2 * c.x(), 0);
        mirror.scale(-1, 1);
        p.drawPath(mirror.map(left));
        break;
    }
    case 2: { // video: a play sign
        QPainterPath play;
        play.moveTo(c.x() - 0.15 * s, c.y() - 0.24 * s);
        play.lineTo(c.x() + 0.25 * s, c.y());
        play.lineTo(c.x() - 0.15 * s, c.y() + 0.24 * s);
        play.closeSubpath();
        p.drawPath(play);
        break;
    }
    default: { // music: an eighth note
        const QPointF head(c.x() - 0.08 * s, c.y() + 0.17 * s);
        p.save();
        p.translate(head);
        p.rotate(-20);
        p.drawEllipse(QPointF(0, 0), 0.13 * s, 0.095 * s);
        p.restore();
        const qreal stemX = head.x() + 0.10 * s;
        p.drawRect(QRectF(stemX, c.y() - 0.28 * s, 0.05 * s, 0.45 * s));
        QPainterPath flag;
        flag.moveTo(stemX + 0.05 * s, c.y() - 0.28 * s);
        flag.cubicTo(stemX + 0.10 * s, c.y() - 0.16 * s, stemX + 0.26 * s, c.y() - 0.14 * s,
                     stemX + 0.16 * s, c.y() + 0.04 * s);
        flag.cubicTo(stemX + 0.20 * s, c.y() - 0.08 * s, stemX + 0.12 * s, c.y() - 0.12 * s,
                     stemX + 0.05 * s, c.y() - 0.14 * s);
        flag.closeSubpath();
        p.drawPath(flag);
        break;
    }
    }
}

// The mark: four tiles in two rows inside the square r, optionally with their symbols.
void drawMark(QPainter &p, const QRectF &r, bool glyphs)
{
    const qreal gap = std::max<qreal>(1.0, r.width() / 14.0);
    const qreal tile = (r.width() - gap) / 2.0;
    const qreal radius = std::max<qreal>(1.0, tile / 5.0);
    for (int i = 0; i < 4; ++i) {
        const QRectF t(r.left() + (i % 2) * (tile + gap), r.top() + (i / 2) * (tile + gap), tile, tile);
        fillTile(p, t, radius, kTileColours[i]);
        if (glyphs)
            drawGlyph(p, i, t);
    }
}

QImage transparentImage(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// Scattered tesserae that fade out towards the point `clear`, where the name stands.
void scatterTiles(QPainter &p, const QRectF &area, qreal cell, const QPointF &clear, qreal calmRadius,
                  qreal strength, quint32 seed)
{
    Dice dice(seed);
    for (qreal y = area.top(); y + cell <= area.bottom() + 0.5; y += cell) {
        for (qreal x = area.left(); x + cell <= area.right() + 0.5; x += cell) {
            const double roll = dice.next();
            const double pick = dice.next();
            const double shade = dice.next();
            const QPointF centre(x + cell / 2, y + cell / 2);
            const qreal dx = (centre.x() - clear.x()) / 1.6;
            const qreal dy = centre.y() - clear.y();
            const qreal far = std::sqrt(dx * dx + dy * dy);
            const qreal weight = std::clamp((far - calmRadius) / (calmRadius * 1.2), 0.0, 1.0);
            if (roll > 0.25 + 0.7 * weight)
                continue;
            QColor colour = kTileColours[int(pick * 4) % 4];
            colour.setAlphaF(std::clamp(strength * weight * (0.35 + 0.65 * shade), 0.0, 1.0));
            p.setPen(Qt::NoPen);
            p.setBrush(colour);
            const qreal inset = cell * 0.12;
            p.drawRoundedRect(QRectF(x + inset, y + inset, cell - 2 * inset, cell - 2 * inset), cell * 0.18,
                              cell * 0.18);
        }
    }
}

void drawCentredText(QPainter &p, const QString &text, const QFont &font, const QColor &colour, qreal centreX,
                     qreal baseline, const QColor &shadow = QColor())
{
    const QFontMetricsF metrics(font, p.device());
    const qreal left = centreX - metrics.horizontalAdvance(text) / 2.0;
    QPainterPath path;
    path.addText(QPointF(left, baseline), font, text);
    p.setPen(Qt::NoPen);
    if (shadow.isValid()) {
        p.setBrush(shadow);
        p.drawPath(path.translated(0, 2));
    }
    p.setBrush(colour);
    p.drawPath(path);
}

QFont titleFont(qreal pixels, qreal spacing)
{
    QFont font(kFamily);
    font.setPixelSize(int(pixels));
    font.setBold(true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// The pictures carry no words but the program's name: they would stay English in a translated interface.

QImage makeSplash()
{
    const int w = 420, h = 290, band = 40;
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient night(0, 0, 0, h - band);
    night.setColorAt(0.0, kNightTop);
    night.setColorAt(1.0, kNightBottom);
    p.fillRect(QRect(0, 0, w, h - band), night);

    const QPointF heart(w / 2.0, 118);
    QRadialGradient glow(heart, 190);
    glow.setColorAt(0.0, QColor(0x4a, 0x78, 0xb0, 90));
    glow.setColorAt(1.0, QColor(0x4a, 0x78, 0xb0, 0));
    p.fillRect(QRect(0, 0, w, h - band), glow);

    scatterTiles(p, QRectF(3, 3, w - 6, h - band - 6), 18, heart, 95, 0.55, 20240611u);

    drawMark(p, QRectF(w / 2.0 - 30, 46, 60, 60), false);
    drawCentredText(p, QStringLiteral("Tessary"), titleFont(52, 3), Qt::white, w / 2.0, 178,
                    QColor(0, 0, 0, 110));

    // The calm band for the status text, with a thin coloured seam above it.
    p.fillRect(QRect(0, h - band, w, band), kBand);
    QLinearGradient seam(0, 0, w, 0);
    for (int i = 0; i < 4; ++i) {
        QColor c = kTileColours[i];
        c.setAlpha(200);
        seam.setColorAt(i / 3.0, c);
    }
    p.fillRect(QRect(0, h - band - 2, w, 2), seam);
    p.end();
    return image;
}

QImage makeAbout()
{
    const int w = 250, h = 232;
    QImage image = transparentImage(w, h);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    const QRectF card(1, 1, w - 2, h - 2);
    QPainterPath cardPath;
    cardPath.addRoundedRect(card, 18, 18);
    QLinearGradient night(0, 0, 0, h);
    night.setColorAt(0.0, kNightTop);
    night.setColorAt(1.0, kNightBottom);
    p.fillPath(cardPath, night);

    p.save();
    p.setClipPath(cardPath);
    const QPointF heart(w / 2.0, 84);
    QRadialGradient glow(heart, 140);
    glow.setColorAt(0.0, QColor(0x4a, 0x78, 0xb0, 100));
    glow.setColorAt(1.0, QColor(0x4a, 0x78, 0xb0, 0));
    p.fillRect(card, glow);
    scatterTiles(p, card.adjusted(4, 4, -4, -4), 14, QPointF(w / 2.0, 110), 80, 0.45, 7031u);
    p.restore();

    drawMark(p, QRectF(w / 2.0 - 56, 30, 112, 112), true);
    drawCentredText(p, QStringLiteral("Tessary"), titleFont(36, 2), Qt::white, w / 2.0, 194,
                    QColor(0, 0, 0, 110));
    p.end();
    return image;
}

// The window icon at one size: the four tiles, pixel-aligned so that they stay crisp when small.
QImage makeLogo(int size)
{
    QImage image = transparentImage(size, size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const int gap = 2;
    const int tile = (size - 2 * (size >= 32 ? size / 16 : 0) - gap) / 2;
    const int margin = (size - 2 * tile - gap) / 2;
    const qreal radius = std::max(1.0, tile / 5.0);
    for (int i = 0; i < 4; ++i) {
        const QRectF t(margin + (i % 2) * (tile + gap), margin + (i / 2) * (tile + gap), tile, tile);
        fillTile(p, t, radius, kTileColours[i]);
        if (size >= 48)
            drawGlyph(p, i, t);
    }
    p.end();
    return image;
}

// One icon entry in the classic form: a 32-bit BGRA bitmap, bottom row first, and its AND mask.
QByteArray iconBitmap(const QImage &source)
{
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int w = image.width(), h = image.height();
    const int maskStride = ((w + 31) / 32) * 4;
    QByteArray data;
    QDataStream out(&data, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint32(40) << qint32(w) << qint32(2 * h) << quint16(1) << quint16(32) << quint32(0)
        << quint32(w * h * 4 + maskStride * h) << qint32(0) << qint32(0) << quint32(0) << quint32(0);
    for (int y = h - 1; y >= 0; --y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < w; ++x)
            out << quint8(qBlue(line[x])) << quint8(qGreen(line[x])) << quint8(qRed(line[x]))
                << quint8(qAlpha(line[x]));
    }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(maskStride, '\0');
        const QRgb *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < w; ++x)
            if (qAlpha(line[x]) == 0)
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        out.writeRawData(row.constData(), row.size());
    }
    return data;
}

bool writeIco(const QString &fileName, const QVector<QImage> &images)
{
    QVector<QByteArray> bitmaps;
    for (const QImage &image : images)
        bitmaps << iconBitmap(image);
    QByteArray data;
    QDataStream out(&data, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(images.size());
    quint32 offset = 6 + 16 * quint32(images.size());
    for (int i = 0; i < images.size(); ++i) {
        out << quint8(images[i].width() % 256) << quint8(images[i].height() % 256) << quint8(0) << quint8(0)
            << quint16(1) << quint16(32) << quint32(bitmaps[i].size()) << quint32(offset);
        offset += quint32(bitmaps[i].size());
    }
    for (const QByteArray &bitmap : bitmaps)
        out.writeRawData(bitmap.constData(), bitmap.size());
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc != 2) {
        err << "usage: make-images <output folder>\n";
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    bool ok = makeSplash().save(dir.filePath(QStringLiteral("splash_420x290.png")), "PNG");
    ok = makeAbout().save(dir.filePath(QStringLiteral("about_250x232.png")), "PNG") && ok;
    ok = writeIco(dir.filePath(QStringLiteral("tessary_logo2.ico")), {makeLogo(16), makeLogo(32), makeLogo(48)})
         && ok;
    if (!ok) {
        err << "make-images: could not write into " << dir.absolutePath() << "\n";
        return 1;
    }
    return 0;
}
