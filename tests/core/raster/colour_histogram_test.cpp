#include "raster/colour_histogram.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>

namespace ormel {
namespace {

TEST(ColourHistogram, FewColoursListsThemSortedOrGivesUp)
{
    const std::vector<PackedRgb> pixels = {0x102030, 0x000001, 0x102030, 0xFFFFFF, 0x000001, 0x0000FF};
    EXPECT_EQ(FewColours(pixels, 4), (std::vector<PackedRgb>{0x000001, 0x0000FF, 0x102030, 0xFFFFFF}));
    EXPECT_FALSE(FewColours(pixels, 3).has_value());
    EXPECT_TRUE(FewColours({}, 2).value().empty());
}

using MeansAndWeights = std::vector<std::pair<PackedRgb, std::uint64_t>>;

MeansAndWeights Summary(const std::vector<ColourSample>& samples)
{
    MeansAndWeights summary;
    for (const ColourSample& s : samples)
        summary.emplace_back(s.mean, s.weight);
    return summary;
}

TEST(ColourHistogram, SamplesAreColoursOrCubesWithinTheLimit)
{
    // A twice and B share a cube of 2 levels, C joins them in the cube of 4, D is elsewhere.
    const PackedRgb a = PackRgb(0, 0, 0), b = PackRgb(1, 0, 0), c = PackRgb(2, 0, 0), d = PackRgb(200, 100, 51);
    const std::vector<PackedRgb> pixels = {d, a, c, b, a};

    const std::vector<ColourSample> colours = SampleColours(pixels, 4);
    EXPECT_EQ(Summary(colours), (MeansAndWeights{{a, 2}, {b, 1}, {c, 1}, {d, 1}}));
    EXPECT_EQ(std::tuple(colours[3].red, colours[3].green, colours[3].blue, colours[3].squares),
              std::tuple(200u, 100u, 51u, 200u * 200 + 100 * 100 + 51 * 51));

    const std::vector<ColourSample> small = SampleColours(pixels, 3);
    EXPECT_EQ(Summary(small), (MeansAndWeights{{a, 3}, {c, 1}, {d, 1}})); // 1/3 rounds down
    EXPECT_EQ(small[0].red, 1u);

    const std::vector<ColourSample> coarse = SampleColours(pixels, 2);
    EXPECT_EQ(Summary(coarse), (MeansAndWeights{{PackRgb(1, 0, 0), 4}, {d, 1}})); // 3/4 rounds up
    EXPECT_EQ(std::tuple(coarse[0].red, coarse[0].squares), std::tuple(3u, 5u));

    // More cubes than the limit allows still gives the coarsest grouping.
    EXPECT_EQ(SampleColours(pixels, 1).size(), 2u);
}

} // namespace
} // namespace ormel
