#include "raster/composite.h"
#include "raster/paint.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace ormel {
namespace {

// An opaque true-colour image of one colour.
TIconImage SolidImage(int width, int height, TColor colour)
{
    TIconImage image;
    NewIconImage(image, width, height, -1, Depth24);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            StorePixel(image.Bitmap.pixel(x, y), colour);
            image.Mask.pixel(x, y)[0] = 0;
        }
    return image;
}

// True when exactly the pixels of `drawn` differ from `marker`.
::testing::AssertionResult DrawnExactly(const Raster& canvas, const TRect& drawn, TColor marker)
{
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x) {
            const bool inside = PointInRect(x, y, drawn);
            if ((PackPixel(canvas.pixel(x, y)) != marker) != inside)
                return ::testing::AssertionFailure() << "pixel " << x << "," << y << (inside ? " not drawn" : " drawn");
        }
    return ::testing::AssertionSuccess();
}

TEST(Compositing, BlendsWithAShiftByEightThroughThePalette)
{
    Raster colour(3, 1);
    Raster mask(3, 1);
    StorePixel(colour.pixel(0, 0), MakeColor(200, 255, 0));
    mask.pixel(0, 0)[0] = 0;
    StorePixel(colour.pixel(1, 0), MakeColor(200, 255, 0));
    mask.pixel(1, 0)[0] = 128;
    StorePixel(colour.pixel(2, 0), MakeColor(200, 255, 0));
    mask.pixel(2, 0)[0] = 255;
    Raster dest(3, 1);
    CompositeOverColor(colour, mask, nullptr, TRect{0, 0, 3, 1}, MakeColor(100, 0, 255), dest);
    EXPECT_EQ(PackPixel(dest.pixel(0, 0)), MakeColor(199, 254, 0));   // 255 x c >> 8
    EXPECT_EQ(PackPixel(dest.pixel(1, 0)), MakeColor(149, 126, 127)); // (127 x c + 128 x b) >> 8
    EXPECT_EQ(PackPixel(dest.pixel(2, 0)), MakeColor(99, 0, 254));

    // Indexed: the red byte is the index; green and blue bytes are ignored.
    TLogPalette palette;
    palette.palNumEntries = 2;
    palette.palPalEntry[1] = {10, 20, 30, 0};
    StorePixel(colour.pixel(0, 0), MakeColor(3, 77, 99)); // index 3 AND 1 = entry 1
    CompositeOverColor(colour, mask, &palette, TRect{0, 0, 1, 1}, 0, dest);
    EXPECT_EQ(PackPixel(dest.pixel(0, 0)), MakeColor(9, 19, 29));
    // A palette of another size leaves the colour as it is.
    palette.palNumEntries = 5;
    CompositeOverColor(colour, mask, &palette, TRect{0, 0, 1, 1}, 0, dest);
    EXPECT_EQ(PackPixel(dest.pixel(0, 0)), MakeColor(2, 76, 98));

    // Over a bitmap: the background of each pixel is the bitmap's; pixels outside any of the
    // rasters are skipped.
    Raster background(2, 1);
    StorePixel(background.pixel(1, 0), MakeColor(0, 100, 200));
    Raster out(3, 1);
    out.fill(1, 1, 1);
    CompositeOverBitmap(colour, mask, background, nullptr, TRect{0, 0, 3, 1}, out);
    EXPECT_EQ(PackPixel(out.pixel(1, 0)), MakeColor(99, 176, 100));
    EXPECT_EQ(PackPixel(out.pixel(2, 0)), 0x010101u);
}

