#include "raster/paint.h"
#include "raster/resample.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace ormel {
namespace {

void SetGrey(Raster& bitmap, int x, int y, int value)
{
    std::uint8_t* p = bitmap.pixel(x, y);
    p[0] = p[1] = p[2] = static_cast<std::uint8_t>(value);
}

// Columns left of `edge` black, the others grey `level`: a step that the cubic kernel
// overshoots and no averaging method can.
Raster VerticalStep(int width, int height, int edge, int level)
{
    Raster bitmap(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            SetGrey(bitmap, x, y, x < edge ? 0 : level);
    return bitmap;
}

TEST(CubicKernel, WeightsAndInterpolation)
{
    EXPECT_DOUBLE_EQ(CubicWeight(0), 1);
    EXPECT_DOUBLE_EQ(CubicWeight(1), 0);
    EXPECT_DOUBLE_EQ(CubicWeight(-2), 0);
    EXPECT_DOUBLE_EQ(CubicWeight(0.5), 0.625);
    EXPECT_DOUBLE_EQ(CubicWeight(-1.5), -0.125);
    EXPECT_EQ(CubicInterpolate(0.0, 9, 100, 7, 3), 100);
    EXPECT_EQ(CubicInterpolate(0.5, 0, 200, 200, 200), 225);  // 200 x (0.625 + 0.625 - 0.125)
    EXPECT_EQ(CubicInterpolate(0.5, 255, 255, 255, 0), 255);   // clamped above
    EXPECT_EQ(CubicInterpolate(0.5, 0, 0, 0, 255), 0);         // clamped below
}

TEST(StretchBitmapRectTest, EqualSizesCopyUnchanged)
{
    const TIconImage image = test::PatternImage(32, 32, Depth32);
    Raster dest(32, 32);
    StretchBitmap(image.Bitmap, dest, 32, 32, 32, 32);
    EXPECT_EQ(dest, image.Bitmap);

    // A source rectangle partly outside the source is clipped first: 4 x 4 onto 4 x 4.
    Raster small(4, 4);
    StretchBitmapRect(image.Bitmap, small, TRect{28, 28, 40, 40}, TRect{0, 0, 4, 4});
    EXPECT_EQ(PackPixel(small.pixel(3, 3)), PackPixel(image.Bitmap.pixel(31, 31)));

    // Within one raster, onto an overlapping area lower down.
    Raster moved = image.Bitmap;
    StretchBitmapRect(moved, moved, TRect{0, 0, 8, 8}, TRect{2, 3, 10, 11});
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            ASSERT_EQ(PackPixel(moved.pixel(x + 2, y + 3)), PackPixel(image.Bitmap.pixel(x, y))) << x << "," << y;
}

TEST(StretchBitmapRectTest, ShrinkingBothWaysAveragesAreas)
{
    const TIconImage image = test::PatternImage(32, 32, Depth24);
    Raster dest(16, 16);
    StretchBitmap(image.Bitmap, dest, 32, 32, 16, 16);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            for (int k = 0; k < 3; ++k) {
                const int sum = image.Bitmap.pixel(2 * x, 2 * y)[k] + image.Bitmap.pixel(2 * x + 1, 2 * y)[k]
                    + image.Bitmap.pixel(2 * x, 2 * y + 1)[k] + image.Bitmap.pixel(2 * x + 1, 2 * y + 1)[k];
                ASSERT_EQ(dest.pixel(x, y)[k], sum / 4) << x << "," << y;
            }

    // Two black and two white pixels make 127.5, truncated.
    Raster block(2, 2);
    SetGrey(block, 0, 0, 0);
    SetGrey(block, 1, 1, 0);
    Raster one(1, 1);
    StretchBitmap(block, one, 2, 2, 1, 1);
    EXPECT_EQ(PackPixel(one.pixel(0, 0)), 0x7F7F7Fu);
}

TEST(StretchBitmapRectTest, AreaAverageKeepsWhiteWhite)
{
    // Sizes whose ratios leave the sums of white a hair below 255: an untouched coverage pixel
    // must not come back as 254, which would count as paint.
    for (const auto& [from, to] : {std::pair{51, 20}, {62, 24}, {103, 40}, {185, 72}, {656, 256}}) {
        const Raster white(from, from);
        Raster out(to, to);
        out.fill(0, 0, 0);
        StretchBitmapRect(white, out, TRect{0, 0, from, from}, TRect{0, 0, to, to});
        for (int y = 0; y < to; ++y)
            for (int x = 0; x < to * 3; ++x)
                ASSERT_EQ(out.row(y)[x], 255) << from << " -> " << to << " at " << x / 3 << "," << y;
    }
}

TEST(StretchBitmapRectTest, AreaAverageSharesBoundaryPixels)
{
    // Five pixels into two: the middle one counts half in each (ratio 2.5).
    Raster row(5, 1);
    const int values[5] = {0, 50, 100, 150, 250};
    for (int x = 0; x < 5; ++x)
        SetGrey(row, x, 0, values[x]);
    Raster dest(2, 1);
    StretchBitmap(row, dest, 5, 1, 2, 1);
    EXPECT_EQ(dest.pixel(0, 0)[0], 40);  // (0 + 50 + 50) / 2.5
    EXPECT_EQ(dest.pixel(1, 0)[0], 180); // (50 + 150 + 250) / 2.5
}

TEST(StretchBitmapRectTest, AreaAverageDrawsWhiteLinesRightOfAndBelowTheRectangle)
{
    Raster block(2, 2);
    SetGrey(block, 0, 0, 0);
    SetGrey(block, 1, 1, 0);
    Raster dest(3, 3);
    dest.fill(0, 0, 0);
    StretchBitmapRect(block, dest, TRect{0, 0, 2, 2}, TRect{0, 0, 1, 1});
    EXPECT_EQ(PackPixel(dest.pixel(0, 0)), 0x7F7F7Fu);
    EXPECT_EQ(PackPixel(dest.pixel(1, 0)), 0xFFFFFFu); // the column right of it
    EXPECT_EQ(PackPixel(dest.pixel(1, 1)), 0xFFFFFFu); // the row below, from the right...
    EXPECT_EQ(PackPixel(dest.pixel(0, 1)), 0u);        // ...leaving out its last pixel
    EXPECT_EQ(PackPixel(dest.pixel(2, 0)), 0u);
    EXPECT_EQ(PackPixel(dest.pixel(0, 2)), 0u);
    EXPECT_EQ(PackPixel(dest.pixel(1, 2)), 0u);

    // At the bitmap's edge the lines fall outside and change nothing.
    Raster edge(3, 3);
    edge.fill(0, 0, 0);
    StretchBitmapRect(VerticalStep(4, 4, 2, 200), edge, TRect{0, 0, 4, 4}, TRect{1, 1, 3, 3});
    EXPECT_EQ(PackPixel(edge.pixel(1, 1)), 0u);
    EXPECT_EQ(PackPixel(edge.pixel(2, 2)), 0xC8C8C8u);
    EXPECT_EQ(PackPixel(edge.pixel(0, 0)), 0u);
}

TEST(StretchBitmapRectTest, EnlargingInEitherDirectionInterpolatesBicubically)
{
    // 32 x 32 to 48 x 48: ratio 1.5; columns 23, 24, 25 sample 15.33, 16 and 16.67.
    const Raster step = VerticalStep(32, 32, 16, 200);
    Raster square(48, 48);
    StretchBitmap(step, square, 32, 32, 48, 48);
    EXPECT_EQ(square.pixel(22, 0)[0], 0);   // undershoot clamped
    EXPECT_EQ(square.pixel(23, 0)[0], 66);
    EXPECT_EQ(square.pixel(24, 0)[0], 200);
    EXPECT_EQ(square.pixel(25, 0)[0], 214); // overshoot: only the cubic path goes past 200
    EXPECT_EQ(square.pixel(25, 3)[2], 214);

    // 32 x 32 to 64 x 16: wider but lower, still the cubic path.
    Raster wide(64, 16);
    StretchBitmap(step, wide, 32, 32, 64, 16);
    for (int y = 0; y < 16; ++y) {
        ASSERT_EQ(wide.pixel(31, y)[1], 100);
        ASSERT_EQ(wide.pixel(33, y)[1], 225);
        ASSERT_EQ(wide.pixel(63, y)[1], 200);
    }
}

TEST(StretchBitmapRectTest, BicubicClampsNeighboursToTheWholeBitmap)
{
    // Enlarging the right half: the left neighbour column comes from outside the source
    // rectangle (column 1, black), not from the rectangle's own edge.
    const Raster step = VerticalStep(4, 1, 2, 200);
    Raster dest(4, 1);
    StretchBitmapRect(step, dest, TRect{2, 0, 4, 1}, TRect{0, 0, 4, 1});
    // Column 1 samples 2.5: neighbours 1, 2, 3, 3 -> 0, 200, 200, 200.
    EXPECT_EQ(dest.pixel(1, 0)[0], 225);
    EXPECT_EQ(dest.pixel(0, 0)[0], 200);
}

TEST(StretchBitmapRectTest, NothingHappensWithoutPixels)
{
    const Raster source(4, 4);
    Raster dest(4, 4);
    dest.fill(1, 2, 3);
    const Raster before = dest;
    StretchBitmapRect(source, dest, TRect{0, 0, 0, 4}, TRect{0, 0, 2, 2});
    StretchBitmapRect(source, dest, TRect{0, 0, 4, 4}, TRect{5, 5, 9, 9});
    StretchBitmapRect(Raster(), dest, TRect{0, 0, 4, 4}, TRect{0, 0, 2, 2});
    EXPECT_EQ(dest, before);
}

TEST(StretchBilinearTest, InterpolatesAndRepeatsTheLastColumn)
{
    Raster source(2, 1);
    SetGrey(source, 0, 0, 0);
    SetGrey(source, 1, 0, 100);
    Raster dest;
    StretchBilinear(source, dest, 4, 2, 2, 1);
    ASSERT_EQ(dest.width(), 4);
    ASSERT_EQ(dest.height(), 2);
    const int expected[4] = {0, 50, 100, 100};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(dest.pixel(x, y)[1], expected[x]) << x;

    StretchBilinear(source, dest, 4, 2, 3, 1); // larger than the source: nothing
    EXPECT_EQ(dest.width(), 4);
}

TEST(StretchNearestTest, DropsAndRepeatsPixelsKeepingTwoLevels)
{
    Raster stripes(4, 1);
    SetGrey(stripes, 0, 0, 0);
    SetGrey(stripes, 2, 0, 0);
    Raster narrow(2, 1);
    StretchNearest(stripes, narrow, TRect{0, 0, 4, 1}, TRect{0, 0, 2, 1});
    EXPECT_EQ(narrow.pixel(0, 0)[0], 255); // source columns 1 and 3
    EXPECT_EQ(narrow.pixel(1, 0)[0], 255);

    Raster wide(8, 2);
    StretchNearest(stripes, wide, TRect{0, 0, 4, 1}, TRect{0, 0, 8, 2});
    const int expected[8] = {0, 0, 255, 255, 0, 0, 255, 255};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 8; ++x)
            EXPECT_EQ(wide.pixel(x, y)[2], expected[x]) << x;

    // A destination partly outside the bitmap keeps the mapping of the whole rectangle.
    Raster clipped(3, 1);
    clipped.fill(7, 7, 7);
    StretchNearest(stripes, clipped, TRect{0, 0, 4, 1}, TRect{-4, 0, 4, 1});
    EXPECT_EQ(clipped.pixel(0, 0)[0], 0);
    EXPECT_EQ(clipped.pixel(1, 0)[0], 0);
    EXPECT_EQ(clipped.pixel(2, 0)[0], 255);
}

} // namespace
} // namespace ormel
