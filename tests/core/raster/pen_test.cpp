#include "raster/paint.h"
#include "raster/pen.h"

#include <gtest/gtest.h>

#include <climits>
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
        {5, 3, {0, 0}, {4, 2}, 1, {"##...", "..##.", "....."}}, // a half-way minor step stays on the start's side
        // Thin lines clipped to the bitmap, keeping their phase.
        {4, 4, {-2, -2}, {6, 6}, 1, {"#...", ".#..", "..#.", "...#"}},
        {4, 2, {INT_MIN, 0}, {INT_MAX, 0}, 1, {"####", "...."}},
        // Wide pens have round ends reaching past the end points.
        {13, 7, {4, 3}, {8, 3}, 5, {".............", "...#######...", "..#########..", "..#########..",
                                    "..#########..", "...#######...", "............."}},
        // An even width sits below and right of the point, like a dab of that size.
        {8, 4, {1, 1}, {4, 1}, 2, {"........", ".#####..", ".#####..", "........"}},
        {7, 7, {3, 3}, {3, 3}, 5, {".......", "..###..", ".#####.", ".#####.", ".#####.", "..###..", "......."}},
        // Wide lines clipped to the bitmap.
        {5, 3, {INT_MIN / 2, 1}, {INT_MAX / 2, 1}, 3, {"#####", "#####", "#####"}},
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
    // Thin: each joint drawn once, the last point left out.
    EXPECT_EQ(polyline(5, {{0, 0}, {3, 0}, {3, 3}, {1, 3}}, 1), (Picture{"####.", "...#.", "...#.", "..##.", "....."}));

    // Wide: the outer corner is rounded off (a mitred join would cover (11, 1)).
    const Picture wide = polyline(14, {{3, 3}, {9, 3}, {9, 9}}, 5);
    EXPECT_EQ(wide[1].substr(10, 2), "#.");
    EXPECT_EQ(wide[2][11], '#');
}

TEST(Pen, PolygonFill)
{
    // Right and bottom edges are left out, whatever the starting corner and direction, closed or not.
    const Picture square{"......", "..###.", "..###.", "..###.", "......"};
    EXPECT_EQ(Polygon(6, 5, {{2, 1}, {5, 1}, {5, 4}, {2, 4}}), square);
    EXPECT_EQ(Polygon(6, 5, {{2, 4}, {5, 4}, {5, 1}, {2, 1}, {2, 4}}), square);
    EXPECT_EQ(Polygon(6, 5, {{2, 1}, {2, 1}, {2, 4}, {2, 4}}), Uniform(6, 5, '.'));
    EXPECT_EQ(Polygon(4, 3, {{-9, -9}, {90, -9}, {90, 90}, {-9, 90}}), Uniform(4, 3, '#'));

    // Half of a square cut along its diagonal.
    EXPECT_EQ(Polygon(4, 4, {{0, 0}, {4, 4}, {0, 4}}), (Picture{"....", "#...", "##..", "###."}));
}

TEST(Pen, EllipsesStayInsideTheirBox)
{
    const Picture filled{".........", "..#####..", ".#######.", ".#######.", ".#######.", "..#####..", "........."};
    EXPECT_EQ(Painted(9, 7, [](Raster& b) { FillEllipse(b, TRect{1, 1, 8, 6}, 0); }), filled);
    EXPECT_EQ(Painted(9, 7, [](Raster& b) { DrawEllipse(b, TRect{1, 1, 8, 6}, TPen{0, 1}); }),
              (Picture{".........", "..#####..", ".#.....#.", ".#.....#.", ".#.....#.", "..#####..", "........."}));

    const TRect huge{INT_MIN, INT_MIN, INT_MAX, INT_MAX};
    EXPECT_EQ(Painted(4, 4, [&](Raster& b) { FillEllipse(b, huge, 0); }), Uniform(4, 4, '#'));
    EXPECT_EQ(Painted(4, 4, [&](Raster& b) { DrawEllipse(b, huge, TPen{0, 1}); }), Uniform(4, 4, '.'));
}

} // namespace
} // namespace ormel
