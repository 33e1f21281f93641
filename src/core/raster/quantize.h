#pragma once

#include "files/icon_image.h"

namespace ormel {

// Reduces true-colour pixels to `count` palette entries (2, 16 or 256): the palette index of
// each pixel goes into all three bytes of dest (which takes source's size; it may be source).
// paletteMode 0 keeps the palette passed in; 1 and 2 build a palette of `count` colours from
// the pixels. dither 1 diffuses the error. Deterministic.
void QuantizeToPalette(const Raster& source, Raster& dest, TLogPalette& palette, int count, int dither,
                       int paletteMode);

} // namespace ormel
