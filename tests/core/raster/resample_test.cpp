#include "raster/paint.h"
#include "raster/resample.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace ormel {
namespace {

using test::GreyLevels;
using test::GreyRaster;
using test::Levels;

// Columns left of `edge` black, the others grey `level`: a step that the cubic kernel
// overshoots and no averaging method can.
Raster VerticalStep(int width, int height, int edge, int level)
{
    std::vector<int> row(width, level);
    std::fill_n(row.begin(), edge, 0);
    return GreyRaster(Levels(height, row));
}

TEST(CubicKernel, WeightsAndInterpolation)
{
    for (const auto& [t, weight] : {std::pair{0.0, 1.0}, {1.0, 0.0}, {-2.0, 0.0}, {0.5, 0.625}, {-1.5, -0.125}})
        EXPECT_DOUBLE_EQ(CubicWeight(t), weight) << t;
    EXPECT_EQ(CubicInterpolate(0.0, 9, 100, 7, 3), 100);
    EXPECT_EQ(CubicInterpolate(0.5, 0, 200, 200, 200), 225); // 200 x (0.625 + 0.625 - 0.125)
    EXPECT_EQ(CubicInterpolate(0.5, 255, 255, 255, 0), 255);  // clamped above
    EXPECT_EQ(CubicInterpolate(0.5, 0, 0, 0, 255), 0);        // clamped below
}

TEST(StretchBitmapRectTest, EqualSizesCopyUnchanged)
{
    const Raster source = test::PatternImage(32, 32, Depth32).Bitmap;
    Raster dest(32, 32);
    StretchBitmap(source, dest, 32, 32, 32, 32);
    EXPECT_EQ(dest, source);

    // A source rectangle partly outside the source is clipped first: 4 x 4 onto 4 x 4.
    Raster small(4, 4);
    StretchBitmapRect(source, small, TRect{28, 28, 40, 40}, TRect{0, 0, 4, 4});
    EXPECT_EQ(PackPixel(small.pixel(3, 3)), PackPixel(source.pixel(31, 31)));

    // Within one raster, onto an overlapping area lower down.
    Raster moved = source;
    StretchBitmapRect(moved, moved, TRect{0, 0, 8, 8}, TRect{2, 3, 10, 11});
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            ASSERT_EQ(PackPixel(moved.pixel(x + 2, y + 3)), PackPixel(source.pixel(x, y))) << x << "," << y;
}

TEST(StretchBitmapRectTest, ShrinkingBothWaysAveragesAreas)
{
    const Raster source = test::PatternImage(32, 32, Depth24).Bitmap;
    Raster dest(16, 16);
    StretchBitmap(source, dest, 32, 32, 16, 16);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            for (int k = 0; k < 3; ++k) {
                const int sum = source.pixel(2 * x, 2 * y)[k] + source.pixel(2 * x + 1, 2 * y)[k]
                    + source.pixel(2 * x, 2 * y + 1)[k] + source.pixel(2 * x + 1, 2 * y + 1)[k];
                ASSERT_EQ(dest.pixel(x, y)[k], sum / 4) << x << "," << y;
            }

    // Five pixels into two: the middle one counts half in each (ratio 2.5).
    Raster two(2, 1);
    StretchBitmap(GreyRaster({{0, 50, 100, 150, 250}}), two, 5, 1, 2, 1);
    EXPECT_EQ(GreyLevels(two), (Levels{{40, 180}})); // (0 + 50 + 50) / 2.5, (50 + 150 + 250) / 2.5
}

TEST(StretchBitmapRectTest, AreaAverageKeepsWhiteWhite)
{
    // Ratios that leave the sums of white a hair below 255: an untouched coverage pixel
    // must not come back as 254, which would count as paint.
    for (const auto& [from, to] : {std::pair{51, 20}, {62, 24}, {103, 40}, {185, 72}, {656, 256}}) {
        Raster out(to, to);
        out.fill(0, 0, 0);
        StretchBitmapRect(Raster(from, from), out, TRect{0, 0, from, from}, TRect{0, 0, to, to});
        EXPECT_EQ(GreyLevels(out), Levels(to, std::vector<int>(to, 255))) << from << " -> " << to;
    }
}

TEST(StretchBitmapRectTest, AreaAverageDrawsWhiteLinesRightOfAndBelowTheRectangle)
{
    // Two black and two white pixels make 127.5, truncated. Then a white column right of the
    // rectangle, and a white row below it drawn from the right, leaving out its last pixel.
    Raster dest(3, 3);
    dest.fill(0, 0, 0);
    StretchBitmapRect(GreyRaster({{0, 255}, {255, 0}}), dest, TRect{0, 0, 2, 2}, TRect{0, 0, 1, 1});
    EXPECT_EQ(GreyLevels(dest), (Levels{{127, 255, 0}, {0, 255, 0}, {0, 0, 0}}));

    // At the bitmap's edge the lines fall outside and change nothing.
    Raster edge(3, 3);
    edge.fill(0, 0, 0);
    StretchBitmapRect(VerticalStep(4, 4, 2, 200), edge, TRect{0, 0, 4, 4}, TRect{1, 1, 3, 3});
    EXPECT_EQ(GreyLevels(edge), (Levels{{0, 0, 0}, {0, 0, 200}, {0, 0, 200}}));
}

TEST(StretchBitmapRectTest, EnlargingInEitherDirectionInterpolatesBicubically)
{
    // 32 x 32 to 48 x 48: ratio 1.5; columns 22 to 25 sample 14.67, 15.33, 16 and 16.67. Below 0
    // is clamped; only the cubic path overshoots past 200.
    const Raster step = VerticalStep(32, 32, 16, 200);
    Raster square(48, 48);
    StretchBitmap(step, square, 32, 32, 48, 48);
    const std::vector<int> row = GreyLevels(square)[3];
    EXPECT_EQ((std::vector<int>{row[22], row[23], row[24], row[25]}), (std::vector<int>{0, 66, 200, 214}));

    // 32 x 32 to 64 x 16: wider but lower, still the cubic path.
    Raster wide(64, 16);
    StretchBitmap(step, wide, 32, 32, 64, 16);
    for (const std::vector<int>& row : GreyLevels(wide))
        ASSERT_EQ((std::vector<int>{row[31], row[33], row[63]}), (std::vector<int>{100, 225, 200}));

    // Enlarging the right half: column 1 samples 2.5, with neighbours 1, 2, 3, 3 -> 0, 200, 200,
    // 200; the left one comes from outside the source rectangle, not from its own edge.
    Raster dest(4, 1);
    StretchBitmapRect(VerticalStep(4, 1, 2, 200), dest, TRect{2, 0, 4, 1}, TRect{0, 0, 4, 1});
    EXPECT_EQ(GreyLevels(dest)[0][0], 200);
    EXPECT_EQ(GreyLevels(dest)[0][1], 225);
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
    const Raster source = GreyRaster({{0, 100}});
    Raster dest;
    StretchBilinear(source, dest, 4, 2, 2, 1);
    EXPECT_EQ(GreyLevels(dest), (Levels{{0, 50, 100, 100}, {0, 50, 100, 100}}));
    StretchBilinear(source, dest, 4, 2, 3, 1); // larger than the source: nothing
    EXPECT_EQ(dest.width(), 4);
}

TEST(StretchNearestTest, DropsAndRepeatsPixelsKeepingTwoLevels)
{
    const Raster stripes = GreyRaster({{0, 255, 0, 255}});
    Raster narrow(2, 1);
    StretchNearest(stripes, narrow, TRect{0, 0, 4, 1}, TRect{0, 0, 2, 1});
    EXPECT_EQ(GreyLevels(narrow), (Levels{{255, 255}})); // source columns 1 and 3

    Raster wide(8, 2);
    StretchNearest(stripes, wide, TRect{0, 0, 4, 1}, TRect{0, 0, 8, 2});
    const std::vector<int> doubled{0, 0, 255, 255, 0, 0, 255, 255};
    EXPECT_EQ(GreyLevels(wide), (Levels{doubled, doubled}));

    // A destination partly outside the bitmap keeps the mapping of the whole rectangle.
    Raster clipped(3, 1);
    clipped.fill(7, 7, 7);
    StretchNearest(stripes, clipped, TRect{0, 0, 4, 1}, TRect{-4, 0, 4, 1});
    EXPECT_EQ(GreyLevels(clipped), (Levels{{0, 0, 255}}));
}

} // namespace
} // namespace ormel
