#include "raster/nearest_colour.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

namespace ormel {
namespace {

int Distance(const TPaletteEntry& e, int r, int g, int b)
{
    return (e.peRed - r) * (e.peRed - r) + (e.peGreen - g) * (e.peGreen - g) + (e.peBlue - b) * (e.peBlue - b);
}

TEST(NearestColour, AgreesWithAPlainSearchAndBoundsTheOthers)
{
    std::mt19937 engine(2024);
    const auto next = [&](int range) { return static_cast<int>(engine() % static_cast<unsigned>(range)); };
    NearestColour nearest; // the same object throughout: a new palette must forget the old one
    for (int size : {1, 2, 5, 9, 16, 33, 100, 256})
        for (int spread : {256, 40}) {
            // Some duplicates, and clusters when the spread is small.
            std::vector<TPaletteEntry> palette;
            for (int i = 0; i < size; ++i) {
                const int base = next(257 - spread);
                const auto level = [&] { return static_cast<std::uint8_t>(base + next(spread)); };
                palette.push_back(i > 0 && next(8) == 0 ? palette[static_cast<std::size_t>(next(i))]
                                                        : TPaletteEntry{level(), level(), level(), 0});
            }
            nearest.setPalette(palette);
            for (int q = 0; q < 3000; ++q) {
                const int r = next(300) - 20, g = next(300) - 20, b = next(300) - 20;
                std::vector<int> distances;
                for (const TPaletteEntry& e : palette)
                    distances.push_back(
                        Distance(e, std::clamp(r, 0, 255), std::clamp(g, 0, 255), std::clamp(b, 0, 255)));
                const auto expected = std::min_element(distances.begin(), distances.end()) - distances.begin();
                ASSERT_EQ(nearest.find(r, g, b), expected) << size << " " << r << "," << g << "," << b;
                int bound = 0;
                ASSERT_EQ(nearest.findWithBound(r, g, b, bound), expected);
                for (int i = 0; i < size; ++i)
                    if (i != expected)
                        ASSERT_LE(bound, distances[static_cast<std::size_t>(i)]) << size;
            }
        }
    nearest.setPalette({});
    EXPECT_EQ(nearest.find(10, 20, 30), 0);
}

} // namespace
} // namespace ormel
