#include "raster/antialias.h"
#include "raster/paint.h"
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

// '#' where a pixel is not white.
Picture Draw(const Raster& bitmap)
{
    Picture picture(bitmap.height(), std::string(bitmap.width(), '.'));
    for (int y = 0; y < bitmap.height(); ++y)
        for (int x = 0; x < bitmap.width(); ++x)
            if (PackPixel(bitmap.pixel(x, y)) != 0xFFFFFF)
                picture[y][x] = '#';
    return picture;
}

template <typename Paint> Picture Painted(int width, int height, Paint paint)
{
    Raster bitmap(width, height);
    paint(bitmap);
    return Draw(bitmap);
}

Picture Line(int width, int height, TPoint from, TPoint to, int penWidth)
{
    return Painted(width, height, [&](Raster& b) { DrawLine(b, from, to, TPen{0, penWidth}); });
}

Picture Polygon(int width, int height, const std::vector<TPoint>& points)
{
    return Painted(width, height, [&](Raster& b) { FillPolygon(b, points, 0); });
}

Picture Uniform(int width, int height, char c) { return Picture(height, std::string(width, c)); }

TEST(Pen, LinePictures)
{
    struct Case { int width, height; TPoint from, to; int pen; Picture expected; };
    const Case cases[] = {
        // Thin lines leave out their end pixel.
        {7, 2, {0, 0}, {5, 0}, 1, {"#####..", "......."}},
        {7, 2, {5, 0}, {0, 0}, 1, {".#####.", "......."}},
        {4, 4, {0, 0}, {3, 3}, 1, {"#...", ".#..", "..#.", "...."}},
        {5, 3, {0, 0}, {4, 2}, 1, {"##...", "..##.", "....."}}, // a half-way minor step stays on the start's side
        {3, 5, {1, 4}, {1, 0}, 1, {"...", ".#.", ".#.", ".#.", ".#."}},
        {3, 3, {1, 1}, {1, 1}, 1, {"...", "...", "..."}},
        // Thin lines clipped to the bitmap, keeping their phase.
        {4, 4, {-2, -2}, {6, 6}, 1, {"#...", ".#..", "..#.", "...#"}},
        {4, 2, {INT_MIN, 0}, {INT_MAX, 0}, 1, {"####", "...."}},
        {4, 2, {-10, -5}, {-1, -9}, 1, {"....", "...."}},
        // Wide pens have round ends reaching past the end points.
        {11, 5, {3, 2}, {7, 2}, 3, {"...........", "..#######..", "..#######..", "..#######..", "..........."}},
        {13, 7, {4, 3}, {8, 3}, 5, {".............", "...#######...", "..#########..", "..#########..",
                                    "..#########..", "...#######...", "............."}},
        // An even width sits below and right of the point, like a dab of that size.
        {8, 4, {1, 1}, {4, 1}, 2, {"........", ".#####..", ".#####..", "........"}},
        {7, 7, {3, 3}, {3, 3}, 5, {".......", "..###..", ".#####.", ".#####.", ".#####.", "..###..", "......."}},
        // Wide lines clipped to the bitmap.
        {5, 3, {INT_MIN / 2, 1}, {INT_MAX / 2, 1}, 3, {"#####", "#####", "#####"}},
        {5, 3, {-20, -20}, {-10, -10}, 9, {".....", ".....", "....."}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Line(c.width, c.height, c.from, c.to, c.pen), c.expected)
            << "(" << c.from.X << "," << c.from.Y << ")-(" << c.to.X << "," << c.to.Y << ") pen " << c.pen;

    // The pixel's bytes take the colour value: blue, green, red.
    Raster bitmap(2, 1);
    DrawLine(bitmap, {0, 0}, {2, 0}, TPen{0x0000FF, 1});
    EXPECT_EQ(PackPixel(bitmap.pixel(1, 0)), 0x0000FFu);
}

TEST(Pen, PolylineJoins)
{
    const auto polyline = [](int size, std::vector<TPoint> points, int pen) {
        return Painted(size, size, [&](Raster& b) { DrawPolyline(b, points, TPen{0, pen}); });
    };
    // Thin: each joint drawn once, the last point left out; a single point draws nothing.
    EXPECT_EQ(polyline(5, {{0, 0}, {3, 0}, {3, 3}, {1, 3}}, 1), (Picture{"####.", "...#.", "...#.", "..##.", "....."}));
    EXPECT_EQ(polyline(3, {{1, 1}}, 3), Uniform(3, 3, '.'));

    // Wide: the outer corner is rounded off (a mitred join would cover (11, 1)); both arms end in caps.
    const Picture wide = polyline(14, {{3, 3}, {9, 3}, {9, 9}}, 5);
    EXPECT_EQ(wide[1].substr(10, 2), "#.");
    EXPECT_EQ(wide[2][11], '#');
    EXPECT_EQ(wide[3], ".###########..");
    EXPECT_EQ(wide[11], "........###...");
    EXPECT_EQ(wide[12], "..............");
}

TEST(Pen, WideDiscMatchesTheRoundBrushOfTheSameSize)
{
    // A dab of size w at p covers the box from p - (w - 1) div 2, and so does the pen's disc.
    // At 3, 6, 9, 10, 13 and 14 the disc takes a few more rim pixels.
    for (int w : {2, 4, 5, 7, 8, 11, 12, 15}) {
        const int o = (w - 1) / 2;
        Raster dab(w, w);
        MakeRoundBrush(dab, w, 255);
        Raster expected(w + 4, w + 4);
        for (int y = 0; y < w; ++y)
            for (int x = 0; x < w; ++x)
                if (dab.pixel(x, y)[0] == 0)
                    DrawLine(expected, {x + 2, y + 2}, {x + 3, y + 2}, TPen{0, 1});
        EXPECT_EQ(Line(w + 4, w + 4, {2 + o, 2 + o}, {2 + o, 2 + o}, w), Draw(expected)) << "width " << w;
    }
}

TEST(Pen, PolygonFill)
{
    // Right and bottom edges are left out, whatever the starting corner and direction, closed or not.
    const Picture square{"......", "..###.", "..###.", "..###.", "......"};
    EXPECT_EQ(Polygon(6, 5, {{2, 1}, {5, 1}, {5, 4}, {2, 4}}), square);
    EXPECT_EQ(Polygon(6, 5, {{5, 1}, {2, 1}, {2, 4}, {5, 4}}), square);
    EXPECT_EQ(Polygon(6, 5, {{2, 4}, {5, 4}, {5, 1}, {2, 1}, {2, 4}}), square);
    EXPECT_EQ(Polygon(6, 5, {{2, 1}, {2, 1}, {2, 4}, {2, 4}}), Uniform(6, 5, '.'));
    EXPECT_EQ(Polygon(6, 5, {{2, 1}, {5, 1}}), Uniform(6, 5, '.'));
    EXPECT_EQ(Polygon(4, 3, {{-9, -9}, {90, -9}, {90, 90}, {-9, 90}}), Uniform(4, 3, '#'));

    // The two halves of a square cut along its diagonal neither overlap nor leave a gap.
    EXPECT_EQ(Polygon(4, 4, {{0, 0}, {4, 4}, {0, 4}}), (Picture{"....", "#...", "##..", "###."}));
    EXPECT_EQ(Polygon(4, 4, {{0, 0}, {4, 0}, {4, 4}}), (Picture{"####", ".###", "..##", "...#"}));

    // Even-odd: a five-pointed star keeps its centre empty.
    std::vector<TPoint> star;
    for (int k = 0; k < 5; ++k) {
        const double angle = (-90.0 + 144.0 * k) * std::numbers::pi / 180.0;
        star.push_back({static_cast<int>(std::lround(20 + 18 * std::cos(angle))),
                        static_cast<int>(std::lround(20 + 18 * std::sin(angle)))});
    }
    const Picture picture = Polygon(40, 40, star);
    // The centre and a point outside; the top, left and lower left points.
    EXPECT_EQ(std::string({picture[20][20], picture[20][1], picture[5][20], picture[16][6], picture[30][12]}), "..###");
}

TEST(Pen, EllipsesStayInsideTheirBox)
{
    const Picture filled{".........", "..#####..", ".#######.", ".#######.", ".#######.", "..#####..", "........."};
    EXPECT_EQ(Painted(9, 7, [](Raster& b) { FillEllipse(b, TRect{1, 1, 8, 6}, 0); }), filled);
    EXPECT_EQ(Painted(9, 7, [](Raster& b) { FillEllipse(b, TRect{8, 6, 1, 1}, 0); }), filled);
    EXPECT_EQ(Painted(9, 7, [](Raster& b) { DrawEllipse(b, TRect{1, 1, 8, 6}, TPen{0, 1}); }),
              (Picture{".........", "..#####..", ".#.....#.", ".#.....#.", ".#.....#.", "..#####..", "........."}));
    // A pen as wide as the half axis fills the ellipse.
    EXPECT_EQ(Painted(9, 7, [](Raster& b) { DrawEllipse(b, TRect{1, 1, 8, 6}, TPen{0, 3}); }), filled);
    EXPECT_EQ(Painted(3, 3, [](Raster& b) { FillEllipse(b, TRect{1, 1, 2, 2}, 0); }), (Picture{"...", ".#.", "..."}));

    const TRect huge{INT_MIN, INT_MIN, INT_MAX, INT_MAX};
    EXPECT_EQ(Painted(4, 4, [&](Raster& b) { FillEllipse(b, huge, 0); }), Uniform(4, 4, '#'));
    EXPECT_EQ(Painted(4, 4, [&](Raster& b) { DrawEllipse(b, huge, TPen{0, 1}); }), Uniform(4, 4, '.'));
}

TEST(Pen, RectangleOutlineIsInsideTheRectangle)
{
    EXPECT_EQ(Painted(8, 6, [](Raster& b) { DrawRectangle(b, TRect{6, 5, 1, 1}, TPen{0, 1}); }),
              (Picture{"........", ".#####..", ".#...#..", ".#...#..", ".#####..", "........"}));
    EXPECT_EQ(Painted(8, 7, [](Raster& b) { DrawRectangle(b, TRect{1, 1, 7, 7}, TPen{0, 2}); }),
              (Picture{"........", ".######.", ".######.", ".##..##.", ".##..##.", ".######.", ".######."}));
    EXPECT_EQ(Painted(3, 3, [](Raster& b) { DrawRectangle(b, TRect{-1, -1, 2, 2}, TPen{0, 1}); }),
              (Picture{".#.", "##.", "..."}));
}

} // namespace
} // namespace ormel
