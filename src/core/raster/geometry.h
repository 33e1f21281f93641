#pragma once

#include "raster/rect.h"

namespace ormel {

// Callers pass the whole image (0, 0, Width, Height).
void FlipBitmapVertical(Raster& bitmap, TRect rect);
void FlipBitmapHorizontal(Raster& bitmap, TRect rect);

// Turns the rectangle's pixels by `degrees` in place, bilinearly, about (width / 2, height / 2);
// pixels from outside the source are white.
void RotateBilinear(Raster& bitmap, TRect rect, double degrees);
// Turns by nearest neighbour into dest (which takes the source's size); pixels with no source
// become pure blue (0xFF0000).
void RotateNearest(const Raster& source, Raster& dest, TRect rect, double degrees);

} // namespace ormel
