#include "creators/icon_mixer.h"
#include "effects/effect_backup.h"
#include "raster/composite.h"
#include "raster/paint.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <tuple>

namespace ormel {
namespace {

constexpr TColor kRed = MakeColor(255, 0, 0);

TIconImage Plain(int size, int depth, TColor colour = kRed) { return test::SolidImage(size, size, depth, colour); }

std::vector<TMixerItem> Items(std::initializer_list<const TIconImageArray*> documents)
{
    std::vector<TMixerItem> items;
    for (const TIconImageArray* images : documents)
        items.push_back(TMixerItem{std::string(1, char('A' + items.size())), images});
    FindCommonSizes(items);
    return items;
}

TEST(IconMixer, CommonSizesTakeTheDeepestImageOfEachSize)
{
    const TIconImageArray a = {Plain(16, Depth32), Plain(32, Depth32), Plain(48, Depth32), Plain(32, Depth4)};
    const TIconImageArray b = {Plain(32, Depth8), Plain(32, Depth32), Plain(48, Depth24), Plain(32, Depth32)};
    const TIconImageArray c = {Plain(48, Depth32), Plain(32, Depth32), Plain(48, Depth8)};
    std::vector<TMixerItem> items = Items({&a, &b, &c});
    EXPECT_EQ(FindCommonSizes(items), (std::vector<TMixerSize>{{32, 32}, {48, 48}}));
    EXPECT_EQ(items[1].FormatIndex, (std::vector<std::int32_t>{1, 2}));
    EXPECT_EQ(items[2].FormatIndex, (std::vector<std::int32_t>{1, 0}));
    EXPECT_EQ(MixerCaption(items), "Mixer Icon(A B C )");
    EXPECT_EQ(MixerItemName("", ""), "Orm Icon");
    const TIconImageArray d = {Plain(24, Depth32)};
    items.push_back(TMixerItem{"D", &d});
    EXPECT_TRUE(FindCommonSizes(items).empty());
}

// Flips, rotation, zoom and offset together: an indexed item mixes exactly as its true-colour
// twin (the palette is resolved before any transform), and every combination moves something.
TEST(IconMixer, CombinedTransformsOnIndexedAndTrueColourItems)
{
    struct Transform {
        int angle;
        bool flipHorizontal, flipVertical;
        int zoom, offsetX, offsetY;
    };
    for (int depth : {Depth4, Depth8})
        for (const Transform& t : {Transform{30, true, false, 4, 3, -2}, {180, true, true, -5, -1, 6},
                                   {275, false, true, 9, 0, 0}, {90, true, true, 0, -7, 7}}) {
            SCOPED_TRACE(testing::Message() << "depth " << depth << ", angle " << t.angle);
            const TIconImageArray indexed = {test::PatternImage(32, 32, depth)};
            TEffectBackup resolved;
            resolved.Take(indexed[0]);
            const TIconImageArray twin = {resolved.Working()};
            TIconImage plain, mixed, mixedTwin;
            for (const auto& [images, result, transformed] :
                 {std::tuple{&indexed, &plain, false}, {&indexed, &mixed, true}, {&twin, &mixedTwin, true}}) {
                std::vector<TMixerItem> items = Items({images});
                if (transformed) {
                    items[0].Angle = t.angle;
                    items[0].FlipHorizontal = t.flipHorizontal;
                    items[0].FlipVertical = t.flipVertical;
                    items[0].Zoom = t.zoom;
                    items[0].OffsetX = t.offsetX;
                    items[0].OffsetY = t.offsetY;
                }
                MixCommonSize(items, 0, TMixerSize{32, 32}, *result);
            }
            EXPECT_TRUE(mixed.Bitmap == mixedTwin.Bitmap && mixed.Mask == mixedTwin.Mask);
            EXPECT_FALSE(mixed.Bitmap == plain.Bitmap && mixed.Mask == plain.Mask);
        }

    // Both flips and a half turn about the centre (at width / 2) move every pixel one step
    // right and down; an offset of (-1, -1) brings it back, leaving the last row and column
    // uncovered. (The bilinear half turn may lose one level of a channel to rounding.)
    TIconImageArray picture = {test::PatternImage(32, 32, Depth32)};
    picture[0].Mask.fill(0, 0, 0);
    std::vector<TMixerItem> items = Items({&picture});
    items[0].FlipHorizontal = items[0].FlipVertical = true;
    items[0].Angle = 180;
    items[0].OffsetX = items[0].OffsetY = -1;
    TIconImage mix;
    MixCommonSize(items, 0, TMixerSize{32, 32}, mix);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const bool uncovered = x == 31 || y == 31;
            ASSERT_EQ(test::TransparencyAt(mix, x, y), uncovered ? 255 : 0) << x << ", " << y;
            for (int c = 0; c < 3 && !uncovered; ++c)
                ASSERT_LE(std::abs(mix.Bitmap.pixel(x, y)[c] - picture[0].Bitmap.pixel(x, y)[c]), 1) << x << ", " << y;
        }
}

} // namespace
} // namespace ormel
