#include "raster/gradient_nodes.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>

namespace ormel {
namespace {

TColor ColourAt(const Raster& r, int x, int y = 0)
{
    const std::uint8_t* p = r.pixel(x, y);
    return MakeColor(p[2], p[1], p[0]);
}

constexpr TColor kWhite = 0xFFFFFF;

TEST(DrawGradientBarTest, TwoNodesBlendColumnByColumnAndSortTheCallersNodes)
{
    // Scale 8 / 512: the nodes fall on columns 0 and 8, and column t gets
    // ((8 - t) x previous + t x node) div 8 per channel. The segment's last column is
    // rect.Left + 8, one past the bar, painted because it is inside the bitmap.
    Raster bitmap(10, 2);
    TNodeArray nodes{TNode{512, MakeColor(255, 0, 40), 1}, TNode{0, MakeColor(0, 255, 0), 1}};
    DrawGradientBar(nodes, TRect{0, 0, 8, 2}, bitmap);
    EXPECT_EQ(std::pair(nodes[0].Position, nodes[1].Position), std::pair(0, 512));
    for (int t = 0; t <= 8; ++t)
        for (int y = 0; y < 2; ++y)
            EXPECT_EQ(ColourAt(bitmap, t, y), MakeColor(255 * t / 8, 255 * (8 - t) / 8, 40 * t / 8)) << t;
    EXPECT_EQ(ColourAt(bitmap, 9), kWhite);

    // Nodes on columns 0, 4 and 8: the segment ending at the disabled node stays white, the next
    // starts from the disabled node's colour.
    Raster skipped(8, 1);
    nodes = {TNode{0, MakeColor(255, 0, 0), 1}, TNode{256, MakeColor(0, 255, 0), 0},
             TNode{512, MakeColor(0, 0, 255), 1}};
    DrawGradientBar(nodes, TRect{0, 0, 8, 1}, skipped);
    const TColor expected[] = {kWhite,
                               kWhite,
                               kWhite,
                               kWhite,
                               MakeColor(0, 255, 0),
                               MakeColor(0, 191, 63),
                               MakeColor(0, 127, 127),
                               MakeColor(0, 63, 191)};
    for (int x = 0; x < 8; ++x)
        EXPECT_EQ(ColourAt(skipped, x), expected[x]) << x;
}

TEST(DrawGradientBarTest, FillsBeforeTheFirstAndAfterTheLastNode)
{
    // A 512-wide bar at (8, 0): scale 1. Columns 8..107 take the first colour, the segment runs
    // from column 108 to 308, and the rest of the bar takes the last colour.
    Raster bitmap(530, 1);
    TNodeArray nodes{TNode{100, MakeColor(10, 0, 0), 1}, TNode{300, MakeColor(210, 0, 0), 1}};
    DrawGradientBar(nodes, TRect{8, 0, 520, 1}, bitmap);
    const std::pair<int, TColor> expected[] = {{7, kWhite}, {108, 10}, {209, 111}, {308, 210}, {519, 210}, {520, kWhite}};
    for (const auto& [x, colour] : expected)
        EXPECT_EQ(ColourAt(bitmap, x), colour) << x;

    // Positions far outside 0..512 visit only the columns inside the bitmap: here the bar is
    // the middle of a segment from column -33554432 to 33554432.
    Raster narrow(8, 1);
    nodes = {TNode{INT32_MIN + 1, MakeColor(0, 0, 0), 1}, TNode{INT32_MAX, MakeColor(255, 0, 0), 1}};
    DrawGradientBar(nodes, TRect{0, 0, 8, 1}, narrow);
    EXPECT_EQ(ColourAt(narrow, 0), MakeColor(127, 0, 0));
    EXPECT_EQ(ColourAt(narrow, 7), MakeColor(127, 0, 0));
}

} // namespace
} // namespace ormel
