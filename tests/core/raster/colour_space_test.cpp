#include "raster/colour_space.h"

#include <gtest/gtest.h>

#include <array>

namespace ormel {
namespace {

std::array<int, 3> ToHsv(int r, int g, int b)
{
    std::array<int, 3> hsv{};
    RGBToHSV(r, g, b, hsv[0], hsv[1], hsv[2]);
    return hsv;
}

std::array<int, 3> ToRgb(int h, int s, int v)
{
    std::uint8_t r = 0, g = 0, b = 0;
    HSVToRGB(h, s, v, r, g, b);
    return {r, g, b};
}

using Triple = std::array<int, 3>;

TEST(ColourSpace, PrimariesAndGreysToHsv)
{
    EXPECT_EQ(ToHsv(255, 0, 0), (Triple{0, 255, 255}));
    EXPECT_EQ(ToHsv(0, 255, 0), (Triple{120, 255, 255}));
    EXPECT_EQ(ToHsv(0, 0, 255), (Triple{240, 255, 255}));
    for (int grey : {0, 1, 128, 255})
        EXPECT_EQ(ToHsv(grey, grey, grey), (Triple{0, 0, grey})) << grey;
    // Magenta: red is the maximum, the blue term outweighs green and wraps round.
    EXPECT_EQ(ToHsv(255, 0, 255), (Triple{300, 255, 255}));
    // Red and green tie for the maximum: the red test wins.
    EXPECT_EQ(ToHsv(255, 255, 0), (Triple{60, 255, 255}));
}

TEST(ColourSpace, DividesEachChannelTermSeparately)
{
    // 60 * 1 / 255 is 0, so the small blue share leaves no trace in the hue.
    EXPECT_EQ(ToHsv(255, 0, 1), (Triple{0, 255, 255}));
    EXPECT_EQ(ToRgb(0, 255, 255), (Triple{255, 0, 0}));
    // The saturation truncates 191.25.
    EXPECT_EQ(ToHsv(200, 100, 50), (Triple{20, 191, 200}));
    // 60 * 10 / 30 - 60 * 0 / 30 = 20, with full saturation over a black minimum.
    EXPECT_EQ(ToHsv(30, 10, 0), (Triple{20, 255, 30}));
}

TEST(ColourSpace, HsvToRgbSectors)
{
    EXPECT_EQ(ToRgb(0, 255, 255), (Triple{255, 0, 0}));
    EXPECT_EQ(ToRgb(120, 255, 255), (Triple{0, 255, 0}));
    EXPECT_EQ(ToRgb(240, 255, 255), (Triple{0, 0, 255}));
    EXPECT_EQ(ToRgb(200, 0, 77), (Triple{77, 77, 77}));
    EXPECT_EQ(ToRgb(359, 0, 0), (Triple{0, 0, 0}));
    // 360 lands past the last sector with f = 0.
    EXPECT_EQ(ToRgb(360, 255, 255), (Triple{255, 0, 255}));
    // Sector 3 with f = 6 * 190 mod 360 = 60: q = 200 * (255 - 100 * 60 / 360) / 255.
    EXPECT_EQ(ToRgb(190, 100, 200), (Triple{121, 187, 200}));
}

TEST(ColourSpace, RoundTrips)
{
    EXPECT_EQ(ToRgb(20, 191, 200), (Triple{200, 100, 50}));
    const Triple back = ToHsv(255, 0, 1);
    EXPECT_EQ(ToRgb(back[0], back[1], back[2]), (Triple{255, 0, 0}));
    for (const Triple& rgb : {Triple{255, 0, 0}, Triple{0, 255, 0}, Triple{0, 0, 255}, Triple{90, 90, 90},
                              Triple{255, 255, 0}, Triple{0, 255, 255}}) {
        const Triple hsv = ToHsv(rgb[0], rgb[1], rgb[2]);
        EXPECT_EQ(ToRgb(hsv[0], hsv[1], hsv[2]), rgb);
    }
}

TEST(ColourSpace, CopyBitmapFormatTakesTheSourceSize)
{
    Raster source(5, 3);
    Raster dest(2, 9);
    CopyBitmapFormat(source, dest);
    EXPECT_EQ(dest.width(), 5);
    EXPECT_EQ(dest.height(), 3);
    CopyBitmapFormat(Raster(), dest);
    EXPECT_TRUE(dest.empty());
}

} // namespace
} // namespace ormel
