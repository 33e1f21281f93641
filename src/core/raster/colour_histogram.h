#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace ormel {

// A colour packed as 0xRRGGBB, the form the colour reduction works in.
using PackedRgb = std::uint32_t;

constexpr PackedRgb PackRgb(int red, int green, int blue)
{
    return (static_cast<PackedRgb>(red) << 16) | (static_cast<PackedRgb>(green) << 8) | static_cast<PackedRgb>(blue);
}
constexpr int RedOf(PackedRgb c) { return static_cast<int>(c >> 16) & 255; }
constexpr int GreenOf(PackedRgb c) { return static_cast<int>(c >> 8) & 255; }
constexpr int BlueOf(PackedRgb c) { return static_cast<int>(c) & 255; }

// The pixels of one colour, or of one small cube of colours, summed.
struct ColourSample {
    std::uint64_t weight = 0;                   // pixels
    std::uint64_t red = 0, green = 0, blue = 0; // channel sums
    std::uint64_t squares = 0;                  // sum of red² + green² + blue²
    PackedRgb mean = 0;                         // rounded mean colour, inside the cube
};

// The distinct colours of the pixels in increasing order when there are at most `limit` of
// them (at most 256); nothing otherwise.
std::optional<std::vector<PackedRgb>> FewColours(std::span<const PackedRgb> pixels, std::size_t limit);

// The pixels summed by colour, or when that gives more than `limit` samples by cubes of 2
// levels a side, or when that still gives too many by cubes of 4 levels; in increasing order
// of colour or cube. The pixels' colours are sorted by a key that keeps each cube's colours
// together, then counted and summed.
std::vector<ColourSample> SampleColours(std::span<const PackedRgb> pixels, std::size_t limit);

} // namespace ormel
