#pragma once

#include "files/icon_image.h"

#include <cstdint>
#include <vector>

namespace ormel {

// True when the size is positive and both rasters have it.
bool HasConsistentRasters(const TIconImage& image);

// The colour a pixel shows: its palette entry for indexed images, else its own bytes.
inline void PixelColour(const TIconImage& image, const std::uint8_t* p, std::uint8_t& b, std::uint8_t& g,
                        std::uint8_t& r)
{
    if (IsIndexedDepth(image.ColorDepth)) {
        const TColor c = PaletteColor(p[2], image.Palette);
        r = std::uint8_t(c), g = std::uint8_t(c >> 8), b = std::uint8_t(c >> 16);
    } else {
        b = p[0], g = p[1], r = p[2];
    }
}

// The image as an RGBA PNG stream: its shown colours and alpha = 255 - transparency.
bool EncodeImagePng(const TIconImage& image, std::vector<std::uint8_t>& out);

} // namespace ormel
