#pragma once

#include "files/icon_image.h"
#include "raster/rect.h"

#include <array>
#include <cstdint>

namespace ormel {

// Per-pixel tone adjustments of a colour raster through 256-entry tables. Each reads the
// rectangle of source and writes the same pixels of dest (source and dest may be the same
// raster); the rectangle is clipped to both.

// Adds an offset to each channel, clamped to 0-255.
void ChannelOffset(const Raster& source, Raster& dest, TRect rect, int dRed, int dGreen, int dBlue);

// The contrast table: k = (amount + 16) x amount div 17 for amount >= 0, else amount; values
// below the pivot move down and values from the pivot up move up, each by
// |pivot + 1 - i| x k div 256 (truncated), clamped.
std::array<std::uint8_t, 256> ContrastTable(int amount, int pivot);
// Every channel through ContrastTable(amount, pivot).
void ContrastCurve(const Raster& source, Raster& dest, TRect rect, int amount, int pivot);

// The tables of a saturation setting (-127 to 127, clamped): the factor f is (s + 127) x 2
// for a negative setting, else the factor table's entry. A channel c of a pixel whose
// channels sum to `sum` becomes clamp(Scaled[c] + Rest[sum]): grey + (c - grey) x f / 256
// with grey = sum div 3, each term truncated on its own.
struct TSaturationTables {
    std::array<std::uint16_t, 256> Scaled{};
    std::array<int, 768> Rest{};
};
int SaturationFactor(int saturation);
TSaturationTables MakeSaturationTables(int saturation);
void SaturationAdjust(const Raster& source, Raster& dest, TRect rect, int saturation);

// dest becomes source with every entry's channels offset and clamped (flags kept).
void PaletteOffset(const TLogPalette& sourcePalette, TLogPalette& destPalette, int dRed, int dGreen, int dBlue);

// With a palette of at least one entry, inverts the entries and leaves the pixels (indices)
// alone; otherwise every byte of the rectangle becomes 255 - value. Never touches a mask.
void InvertColors(Raster& colourRaster, TRect rect, TLogPalette* palette);

} // namespace ormel
