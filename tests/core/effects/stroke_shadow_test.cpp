#include "effects/shadow.h"
#include "effects/stroke.h"
#include "raster/paint.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>

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
    } cases[] = {{block, 1, StrokeInner, 16},  {block, 2, StrokeOuter, 40},  {block, 2, StrokeInner, 28},
                 {block, 2, StrokeMiddle, 28}, {block, 3, StrokeMiddle, 52}, {block, 3, StrokeInner, 32},
                 {block, 200, StrokeOuter, 144 - 16 - 2},
                 {BlockImage(8, 8, TRect{0, 0, 8, 8}), 5, StrokeOuter, 0},
                 {BlockImage(8, 8, TRect{}), 5, StrokeOuter, 0}};
    for (const auto& c : cases) {
        TIconImage dest;
        StrokeImage(c.image, dest, kRed, c.size, 255, c.direction);
        int area = 0;
        for (int i = 0; i < c.image.Width * c.image.Height; ++i)
            area += ColourAt(dest, i % c.image.Width, i / c.image.Width) != ColourAt(c.image, i % c.image.Width, i / c.image.Width);
        EXPECT_EQ(area, c.area) << c.size << " " << c.direction;
    }
    // The picture's own pixels in the last row and column stay out of an outer stroke.
    TIconImage dest;
    StrokeImage(BlockImage(8, 8, TRect{2, 4, 8, 8}), dest, kRed, 5, 255, StrokeOuter);
    for (int i = 4; i < 8; ++i)
        EXPECT_TRUE(ColourAt(dest, i, 7) == kPicture && ColourAt(dest, 7, i) == kPicture) << i;
}

// The growth step works on eight codes at a time; this holds it to the window rule.
TEST(Stroke, GrowthStepFollowsTheWindowRuleForAnyCodes)
{
    std::mt19937 random(5);
    TStrokeCodes in{37, 9, std::vector<std::uint8_t>(37 * 9)};
    for (std::uint8_t& code : in.Codes)
        code = std::array<std::uint8_t, 5>{0, 128, 255, 7, 128}[random() % 5];
    const auto stroke = [&](int x, int y) { return in.row(y)[x] == 128; };
    for (const TRect rect : {TRect{0, 0, 37, 9}, TRect{3, 2, 30, 8}})
        for (const int target : {0, 255, 7}) {
            TStrokeCodes out, expected = in;
            const bool changed = GrowStroke(in, out, rect, static_cast<std::uint8_t>(target));
            for (int y = rect.Top; y + 1 < rect.Bottom; ++y)
                for (int x = rect.Left; x + 1 < rect.Right; ++x) {
                    if (in.row(y)[x] == target && (stroke(x + 1, y) || stroke(x, y + 1) || stroke(x + 1, y + 1)))
                        expected.row(y)[x] = 128;
                    if (in.row(y + 1)[x + 1] == target && (stroke(x, y) || stroke(x + 1, y) || stroke(x, y + 1)))
                        expected.row(y + 1)[x + 1] = 128;
                }
            EXPECT_EQ(out.Codes, expected.Codes) << target;
            EXPECT_EQ(changed, expected.Codes != in.Codes);
        }
}

TEST(Stroke, IndexedImagesTakeTheNearestPaletteIndex)
{
    TIconImage image = BlockImage(6, 6, TRect{2, 2, 4, 4}, Depth4);
    const TPaletteEntry entry = image.Palette.palPalEntry[9];
    TEffectBackup backup;
    backup.Take(image);
    ApplyStroke(backup, image, TStrokeSettings{2, 255, StrokeOuter, MakeColor(entry.peRed, entry.peGreen, entry.peBlue + 3)});
    EXPECT_EQ(image.Bitmap.pixel(1, 2)[2], 9);
    EXPECT_EQ(TransparencyAt(image, 1, 2), 0);
}

TEST(Shadow, SilhouetteMovesAgainstTheLightBeneathThePicture)
{
    EXPECT_EQ(ShadowOffset(135, 5), (TPoint{3, 3}));
    EXPECT_EQ(ShadowOffset(0, 1), (TPoint{-1, 0}));
    EXPECT_EQ(ShadowOffset(90, 5), (TPoint{0, 5}));
    const TIconImage image = BlockImage(16, 16, TRect{4, 4, 6, 6});
    TIconImage dest;
    MakeShadow(image, dest, kRed, 5, 255, 135, 0);
    EXPECT_EQ(ColourAt(dest, 5, 5), kPicture);
    EXPECT_EQ(ColourAt(dest, 8, 8), kRed);
    EXPECT_EQ(TransparencyAt(dest, 8, 8), 0);
    EXPECT_EQ(TransparencyAt(dest, 6, 6), 255);
    // Opacity 0 thins the shadow away and leaves the picture.
    MakeShadow(image, dest, kRed, 5, 0, 135, 0);
    EXPECT_EQ(TransparencyAt(dest, 4, 4), 0);
    EXPECT_EQ(TransparencyAt(dest, 8, 8), 255);
    // A fully opaque part of the shadow takes its colour too.
    MakeShadow(BlockImage(48, 48, TRect{4, 4, 20, 20}), dest, kRed, 20, 255, 135, 2.0);
    EXPECT_EQ(TransparencyAt(dest, 26, 26), 0);
    EXPECT_EQ(ColourAt(dest, 26, 26), kRed);
}

TEST(Shadow, TwentyFourBitAndIndexedResultsAreFlattened)
{
    TIconImage image = BlockImage(24, 24, TRect{4, 4, 14, 14}, Depth24);
    TEffectBackup backup;
    backup.Take(image);
    ApplyShadow(backup, image, TShadowSettings{});
    for (const std::uint8_t* m = image.Mask.data(); m < image.Mask.data() + image.Mask.byteCount(); m += 3)
        EXPECT_TRUE(*m == 0 || *m == 255 || *m == 230) << int(*m);
    const TIconImage flattened = image;
    image = BlockImage(24, 24, TRect{4, 4, 14, 14}, Depth4);
    backup.Take(image);
    ApplyShadow(backup, image, TShadowSettings{});
    EXPECT_EQ(image.ColorDepth, Depth4);
    EXPECT_EQ(image.Palette.palNumEntries, 16);
    EXPECT_EQ(image.Mask, flattened.Mask);
    EXPECT_NEAR(int(ColourAt(image, 15, 15) & 255), int(ColourAt(flattened, 15, 15) & 255), 12);
}

} // namespace
} // namespace ormel
