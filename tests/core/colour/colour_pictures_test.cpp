#include "colour/colour_pictures.h"

#include <gtest/gtest.h>

#include <array>
#include <tuple>

namespace ormel {
namespace {

using Bgr = std::array<int, 3>;

Bgr PixelAt(const Raster& r, int x, int y)
{
    const std::uint8_t* p = r.pixel(x, y);
    return {p[0], p[1], p[2]};
}

TEST(ColourPictures, SwatchBlendsOverTheCheckerboard)
{
    Raster swatch(16, 16);
    // Opaque: (channel * 255 + 0) div 256.
    DrawSwatch(swatch, 255, 128, 0, 255);
    EXPECT_EQ(PixelAt(swatch, 9, 13), (Bgr{0, 127, 254}));
    // Transparent: the board alone, grey 220 at the top-left square, white beside and below it.
    DrawSwatch(swatch, 255, 128, 0, 0);
    const std::tuple<int, int, int> board[] = {{3, 3, 219}, {4, 0, 254}, {0, 4, 254}, {15, 12, 219}};
    for (const auto& [x, y, grey] : board)
        EXPECT_EQ(PixelAt(swatch, x, y), (Bgr{grey, grey, grey})) << x << "," << y;
    // Half: red 200 with a = 128 over grey 220: (200 * 128 + 127 * 220) div 256 = 209.
    DrawSwatch(swatch, 200, 0, 0, 128);
    EXPECT_EQ(PixelAt(swatch, 0, 0), (Bgr{109, 109, 209}));
}

} // namespace
} // namespace ormel
