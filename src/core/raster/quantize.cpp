#include "raster/quantize.h"

#include "raster/colour_histogram.h"
#include "raster/palette_mapping.h"
#include "raster/palette_refinement.h"
#include "raster/wu_palette.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace ormel {

namespace {

// The most samples the Lloyd passes work on: beyond this, colours are grouped in small cubes.
constexpr std::size_t kSampleLimit = 16384;

// Lloyd passes after Wu's split: most of the gain comes in the first two, so few samples get
// more passes, up to 10, for about the same time as two over the most samples.
int RefinementPasses(std::size_t samples)
{
    return static_cast<int>(std::clamp<std::size_t>(2 * kSampleLimit / std::max<std::size_t>(samples, 1), 2, 10));
}

std::vector<PackedRgb> ReadPixels(const Raster& source)
{
    std::vector<PackedRgb> pixels(static_cast<std::size_t>(source.width()) * static_cast<std::size_t>(source.height()));
    PackedRgb* out = pixels.data();
    for (int y = 0; y < source.height(); ++y) {
        const std::uint8_t* p = source.row(y);
        for (int x = 0; x < source.width(); ++x, p += 3)
            *out++ = PackRgb(p[2], p[1], p[0]);
    }
    return pixels;
}

// Dark to light, so that the palette reads in order wherever it is shown.
void SortByLightness(std::vector<TPaletteEntry>& palette)
{
    const auto key = [](const TPaletteEntry& e) {
        return std::pair(299 * e.peRed + 587 * e.peGreen + 114 * e.peBlue, PackRgb(e.peRed, e.peGreen, e.peBlue));
    };
    std::sort(palette.begin(), palette.end(), [&](const auto& a, const auto& b) { return key(a) < key(b); });
}

// A palette of exactly `count` entries for the pixels: their own colours when there are no
// more than `count` of them, otherwise Wu's boxes refined by Lloyd passes. Unused entries are
// black.
std::vector<TPaletteEntry> BuildPalette(std::span<const PackedRgb> pixels, std::size_t count)
{
    std::vector<TPaletteEntry> palette;
    if (const auto colours = FewColours(pixels, count)) {
        for (const PackedRgb c : *colours)
            palette.push_back({static_cast<std::uint8_t>(RedOf(c)), static_cast<std::uint8_t>(GreenOf(c)),
                               static_cast<std::uint8_t>(BlueOf(c)), 0});
    } else {
        const std::vector<ColourSample> samples = SampleColours(pixels, kSampleLimit);
        std::vector<int> assigned;
        palette = WuPalette(samples, static_cast<int>(count), assigned);
        RefinePalette(samples, palette, assigned, count, RefinementPasses(samples.size()));
    }
    SortByLightness(palette);
    palette.resize(count, TPaletteEntry{});
    return palette;
}

} // namespace

void QuantizeToPalette(const Raster& source, Raster& dest, TLogPalette& palette, int count, int dither,
                       int paletteMode)
{
    const std::size_t entries = static_cast<std::size_t>(std::clamp(count, 1, 256));
    const int width = source.width(), height = source.height();
    // The pixels are read out first: dest may be source.
    const std::vector<PackedRgb> pixels = ReadPixels(source);

    std::vector<TPaletteEntry> chosen;
    if (paletteMode == 0)
        chosen.assign(palette.palPalEntry.begin(), palette.palPalEntry.begin() + static_cast<std::ptrdiff_t>(entries));
    else
        chosen = BuildPalette(pixels, entries);

    const std::vector<std::uint8_t> indices =
        dither != 0 ? DiffuseToPalette(pixels, width, height, chosen) : MapToPalette(pixels, chosen);

    for (std::size_t i = 0; i < entries; ++i) {
        TPaletteEntry& e = palette.palPalEntry[i];
        e.peRed = chosen[i].peRed;
        e.peGreen = chosen[i].peGreen;
        e.peBlue = chosen[i].peBlue;
    }
    dest.resizeForOverwrite(width, height);
    for (int y = 0; y < height; ++y) {
        std::uint8_t* p = dest.row(y);
        const std::uint8_t* index = indices.data() + static_cast<std::size_t>(y) * width;
        for (int x = 0; x < width; ++x, p += 3)
            p[0] = p[1] = p[2] = index[x];
    }
}

} // namespace ormel
