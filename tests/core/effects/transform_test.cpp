#include "effects/free_rotation.h"
#include "effects/shadow.h"
#include "effects/stroke.h"
#include "effects/zoom.h"
#include "raster/paint.h"
#include "raster/resample.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <functional>

namespace ormel {
namespace {

TEST(FreeRotation, ByZeroFlattens24BitOverWhiteAndCutsTheMaskAt230)
{
    TIconImage image;
    NewIconImage(image, 5, 1, -1, Depth24);
    const int greys[5] = {255, 128, 0, 0, 0}, masks[5] = {0, 0, 100, 240, 230};
    for (int x = 0; x < 5; ++x) {
        StorePixel(image.Bitmap.pixel(x, 0), 0x010101u * greys[x]);
        StorePixel(image.Mask.pixel(x, 0), 0x010101u * masks[x]);
    }
    TEffectBackup backup;
    backup.Take(image);
    ApplyFreeRotation(backup, image, 0);
    const int colours[5] = {254, 127, 99, 239, 229}, cut[5] = {0, 0, 0, 255, 230};
    for (int x = 0; x < 5; ++x)
        EXPECT_TRUE(test::ColourAt(image, x, 0) == 0x010101u * colours[x] && test::TransparencyAt(image, x, 0) == cut[x]) << x;
}

TEST(FreeRotation, IndexedImagesKeepIndices)
{
    TIconImage image = test::PatternImage(16, 16, Depth4);
    TEffectBackup backup;
    backup.Take(image);
    ApplyFreeRotation(backup, image, 30);
    EXPECT_EQ(image.Palette, backup.Backup().Palette);
    EXPECT_EQ(image.Bitmap.pixel(0, 0)[2], 0); // no source: index 0, transparent
    EXPECT_EQ(test::TransparencyAt(image, 0, 0), 255);
}

TEST(Zoom, PercentText)
{
    EXPECT_EQ(ZoomPercentFromText("%2%5%9"), 259);
    for (const char* refused : {"300%", "5", "260", "", "-50", "1 50", "99999999999"})
        EXPECT_FALSE(ZoomPercentFromText(refused)) << refused;
}

TEST(Zoom, HalfLeavesAnEightPixelBorder)
{
    const TIconImage original = test::PatternImage(32, 32, Depth32);
    TIconImage image = original;
    TEffectBackup backup;
    backup.Take(image);
    ApplyZoom(backup, image, 50);
    Raster half(16, 16);
    StretchBitmap(original.Bitmap, half, 32, 32, 16, 16);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const bool inside = x >= 8 && x < 24 && y >= 8 && y < 24;
            EXPECT_EQ(PackPixel(image.Bitmap.pixel(x, y)), inside ? PackPixel(half.pixel(x - 8, y - 8)) : 0xFFFFFFu);
            const int transparency = inside ? test::TransparencyAt(original, 2 * x - 15, 2 * y - 15) : 255;
            EXPECT_EQ(test::TransparencyAt(image, x, y), transparency);
        }
    ApplyZoom(backup, image, 100);
    EXPECT_TRUE(image.Bitmap == original.Bitmap && image.Mask == original.Mask);
}

// Shrinking at odd sizes, down to a single row or column: the picture keeps at least one pixel
// a side, centred, inside a white transparent border; enlarging fills the image.
TEST(Zoom, OddSizesKeepAtLeastOnePixelASide)
{
    struct Case {
        int width, height, percent, pictureWidth, pictureHeight;
    };
    for (const Case& c : {Case{1, 10, 10, 1, 1}, {10, 1, 47, 5, 1}, {3, 7, 59, 2, 4}, {1, 1, 10, 1, 1},
                          {1, 10, 259, 1, 10}})
        for (int depth : {Depth8, Depth32}) {
            SCOPED_TRACE(testing::Message() << c.width << " x " << c.height << " at " << c.percent << "%, depth " << depth);
            TIconImage image = test::PatternImage(c.width, c.height, depth);
            image.Mask.fill(0, 0, 0);
            TEffectBackup backup;
            backup.Take(image);
            ApplyZoom(backup, image, c.percent);
            ASSERT_TRUE(image.Width == c.width && image.Height == c.height && image.Bitmap.width() == c.width &&
                        image.Bitmap.height() == c.height && image.Mask.width() == c.width &&
                        image.Mask.height() == c.height);
            const int left = (c.width - c.pictureWidth) / 2, top = (c.height - c.pictureHeight) / 2;
            for (int y = 0; y < c.height; ++y)
                for (int x = 0; x < c.width; ++x) {
                    const bool inside =
                        x >= left && x < left + c.pictureWidth && y >= top && y < top + c.pictureHeight;
                    EXPECT_EQ(test::TransparencyAt(image, x, y), inside ? 0 : 255) << x << ", " << y;
                    if (!inside)
                        EXPECT_EQ(PackPixel(image.Bitmap.pixel(x, y)), 0xFFFFFFu) << x << ", " << y;
                }
        }
}

// Each dialog recomputes from its backup: a setting repeated gives its first result again, and
// Cancel brings back the image byte for byte.
TEST(TransformDialogs, SettingsNeverAccumulateAndCancelRestores)
{
    for (int depth : {Depth1, Depth32}) {
        SCOPED_TRACE(depth);
        TIconImage original = test::PatternImage(20, 18, depth);
        original.ImageId = 7;
        TIconImage live = original;
        TEffectBackup backup;
        const std::function<void(int)> dialogs[] = {
            [&](int v) { ApplyFreeRotation(backup, live, v * 37); },
            [&](int v) { ApplyZoom(backup, live, 40 + v * 60); },
            [&](int v) { ApplyStroke(backup, live, TStrokeSettings{1 + v * 3, 255 - v * 50, v % 3 - 1, 0xC85A00}); },
            [&](int v) { ApplyShadow(backup, live, TShadowSettings{20 * v, 255, 135 + v * 40, 1 + v * 4, 0x3080C0}); },
        };
        for (const auto& apply : dialogs) {
            backup.Take(live);
            apply(1);
            const TIconImage first = live;
            apply(2);
            apply(3);
            apply(1);
            for (const TIconImage* expected : {&first, static_cast<const TIconImage*>(&original)}) {
                EXPECT_TRUE(live.ColorDepth == expected->ColorDepth && live.ImageId == expected->ImageId &&
                            live.Bitmap == expected->Bitmap && live.Mask == expected->Mask &&
                            live.Palette == expected->Palette);
                backup.Restore(live);
            }
        }
    }
}

} // namespace
} // namespace ormel
