#include "creators/colour_step.h"
#include "effects/tone_adjust.h"

#include <gtest/gtest.h>

#include <vector>

namespace ormel {
namespace {

Raster GreyRaster(int width, int height, const std::vector<int>& levels)
{
    Raster r(width, height);
    for (int i = 0; i < width * height; ++i)
        std::fill_n(r.pixel(i % width, i / width), 3, static_cast<std::uint8_t>(levels[static_cast<std::size_t>(i)]));
    return r;
}

// The first channel of every pixel.
std::vector<int> Levels(std::span<const std::uint8_t> buffer)
{
    std::vector<int> out;
    for (std::size_t i = 0; i < buffer.size(); i += 3)
        out.push_back(buffer[i]);
    return out;
}

TEST(ColourStepTest, ToneTablesPivotOn253)
{
    std::vector<int> ramp(256);
    for (int i = 0; i < 256; ++i)
        ramp[static_cast<std::size_t>(i)] = i;
    TColorStep step;
    step.SetSource(GreyRaster(256, 1, ramp), 0, 0, 256, 1);

    // Grey pixels keep their level under saturation 0, so only the contrast table shows.
    step.AdjustTone(0, 255, 0);
    const auto table = ContrastTable(255, 253);
    EXPECT_EQ(Levels(step.adjusted()), std::vector<int>(table.begin(), table.end()));
    step.AdjustTone(0, 0, 0);
    EXPECT_EQ(Levels(step.adjusted()), ramp);
    step.AdjustTone(255, 0, 0);
    EXPECT_EQ(Levels(step.adjusted()), std::vector<int>(256, 255));

    // Saturation 0 uses the factor 255; -127 turns a pixel into its grey.
    Raster colour(1, 1);
    colour.fill(0, 100, 200);
    step.SetSource(colour, 0, 0, 1, 1);
    step.AdjustTone(0, 0, 0);
    EXPECT_EQ(std::vector<std::uint8_t>(step.adjusted().begin(), step.adjusted().end()), (std::vector<std::uint8_t>{1, 100, 200}));
    step.AdjustTone(0, 0, -127);
    EXPECT_EQ(Levels(step.adjusted()), std::vector<int>{100});
}

TEST(ColourStepTest, RegionsAverageInNeighbourOrderAndRoundToEven)
{
    TColorStep step;
    // Seed 0 takes 15 (below) before 8 (right): mean 7.5, then 7.75, painted 8. 200 is alone.
    step.SetSource(GreyRaster(2, 2, {0, 8, 15, 200}), 0, 0, 2, 2);
    step.ReduceColors(16, 0, {});
    EXPECT_EQ(Levels(step.reduced()), (std::vector<int>{8, 8, 8, 200}));

    // 10 and 11 meet at 10.5, which rounds to the even 10; the lone 13 keeps its colour. A
    // reducer of 0 cannot divide: it acts as 1, so only equal colours merge.
    step.SetSource(GreyRaster(4, 2, {10, 11, 200, 200, 90, 90, 90, 13}), 0, 0, 4, 2);
    step.ReduceColors(16, 0, {});
    EXPECT_EQ(Levels(step.reduced()), (std::vector<int>{10, 10, 200, 200, 90, 90, 90, 13}));
    step.ReduceColors(0, 0, {});
    EXPECT_EQ(Levels(step.reduced()), (std::vector<int>{10, 11, 200, 200, 90, 90, 90, 13}));

    // Bands (limits given out of order): 52 and 100 share (51, 102]; 50 lies below.
    step.SetSource(GreyRaster(3, 1, {50, 52, 100}), 0, 0, 3, 1);
    step.ReduceColors(1, 1, {204, 51, 153, 102});
    EXPECT_EQ(Levels(step.reduced()), (std::vector<int>{50, 76, 76}));

    // Regions grow through the whole source; only the area is painted.
    step.SetSource(GreyRaster(3, 1, {20, 22, 24}), 1, 0, 2, 1);
    step.ReduceColors(16, 0, {});
    EXPECT_EQ(Levels(step.reduced()), (std::vector<int>{22, 22}));
}

} // namespace
} // namespace ormel
