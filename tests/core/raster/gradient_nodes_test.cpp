#include "raster/gradient_nodes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>

namespace ormel {
namespace {

TColor ColourAt(const Raster& r, int x, int y)
{
    const std::uint8_t* p = r.pixel(x, y);
    return MakeColor(p[2], p[1], p[0]);
}

constexpr TColor kWhite = 0xFFFFFF;

TEST(SortNodesTest, SortsByPositionKeepingEveryNode)
{
    std::mt19937 random(7);
    for (int size : {0, 1, 2, 3, 7, 50}) {
        TNodeArray nodes;
        for (int i = 0; i < size; ++i)
            nodes.push_back(TNode{static_cast<std::int32_t>(random() % 20), static_cast<TColor>(i), std::uint8_t(i & 1)});
        TNodeArray sorted = nodes;
        SortNodes(sorted);
        EXPECT_TRUE(std::is_sorted(sorted.begin(), sorted.end(),
                                   [](const TNode& a, const TNode& b) { return a.Position < b.Position; }));
        const auto byColour = [](const TNode& a, const TNode& b) { return a.Color < b.Color; };
        std::sort(sorted.begin(), sorted.end(), byColour);
        EXPECT_EQ(sorted, nodes) << size;
    }
}

TEST(DrawGradientBarTest, OneNodePaintsTheWholeBar)
{
    Raster bitmap(12, 2);
    TNodeArray nodes{TNode{200, MakeColor(1, 2, 3), 1}};
    DrawGradientBar(nodes, TRect{2, 0, 10, 1}, bitmap);
    for (int x = 0; x < 12; ++x) {
        EXPECT_EQ(ColourAt(bitmap, x, 0), x >= 2 && x < 10 ? MakeColor(1, 2, 3) : kWhite) << x;
        EXPECT_EQ(ColourAt(bitmap, x, 1), kWhite) << x;
    }

    TNodeArray none;
    Raster untouched(4, 1);
    DrawGradientBar(none, TRect{0, 0, 4, 1}, untouched);
    EXPECT_EQ(untouched, Raster(4, 1));
}

TEST(DrawGradientBarTest, TwoNodesBlendColumnByColumnAndSortTheCallersNodes)
{
    // Scale 8 / 512: the nodes fall on columns 0 and 8, n = 8, and column t gets
    // ((8 - t) x previous + t x node) div 8 per channel. The segment's last column is
    // rect.Left + 8, one past the bar, painted because it is inside the bitmap.
    Raster bitmap(10, 2);
    TNodeArray nodes{TNode{512, MakeColor(255, 0, 40), 1}, TNode{0, MakeColor(0, 255, 0), 1}};
    DrawGradientBar(nodes, TRect{0, 0, 8, 2}, bitmap);
    EXPECT_EQ(nodes[0].Position, 0);
    EXPECT_EQ(nodes[1].Position, 512);
    const int reds[] = {0, 31, 63, 95, 127, 159, 191, 223, 255};
    const int greens[] = {255, 223, 191, 159, 127, 95, 63, 31, 0};
    const int blues[] = {0, 5, 10, 15, 20, 25, 30, 35, 40};
    for (int x = 0; x <= 8; ++x)
        for (int y = 0; y < 2; ++y)
            EXPECT_EQ(ColourAt(bitmap, x, y),
                      MakeColor(std::uint8_t(reds[x]), std::uint8_t(greens[x]), std::uint8_t(blues[x])))
                << x;
    EXPECT_EQ(ColourAt(bitmap, 9, 0), kWhite);
}

TEST(DrawGradientBarTest, SkipsSegmentsEndingAtADisabledNode)
{
    // Nodes on columns 0, 4 and 8 of an 8-wide bar; the first segment ends at a disabled node
    // and stays white, the second starts from the disabled node's colour.
    Raster bitmap(8, 1);
    TNodeArray nodes{TNode{0, MakeColor(255, 0, 0), 1}, TNode{256, MakeColor(0, 255, 0), 0},
                     TNode{512, MakeColor(0, 0, 255), 1}};
    DrawGradientBar(nodes, TRect{0, 0, 8, 1}, bitmap);
    for (int x = 0; x < 4; ++x)
        EXPECT_EQ(ColourAt(bitmap, x, 0), kWhite) << x;
    EXPECT_EQ(ColourAt(bitmap, 4, 0), MakeColor(0, 255, 0));
    EXPECT_EQ(ColourAt(bitmap, 5, 0), MakeColor(0, 191, 63));
    EXPECT_EQ(ColourAt(bitmap, 6, 0), MakeColor(0, 127, 127));
    EXPECT_EQ(ColourAt(bitmap, 7, 0), MakeColor(0, 63, 191));
}

TEST(DrawGradientBarTest, FillsBeforeTheFirstAndAfterTheLastNode)
{
    // A 512-wide bar at (8, 0): scale 1. Columns 8..107 take the first colour, the segment runs
    // from column 108 to 308, and the rest of the bar takes the last colour.
    Raster bitmap(530, 1);
    TNodeArray nodes{TNode{100, MakeColor(10, 0, 0), 1}, TNode{300, MakeColor(210, 0, 0), 1}};
    DrawGradientBar(nodes, TRect{8, 0, 520, 1}, bitmap);
    EXPECT_EQ(ColourAt(bitmap, 7, 0), kWhite);
    EXPECT_EQ(ColourAt(bitmap, 8, 0), MakeColor(10, 0, 0));
    EXPECT_EQ(ColourAt(bitmap, 108, 0), MakeColor(10, 0, 0));
    EXPECT_EQ(ColourAt(bitmap, 208, 0), MakeColor(110, 0, 0));
    EXPECT_EQ(ColourAt(bitmap, 209, 0), MakeColor(111, 0, 0));
    EXPECT_EQ(ColourAt(bitmap, 308, 0), MakeColor(210, 0, 0));
    EXPECT_EQ(ColourAt(bitmap, 519, 0), MakeColor(210, 0, 0));
    EXPECT_EQ(ColourAt(bitmap, 520, 0), kWhite);

    // Positions far outside 0..512 visit only the columns inside the bitmap: here the bar is
    // the middle of a segment from column -33554432 to 33554432.
    Raster narrow(8, 1);
    TNodeArray extremes{TNode{INT32_MIN + 1, MakeColor(0, 0, 0), 1}, TNode{INT32_MAX, MakeColor(255, 0, 0), 1}};
    DrawGradientBar(extremes, TRect{0, 0, 8, 1}, narrow);
    EXPECT_EQ(ColourAt(narrow, 0, 0), MakeColor(127, 0, 0));
    EXPECT_EQ(ColourAt(narrow, 7, 0), MakeColor(127, 0, 0));
}

} // namespace
} // namespace ormel
