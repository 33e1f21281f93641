#include "tools/gradient_ellipse.h"
#include "tools/shape_tool.h"

#include "raster/paint.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <set>

namespace ormel {
namespace {

using test::ColourAt;
using test::TransparencyAt;
using Pixels = std::set<std::pair<int, int>>;

constexpr TColor kRed = MakeColor(255, 0, 0), kWhite = MakeColor(255, 255, 255);

TIconImage Blank(int size, int depth) { return test::BlankImage(size, size, depth); }

template <class Shape>
TIconImage Drawn(const TShapePaint& paint, TIconImage image, TRect box)
{
    Shape(paint, image.ColorDepth).Draw(box, image.Bitmap, image.Mask);
    return image;
}

TShapePaint RedPaint(int type)
{
    TShapePaint paint;
    paint.Type = type;
    paint.Color = kRed;
    return paint;
}

Pixels Changed(const TIconImage& a, const TIconImage& b)
{
    Pixels changed;
    for (int y = 0; y < a.Height; ++y)
        for (int x = 0; x < a.Width; ++x)
            if (ColourAt(a, x, y) != ColourAt(b, x, y) || TransparencyAt(a, x, y) != TransparencyAt(b, x, y))
                changed.insert({x, y});
    return changed;
}

// The pixels of [left, right) x [top, bottom), or only its one-pixel outline.
Pixels Box(int left, int top, int right, int bottom, bool outline = false)
{
    Pixels box;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            if (!outline || x == left || y == top || x == right - 1 || y == bottom - 1)
                box.insert({x, y});
    return box;
}

TEST(ShapeToolTest, RectangleRingFillAndDragFromTheBackup)
{
    const TIconImage blank = Blank(8, Depth32);
    TIconImage image = blank;
    TShapeTool rectangle(ShapeKind::Rectangle);
    // Type 0, border 1: the 4 x 4 ring; type 1 fills the centre in white.
    rectangle.Press(image, 0, 0, 1);
    EXPECT_FALSE(rectangle.Move(image, 4, 4, 1, false, RedPaint(0)));
    EXPECT_TRUE(rectangle.Move(image, 4, 4, 1, true, RedPaint(0)));
    EXPECT_EQ(Changed(image, blank), Box(0, 0, 4, 4, true));
    EXPECT_EQ(ColourAt(image, 0, 3), kRed);
    rectangle.Move(image, 4, 4, 1, true, RedPaint(1));
    EXPECT_EQ(Changed(image, blank), Box(0, 0, 4, 4));
    EXPECT_EQ(ColourAt(image, 1, 2), kWhite);
    EXPECT_EQ(rectangle.Release(), "Rectangle");
    EXPECT_EQ(rectangle.Release(), "");

    // At zoom 4, (2, 2) to (6, 5) covers 2..5 by 2..4; moving back leaves only the smaller shape.
    image = blank;
    rectangle.Press(image, 11, 8, 4);
    rectangle.Move(image, 25, 22, 4, true, RedPaint(2));
    EXPECT_EQ(Changed(image, blank), Box(2, 2, 6, 5));
    rectangle.Move(image, 16, 16, 4, true, RedPaint(2));
    EXPECT_EQ(Changed(image, blank), Box(2, 2, 4, 4));

    // Past the right edge, the right border runs down the last column.
    image = blank;
    rectangle.Press(image, 2, 2, 1);
    rectangle.Move(image, 20, 6, 1, true, RedPaint(0));
    EXPECT_EQ(ColourAt(image, 7, 3), kRed);
    EXPECT_EQ(TransparencyAt(image, 6, 3), 255);
    // A backup of another image is never restored into this one.
    TIconImage other = Blank(4, Depth32);
    EXPECT_FALSE(rectangle.Move(other, 3, 3, 1, true, RedPaint(2)));
}

TEST(GradientRectTest, DepthSpecificWrites)
{
    // The ellipse in 9 x 9, border 1: (4, 0) is an outer edge pixel of weight 127, (3, 0) of 164.
    TShapePaint paint = RedPaint(0);
    paint.AntiAliasing = true;
    TIconImage black = Blank(9, Depth24);
    black.Bitmap.fill(0, 0, 0);
    const TIconImage truecolour = Drawn<TGradientEllipse>(paint, black, TRect{0, 0, 9, 9});
    const TIconImage alpha = Drawn<TGradientEllipse>(paint, Blank(9, Depth32), TRect{0, 0, 9, 9});
    EXPECT_EQ(ColourAt(truecolour, 4, 0), MakeColor(128, 0, 0));
    EXPECT_EQ(ColourAt(truecolour, 3, 0), MakeColor(91, 0, 0));
    EXPECT_EQ(ColourAt(alpha, 4, 0), kRed);
    EXPECT_EQ(TransparencyAt(alpha, 4, 0), 127);
    // Indexed: two-level whatever the box says, the index in the red byte.
    paint.Color = 7;
    const TIconImage indexed = Drawn<TGradientEllipse>(paint, Blank(9, Depth8), TRect{0, 0, 9, 9});
    EXPECT_EQ(indexed.Bitmap.pixel(4, 0)[2], 7);
    EXPECT_EQ(TransparencyAt(indexed, 4, 0), 0);
    EXPECT_EQ(TransparencyAt(indexed, 3, 0), 255);

    // Alpha 0 on 32 bits: every covered pixel white and fully transparent, nothing else touched.
    TIconImage expected = test::PatternImage(9, 9, Depth32);
    TShapePaint clear = RedPaint(1);
    clear.Opacity = 0;
    const TIconImage erased = Drawn<TGradientRect>(clear, expected, TRect{2, 2, 6, 6});
    FillBitmapRect(expected.Bitmap, kWhite, TRect{2, 2, 6, 6});
    FillBitmapRect(expected.Mask, kWhite, TRect{2, 2, 6, 6});
    EXPECT_EQ(Changed(erased, expected), Pixels{});
}

} // namespace
} // namespace ormel
