#include "raster/palette_mapping.h"

#include "raster/nearest_colour.h"

#include <algorithm>
#include <utility>

namespace ormel {

std::vector<std::uint8_t> MapToPalette(std::span<const PackedRgb> pixels, std::span<const TPaletteEntry> palette)
{
    std::vector<std::uint8_t> indices(pixels.size());
    NearestColour nearest(palette);
    // Runs of one colour are common in icons: each run is searched once.
    PackedRgb previous = 0xFFFFFFFFu; // never a packed colour
    std::uint8_t previousIndex = 0;
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        const PackedRgb c = pixels[i];
        if (c != previous) {
            previous = c;
            previousIndex = static_cast<std::uint8_t>(nearest.find(RedOf(c), GreenOf(c), BlueOf(c)));
        }
        indices[i] = previousIndex;
    }
    return indices;
}

std::vector<std::uint8_t> DiffuseToPalette(std::span<const PackedRgb> pixels, int width, int height,
                                           std::span<const TPaletteEntry> palette)
{
    std::vector<std::uint8_t> indices(pixels.size());
    if (palette.empty() || width <= 0 || height <= 0 ||
        pixels.size() < static_cast<std::size_t>(width) * static_cast<std::size_t>(height))
        return indices;
    NearestColour nearest(palette);
    // Errors in sixteenths, three channels a pixel, with one pixel of margin at each end.
    const std::size_t rowLength = 3 * (static_cast<std::size_t>(width) + 2);
    std::vector<int> current(rowLength, 0), below(rowLength, 0);
    for (int y = 0; y < height; ++y) {
        const bool forward = y % 2 == 0;
        const std::ptrdiff_t step = forward ? 3 : -3;
        std::fill(below.begin(), below.end(), 0);
        const PackedRgb* row = pixels.data() + static_cast<std::size_t>(y) * width;
        std::uint8_t* out = indices.data() + static_cast<std::size_t>(y) * width;
        for (int i = 0; i < width; ++i) {
            const int x = forward ? i : width - 1 - i;
            int* here = current.data() + 3 * (x + 1);
            int* under = below.data() + 3 * (x + 1);
            // Arithmetic shift: the carried error rounds to the nearest whole step.
            const int r = std::clamp(RedOf(row[x]) + ((here[0] + 8) >> 4), 0, 255);
            const int g = std::clamp(GreenOf(row[x]) + ((here[1] + 8) >> 4), 0, 255);
            const int b = std::clamp(BlueOf(row[x]) + ((here[2] + 8) >> 4), 0, 255);
            const int k = nearest.find(r, g, b);
            out[x] = static_cast<std::uint8_t>(k);
            const TPaletteEntry& e = palette[static_cast<std::size_t>(k)];
            const int er = r - e.peRed, eg = g - e.peGreen, eb = b - e.peBlue;
            here[step] += 7 * er;
            here[step + 1] += 7 * eg;
            here[step + 2] += 7 * eb;
            under[-step] += 3 * er;
            under[-step + 1] += 3 * eg;
            under[-step + 2] += 3 * eb;
            under[0] += 5 * er;
            under[1] += 5 * eg;
            under[2] += 5 * eb;
            under[step] += er;
            under[step + 1] += eg;
            under[step + 2] += eb;
        }
        std::swap(current, below);
    }
    return indices;
}

} // namespace ormel
