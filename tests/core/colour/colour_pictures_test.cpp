#include "colour/colour_pictures.h"

#include "raster/colour_space.h"

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

Bgr HsvBgr(int h, int s, int v)
{
    std::uint8_t r = 0, g = 0, b = 0;
    HSVToRGB(h, s, v, r, g, b);
    return {b, g, r};
}

TEST(ColourPictures, HueBarRowsRunThroughTheHues)
{
    Raster hue;
    BuildHuePicture(hue);
    ASSERT_EQ(std::pair(hue.width(), hue.height()), std::pair(60, 360));
    const std::tuple<int, Bgr> rows[] = {{0, {0, 0, 255}}, {120, {0, 255, 0}}, {240, {255, 0, 0}}, {359, HsvBgr(359, 255, 255)}};
    for (const auto& [row, bgr] : rows) {
        EXPECT_EQ(PixelAt(hue, 0, row), bgr) << row;
        EXPECT_EQ(PixelAt(hue, 59, row), bgr) << row;
    }
}

TEST(ColourPictures, SaturationValueSquareRepeatsEvenSamples)
{
    Raster square;
    BuildSaturationValuePicture(200, square);
    ASSERT_EQ(std::pair(square.width(), square.height()), std::pair(256, 256));
    const std::tuple<int, int, Bgr> cases[] = {
        {0, 0, {0, 0, 0}},                        // value 0 along the top
        {255, 0, {0, 0, 0}},
        {0, 255, HsvBgr(200, 0, 254)},            // no saturation at the left: grey
        {255, 255, HsvBgr(200, 254, 254)},        // the last sample is (254, 254)
        {101, 77, HsvBgr(200, 100, 76)},          // odd coordinates show their block's even corner
        {100, 76, HsvBgr(200, 100, 76)},
    };
    for (const auto& [x, y, bgr] : cases)
        EXPECT_EQ(PixelAt(square, x, y), bgr) << x << "," << y;
}

TEST(ColourPictures, SwatchBlendsOverTheCheckerboard)
{
    Raster swatch(16, 16);
    // Opaque: (channel * 255 + 0) div 256.
    DrawSwatch(swatch, 255, 128, 0, 255);
    EXPECT_EQ(PixelAt(swatch, 0, 0), (Bgr{0, 127, 254}));
    EXPECT_EQ(PixelAt(swatch, 9, 13), (Bgr{0, 127, 254}));
    // Transparent: the board alone, grey 220 at the top-left square, white beside and below it.
    DrawSwatch(swatch, 255, 128, 0, 0);
    const std::tuple<int, int, int> board[] = {{0, 0, 219}, {3, 3, 219}, {4, 0, 254}, {0, 4, 254}, {4, 4, 219}, {8, 0, 219}, {15, 12, 219}};
    for (const auto& [x, y, grey] : board)
        EXPECT_EQ(PixelAt(swatch, x, y), (Bgr{grey, grey, grey})) << x << "," << y;
    // Half: red 200 with a = 128 over grey 220: (200 * 128 + 127 * 220) div 256 = 209.
    DrawSwatch(swatch, 200, 0, 0, 128);
    EXPECT_EQ(PixelAt(swatch, 0, 0), (Bgr{109, 109, 209}));
}

} // namespace
} // namespace ormel
