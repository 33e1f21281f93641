#include "raster/colour_space.h"

#include <gtest/gtest.h>

#include <array>
#include <utility>

namespace ormel {
namespace {

using Triple = std::array<int, 3>;

Triple ToHsv(const Triple& rgb)
{
    Triple hsv{};
    RGBToHSV(rgb[0], rgb[1], rgb[2], hsv[0], hsv[1], hsv[2]);
    return hsv;
}

Triple ToRgb(const Triple& hsv)
{
    std::uint8_t r = 0, g = 0, b = 0;
    HSVToRGB(hsv[0], hsv[1], hsv[2], r, g, b);
    return {r, g, b};
}

TEST(ColourSpace, RgbToHsv)
{
    const std::pair<Triple, Triple> cases[] = {
        {{0, 0, 255}, {240, 255, 255}}, {{0, 0, 0}, {0, 0, 0}}, {{128, 128, 128}, {0, 0, 128}},
        {{255, 0, 255}, {300, 255, 255}}, // red is the maximum, the blue term wraps round
        {{255, 255, 0}, {60, 255, 255}},  // red and green tie: the red test wins
        {{255, 0, 1}, {0, 255, 255}},     // each term divided separately: 60 * 1 / 255 is 0
        {{200, 100, 50}, {20, 191, 200}}, // the saturation truncates 191.25
    };
    for (const auto& [rgb, hsv] : cases)
        EXPECT_EQ(ToHsv(rgb), hsv) << rgb[0] << "," << rgb[1] << "," << rgb[2];
}

TEST(ColourSpace, HsvToRgbAndBack)
{
    const std::pair<Triple, Triple> cases[] = {
        {{120, 255, 255}, {0, 255, 0}}, {{200, 0, 77}, {77, 77, 77}}, {{20, 191, 200}, {200, 100, 50}},
        {{360, 255, 255}, {255, 0, 255}},   // past the last sector with f = 0
        {{190, 100, 200}, {121, 187, 200}}, // sector 3, f = 60: q = 200 * (255 - 100 * 60 / 360) / 255
    };
    for (const auto& [hsv, rgb] : cases)
        EXPECT_EQ(ToRgb(hsv), rgb) << hsv[0] << "," << hsv[1] << "," << hsv[2];
}

} // namespace
} // namespace ormel
