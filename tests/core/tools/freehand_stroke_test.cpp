#include "tools/freehand_stroke.h"

#include "raster/paint.h"
#include "tools/stroke_coverage.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace ormel {
namespace {

using test::BlankImage;
using test::ColourAt;
using test::PatternImage;
using test::TransparencyAt;

constexpr TColor kRed = MakeColor(255, 0, 0);

// The image as redrawing the whole polyline from the original leaves it.
TIconImage WholeRedraw(const TIconImage& original, const std::vector<TPoint>& points, const TStrokeSettings& s)
{
    TIconImage expected = original;
    Raster coverage(original.Width, original.Height);
    DrawStrokeCoverage(coverage, points, s.Width, s.Hardness);
    PaintThroughCoverage(coverage, expected.Bitmap, expected.Mask, ImageArea(original), s.Colour, s.Opacity,
                         original.ColorDepth);
    return expected;
}

bool SameImage(const TIconImage& a, const TIconImage& b) { return a.Bitmap == b.Bitmap && a.Mask == b.Mask; }

// The eraser clears to transparent black at every depth; the pencil on a 24-bit image paints
// opaque whatever the alpha.
TEST(FreehandStroke, EraserClearsAndPencilOn24BitIgnoresAlpha)
{
    const TColor colour = MakeColor(10, 20, 30);
    Raster touched(16, 16);
    DrawStrokeCoverage(touched, std::vector<TPoint>{{5, 5}, {11, 8}}, 3, 255);
    for (const auto& [tool, depth] : {std::pair{FreehandTool::Eraser, Depth1}, {FreehandTool::Eraser, Depth32},
                                      {FreehandTool::Pencil, Depth24}}) {
        TFreehandStroke stroke;
        TIconImage image = PatternImage(16, 16, depth), expected = image;
        stroke.Press(image, 5, 5, 1, FreehandSettings(tool, 3, 0, colour, 50, false));
        stroke.Move(image, 11, 8, 1, true);
        const bool erased = tool == FreehandTool::Eraser;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                if (touched.pixel(x, y)[0] != 255) {
                    StorePixel(expected.Bitmap.pixel(x, y), erased ? 0 : colour);
                    expected.Mask.pixel(x, y)[0] = erased ? 255 : 0;
                }
        EXPECT_EQ(image.Bitmap, expected.Bitmap) << depth;
        for (int i = 0; i < 256; ++i)
            EXPECT_EQ(TransparencyAt(image, i % 16, i / 16), TransparencyAt(expected, i % 16, i / 16)) << depth;
    }
}

// Grown segment by segment, the stroke must always equal the whole polyline drawn afresh.
TEST(FreehandStroke, GrowingStrokeEqualsTheWholePolylineRedrawn)
{
    std::mt19937 random(7);
    for (const TStrokeSettings& settings :
         {FreehandSettings(FreehandTool::Brush, 7, 32, kRed, 128, false),
          FreehandSettings(FreehandTool::Pencil, 4, 0, kRed, 90, false),
          FreehandSettings(FreehandTool::Pencil, 1, 0, kRed, 255, false),
          FreehandSettings(FreehandTool::Eraser, 2, 0, 0, 255, false)}) {
        const TIconImage original = PatternImage(40, 30, Depth32);
        TIconImage image = original;
        TFreehandStroke stroke;
        TPoint at{20, 15};
        std::vector<TPoint> expected{at};
        stroke.Press(image, 3 * 20 + 2, 3 * 15, 3, settings);
        for (int move = 1; move <= 3000; ++move) {
            const int reach = move % 37 == 0 ? 40 : 2;
            at.X = std::clamp(at.X + std::uniform_int_distribution(-reach, reach)(random), -10, 50);
            at.Y = std::clamp(at.Y + std::uniform_int_distribution(-reach, reach)(random), -10, 40);
            stroke.Move(image, 3 * at.X, 3 * at.Y, 3, true);
            if (!(at == expected.back()))
                expected.push_back(at);
            if (move % 500 == 0)
                ASSERT_TRUE(SameImage(image, WholeRedraw(original, expected, settings))) << "move " << move;
        }
        EXPECT_EQ(stroke.Points(), expected);
    }
}

TEST(FreehandStroke, LongStrokeKeepsItsFirstPointsAndFollowsTheCursorWithTheLast)
{
    const TStrokeSettings brush = FreehandSettings(FreehandTool::Brush, 7, 32, kRed, 128, false);
    const TIconImage original = PatternImage(64, 64, Depth32);
    TIconImage image = original;
    TFreehandStroke stroke;
    std::vector<TPoint> sent{{0, 0}};
    stroke.Press(image, 0, 0, 1, brush);
    for (int i = 1; i < 65540; ++i) {
        sent.push_back(i < 65530 ? TPoint{i % 60, (i / 60) % 60} : TPoint{(i * 17) % 64, (i * 29) % 64});
        stroke.Move(image, sent.back().X, sent.back().Y, 1, true);
    }
    std::vector<TPoint> kept(sent.begin(), sent.begin() + 65529); // the first points, then the last
    kept.push_back(sent.back());
    EXPECT_EQ(stroke.Points(), kept);
    EXPECT_TRUE(SameImage(image, WholeRedraw(original, kept, brush)));
}

} // namespace
} // namespace ormel
