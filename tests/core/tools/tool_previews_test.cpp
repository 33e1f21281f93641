#include "tools/tool_previews.h"

#include "raster/paint.h"

#include <gtest/gtest.h>

namespace ormel {
namespace {

TColor At(const Raster& r, int x, int y) { return PackPixel(r.pixel(x, y)); }
// A transparent pixel over the checkerboard: grey g x 255 div 256, g 220 where (row mod 8 < 4)
// differs from (column mod 8 > 3), else 255.
TColor Board(int x, int y)
{
    const std::uint8_t g = ((y % 8) < 4) != ((x % 8) > 3) ? 219 : 254;
    return MakeColor(g, g, g);
}

TEST(ToolPreviews, FootprintIsThreeTimesItsSizeCentredOverTheBoard)
{
    // A 1-pixel pencil in red on a 32-bit image: a 3 x 3 red square in the middle of 100 x 100
    // (opaque colours come out as c x 255 div 256, as on the canvas).
    const Raster preview = FootprintPreview(1, 255, MakeColor(255, 0, 0), 255, Depth32, TLogPalette{}, 100);
    ASSERT_EQ(preview.width(), 100);
    for (int y = 47; y < 53; ++y)
        for (int x = 47; x < 53; ++x) {
            const bool inside = x >= 48 && x < 51 && y >= 48 && y < 51;
            EXPECT_EQ(At(preview, x, y), inside ? MakeColor(254, 0, 0) : Board(x, y)) << x << "," << y;
        }
}

} // namespace
} // namespace ormel
