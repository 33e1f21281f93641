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

TEST(StretchBitmapRectTest, ShrinkingBothWaysAveragesAreas)
{
    // Five pixels into two: the middle one counts half in each (ratio 2.5).
    Raster two(2, 1);
    StretchBitmap(GreyRaster({{0, 50, 100, 150, 250}}), two, 5, 1, 2, 1);
    EXPECT_EQ(GreyLevels(two), (Levels{{40, 180}})); // (0 + 50 + 50) / 2.5, (50 + 150 + 250) / 2.5
}

TEST(StretchBitmapRectTest, AreaAverageKeepsWhiteWhite)
{
    // Ratios that leave the sums of white a hair below 255: an untouched coverage pixel
    // must not come back as 254, which would count as paint.
    for (const auto& [from, to] : {std::pair{51, 20}, {656, 256}}) {
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

TEST(StretchNearestTest, DropsAndRepeatsPixelsKeepingTwoLevels)
{
    const Raster stripes = GreyRaster({{0, 255, 0, 255}});
    Raster narrow(2, 1);
    StretchNearest(stripes, narrow, TRect{0, 0, 4, 1}, TRect{0, 0, 2, 1});
    EXPECT_EQ(GreyLevels(narrow), (Levels{{255, 255}})); // source columns 1 and 3

    // A destination partly outside the bitmap keeps the mapping of the whole rectangle.
    Raster clipped(3, 1);
    clipped.fill(7, 7, 7);
    StretchNearest(stripes, clipped, TRect{0, 0, 4, 1}, TRect{-4, 0, 4, 1});
    EXPECT_EQ(GreyLevels(clipped), (Levels{{0, 0, 255}}));
}

} // namespace
} // namespace ormel
