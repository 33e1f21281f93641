#include "raster/colour_histogram.h"

#include <gtest/gtest.h>

namespace ormel {
namespace {

TEST(ColourHistogram, FewColoursListsThemSortedOrGivesUp)
{
    const std::vector<PackedRgb> pixels = {0x102030, 0x000001, 0x102030, 0xFFFFFF, 0x000001, 0x0000FF};
    const auto colours = FewColours(pixels, 4);
    ASSERT_TRUE(colours.has_value());
    EXPECT_EQ(*colours, (std::vector<PackedRgb>{0x000001, 0x0000FF, 0x102030, 0xFFFFFF}));
    EXPECT_FALSE(FewColours(pixels, 3).has_value());
    EXPECT_TRUE(FewColours({}, 2).value().empty());
}

TEST(ColourHistogram, SamplesAreColoursOrCubesWithinTheLimit)
{
    // A twice and B share a cube of 2 levels, C joins them in the cube of 4, D is elsewhere.
    const PackedRgb a = PackRgb(0, 0, 0), b = PackRgb(1, 0, 0), c = PackRgb(2, 0, 0), d = PackRgb(200, 100, 51);
    const std::vector<PackedRgb> pixels = {d, a, c, b, a};

    const std::vector<ColourSample> colours = SampleColours(pixels, 4);
    ASSERT_EQ(colours.size(), 4u);
    EXPECT_EQ(colours[0].mean, a);
    EXPECT_EQ(colours[0].weight, 2u);
    EXPECT_EQ(colours[1].mean, b);
    EXPECT_EQ(colours[2].mean, c);
    EXPECT_EQ(colours[3].mean, d);
    EXPECT_EQ(colours[3].red, 200u);
    EXPECT_EQ(colours[3].green, 100u);
    EXPECT_EQ(colours[3].blue, 51u);
    EXPECT_EQ(colours[3].squares, 200u * 200 + 100 * 100 + 51 * 51);

    const std::vector<ColourSample> small = SampleColours(pixels, 3);
    ASSERT_EQ(small.size(), 3u);
    EXPECT_EQ(small[0].weight, 3u); // a, a, b
    EXPECT_EQ(small[0].red, 1u);
    EXPECT_EQ(small[0].mean, a); // 1/3 rounds down
    EXPECT_EQ(small[1].mean, c);

    const std::vector<ColourSample> coarse = SampleColours(pixels, 2);
    ASSERT_EQ(coarse.size(), 2u);
    EXPECT_EQ(coarse[0].weight, 4u);
    EXPECT_EQ(coarse[0].red, 3u);
    EXPECT_EQ(coarse[0].squares, 5u);
    EXPECT_EQ(coarse[0].mean, PackRgb(1, 0, 0)); // 3/4 rounds up
    EXPECT_EQ(coarse[1].mean, d);

    // More cubes than the limit allows still gives the coarsest grouping.
    EXPECT_EQ(SampleColours(pixels, 1).size(), 2u);
}

} // namespace
} // namespace ormel
