#include "tools/gradient_ellipse.h"
#include "tools/gradient_presets.h"
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

constexpr TColor kRed = MakeColor(255, 0, 0), kWhite = MakeColor(255, 255, 255), kBlue = MakeColor(0, 0, 255);

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

TEST(ShapeToolTest, EllipseOnePixelAndEitherDragDirection)
{
    const TIconImage blank = Blank(12, Depth24);
    TIconImage image = blank, upLeft = blank, downRight = blank;
    TShapeTool ellipse(ShapeKind::Ellipse);
    ellipse.Press(image, 3, 3, 1);
    ellipse.Move(image, 4, 4, 1, true, RedPaint(1));
    EXPECT_EQ(Changed(image, blank), Box(3, 3, 4, 4));
    EXPECT_EQ(ColourAt(image, 3, 3), kRed);
    EXPECT_EQ(ellipse.Release(), "Ellipse");
    ellipse.Press(upLeft, 10, 9, 1);
    ellipse.Move(upLeft, 1, 2, 1, true, RedPaint(1));
    ellipse.Press(downRight, 1, 2, 1);
    ellipse.Move(downRight, 10, 9, 1, true, RedPaint(1));
    EXPECT_EQ(Changed(upLeft, downRight), Pixels{});
    EXPECT_NE(Changed(upLeft, blank), Pixels{});
}

TEST(GradientRectTest, RoundedCornerIsOnePixelThick)
{
    const TIconImage blank = Blank(10, Depth32);
    TShapePaint paint = RedPaint(0);
    paint.CornerRadius = 3;
    Pixels corner;
    for (const auto& pixel : Changed(Drawn<TGradientRect>(paint, blank, TRect{0, 0, 10, 10}), blank))
        if (pixel.first < 3 && pixel.second < 3)
            corner.insert(pixel);
    EXPECT_EQ(corner, (Pixels{{2, 0}, {1, 1}, {0, 2}}));
    // Anti-aliased, pixel (0, 1) beside the curve (edge weight 194) gets partial alpha.
    paint.AntiAliasing = true;
    EXPECT_EQ(TransparencyAt(Drawn<TGradientRect>(paint, blank, TRect{0, 0, 10, 10}), 0, 1), 194);
}

TEST(GradientRectTest, GradientStylesReadTheStrip)
{
    const Raster strip = DefaultGradientStrip();
    // Horizontal (2) over the interior 1..10; vertical (1) divides by the height less both
    // borders; box (3) has half width 4, so (8, 6) reads column 255; radial (4): D = sqrt(50).
    const struct {
        int style, x, y;
        TColor colour;
    } cases[] = {{2, 1, 5, kWhite}, {2, 10, 5, kBlue}, {1, 5, 10, MakeColor(25, 25, 255)}, {1, 5, 11, kBlue},
                 {3, 6, 6, kWhite}, {3, 8, 6, MakeColor(127, 127, 255)}, {4, 8, 6, MakeColor(182, 182, 255)},
                 {4, 1, 1, kBlue}};
    for (const auto& c : cases) {
        TShapePaint paint = RedPaint(2);
        paint.Style = c.style;
        paint.GradientStrip = &strip;
        const TIconImage image = Drawn<TGradientRect>(paint, Blank(12, Depth24), TRect{0, 0, 12, 12});
        EXPECT_EQ(ColourAt(image, c.x, c.y), c.colour) << c.style << " at " << c.x << "," << c.y;
    }
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
