#pragma once

#include "files/raster.h"

#include <cstdint>

namespace ormel {

// Integer RGB <-> HSV with hue 0-359 and saturation and value 0-255; every division truncates,
// term by term.
void RGBToHSV(int r, int g, int b, int& h, int& s, int& v);
void HSVToRGB(int h, int s, int v, std::uint8_t& r, std::uint8_t& g, std::uint8_t& b);

// Gives dest the size of source (every raster here is 24-bit and device-independent).
void CopyBitmapFormat(const Raster& source, Raster& dest);

} // namespace ormel
