#include "raster/nearest_colour.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace ormel {
namespace {

int Distance(const TPaletteEntry& e, int r, int g, int b)
{
    return (e.peRed - r) * (e.peRed - r) + (e.peGreen - g) * (e.peGreen - g) + (e.peBlue - b) * (e.peBlue - b);
}

struct Lcg {
    std::uint32_t state;
    int next(int range)
    {
        state = state * 1664525u + 1013904223u;
        return static_cast<int>((state >> 8) % static_cast<std::uint32_t>(range));
    }
};

std::vector<TPaletteEntry> RandomPalette(Lcg& random, int size, int spread)
{
    std::vector<TPaletteEntry> palette;
    for (int i = 0; i < size; ++i) {
        // Some duplicates, and clusters when the spread is small.
        if (i > 0 && random.next(8) == 0) {
            palette.push_back(palette[static_cast<std::size_t>(random.next(i))]);
            continue;
        }
        const int base = random.next(256 - spread + 1);
        palette.push_back({static_cast<std::uint8_t>(base + random.next(spread)),
                           static_cast<std::uint8_t>(base + random.next(spread)),
                           static_cast<std::uint8_t>(base + random.next(spread)), 0});
    }
    return palette;
}

TEST(NearestColour, AgreesWithAPlainSearchAndBoundsTheOthers)
{
    Lcg random{2024};
    NearestColour nearest;
    for (int size : {1, 2, 5, 9, 16, 33, 100, 256})
        for (int spread : {256, 40}) {
            const std::vector<TPaletteEntry> palette = RandomPalette(random, size, spread);
            nearest.setPalette(palette); // the same object throughout: starting over must forget
            for (int q = 0; q < 3000; ++q) {
                const int r = random.next(300) - 20, g = random.next(300) - 20, b = random.next(300) - 20;
                const int cr = std::clamp(r, 0, 255), cg = std::clamp(g, 0, 255), cb = std::clamp(b, 0, 255);
                int expected = 0;
                for (int i = 1; i < size; ++i)
                    if (Distance(palette[static_cast<std::size_t>(i)], cr, cg, cb) <
                        Distance(palette[static_cast<std::size_t>(expected)], cr, cg, cb))
                        expected = i;
                ASSERT_EQ(nearest.find(r, g, b), expected) << size << " " << r << "," << g << "," << b;
                int bound = 0;
                ASSERT_EQ(nearest.findWithBound(r, g, b, bound), expected);
                for (int i = 0; i < size; ++i)
                    if (i != expected)
                        ASSERT_LE(bound, Distance(palette[static_cast<std::size_t>(i)], cr, cg, cb)) << size;
            }
        }
    nearest.setPalette({});
    EXPECT_EQ(nearest.find(10, 20, 30), 0);
}

} // namespace
} // namespace ormel
