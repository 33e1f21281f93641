#pragma once

#include "raster/rect.h"

namespace ormel {

// Sharpens downwards: each pixel is pushed away from the pixel above it by `amount` times
// their difference, per channel, truncated and clamped to 0-255. Writes every row of the
// rectangle but its first and every column but its last; those pixels of dest keep their
// values. The rectangle is clipped to both bitmaps; source and dest may be the same.
void SharpenBitmap(const Raster& source, Raster& dest, TRect rect, double amount);

} // namespace ormel
