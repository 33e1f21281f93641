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
    // The eraser paints nothing visible: the board stays.
    const Raster eraser = FootprintPreview(5, 255, 0xFFFFFF, 0, Depth32, TLogPalette{}, 100);
    for (int y = 0; y < 100; y += 7)
        for (int x = 0; x < 100; x += 7)
            EXPECT_EQ(At(eraser, x, y), Board(x, y));
    // An indexed footprint shows its palette entry.
    TIconImage indexed;
    NewIconImage(indexed, 1, 1, 0, Depth4);
    const Raster vga = FootprintPreview(1, 255, 9, 255, Depth4, indexed.Palette, 100);
    // Entry 9 of the VGA palette is pure red.
    EXPECT_EQ(At(vga, 49, 49), MakeColor(254, 0, 0));
}

TEST(ToolPreviews, FittedImageKeepsItsAspectAndDropsPixels)
{
    // A 4 x 2 image, left half black, right half white, fitted into 10 x 10: 10 x 5 centred.
    TIconImage image;
    NewIconImage(image, 4, 2, 0, Depth24);
    image.Mask.fill(0, 0, 0);
    image.Bitmap.fill(255, 255, 255);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x)
            StorePixel(image.Bitmap.pixel(x, y), 0);
    const Raster fitted = FittedImagePreview(image, 10, 10);
    EXPECT_EQ(At(fitted, 0, 1), Board(0, 1));
    EXPECT_EQ(At(fitted, 0, 2), 0u);
    EXPECT_EQ(At(fitted, 4, 6), 0u);
    EXPECT_EQ(At(fitted, 5, 6), MakeColor(254, 254, 254)); // 255 x 255 div 256
    EXPECT_EQ(At(fitted, 9, 8), Board(9, 8));
    // Nothing to fit gives the board alone.
    EXPECT_EQ(At(FittedImagePreview(TIconImage{}, 4, 4), 1, 1), Board(1, 1));
}

} // namespace
} // namespace ormel
