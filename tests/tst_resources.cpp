// The images of the main window, the settings dialog and the splash are compiled into the program:
// each one loads from its resource path, has its size and shows a picture (not a blank square).

#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QSet>
#include <QSize>
#include <QtTest>

namespace {

struct Shape {
    int colours = 0;       // distinct ARGB values
    int visible = 0;       // pixels with at least half opacity
    int pixels = 0;
};

Shape shapeOf(const QImage &source)
{
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    Shape shape;
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            colours.insert(line[x]);
            if (qAlpha(line[x]) >= 128)
                ++shape.visible;
        }
    }
    shape.colours = colours.size();
    shape.pixels = image.width() * image.height();
    return shape;
}

} // namespace

class TestResources : public QObject {
    Q_OBJECT

private slots:
    void pictures_data();
    void pictures();
    void prefixForms();
    void splashBandIsCalmAndDark();
    void windowIcon();
};

void TestResources::pictures_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    const QSize icon(32, 32);
    const char *const icons[] = {
        "spanner.png", "about.png", "quit.png", "photo_32x32.png", "book_32x32.png", "video_32x32.png",
        "music_32x32.png", "rejection_32x32.png", "arrangement_32x32.png", "select_32x32.png",
        "template_32x32.png", "select_category_32x32.png", "select_keyword_32x32.png",
        "select_title_32x32.png", "display_32x32.png", "similar_32x32.png", "edit_32x32.png", "prn_32x32.png",
        "usb_32x32.png", "fill_all_32x32.png", "fill_category_32x32.png", "fill_keyword_32x32.png",
        "fill_title_32x32.png", "check_32x32.png", "info_32x32.png", "restore_32x32.png", "fill_32x32.png"};
    for (const char *name : icons)
        QTest::newRow(name) << QStringLiteral(":/img/%1").arg(QLatin1String(name)) << icon;
    QTest::newRow("about_250x232.png") << QStringLiteral(":/img/about_250x232.png") << QSize(250, 232);
    QTest::newRow("splash_420x290.png") << QStringLiteral(":/img/splash_420x290.png") << QSize(420, 290);
}

void TestResources::pictures()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    QVERIFY2(QFile::exists(path), qPrintable(path));
    const QImage image(path);
    QVERIFY2(!image.isNull(), qPrintable(path));
    QCOMPARE(image.size(), size);
    const Shape shape = shapeOf(image);
    QVERIFY2(shape.colours > 3, qPrintable(QStringLiteral("%1 has %2 colours").arg(path).arg(shape.colours)));
    // Not transparent and not a mere speck: at least a tenth of the picture is drawn.
    QVERIFY2(shape.visible * 10 >= shape.pixels,
             qPrintable(QStringLiteral("%1 shows %2 of %3 pixels").arg(path).arg(shape.visible).arg(shape.pixels)));
    // The icon loads as well, at its own size.
    const QIcon icon(path);
    QVERIFY(!icon.isNull());
    QVERIFY(!icon.pixmap(size).isNull());
}

void TestResources::prefixForms()
{
    // The code names its pictures in both forms, with and without the slash after the colon.
    QVERIFY(!QImage(QStringLiteral(":img/spanner.png")).isNull());
    QVERIFY(!QImage(QStringLiteral(":img/splash_420x290.png")).isNull());
    QVERIFY(!QImage(QStringLiteral(":/img/spanner.png")).isNull());
    QCOMPARE(QImage(QStringLiteral(":img/quit.png")), QImage(QStringLiteral(":/img/quit.png")));
}

void TestResources::splashBandIsCalmAndDark()
{
    // White status text is written over the bottom of the splash.
    const QImage splash = QImage(QStringLiteral(":/img/splash_420x290.png")).convertToFormat(QImage::Format_ARGB32);
    QVERIFY(!splash.isNull());
    for (int y = splash.height() - 36; y < splash.height(); ++y) {
        for (int x = 0; x < splash.width(); ++x) {
            const QColor c = QColor::fromRgba(splash.pixel(x, y));
            QCOMPARE(c.alpha(), 255);
            QVERIFY2(c.lightness() < 80, qPrintable(QStringLiteral("pixel %1,%2 too light").arg(x).arg(y)));
        }
    }
}

void TestResources::windowIcon()
{
    const QString path = QStringLiteral(":/img/tessary_logo2.ico");
    QVERIFY(QFile::exists(path));
    QImageReader reader(path);
    QVERIFY2(reader.canRead(), qPrintable(reader.errorString()));
    QSet<int> sides;
    int count = 0;
    do {
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(image.width(), image.height());
        sides.insert(image.width());
        const Shape shape = shapeOf(image);
        QVERIFY(shape.colours > 3);
        QVERIFY(shape.visible * 2 >= shape.pixels);
        QVERIFY(shape.visible < shape.pixels || image.width() == 16); // corners stay transparent
        ++count;
    } while (reader.jumpToNextImage() && count < 16);
    QVERIFY(sides.contains(16));
    QVERIFY(sides.contains(32));

    const QIcon icon(path);
    QVERIFY(!icon.isNull());
    const QList<QSize> sizes = icon.availableSizes();
    QVERIFY(sizes.contains(QSize(16, 16)));
    QVERIFY(sizes.contains(QSize(32, 32)));
}

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
