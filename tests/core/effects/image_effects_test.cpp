#include "effects/image_effects.h"

#include "../test_support.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

namespace ormel {
namespace {

// Each effect as its dialog drives it: a setting that changes the image, and the neutral
// setting that gives it back (saturation has none).
struct Effect {
    const char* name;
    std::function<void(const TEffectBackup&, TIconImage&, int)> apply;
    int strong;
    std::optional<int> neutral;
};

TEST(ImageEffectsTest, SettingsRecomputeFromTheBackupAndRestoreIsExact)
{
    const Effect effects[] = {
        {"contrast", [](auto& b, auto& live, int v) { ApplyBrightnessContrast(b, live, -v, v); }, 120, 0},
        {"balance", [](auto& b, auto& live, int v) { ApplyColorBalance(b, live, v, -v, v / 2); }, 60, 0},
        {"saturation", [](auto& b, auto& live, int v) { ApplySaturation(b, live, v); }, -90, std::nullopt},
        {"blur", [](auto& b, auto& live, int v) { ApplyBlur(b, live, v); }, 40, 1},
        {"sharpen", [](auto& b, auto& live, int v) { ApplySharpen(b, live, v); }, 60, 0},
        {"filter", [](auto& b, auto& live, int v) { ApplyFilter(b, live, BuiltInFilters()[v], true, false, true); },
         14, 0},
    };
    for (const int depth : {Depth32, Depth4}) {
        const TIconImage original = test::PatternImage(20, 13, depth);
        TIconImage live = original;
        TEffectBackup backup;
        backup.Take(live);
        for (const Effect& effect : effects) {
            SCOPED_TRACE(testing::Message() << effect.name << " at depth " << depth);
            effect.apply(backup, live, effect.strong);
            EXPECT_EQ(live.Mask, original.Mask);
            EXPECT_EQ(live.Palette.palNumEntries, original.Palette.palNumEntries);
            if (IsIndexedDepth(depth))
                for (int y = 0; y < 13; ++y)
                    for (int x = 0; x < 20; ++x)
                        ASSERT_LT(live.Bitmap.pixel(x, y)[2], PaletteSizeForDepth(depth));
            if (effect.neutral) {
                if (!IsIndexedDepth(depth))
                    EXPECT_NE(live.Bitmap, original.Bitmap);
                effect.apply(backup, live, *effect.neutral);
                // Every pixel shows its colour again, the first row and last column included.
                for (int y = 0; y < 13; ++y)
                    for (int x = 0; x < 20; ++x)
                        ASSERT_EQ(test::ColourAt(live, x, y), test::ColourAt(original, x, y)) << x << "," << y;
            }
            effect.apply(backup, live, effect.strong / 2);
        }
        backup.Restore(live);
        EXPECT_EQ(live.Bitmap, original.Bitmap);
        EXPECT_EQ(live.Mask, original.Mask);
        EXPECT_EQ(live.Palette, original.Palette);
        EXPECT_EQ(live.ColorDepth, original.ColorDepth);
    }
}

} // namespace
} // namespace ormel
