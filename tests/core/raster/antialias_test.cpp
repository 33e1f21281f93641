#include "raster/antialias.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ormel {
namespace {

Raster Filled(int width, int height, std::uint8_t grey)
{
    Raster bitmap(width, height);
    bitmap.fill(grey, grey, grey);
    return bitmap;
}

// The blue byte of every pixel, row by row.
std::vector<std::vector<int>> Levels(const Raster& bitmap)
{
    std::vector<std::vector<int>> levels;
    for (int y = 0; y < bitmap.height(); ++y) {
        std::vector<int> row;
        for (int x = 0; x < bitmap.width(); ++x)
            row.push_back(bitmap.pixel(x, y)[0]);
        levels.push_back(row);
    }
    return levels;
}

bool AllGrey(const Raster& bitmap)
{
    for (int y = 0; y < bitmap.height(); ++y)
        for (int x = 0; x < bitmap.width(); ++x) {
            const std::uint8_t* p = bitmap.pixel(x, y);
            if (p[0] != p[1] || p[1] != p[2])
                return false;
        }
    return true;
}

TEST(Antialias, PlotCoverageOverwritesWithTheRoundedComplement)
{
    Raster bitmap = Filled(3, 1, 40);
    PlotCoverage(0, 0, bitmap, 0.5); // 255 - Round(127.5) = 255 - 128
    PlotCoverage(1, 0, bitmap, 1.0);
    PlotCoverage(2, 0, bitmap, 0.0);
    EXPECT_EQ(Levels(bitmap), (std::vector<std::vector<int>>{{127, 0, 255}}));
    EXPECT_TRUE(AllGrey(bitmap));
    PlotCoverage(1, 0, bitmap, 0.25); // not accumulated: 255 - Round(63.75)
    EXPECT_EQ(bitmap.pixel(1, 0)[0], 191);
    PlotCoverage(-1, 0, bitmap, 1.0);
    PlotCoverage(3, 0, bitmap, 1.0);
    PlotCoverage(0, 1, bitmap, 1.0);
    EXPECT_EQ(Levels(bitmap), (std::vector<std::vector<int>>{{127, 191, 255}}));
}

TEST(Antialias, AxisAlignedWuLinesAreSolidIncludingBothEnds)
{
    Raster bitmap = Filled(8, 6, 200);
    WuLine(6, 1, 1, 1, bitmap);
    WuLine(3, 5, 3, 3, bitmap);
    const std::vector<std::vector<int>> expected{
        {200, 200, 200, 200, 200, 200, 200, 200}, {200, 0, 0, 0, 0, 0, 0, 200},
        {200, 200, 200, 200, 200, 200, 200, 200}, {200, 200, 200, 0, 200, 200, 200, 200},
        {200, 200, 200, 0, 200, 200, 200, 200},   {200, 200, 200, 0, 200, 200, 200, 200}};
    EXPECT_EQ(Levels(bitmap), expected);
}

TEST(Antialias, WuLineWithWholeEndpointsHasHalfCoverageAtBothEnds)
{
    // Gradient 0.5 along x. Pixels written with coverage 0 turn white over the grey background.
    Raster bitmap = Filled(9, 6, 200);
    WuLine(7, 4, 1, 1, bitmap);
    const std::vector<std::vector<int>> expected{
        {200, 200, 200, 200, 200, 200, 200, 200, 200}, {200, 127, 127, 200, 200, 200, 200, 200, 200},
        {200, 255, 127, 0, 127, 200, 200, 200, 200},   {200, 200, 200, 255, 127, 0, 127, 200, 200},
        {200, 200, 200, 200, 200, 255, 127, 127, 200}, {200, 200, 200, 200, 200, 200, 200, 255, 200}};
    EXPECT_EQ(Levels(bitmap), expected);
    EXPECT_TRUE(AllGrey(bitmap));
}

TEST(Antialias, WuLineAtFortyFiveDegreesStepsAlongY)
{
    // With |dx| = |dy| y is the major axis, so the partner pixel of each step lies to the right.
    Raster bitmap = Filled(5, 4, 200);
    WuLine(0, 0, 3, 3, bitmap);
    const std::vector<std::vector<int>> expected{
        {127, 255, 200, 200, 200}, {200, 0, 255, 200, 200}, {200, 200, 0, 255, 200}, {200, 200, 200, 127, 255}};
    EXPECT_EQ(Levels(bitmap), expected);

    // Partly left of the bitmap: column 0 gets the share of the line that falls on it (the
    // cross -0.5 at y = 3 is half on pixel -1, half on pixel 0).
    Raster edge = Filled(3, 5, 200);
    WuLine(-2, 0, 0, 4, edge);
    const std::vector<std::vector<int>> clipped{
        {200, 200, 200}, {200, 200, 200}, {255, 200, 200}, {127, 200, 200}, {127, 255, 200}};
    EXPECT_EQ(Levels(edge), clipped);
}

TEST(Antialias, CoverageLineOfWidthOneIsAWuLineInAWhiteRectangle)
{
    Raster dest = Filled(7, 5, 60);
    Raster work;
    DrawCoverageLine(1, 1, 4, 1, 1, TRect{0, 0, 6, 4}, work, dest);
    const std::vector<std::vector<int>> expected{{255, 255, 255, 255, 255, 255, 60},
                                                 {255, 0, 0, 0, 0, 255, 60},
                                                 {255, 255, 255, 255, 255, 255, 60},
                                                 {255, 255, 255, 255, 255, 255, 60},
                                                 {60, 60, 60, 60, 60, 60, 60}};
    EXPECT_EQ(Levels(dest), expected);
    EXPECT_TRUE(work.empty());
}

TEST(Antialias, WideCoverageLineIsSupersampledAndShrunk)
{
    // Width 3 from (3, 4) to (9, 4): drawn 8 wide at 1 / 0.39 the size and averaged back.
    Raster dest = Filled(13, 9, 60);
    Raster work;
    DrawCoverageLine(3, 4, 9, 4, 3, TRect{0, 0, 13, 9}, work, dest);
    EXPECT_GE(work.width(), 33); // Round(13 / 0.39)
    EXPECT_GE(work.height(), 23);
    EXPECT_TRUE(AllGrey(dest));
    const auto levels = Levels(dest);
    for (int x = 4; x <= 8; ++x) {
        EXPECT_EQ(levels[4][x], 0) << x;                     // the core is fully covered
        // Far above and below the line stays white.
        EXPECT_EQ(levels[1][x], 255) << x;
        EXPECT_EQ(levels[7][x], 255) << x;
        // The edges fade outward.
        EXPECT_LT(levels[3][x], levels[2][x]) << x;
        EXPECT_GT(levels[2][x], 0) << x;
        EXPECT_GT(levels[5][x], 0) << x;
    }
    // Round ends: the line reaches past its end points, fading.
    EXPECT_LT(levels[4][2], 255);
    EXPECT_LT(levels[4][10], 255);
    EXPECT_EQ(levels[4][0], 255);
    EXPECT_EQ(levels[4][12], 255);
    // The corners of the rounded end are lighter than its middle.
    EXPECT_GT(levels[2][2], levels[4][2]);
}

TEST(Antialias, WideCoverageLineOnlyTouchesItsRectangle)
{
    Raster dest = Filled(12, 10, 60);
    Raster work(100, 100);
    DrawCoverageLine(0, 0, 11, 9, 5, TRect{2, 2, 8, 8}, work, dest);
    // Outside the rectangle only the area average's white column to its right and row below it
    // change.
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 12; ++x) {
            const bool border = (x == 8 && y >= 2 && y < 8) || (y == 8 && x >= 3 && x <= 8);
            if (x < 2 || x >= 8 || y < 2 || y >= 8)
                EXPECT_EQ(dest.pixel(x, y)[0], border ? 255 : 60) << x << "," << y;
        }
    EXPECT_EQ(dest.pixel(5, 5)[0], 0);
    EXPECT_GE(dest.pixel(2, 7)[0], 254);
}

