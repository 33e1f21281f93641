#include "raster/text.h"
#include "text/qt_text_rasterizer.h"

#include <QFontDatabase>
#include <QtTest>

#include <set>

using namespace ormel;

namespace {

// The smallest rectangle holding every pixel darker than the cut, within the square.
TRect InkBounds(const Raster& bitmap, const TRect& square, int cut = 160)
{
    TRect ink{square.Right, square.Bottom, square.Left, square.Top};
    for (int y = square.Top; y < square.Bottom; ++y)
        for (int x = square.Left; x < square.Right; ++x)
            if (bitmap.pixel(x, y)[0] < cut) {
                ink.Left = std::min(ink.Left, x);
                ink.Top = std::min(ink.Top, y);
                ink.Right = std::max(ink.Right, x + 1);
                ink.Bottom = std::max(ink.Bottom, y + 1);
            }
    return ink;
}

TFontSpec SansFont()
{
    TFontSpec font;
    font.Name = "DejaVu Sans";
    font.Size = 10;
    return font;
}

} // namespace

class TextRasterizerTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(QFontDatabase::families().contains(QStringLiteral("DejaVu Sans")), "DejaVu Sans is not installed");
    }

    void measuresWithTheFontSize()
    {
        QtTextRasterizer rasterizer;
        TFontSpec font = SansFont();
        int width = 0, height = 0;
        rasterizer.Measure(font, "Hello", width, height);
        QVERIFY(width > 20 && width < 50);
        QCOMPARE(height, QFontMetrics(ToQFont(font)).height());
        QCOMPARE(ToQFont(font).pixelSize(), 13); // 10 points at 96 dots per inch

        int wider = 0, taller = 0;
        rasterizer.Measure(font, "Hello Hello", wider, taller);
        QVERIFY(wider > 2 * width);
        QCOMPARE(taller, height);
        font.Size = 26;
        rasterizer.Measure(font, "Hello", wider, taller);
        QVERIFY(wider > 2 * width);
        QVERIFY(taller > 2 * height);
    }

    void drawsBlackTextFromTheTopLeft()
    {
        QtTextRasterizer rasterizer;
        int width = 0, height = 0;
        rasterizer.Measure(SansFont(), "Hello", width, height);
        Raster bitmap(width + 10, height + 10);
        rasterizer.Draw(bitmap, SansFont(), "Hello");
        const TRect ink = InkBounds(bitmap, TRect{0, 0, bitmap.width(), bitmap.height()});
        QVERIFY(ink.Left <= 2);
        QVERIFY(ink.Right <= width + 1);
        QVERIFY(ink.Bottom <= height);
        QCOMPARE(bitmap.pixel(width + 5, height + 5)[0], 255);
    }

    void isTwoLevelWithoutAntialiasingAndGreyWithIt()
    {
        QtTextRasterizer rasterizer;
        Raster sharp, smooth;
        TRect square;
        RenderText(sharp, "Hello", SansFont(), 40, 16, 30, false, square, rasterizer);
        RenderText(smooth, "Hello", SansFont(), 40, 16, 0, true, square, rasterizer);
        std::set<int> levels;
        int greys = 0, darkest = 255;
        for (int y = 0; y < square.Bottom; ++y)
            for (int x = 0; x < 3 * square.Right; ++x) {
                levels.insert(sharp.row(y)[x]);
                const std::uint8_t* p = smooth.row(y) + x / 3 * 3; // grey: all three channels equal
                QVERIFY(p[0] == p[1] && p[0] == p[2]);
                greys += p[0] > 0 && p[0] < 255;
                darkest = std::min<int>(darkest, p[0]);
            }
        QCOMPARE(levels, (std::set<int>{0, 255}));
        QVERIFY(greys > 60);
        QVERIFY(darkest < 64);
    }

};

QTEST_MAIN(TextRasterizerTest)
#include "text_rasterizer_test.moc"
