#include "effects/tone_adjust.h"

#include <gtest/gtest.h>

#include <utility>

namespace ormel {
namespace {

using Bgr = std::array<int, 3>;

Bgr Adjusted(Bgr in, const auto& adjust)
{
    Raster r(1, 1);
    r.fill(static_cast<std::uint8_t>(in[0]), static_cast<std::uint8_t>(in[1]), static_cast<std::uint8_t>(in[2]));
    adjust(r, TRect{0, 0, 1, 1});
    return {r.pixel(0, 0)[0], r.pixel(0, 0)[1], r.pixel(0, 0)[2]};
}

TEST(ToneAdjustTest, ContrastTablesAroundThePivot253)
{
    const auto strong = ContrastTable(255, 253);
    for (int i = 0; i <= 238; ++i)
        ASSERT_EQ(strong[i], 0) << i;
    for (const auto& [level, to] : {std::pair{239, 1}, {250, 187}, {253, 255}, {254, 254}})
        EXPECT_EQ(strong[level], to) << level;
    const auto flat = ContrastTable(-255, 253);
    for (int i = 0; i < 256; ++i)
        EXPECT_EQ(flat[i], std::max(i, 253)) << i;
}

TEST(ToneAdjustTest, SaturationAndOffsets)
{
    // The irregular factors are used as they stand.
    for (const auto& [setting, factor] : {std::pair{39, 688}, {109, 4531}, {-1, 252}})
        EXPECT_EQ(SaturationFactor(setting), factor);
    const auto saturate = [](int s) { return [s](Raster& r, TRect rect) { SaturationAdjust(r, r, rect, s); }; };
    // 0 uses 255/256: red 200, green 100, blue 0 keep 200 and 100, and blue becomes 1.
    EXPECT_EQ(Adjusted({0, 100, 200}, saturate(0)), (Bgr{1, 100, 200}));

    const auto offset = [](Raster& r, TRect rect) { ChannelOffset(r, r, rect, 20, -200, -5); };
    EXPECT_EQ(Adjusted({10, 128, 250}, offset), (Bgr{5, 0, 255}));
    TLogPalette palette, shifted;
    palette.palNumEntries = 2;
    palette.palPalEntry[0] = {250, 3, 100, 7};
    palette.palPalEntry[2] = {1, 1, 1, 0};
    PaletteOffset(palette, shifted, 10, -10, 0);
    EXPECT_EQ(shifted.palPalEntry[0], (TPaletteEntry{255, 0, 100, 7}));
    EXPECT_EQ(shifted.palPalEntry[1], (TPaletteEntry{10, 0, 0, 0}));
    EXPECT_EQ(shifted.palPalEntry[2], palette.palPalEntry[2]);
}

} // namespace
} // namespace ormel
