#pragma once

#include "pictures/picture.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace ormel {

enum BmpCompression : std::uint32_t {
    BmpRgb = 0,
    BmpRle8 = 1,
    BmpRle4 = 2,
    BmpBitFields = 3,
    BmpAlphaBitFields = 6,
};

// What a BMP's headers say, checked against the file's length.
struct BmpLayout {
    int width = 0;
    int height = 0;
    bool topDown = false;
    int bits = 0;
    std::uint32_t compression = BmpRgb;
    // Red, green, blue, alpha masks of 16- and 32-bit pixels.
    std::array<std::uint32_t, 4> masks{};
    // Blue, green, red of each palette entry; indices past the end are black.
    std::vector<std::array<std::uint8_t, 3>> palette;
    std::size_t dataOffset = 0;

    // The picture row that the file's row `fileRow` (0 = first stored) fills.
    int pictureRow(int fileRow) const { return topDown ? fileRow : height - 1 - fileRow; }
    std::array<std::uint8_t, 3> colour(unsigned index) const
    {
        return index < palette.size() ? palette[index] : std::array<std::uint8_t, 3>{0, 0, 0};
    }
};

// Reads the file and information headers, the masks and the palette. False with the refusal
// in `result` when the headers are damaged, of a form not read here, or too large.
bool ReadBmpLayout(std::span<const std::uint8_t> bytes, std::int64_t maxPixels, BmpLayout& layout,
                   TPictureResult& result);

// Decodes RLE8 or RLE4 data into the picture, which has the layout's size and an alpha plane;
// pixels that the data skips (by a delta, an early end of line or of the picture) are left as
// they are. Without a picture, only walks the data. False when the data ends before its
// end-of-picture code and the last row.
bool DecodeBmpRle(std::span<const std::uint8_t> data, const BmpLayout& layout, TPicture* picture);

} // namespace ormel
