#include "files/default_palettes.h"
#include "files/derive_image.h"
#include "raster/paint.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace ormel {
namespace {

using test::ColourAt;
using test::TransparencyAt;

TEST(DeriveImageFormatTest, FourBitsFromThirtyTwoUseTheVgaPaletteAndSampleTheMask)
{
    const TIconImage base = test::PatternImage(48, 48, Depth32);
    const TIconImage derived = DeriveImageFormat(base, 16, 16, Depth4);

    ASSERT_EQ(derived.Bitmap.width(), 16);
    ASSERT_EQ(derived.Mask.height(), 16);
    EXPECT_TRUE(std::equal(VgaPalette().begin(), VgaPalette().end(), derived.Palette.palPalEntry.begin()));
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            EXPECT_LT(derived.Bitmap.pixel(x, y)[2], 16);
            // Each new pixel takes the base mask pixel under its centre: 3x+1, 3y+1.
            EXPECT_EQ(TransparencyAt(derived, x, y), TransparencyAt(base, 3 * x + 1, 3 * y + 1)) << x << "," << y;
        }
}

// Uniform bases stay uniform when copied or shrunk, so every pixel of the result is pinned.
TEST(DeriveImageFormatTest, ExpandsIndexedColoursAndWhitesOutTransparentPixels)
{
    struct Case {
        int baseDepth;
        std::uint8_t red; // colour byte, or the palette index for indexed bases
        std::uint8_t transparency;
        int width, height, depth;
        TColor expected;
    };
    const Case cases[] = {
        {Depth4, 1, 0, 12, 8, Depth32, MakeColor(128, 0, 0)}, // VGA index 1 is maroon
        {Depth32, 0, 254, 16, 16, Depth32, MakeColor(0, 0, 0)},
        {Depth32, 0, 255, 8, 8, Depth1, MakeColor(255, 255, 255)},
    };
    for (const Case& c : cases) {
        TIconImage base;
        NewIconImage(base, 16, 16, -1, c.baseDepth);
        base.Bitmap.fill(0, 0, c.red);
        base.Mask.fill(c.transparency, c.transparency, c.transparency);
        const TIconImage derived = DeriveImageFormat(base, c.width, c.height, c.depth);
        ASSERT_EQ(derived.Bitmap.width(), c.width);
        std::set<TColor> colours;
        std::set<int> masks;
        for (int y = 0; y < c.height; ++y)
            for (int x = 0; x < c.width; ++x) {
                colours.insert(ColourAt(derived, x, y));
                masks.insert(TransparencyAt(derived, x, y));
            }
        EXPECT_EQ(colours, std::set<TColor>{c.expected}) << "base depth " << c.baseDepth << " to " << c.depth;
        EXPECT_EQ(masks, std::set<int>{c.transparency});
    }
}

} // namespace
} // namespace ormel
