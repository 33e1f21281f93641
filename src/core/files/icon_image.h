#pragma once

#include "files/raster.h"

#include <array>
#include <cstdint>
#include <vector>

namespace ormel {

// Depth codes: 1, 2, 3 are the indexed depths (1, 4, 8 bits), 4 and 5 true colour (24, 32 bits).
enum DepthCode : std::int32_t {
    Depth1 = 1,
    Depth4 = 2,
    Depth8 = 3,
    Depth24 = 4,
    Depth32 = 5,
};

// A colour value: red in bits 0-7, green in 8-15, blue in 16-23.
using TColor = std::uint32_t;

constexpr TColor MakeColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    return TColor(red) | (TColor(green) << 8) | (TColor(blue) << 16);
}

struct TPaletteEntry {
    std::uint8_t peRed = 0;
    std::uint8_t peGreen = 0;
    std::uint8_t peBlue = 0;
    std::uint8_t peFlags = 0;
    bool operator==(const TPaletteEntry&) const = default;
};

// Laid out like the platform's LOGPALETTE with room for 256 entries.
struct TLogPalette {
    std::uint16_t palVersion = 0x0300;
    std::uint16_t palNumEntries = 0;
    std::array<TPaletteEntry, 256> palPalEntry{};
    bool operator==(const TLogPalette&) const = default;
};

// One format of an icon. Indexed images keep the palette index in the red byte of each Bitmap
// pixel; the first byte of each Mask pixel is the transparency, 0 opaque to 255 transparent.
struct TIconImage {
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    std::int32_t ColorDepth = Depth32;
    Raster Bitmap;
    Raster Mask;
    TLogPalette Palette;
    std::int32_t ImageId = -1;
};

using TIconImageArray = std::vector<TIconImage>;

int DepthToBits(int depthCode);
int BitsToDepth(int bits);
bool IsIndexedDepth(int depthCode);
// Palette entries an image of this depth code holds: 2, 16, 256, or 0 for true colour.
int PaletteSizeForDepth(int depthCode);

// The colour of palette index `index`, or the index itself when the palette is not 2, 16 or
// 256 entries long.
TColor PaletteColor(int index, const TLogPalette& palette);

int NewIconImage(TIconImage& record, int width, int height, int imageId, int depthCode);
void CopyIconImage(const TIconImage& source, TIconImage& target);

} // namespace ormel
