#pragma once

#include "files/icon_image.h"
#include "raster/colour_histogram.h"

#include <cstdint>
#include <span>
#include <vector>

namespace ormel {

// The index of the nearest palette entry for each pixel (the lowest index among equals).
std::vector<std::uint8_t> MapToPalette(std::span<const PackedRgb> pixels, std::span<const TPaletteEntry> palette);

// The same with Floyd-Steinberg error diffusion, rows taken alternately left to right and
// right to left; `pixels` holds `height` rows of `width` pixels.
std::vector<std::uint8_t> DiffuseToPalette(std::span<const PackedRgb> pixels, int width, int height,
                                           std::span<const TPaletteEntry> palette);

} // namespace ormel
