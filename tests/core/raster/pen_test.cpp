#include "raster/antialias.h"
#include "raster/pen.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

namespace ormel {
namespace {

using Picture = std::vector<std::string>;

constexpr TColor kRed = 0x0000FF;

// '#' where a pixel is not white.
Picture Draw(const Raster& bitmap)
{
    Picture picture;
    for (int y = 0; y < bitmap.height(); ++y) {
        std::string row;
        for (int x = 0; x < bitmap.width(); ++x) {
            const std::uint8_t* p = bitmap.pixel(x, y);
            row += (p[0] == 255 && p[1] == 255 && p[2] == 255) ? '.' : '#';
        }
        picture.push_back(row);
    }
    return picture;
}

Picture Line(int width, int height, TPoint from, TPoint to, int penWidth)
{
    Raster bitmap(width, height);
    DrawLine(bitmap, from, to, TPen{0, penWidth});
    return Draw(bitmap);
}

Picture Polygon(int width, int height, const std::vector<TPoint>& points)
{
    Raster bitmap(width, height);
    FillPolygon(bitmap, points, 0);
    return Draw(bitmap);
}

int CountCovered(const Picture& picture)
{
    int count = 0;
    for (const std::string& row : picture)
        for (char c : row)
            count += c == '#';
    return count;
}

TEST(Pen, ThinLinesLeaveOutTheirEndPixel)
{
    EXPECT_EQ(Line(7, 2, {0, 0}, {5, 0}, 1), (Picture{"#####..", "......."}));
    EXPECT_EQ(Line(7, 2, {5, 0}, {0, 0}, 1), (Picture{".#####.", "......."}));
    EXPECT_EQ(Line(4, 4, {0, 0}, {3, 3}, 1), (Picture{"#...", ".#..", "..#.", "...."}));
    // A minor step that falls exactly half-way stays on the start's side.
    EXPECT_EQ(Line(5, 3, {0, 0}, {4, 2}, 1), (Picture{"##...", "..##.", "....."}));
    EXPECT_EQ(Line(3, 5, {1, 4}, {1, 0}, 1), (Picture{"...", ".#.", ".#.", ".#.", ".#."}));
    EXPECT_EQ(Line(3, 3, {1, 1}, {1, 1}, 1), (Picture{"...", "...", "..."}));

    // The pixel's bytes take the colour value: blue, green, red.
    Raster bitmap(2, 1);
    DrawLine(bitmap, {0, 0}, {2, 0}, TPen{kRed, 1});
    EXPECT_EQ(bitmap.pixel(1, 0)[0], 0);
    EXPECT_EQ(bitmap.pixel(1, 0)[2], 255);
}

TEST(Pen, ThinLinesAreClippedToTheBitmap)
{
    EXPECT_EQ(Line(6, 3, {-4, 1}, {20, 1}, 1), (Picture{"......", "######", "......"}));
    EXPECT_EQ(Line(4, 4, {-2, -2}, {6, 6}, 1), (Picture{"#...", ".#..", "..#.", "...#"}));
    EXPECT_EQ(Line(4, 2, {INT_MIN, 0}, {INT_MAX, 0}, 1), (Picture{"####", "...."}));
    EXPECT_EQ(Line(4, 2, {-10, -5}, {-1, -9}, 1), (Picture{"....", "...."}));
}

TEST(Pen, ThinPolylineDrawsEachJointOnceAndLeavesOutTheLastPoint)
{
    Raster bitmap(5, 5);
    const std::vector<TPoint> points{{0, 0}, {3, 0}, {3, 3}, {1, 3}};
    DrawPolyline(bitmap, points, TPen{0, 1});
    EXPECT_EQ(Draw(bitmap), (Picture{"####.", "...#.", "...#.", "..##.", "....."}));

    Raster single(3, 3);
    DrawPolyline(single, std::vector<TPoint>{{1, 1}}, TPen{0, 3});
    EXPECT_EQ(Draw(single), (Picture{"...", "...", "..."}));
}

TEST(Pen, WidePensHaveRoundEnds)
{
    // Width 3: the line reaches one pixel past each end point.
    EXPECT_EQ(Line(11, 5, {3, 2}, {7, 2}, 3), (Picture{"...........", "..#######..", "..#######..",
                                                       "..#######..", "..........."}));
    // Width 5: the cap leaves out the corners a square end would cover.
    EXPECT_EQ(Line(13, 7, {4, 3}, {8, 3}, 5), (Picture{".............", "...#######...", "..#########..",
                                                       "..#########..", "..#########..", "...#######...",
                                                       "............."}));
    // An even width sits on the corner below and right of the point, like a dab of that size.
    EXPECT_EQ(Line(8, 4, {1, 1}, {4, 1}, 2), (Picture{"........", ".#####..", ".#####..", "........"}));
    // A line of length 0 is one disc.
    EXPECT_EQ(Line(7, 7, {3, 3}, {3, 3}, 5), (Picture{".......", "..###..", ".#####.", ".#####.", ".#####.",
                                                      "..###..", "......."}));
}

TEST(Pen, WideDiscMatchesTheRoundBrushOfTheSameSize)
{
    // A dab of size w at p covers the box starting at p - (w - 1) div 2, and so does the pen's
    // disc at p. The brush's rim rule (d - 0.4 > r) and the disc rule agree at these sizes; at
    // 3, 6, 9, 10, 13 and 14 the disc takes a few more rim pixels.
    for (int w : {2, 4, 5, 7, 8, 11, 12, 15}) {
        const int o = (w - 1) / 2;
        Raster dab(w, w);
        MakeRoundBrush(dab, w, 255);
        Raster pen(w + 4, w + 4);
        DrawLine(pen, {2 + o, 2 + o}, {2 + o, 2 + o}, TPen{0, w});
        Raster expected(w + 4, w + 4);
        for (int y = 0; y < w; ++y)
            for (int x = 0; x < w; ++x)
                if (dab.pixel(x, y)[0] == 0)
                    DrawLine(expected, {x + 2, y + 2}, {x + 3, y + 2}, TPen{0, 1});
        EXPECT_EQ(Draw(pen), Draw(expected)) << "width " << w;
    }
}

TEST(Pen, WidePolylineHasRoundJoins)
{
    Raster bitmap(14, 14);
    const std::vector<TPoint> points{{3, 3}, {9, 3}, {9, 9}};
    DrawPolyline(bitmap, points, TPen{0, 5});
    const Picture picture = Draw(bitmap);
    // The outer corner of the join is rounded off: a mitred join would cover (11, 1).
    EXPECT_EQ(picture[1][11], '.');
    EXPECT_EQ(picture[2][11], '#');
    EXPECT_EQ(picture[1][10], '#');
    // Both arms are 5 wide and each ends in a cap.
    EXPECT_EQ(picture[3], ".###########..");
    EXPECT_EQ(picture[11], "........###...");
    EXPECT_EQ(picture[12], "..............");
}

TEST(Pen, WideLinesAreClippedToTheBitmap)
{
    EXPECT_EQ(Line(5, 3, {-50, 1}, {50, 1}, 3), (Picture{"#####", "#####", "#####"}));
    EXPECT_EQ(Line(5, 3, {INT_MIN / 2, 1}, {INT_MAX / 2, 1}, 3), (Picture{"#####", "#####", "#####"}));
    EXPECT_EQ(Line(5, 3, {-20, -20}, {-10, -10}, 9), (Picture{".....", ".....", "....."}));
}

TEST(Pen, RectanglePolygonFillsWithoutItsRightAndBottomEdges)
{
    const Picture expected{"........", "........", "........", "........", "........",
                           "..###...", "..###...", "..###...", "........"};
    // Every starting corner and both directions, closed or not.
    EXPECT_EQ(Polygon(8, 9, {{2, 5}, {5, 5}, {5, 8}, {2, 8}}), expected);
    EXPECT_EQ(Polygon(8, 9, {{5, 5}, {2, 5}, {2, 8}, {5, 8}}), expected);
    EXPECT_EQ(Polygon(8, 9, {{5, 8}, {5, 5}, {2, 5}, {2, 8}}), expected);
    EXPECT_EQ(Polygon(8, 9, {{2, 8}, {5, 8}, {5, 5}, {2, 5}, {2, 8}}), expected);
    // A polygon of zero width or height, or of fewer than three points, fills nothing.
    EXPECT_EQ(CountCovered(Polygon(8, 9, {{2, 5}, {2, 5}, {2, 8}, {2, 8}})), 0);
    EXPECT_EQ(CountCovered(Polygon(8, 9, {{2, 5}, {5, 5}})), 0);
    // Clipped: the whole bitmap.
    EXPECT_EQ(CountCovered(Polygon(4, 3, {{-9, -9}, {90, -9}, {90, 90}, {-9, 90}})), 12);
}

TEST(Pen, TrianglesSharingAnEdgeTileTheSquare)
{
    // Centres on a left edge are inside, on a right edge outside, so the two halves of a square
    // cut along its diagonal neither overlap nor leave a gap.
    const Picture lower = Polygon(4, 4, {{0, 0}, {4, 4}, {0, 4}});
    const Picture upper = Polygon(4, 4, {{0, 0}, {4, 0}, {4, 4}});
    EXPECT_EQ(lower, (Picture{"....", "#...", "##..", "###."}));
    EXPECT_EQ(upper, (Picture{"####", ".###", "..##", "...#"}));
}

TEST(Pen, EvenOddFillLeavesTheStarsCentreEmpty)
{
    std::vector<TPoint> star;
    for (int k = 0; k < 5; ++k) {
        const double angle = (-90.0 + 144.0 * k) * std::numbers::pi / 180.0;
        star.push_back({static_cast<int>(std::lround(20 + 18 * std::cos(angle))),
                        static_cast<int>(std::lround(20 + 18 * std::sin(angle)))});
    }
    const Picture picture = Polygon(40, 40, star);
    EXPECT_EQ(picture[20][20], '.');
    EXPECT_EQ(picture[19][19], '.');
    EXPECT_EQ(picture[5][20], '#');  // the top point
    EXPECT_EQ(picture[16][6], '#');  // the left point
    EXPECT_EQ(picture[30][12], '#'); // the lower left point
    EXPECT_EQ(picture[20][1], '.');  // outside
}

TEST(Pen, EllipsesStayInsideTheirBox)
{
    Raster filled(9, 7);
    FillEllipse(filled, TRect{1, 1, 8, 6}, 0);
    EXPECT_EQ(Draw(filled), (Picture{".........", "..#####..", ".#######.", ".#######.", ".#######.",
                                     "..#####..", "........."}));
    Raster reversed(9, 7);
    FillEllipse(reversed, TRect{8, 6, 1, 1}, 0);
    EXPECT_EQ(reversed, filled);

    Raster outline(9, 7);
    DrawEllipse(outline, TRect{1, 1, 8, 6}, TPen{0, 1});
    EXPECT_EQ(Draw(outline), (Picture{".........", "..#####..", ".#.....#.", ".#.....#.", ".#.....#.",
                                      "..#####..", "........."}));
    // A pen as wide as the half axis fills the ellipse.
    Raster thick(9, 7);
    DrawEllipse(thick, TRect{1, 1, 8, 6}, TPen{0, 3});
    EXPECT_EQ(thick, filled);

    Raster one(3, 3);
    FillEllipse(one, TRect{1, 1, 2, 2}, 0);
    EXPECT_EQ(Draw(one), (Picture{"...", ".#.", "..."}));
    Raster clipped(4, 4);
    FillEllipse(clipped, TRect{-20, -20, 24, 24}, 0);
    EXPECT_EQ(CountCovered(Draw(clipped)), 16);
    Raster huge(4, 4);
    FillEllipse(huge, TRect{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, 0);
    EXPECT_EQ(CountCovered(Draw(huge)), 16);
    Raster hugeOutline(4, 4);
    DrawEllipse(hugeOutline, TRect{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, TPen{0, 1});
    EXPECT_EQ(CountCovered(Draw(hugeOutline)), 0);
}

TEST(Pen, RectangleOutlineIsInsideTheRectangle)
{
    Raster thin(8, 6);
    DrawRectangle(thin, TRect{6, 5, 1, 1}, TPen{0, 1});
    EXPECT_EQ(Draw(thin), (Picture{"........", ".#####..", ".#...#..", ".#...#..", ".#####..", "........"}));
    Raster thick(8, 7);
    DrawRectangle(thick, TRect{1, 1, 7, 7}, TPen{0, 2});
    EXPECT_EQ(Draw(thick), (Picture{"........", ".######.", ".######.", ".##..##.", ".##..##.", ".######.",
                                    ".######."}));
    Raster clipped(3, 3);
    DrawRectangle(clipped, TRect{-1, -1, 2, 2}, TPen{0, 1});
    EXPECT_EQ(Draw(clipped), (Picture{".#.", "##.", "..."}));
}

} // namespace
} // namespace ormel