TEST(TransparencyGrid, WhiteAtFullStrengthGivesSquaresOf254And219)
{
    Raster bitmap(16, 16);
    DrawTransparencyGrid(TRect{0, 0, 16, 16}, 0xFFFFFF, 0xFFFFFF, bitmap);
    EXPECT_EQ(PackPixel(bitmap.pixel(0, 0)), 0xDBDBDBu);
    EXPECT_EQ(PackPixel(bitmap.pixel(3, 3)), 0xDBDBDBu);
    EXPECT_EQ(PackPixel(bitmap.pixel(4, 0)), 0xFEFEFEu);
    EXPECT_EQ(PackPixel(bitmap.pixel(0, 4)), 0xFEFEFEu);
    EXPECT_EQ(PackPixel(bitmap.pixel(7, 7)), 0xDBDBDBu);
    EXPECT_EQ(PackPixel(bitmap.pixel(8, 3)), 0xDBDBDBu);
    EXPECT_EQ(PackPixel(bitmap.pixel(12, 15)), 0xDBDBDBu);

    // Strength is read from its blue part; tint channels are weighted by 255 - s.
    Raster tinted(8, 8);
    DrawTransparencyGrid(TRect{-5, -5, 100, 100}, MakeColor(255, 0, 100), MakeColor(0, 0, 128), tinted);
    EXPECT_EQ(PackPixel(tinted.pixel(4, 0)), MakeColor(254, 127, 177)); // (t x 127 + 128 x 255) >> 8
    EXPECT_EQ(PackPixel(tinted.pixel(0, 0)), MakeColor(236, 110, 159)); // (t x 127 + 128 x 220) >> 8
}

TEST(StripCell, SmallImagesAreCentredAtNaturalSize)
{
    constexpr TColor marker = 0x563412; // the bytes 0x56, 0x34, 0x12 of fill()
    TIconImageArray images;
    images.push_back(SolidImage(16, 16, 0x808080));
    images.push_back(SolidImage(16, 16, 0x808080));
    Raster canvas(200, 80);
    canvas.fill(0x56, 0x34, 0x12);
    DrawStripCell(canvas, images, 1, 0xFFFFFF);
    // Cell of index 1 at (93, 15); offsets (48 - 16) div 2 = 16.
    EXPECT_TRUE(DrawnExactly(canvas, TRect{109, 31, 125, 47}, marker));
    EXPECT_EQ(PackPixel(canvas.pixel(109, 31)), 0x7F7F7Fu);

    // The strip background shows through transparent pixels; an odd size rounds down.
    TIconImageArray clear(1);
    NewIconImage(clear[0], 5, 3, -1, Depth32);
    canvas.fill(0x56, 0x34, 0x12);
    DrawStripCell(canvas, clear, 0, MakeColor(255, 0, 0));
    EXPECT_TRUE(DrawnExactly(canvas, TRect{34, 37, 39, 40}, marker));
    EXPECT_EQ(PackPixel(canvas.pixel(34, 37)), MakeColor(254, 0, 0));

    canvas.fill(0x56, 0x34, 0x12);
    DrawStripCell(canvas, images, 2, 0xFFFFFF);
    DrawStripCell(canvas, images, -1, 0xFFFFFF);
    EXPECT_TRUE(DrawnExactly(canvas, TRect{}, marker));
}

TEST(StripCell, LargeImagesAreFittedKeepingTheirAspect)
{
    constexpr TColor marker = 0x563412; // the bytes 0x56, 0x34, 0x12 of fill()
    Raster canvas(200, 80);
    TIconImageArray images;
    images.push_back(SolidImage(96, 64, 0x808080)); // wider: 48 x (64 x 48 div 96) = 48 x 32
    images.push_back(SolidImage(50, 100, 0x808080)); // taller: (50 x 48 div 100) x 48 = 24 x 48
    images.push_back(SolidImage(49, 20, 0x808080));  // 48 x (20 x 48 div 49) = 48 x 19

    canvas.fill(0x56, 0x34, 0x12);
    DrawStripCell(canvas, images, 0, 0xFFFFFF);
    EXPECT_TRUE(DrawnExactly(canvas, TRect{13, 23, 61, 55}, marker));
    EXPECT_EQ(PackPixel(canvas.pixel(13, 23)), 0x7F7F7Fu);
    EXPECT_EQ(PackPixel(canvas.pixel(60, 54)), 0x7F7F7Fu); // no white line from the shrink

    canvas.fill(0x56, 0x34, 0x12);
    DrawStripCell(canvas, images, 1, 0xFFFFFF);
    EXPECT_TRUE(DrawnExactly(canvas, TRect{105, 15, 129, 63}, marker));

    canvas.fill(0x56, 0x34, 0x12);
    DrawStripCell(canvas, images, 2, 0xFFFFFF);
    EXPECT_TRUE(DrawnExactly(canvas, TRect{173, 29, 221, 48}, marker)); // clipped at x = 200
}

