#pragma once

#include "files/icon_image.h"

namespace ormel {

// The palettes a new indexed image receives: black and white, the 16 VGA colours, and a
// 256-colour halftone palette (the 20 system colours round a 6 x 6 x 6 colour cube and greys).
const std::array<TPaletteEntry, 2>& MonochromePalette();
const std::array<TPaletteEntry, 16>& VgaPalette();
const std::array<TPaletteEntry, 256>& HalftonePalette();

} // namespace ormel