TEST(Antialias, RoundBrushShapes)
{
    using Levels2D = std::vector<std::vector<int>>;
    Raster one = Filled(3, 3, 255);
    MakeRoundBrush(one, 1, 10);
    EXPECT_EQ(Levels(one), (Levels2D{{0, 255, 255}, {255, 255, 255}, {255, 255, 255}}));
    Raster two = Filled(3, 3, 255);
    MakeRoundBrush(two, 2, 10);
    EXPECT_EQ(Levels(two), (Levels2D{{0, 0, 255}, {0, 0, 255}, {255, 255, 255}}));

    // Size 3, hard: centre and neighbours at d <= r are covered, corners (d - 0.4 > r) are not.
    Raster plus = Filled(4, 4, 90);
    MakeRoundBrush(plus, 3, 255);
    EXPECT_EQ(Levels(plus), (Levels2D{{255, 0, 255, 90}, {0, 0, 0, 90}, {255, 0, 255, 90}, {90, 90, 90, 90}}));
    EXPECT_TRUE(AllGrey(plus));

    // Size 5, soft: a cone, Round(255 d / 2) inside and 255 - hardness on the rim.
    Raster cone(5, 5);
    MakeRoundBrush(cone, 5, 0);
    EXPECT_EQ(Levels(cone), (Levels2D{{255, 255, 255, 255, 255},
                                      {255, 180, 128, 180, 255},
                                      {255, 128, 0, 128, 255},
                                      {255, 180, 128, 180, 255},
                                      {255, 255, 255, 255, 255}}));
    // Hardness 100: k = 155 on the rim (d = 2) and the steps inside scale with it.
    Raster medium(5, 5);
    MakeRoundBrush(medium, 5, 100);
    EXPECT_EQ(Levels(medium)[2], (std::vector<int>{155, 78, 0, 78, 155}));
    EXPECT_EQ(Levels(medium)[0], (std::vector<int>{255, 155, 155, 155, 255}));

    // Size 7, hard: the disc the size-7 footprint outline encloses.
    Raster seven(7, 7);
    MakeRoundBrush(seven, 7, 255);
    const Levels2D levels = Levels(seven);
    EXPECT_EQ(levels[0], (std::vector<int>{255, 255, 0, 0, 0, 255, 255}));
    EXPECT_EQ(levels[1], (std::vector<int>{255, 0, 0, 0, 0, 0, 255}));
    EXPECT_EQ(levels[3], (std::vector<int>{0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(levels[6], levels[0]);

    // A brush larger than the bitmap is cut at its edge.
    Raster small(2, 2);
    MakeRoundBrush(small, 9, 255);
    EXPECT_EQ(Levels(small), (Levels2D{{255, 255}, {255, 0}}));
}

} // namespace
} // namespace ormel
