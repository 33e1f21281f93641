#include "tools/gradient_ellipse.h"
#include "tools/gradient_presets.h"
#include "tools/shape_tool.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace ormel {
namespace {

using test::ColourAt;
using test::TransparencyAt;
using Pixels = std::set<std::pair<int, int>>;

constexpr TColor kRed = MakeColor(255, 0, 0);
constexpr TColor kWhite = MakeColor(255, 255, 255);
constexpr TColor kBlue = MakeColor(0, 0, 255);

TIconImage Blank(int size, int depth)
{
    TIconImage image;
    NewIconImage(image, size, size, -1, depth);
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

Pixels Box(int left, int top, int right, int bottom)
{
    Pixels box;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            box.insert({x, y});
    return box;
}

TEST(ShapeToolTest, RectangleRingFillAndDragFromTheBackup)
{
    const TIconImage blank = Blank(8, Depth32);
    TIconImage image = blank;
    TShapeTool rectangle(ShapeKind::Rectangle);
    EXPECT_EQ(rectangle.Release(), "");

    // Type 0, border 1: the 12 pixels of the 4 x 4 ring; type 1 fills the centre in white.
    rectangle.Press(image, 0, 0, 1);
    EXPECT_FALSE(rectangle.Move(image, 4, 4, 1, false, RedPaint(0)));
    EXPECT_TRUE(rectangle.Move(image, 4, 4, 1, true, RedPaint(0)));
    Pixels ring = Box(0, 0, 4, 4);
    for (const auto& centre : Box(1, 1, 3, 3))
        ring.erase(centre);
    EXPECT_EQ(Changed(image, blank), ring);
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
    TIconImage image = blank;
    TShapeTool ellipse(ShapeKind::Ellipse);
    ellipse.Press(image, 3, 3, 1);
    ellipse.Move(image, 4, 4, 1, true, RedPaint(1));
    EXPECT_EQ(Changed(image, blank), Box(3, 3, 4, 4));
    EXPECT_EQ(ColourAt(image, 3, 3), kRed);
    EXPECT_EQ(ellipse.Release(), "Ellipse");

    TIconImage upLeft = blank, downRight = blank;
    ellipse.Press(upLeft, 10, 9, 1);
    ellipse.Move(upLeft, 1, 2, 1, true, RedPaint(1));
    ellipse.Press(downRight, 1, 2, 1);
    ellipse.Move(downRight, 10, 9, 1, true, RedPaint(1));
    EXPECT_EQ(Changed(upLeft, downRight), Pixels{});
    EXPECT_NE(Changed(upLeft, blank), Pixels{});
}

TEST(GradientRectTest, RoundedCornerIsOnePixelThick)
{
    TIconImage image = Blank(10, Depth32);
    const TIconImage blank = image;
    TShapePaint paint = RedPaint(0);
    paint.CornerRadius = 3;
    TGradientRect(paint, Depth32).Draw(TRect{0, 0, 10, 10}, image.Bitmap, image.Mask);
    Pixels corner;
    for (const auto& pixel : Changed(image, blank))
        if (pixel.first < 3 && pixel.second < 3)
            corner.insert(pixel);
    EXPECT_EQ(corner, (Pixels{{2, 0}, {1, 1}, {0, 2}}));

    // Anti-aliased, pixel (0, 1) beside the curve (edge weight 194) gets partial alpha.
    paint.AntiAliasing = true;
    image = blank;
    TGradientRect(paint, Depth32).Draw(TRect{0, 0, 10, 10}, image.Bitmap, image.Mask);
    EXPECT_EQ(TransparencyAt(image, 0, 1), 194);
    EXPECT_EQ(TransparencyAt(image, 0, 0), 255);
}

TEST(GradientRectTest, GradientStylesReadTheStrip)
{
    const Raster strip = DefaultGradientStrip();
    const auto drawStyle = [&](int style) {
        TIconImage image = Blank(12, Depth24);
        TShapePaint paint = RedPaint(2);
        paint.Style = style;
        paint.GradientStrip = &strip;
        TGradientRect(paint, Depth24).Draw(TRect{0, 0, 12, 12}, image.Bitmap, image.Mask);
        return image;
    };
    // Horizontal over the 10-pixel interior 1..10: white at its first column, blue at its last.
    const TIconImage horizontal = drawStyle(2);
    EXPECT_EQ(ColourAt(horizontal, 1, 5), kWhite);
    EXPECT_EQ(ColourAt(horizontal, 10, 5), kBlue);
    // Vertical divides by the height less both borders: blue one row later, strip column 459 above.
    const TIconImage vertical = drawStyle(1);
    EXPECT_EQ(ColourAt(vertical, 5, 10), MakeColor(25, 25, 255));
    EXPECT_EQ(ColourAt(vertical, 5, 11), kBlue);
    // Box: half width 4, so (8, 6) reads column 255; radial: D = sqrt(50), column 145.
    const TIconImage box = drawStyle(3);
    EXPECT_EQ(ColourAt(box, 6, 6), kWhite);
    EXPECT_EQ(ColourAt(box, 8, 6), MakeColor(127, 127, 255));
    const TIconImage radial = drawStyle(4);
    EXPECT_EQ(ColourAt(radial, 8, 6), MakeColor(182, 182, 255));
    EXPECT_EQ(ColourAt(radial, 1, 1), kBlue);
}

TEST(GradientRectTest, DepthSpecificWrites)
{
    // The ellipse in 9 x 9, border 1: (4, 0) is an outer edge pixel of weight 127, (3, 0) of 164.
    TShapePaint paint = RedPaint(0);
    paint.AntiAliasing = true;
    const auto drawEllipse = [&](TIconImage& image) {
        TGradientEllipse(paint, image.ColorDepth).Draw(TRect{0, 0, 9, 9}, image.Bitmap, image.Mask);
    };

    TIconImage truecolour = Blank(9, Depth24);
    truecolour.Bitmap.fill(0, 0, 0);
    drawEllipse(truecolour);
    EXPECT_EQ(ColourAt(truecolour, 4, 0), MakeColor(128, 0, 0));
    EXPECT_EQ(ColourAt(truecolour, 3, 0), MakeColor(91, 0, 0));

    TIconImage alpha = Blank(9, Depth32);
    drawEllipse(alpha);
    EXPECT_EQ(ColourAt(alpha, 4, 0), kRed);
    EXPECT_EQ(TransparencyAt(alpha, 4, 0), 127);

    // Indexed: two-level whatever the box says, the index in the red byte.
    TIconImage indexed = Blank(9, Depth8);
    paint.Color = 7;
    drawEllipse(indexed);
    EXPECT_EQ(indexed.Bitmap.pixel(4, 0)[2], 7);
    EXPECT_EQ(TransparencyAt(indexed, 4, 0), 0);
    EXPECT_EQ(TransparencyAt(indexed, 3, 0), 255);

    // Alpha 0 on 32 bits: every covered pixel white and fully transparent, nothing else touched.
    TIconImage erased = test::PatternImage(9, 9, Depth32);
    const TIconImage before = erased;
    TShapePaint clear = RedPaint(1);
    clear.Opacity = 0;
    TGradientRect(clear, Depth32).Draw(TRect{2, 2, 6, 6}, erased.Bitmap, erased.Mask);
    const Pixels covered = Box(2, 2, 6, 6);
    for (const auto& pixel : Changed(erased, before))
        EXPECT_TRUE(covered.count(pixel));
    for (const auto& [x, y] : covered)
        EXPECT_EQ(std::make_pair(ColourAt(erased, x, y), TransparencyAt(erased, x, y)), std::make_pair(kWhite, 255));
}

} // namespace
} // namespace ormel
