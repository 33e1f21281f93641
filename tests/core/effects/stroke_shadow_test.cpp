#include "effects/shadow.h"
#include "effects/stroke.h"
#include "raster/paint.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace ormel {
namespace {

using test::ColourAt;
using test::TransparencyAt;

constexpr TColor kPicture = MakeColor(10, 20, 30);
constexpr TColor kRed = MakeColor(255, 0, 0);

// A transparent white image with an opaque block.
TIconImage BlockImage(int width, int height, TRect block, int depth = Depth32)
{
    TIconImage image;
    NewIconImage(image, width, height, -1, depth);
    FillBitmapRect(image.Bitmap, kPicture, block);
    FillBitmapRect(image.Mask, 0, block);
    return image;
}

TEST(Stroke, SizeOneMarksEdgePairsBeforeTheLastColumnAndRowAtItsOpacity)
{
    TIconImage image = BlockImage(6, 5, TRect{1, 1, 2, 2});
    image.Mask.pixel(5, 3)[0] = 0;   // opaque in the last column
    image.Mask.pixel(3, 4)[0] = 100; // partly transparent in the last row
    TIconImage dest;
    StrokeImage(image, dest, MakeColor(200, 100, 50), 1, 128, StrokeOuter);
    const char* painted[5] = {".s....", "s.s...", ".s....", "...ss.", "...s.."};
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 6; ++x) {
            // Over white: colour (c x 128 + 255 x 127) >> 8, and the opacity adds to alpha.
            const bool stroke = painted[y][x] == 's';
            const int transparency = TransparencyAt(image, x, y);
            EXPECT_EQ(ColourAt(dest, x, y), stroke ? MakeColor(226, 176, 151) : ColourAt(image, x, y));
            EXPECT_EQ(TransparencyAt(dest, x, y), stroke ? std::max(0, transparency - 128) : transparency);
        }
}

TEST(Stroke, SizesGrowOutwardInwardOrBoth)
{
    const TIconImage block = BlockImage(12, 12, TRect{4, 4, 8, 8});
    // Middle grows inward first. The bottom-left and top-right corners are never the top-left
    // or bottom-right of a window, so even a huge outer stroke leaves them.
    const struct {
        TIconImage image;
        int size, direction, area;
    } cases[] = {{block, 2, StrokeOuter, 40},  {block, 3, StrokeMiddle, 52}, {block, 3, StrokeInner, 32},
                 {block, 200, StrokeOuter, 144 - 16 - 2}, {BlockImage(8, 8, TRect{}), 5, StrokeOuter, 0}};
    for (const auto& c : cases) {
        TIconImage dest;
        StrokeImage(c.image, dest, kRed, c.size, 255, c.direction);
        int area = 0;
        for (int i = 0; i < c.image.Width * c.image.Height; ++i)
            area += ColourAt(dest, i % c.image.Width, i / c.image.Width) != ColourAt(c.image, i % c.image.Width, i / c.image.Width);
        EXPECT_EQ(area, c.area) << c.size << " " << c.direction;
    }
}

TEST(Shadow, SilhouetteMovesAgainstTheLightBeneathThePicture)
{
    EXPECT_EQ(ShadowOffset(135, 5), (TPoint{3, 3}));
    const TIconImage image = BlockImage(16, 16, TRect{4, 4, 6, 6});
    TIconImage dest;
    MakeShadow(image, dest, kRed, 5, 255, 135, 0);
    EXPECT_EQ(ColourAt(dest, 5, 5), kPicture);
    EXPECT_EQ(ColourAt(dest, 8, 8), kRed);
    EXPECT_EQ(TransparencyAt(dest, 8, 8), 0);
    EXPECT_EQ(TransparencyAt(dest, 6, 6), 255);
}

} // namespace
} // namespace ormel
