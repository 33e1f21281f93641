#pragma once

#include "files/icon_image.h"

namespace ormel {

// The record a new image format starts from: the format, the default palette of its depth
// (none for 24 and 32 bits) and no rasters. Sizes are clamped to 1..256; an unknown depth
// code means 32 bits.
TIconImage ProposedImage(int width, int height, int depthCode);

// A new image of the given format made from `base`: its colours (through its palette when
// indexed, white where fully transparent) resampled to the new size and, for the indexed
// depths, reduced with dithering (1 and 4 bits keep the default palette, 8 bits get a palette
// built from the pixels); its mask resampled by dropping or repeating pixels, never blended.
// The result owns its rasters. A base whose rasters do not cover its size gives the
// ProposedImage record without rasters.
TIconImage DeriveImageFormat(const TIconImage& base, int width, int height, int depthCode);

} // namespace ormel
