#pragma once

#include "library/icon_library.h"

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace ormel {

// One image of a library entry as the file stores it, known to decode.
struct TStoredImage {
    // The decoded image's size and depth in bits.
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    std::int32_t BitCount = 0;
    // The group directory's bits per pixel, which tells how a PNG image is to be read.
    std::int32_t DeclaredBits = 0;
    // Palette entries of an image of fewer than 8 bits, else 0 (an icon directory's colour count).
    std::int32_t Colours = 0;
    // The resource bytes the image was read from.
    std::span<const std::uint8_t> Block;
};

// How closely the images are checked.
enum class StoredImageCheck {
    // Every image is decoded; sizes and depths are the decoded image's.
    Decode,
    // Bitmaps are decoded; PNG images are checked chunk by chunk (layout and checksums, from
    // the header to the end chunk) without unpacking their pixels. Their size is the header's,
    // their BitCount the declared one, and their Block ends with the end chunk.
    Structure,
};

using TStoredImageVisitor = std::function<void(const TGroupIcon& entry, const std::vector<TStoredImage>& images)>;

// Calls `visit` for every entry of the executable or icon library in `bytes`, in file order,
// with the entry as its group directory gives it and those of its images that pass the check.
// Writes no snapshot files. False when the file is neither a readable PE nor an NE file.
bool VisitStoredIcons(std::span<const std::uint8_t> bytes, StoredImageCheck check, const TStoredImageVisitor& visit);

// An icon file holding the stored images with their bytes unchanged.
std::vector<std::uint8_t> BuildIconFile(const std::vector<TStoredImage>& images);

} // namespace ormel