TEST(DrawIconImageTest, ScalesIntoTheRectangleAndClipsToTheCanvas)
{
    constexpr TColor marker = 0x563412; // the bytes 0x56, 0x34, 0x12 of fill()
    // A 2 x 2 checker of black and white, composed to 0 and 254, averages to 127 in one pixel.
    TIconImage checker = SolidImage(2, 2, 0);
    StorePixel(checker.Bitmap.pixel(1, 0), 0xFFFFFF);
    StorePixel(checker.Bitmap.pixel(0, 1), 0xFFFFFF);
    Raster canvas(4, 4);
    canvas.fill(0x56, 0x34, 0x12);
    DrawIconImage(canvas, TRect{2, 2, 1, 1}, 0, checker); // reversed: normalised
    EXPECT_TRUE(DrawnExactly(canvas, TRect{1, 1, 2, 2}, marker));
    EXPECT_EQ(PackPixel(canvas.pixel(1, 1)), 0x7F7F7Fu);

    // Partly outside the canvas: the visible part of the enlarged image.
    const TIconImage solid = SolidImage(2, 2, 0x808080);
    canvas.fill(0x56, 0x34, 0x12);
    DrawIconImage(canvas, TRect{-3, 2, 6, 8}, 0, solid);
    EXPECT_TRUE(DrawnExactly(canvas, TRect{0, 2, 4, 4}, marker));
}

TEST(DrawIconImageFittedTest, CentresSmallImagesAndFitsLargeOnes)
{
    constexpr TColor marker = 0x563412; // the bytes 0x56, 0x34, 0x12 of fill()
    Raster thumbnail(32, 32);
    thumbnail.fill(0x56, 0x34, 0x12);
    DrawIconImageFitted(SolidImage(16, 8, 0x808080), thumbnail);
    EXPECT_TRUE(DrawnExactly(thumbnail, TRect{8, 12, 24, 20}, marker));

    thumbnail.fill(0x56, 0x34, 0x12);
    DrawIconImageFitted(SolidImage(64, 48, 0x808080), thumbnail); // height Trunc(32 / 1.333) = 24
    EXPECT_TRUE(DrawnExactly(thumbnail, TRect{0, 4, 32, 28}, marker));

    thumbnail.fill(0x56, 0x34, 0x12);
    DrawIconImageFitted(SolidImage(33, 48, 0x808080), thumbnail); // width Trunc(32 x 0.6875) = 22
    EXPECT_TRUE(DrawnExactly(thumbnail, TRect{5, 0, 27, 32}, marker));

    // Over white: a transparent image shows 255 x 255 >> 8.
    TIconImage clear;
    NewIconImage(clear, 4, 4, -1, Depth32);
    DrawIconImageFitted(clear, thumbnail);
    EXPECT_EQ(PackPixel(thumbnail.pixel(14, 14)), 0xFEFEFEu);

    // A bitmap that is not square still keeps the image's proportions.
    Raster wide(48, 16);
    wide.fill(0x56, 0x34, 0x12);
    DrawIconImageFitted(SolidImage(40, 20, 0x808080), wide);
    EXPECT_TRUE(DrawnExactly(wide, TRect{8, 0, 40, 16}, marker));
}

} // namespace
} // namespace ormel
