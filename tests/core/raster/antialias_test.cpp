#include "raster/antialias.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace ormel {
namespace {

using test::GreyLevels;
using test::Levels;
using Picture = std::vector<std::string>;

Raster Filled(int width, int height, std::uint8_t grey)
{
    Raster bitmap(width, height);
    bitmap.fill(grey, grey, grey);
    return bitmap;
}

// '#' for coverage 1 (level 0), '+' for half coverage (127), 'o' for coverage 0 (255), '.' for
// the untouched background level, '?' for anything else.
Picture Draw(const Raster& bitmap, int background)
{
    Picture picture;
    for (const std::vector<int>& row : GreyLevels(bitmap)) {
        std::string line;
        for (int level : row)
            line += level == background ? '.' : level == 0 ? '#' : level == 127 ? '+' : level == 255 ? 'o' : '?';
        picture.push_back(line);
    }
    return picture;
}

TEST(Antialias, PlotCoverageOverwritesWithTheRoundedComplement)
{
    Raster bitmap = Filled(3, 1, 40);
    PlotCoverage(0, 0, bitmap, 0.5); // 255 - Round(127.5) = 255 - 128
    PlotCoverage(1, 0, bitmap, 1.0);
    PlotCoverage(2, 0, bitmap, 0.0);
    EXPECT_EQ(GreyLevels(bitmap), (Levels{{127, 0, 255}}));
    PlotCoverage(1, 0, bitmap, 0.25); // not accumulated: 255 - Round(63.75)
    PlotCoverage(-1, 0, bitmap, 1.0);
    PlotCoverage(3, 0, bitmap, 1.0);
    PlotCoverage(0, 1, bitmap, 1.0);
    EXPECT_EQ(GreyLevels(bitmap), (Levels{{127, 191, 255}}));
}

TEST(Antialias, WuLines)
{
    // Axis-aligned lines are solid, including both ends.
    Raster bitmap = Filled(8, 6, 200);
    WuLine(6, 1, 1, 1, bitmap);
    WuLine(3, 5, 3, 3, bitmap);
    EXPECT_EQ(Draw(bitmap, 200), (Picture{"........", ".######.", "........", "...#....", "...#....", "...#...."}));

    // Gradient 0.5 with whole end points: half coverage at both ends; pixels written with
    // coverage 0 turn white.
    bitmap = Filled(9, 6, 200);
    WuLine(7, 4, 1, 1, bitmap);
    EXPECT_EQ(Draw(bitmap, 200),
              (Picture{".........", ".++......", ".o+#+....", "...o+#+..", ".....o++.", ".......o."}));

    // At 45 degrees y is the major axis, so the partner pixel of each step lies to the right.
    bitmap = Filled(5, 4, 200);
    WuLine(0, 0, 3, 3, bitmap);
    EXPECT_EQ(Draw(bitmap, 200), (Picture{"+o...", ".#o..", "..#o.", "...+o"}));

    // Partly left of the bitmap: column 0 gets its share of the line (the cross -0.5 at y = 3
    // is half on pixel -1, half on pixel 0).
    bitmap = Filled(3, 5, 200);
    WuLine(-2, 0, 0, 4, bitmap);
    EXPECT_EQ(Draw(bitmap, 200), (Picture{"...", "...", "o..", "+..", "+o."}));

    // A coverage line of width 1 is a Wu line in a white rectangle.
    Raster dest = Filled(7, 5, 60);
    Raster work;
    DrawCoverageLine(1, 1, 4, 1, 1, TRect{0, 0, 6, 4}, work, dest);
    EXPECT_EQ(Draw(dest, 60), (Picture{"oooooo.", "o####o.", "oooooo.", "oooooo.", "......."}));
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
    const Levels levels = GreyLevels(dest);
    for (const std::vector<int>& row : levels)
        EXPECT_EQ(std::count(row.begin(), row.end(), -1), 0); // grey throughout
    for (int x = 4; x <= 8; ++x) {
        // A covered core, edges fading outward, white far above and below.
        EXPECT_EQ(levels[4][x], 0) << x;
        EXPECT_TRUE(levels[3][x] < levels[2][x] && levels[2][x] > 0 && levels[5][x] > 0) << x;
        EXPECT_EQ(levels[1][x] + levels[7][x], 2 * 255) << x;
    }
    // Round ends reach past the end points, fading, lighter at their corners.
    EXPECT_EQ(std::vector<int>({levels[4][0], levels[4][12]}), std::vector<int>({255, 255}));
    EXPECT_LT(levels[4][2], 255);
    EXPECT_LT(levels[4][10], 255);
    EXPECT_GT(levels[2][2], levels[4][2]);
}

TEST(Antialias, WideCoverageLineOnlyTouchesItsRectangle)
{
    Raster dest = Filled(12, 10, 60);
    Raster work(100, 100);
    DrawCoverageLine(0, 0, 11, 9, 5, TRect{2, 2, 8, 8}, work, dest);
    // Outside the rectangle only the area average's white column to its right and row below change.
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
    const auto brush = [](int width, int height, int size, int hardness, std::uint8_t background = 255) {
        Raster bitmap = Filled(width, height, background);
        MakeRoundBrush(bitmap, size, hardness);
        return GreyLevels(bitmap);
    };
    EXPECT_EQ(brush(3, 3, 1, 10), (Levels{{0, 255, 255}, {255, 255, 255}, {255, 255, 255}}));
    EXPECT_EQ(brush(3, 3, 2, 10), (Levels{{0, 0, 255}, {0, 0, 255}, {255, 255, 255}}));
    // Size 3, hard: centre and neighbours at d <= r are covered, corners (d - 0.4 > r) are not.
    EXPECT_EQ(brush(4, 4, 3, 255, 90), (Levels{{255, 0, 255, 90}, {0, 0, 0, 90}, {255, 0, 255, 90}, {90, 90, 90, 90}}));
    // Size 5, soft: a cone, Round(255 d / 2) inside and 255 - hardness on the rim.
    const std::vector<int> white(5, 255), ring{255, 180, 128, 180, 255};
    EXPECT_EQ(brush(5, 5, 5, 0), (Levels{white, ring, {255, 128, 0, 128, 255}, ring, white}));
    // Hardness 100: k = 155 on the rim (d = 2) and the steps inside scale with it.
    const Levels medium = brush(5, 5, 5, 100);
    EXPECT_EQ(medium[0], (std::vector<int>{255, 155, 155, 155, 255}));
    EXPECT_EQ(medium[2], (std::vector<int>{155, 78, 0, 78, 155}));
    // Size 7, hard: the disc the size-7 footprint outline encloses.
    const Levels seven = brush(7, 7, 7, 255);
    EXPECT_EQ(seven[0], (std::vector<int>{255, 255, 0, 0, 0, 255, 255}));
    EXPECT_EQ(seven[1], (std::vector<int>{255, 0, 0, 0, 0, 0, 255}));
    EXPECT_EQ(seven[3], std::vector<int>(7, 0));
    EXPECT_EQ(seven[6], seven[0]);
    // A brush larger than the bitmap is cut at its edge.
    EXPECT_EQ(brush(2, 2, 9, 255), (Levels{{255, 255}, {255, 0}}));
}

} // namespace
} // namespace ormel
