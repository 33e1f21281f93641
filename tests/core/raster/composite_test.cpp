#include "raster/composite.h"
#include "raster/paint.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace ormel {
namespace {

constexpr TColor kMarker = 0x563412; // the bytes 0x56, 0x34, 0x12 of fill()

Raster Canvas(int width, int height)
{
    Raster canvas(width, height);
    canvas.fill(0x56, 0x34, 0x12);
    return canvas;
}

// An opaque true-colour image of one colour.
TIconImage SolidImage(int width, int height, TColor colour = 0x808080)
{
    return test::SolidImage(width, height, Depth24, colour);
}

// True when exactly the pixels of `drawn` differ from the marker.
::testing::AssertionResult DrawnExactly(const Raster& canvas, const TRect& drawn)
{
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x) {
            const bool inside = PointInRect(x, y, drawn);
            if ((PackPixel(canvas.pixel(x, y)) != kMarker) != inside)
                return ::testing::AssertionFailure() << "pixel " << x << "," << y << (inside ? " not drawn" : " drawn");
        }
    return ::testing::AssertionSuccess();
}

TEST(Compositing, BlendsWithAShiftByEightThroughThePalette)
{
    Raster colour(3, 1);
    Raster mask(3, 1);
    for (int x = 0; x < 3; ++x) {
        StorePixel(colour.pixel(x, 0), MakeColor(200, 255, 0));
        mask.pixel(x, 0)[0] = x == 0 ? 0 : x == 1 ? 128 : 255;
    }
    Raster dest(3, 1);
    CompositeOverColor(colour, mask, nullptr, TRect{0, 0, 3, 1}, MakeColor(100, 0, 255), dest);
    EXPECT_EQ(PackPixel(dest.pixel(0, 0)), MakeColor(199, 254, 0));   // 255 x c >> 8
    EXPECT_EQ(PackPixel(dest.pixel(1, 0)), MakeColor(149, 126, 127)); // (127 x c + 128 x b) >> 8
    EXPECT_EQ(PackPixel(dest.pixel(2, 0)), MakeColor(99, 0, 254));

    // Indexed: the red byte is the index (AND the palette size - 1); green and blue are ignored.
    TLogPalette palette;
    palette.palNumEntries = 2;
    palette.palPalEntry[1] = {10, 20, 30, 0};
    StorePixel(colour.pixel(0, 0), MakeColor(3, 77, 99));
    CompositeOverColor(colour, mask, &palette, TRect{0, 0, 1, 1}, 0, dest);
    EXPECT_EQ(PackPixel(dest.pixel(0, 0)), MakeColor(9, 19, 29));
}

TEST(TransparencyGrid, WhiteAtFullStrengthGivesSquaresOf254And219)
{
    Raster bitmap(16, 16);
    DrawTransparencyGrid(TRect{0, 0, 16, 16}, 0xFFFFFF, 0xFFFFFF, bitmap);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            ASSERT_EQ(PackPixel(bitmap.pixel(x, y)), (x / 4 + y / 4) % 2 ? 0xFEFEFEu : 0xDBDBDBu) << x << "," << y;
}

Raster StripCell(const TIconImageArray& images, int index)
{
    Raster canvas = Canvas(200, 80);
    DrawStripCell(canvas, images, index, 0xFFFFFF);
    return canvas;
}

TEST(StripCell, LargeImagesAreFittedKeepingTheirAspect)
{
    const TIconImageArray images{
        SolidImage(96, 64),  // wider: 48 x (64 x 48 div 96) = 48 x 32
        SolidImage(50, 100),
        SolidImage(49, 20)}; // 48 x (20 x 48 div 49) = 48 x 19
    const Raster wider = StripCell(images, 0);
    EXPECT_TRUE(DrawnExactly(wider, TRect{13, 23, 61, 55}));
    EXPECT_EQ(PackPixel(wider.pixel(60, 54)), 0x7F7F7Fu); // no white line from the shrink
    EXPECT_TRUE(DrawnExactly(StripCell(images, 2), TRect{173, 29, 221, 48})); // clipped at x = 200
}

Raster Fitted(int width, int height, const TIconImage& image)
{
    Raster canvas = Canvas(width, height);
    DrawIconImageFitted(image, canvas);
    return canvas;
}

TEST(DrawIconImageFittedTest, CentresSmallImagesAndFitsLargeOnes)
{
    EXPECT_TRUE(DrawnExactly(Fitted(32, 32, SolidImage(16, 8)), TRect{8, 12, 24, 20}));
    EXPECT_TRUE(DrawnExactly(Fitted(32, 32, SolidImage(64, 48)), TRect{0, 4, 32, 28})); // height Trunc(32 / 1.333)
    // A bitmap that is not square keeps the image's proportions.
    EXPECT_TRUE(DrawnExactly(Fitted(48, 16, SolidImage(40, 20)), TRect{8, 0, 40, 16}));
}

} // namespace
} // namespace ormel
