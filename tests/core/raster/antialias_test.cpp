#include "raster/antialias.h"

#include "test_support.h"

#include <gtest/gtest.h>

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
    // Size 3, hard: centre and neighbours at d <= r are covered, corners (d - 0.4 > r) are not.
    EXPECT_EQ(brush(4, 4, 3, 255, 90), (Levels{{255, 0, 255, 90}, {0, 0, 0, 90}, {255, 0, 255, 90}, {90, 90, 90, 90}}));
    // Size 5, soft: a cone, Round(255 d / 2) inside and 255 - hardness on the rim.
    const std::vector<int> white(5, 255), ring{255, 180, 128, 180, 255};
    EXPECT_EQ(brush(5, 5, 5, 0), (Levels{white, ring, {255, 128, 0, 128, 255}, ring, white}));
    // A brush larger than the bitmap is cut at its edge.
    EXPECT_EQ(brush(2, 2, 9, 255), (Levels{{255, 255}, {255, 0}}));
}

} // namespace
} // namespace ormel
