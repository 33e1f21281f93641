#pragma once

#include "files/raster.h"

#include <cstdint>
#include <vector>

namespace ormel {

// Encoders of 24-bit pictures into whole files in memory. False when the codec fails.
bool EncodeJpeg(const Raster& picture, std::vector<std::uint8_t>& out);
// Reduces the picture to at most 256 colours (exactly when it has no more) and encodes it.
bool EncodeGif(const Raster& picture, std::vector<std::uint8_t>& out);

} // namespace ormel
