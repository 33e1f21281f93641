#include "pictures/bmp_layout.h"

#include "files/byte_stream.h"

#include <algorithm>

namespace ormel {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;   // OS/2 1.x: 16-bit sizes, 3-byte palette entries
constexpr std::uint32_t kShortOs2HeaderSize = 16; // OS/2 2.x cut after the bit count
constexpr std::uint32_t kOs2HeaderSize = 64;     // OS/2 2.x: compression 3 is Huffman there
constexpr std::uint32_t kInfoHeaderSize = 40;

bool Refuse(TPictureResult& result, TPictureOutcome outcome, const char* message)
{
    result.Outcome = outcome;
    result.Message = message;
    return false;
}

bool CompressionFits(std::uint32_t compression, int bits)
{
    switch (compression) {
    case BmpRgb: return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
    case BmpRle8: return bits == 8;
    case BmpRle4: return bits == 4;
    case BmpBitFields:
    case BmpAlphaBitFields: return bits == 16 || bits == 32;
    default: return false;
    }
}

} // namespace

bool ReadBmpLayout(std::span<const std::uint8_t> bytes, std::int64_t maxPixels, BmpLayout& layout,
                   TPictureResult& result)
{
    ByteReader in(bytes);
    std::uint32_t offBits = 0, headerSize = 0;
    if (bytes.size() < kFileHeaderSize + 4 || bytes[0] != 'B' || bytes[1] != 'M' || !in.seek(10) || !in.readU32(offBits) || !in.readU32(headerSize))
        return Refuse(result, TPictureOutcome::Damaged, kPictureDamaged);
    if (headerSize < kCoreHeaderSize || headerSize > bytes.size() - kFileHeaderSize)
        return Refuse(result, TPictureOutcome::Damaged, kPictureDamaged);

    std::int64_t width = 0, height = 0;
    std::uint16_t planes = 0, bits = 0;
    std::uint32_t compression = BmpRgb, colorsUsed = 0;
    std::size_t entrySize = 4;
    if (headerSize == kCoreHeaderSize) {
        std::uint16_t w = 0, h = 0;
        in.readU16(w), in.readU16(h), in.readU16(planes), in.readU16(bits);
        width = w, height = h;
        entrySize = 3;
    } else if (headerSize == kShortOs2HeaderSize || headerSize >= kInfoHeaderSize) {
        std::int32_t w = 0, h = 0;
        in.readI32(w), in.readI32(h), in.readU16(planes), in.readU16(bits);
        width = w, height = h;
        if (headerSize >= kInfoHeaderSize) {
            in.readU32(compression);
            in.skip(12);
            in.readU32(colorsUsed);
        }
    } else {
        return Refuse(result, TPictureOutcome::Damaged, kPictureDamaged);
    }
    if (!CompressionFits(compression, bits) || (headerSize == kOs2HeaderSize && compression >= BmpBitFields))
        return Refuse(result, TPictureOutcome::Unrecognised, kPictureFormatNotAvailable);
    layout.topDown = height < 0;
    if (!CheckPictureSize(width, layout.topDown ? -height : height, maxPixels, result))
        return false;
    layout.width = static_cast<int>(width);
    layout.height = static_cast<int>(layout.topDown ? -height : height);
    layout.bits = bits;
    layout.compression = compression;

    // Masks: inside headers of 52 bytes and more, else after a 40-byte header that asks for them.
    std::size_t paletteStart = kFileHeaderSize + headerSize;
    const std::size_t maskCount = compression == BmpAlphaBitFields ? 4 : 3;
    if (compression == BmpBitFields || compression == BmpAlphaBitFields || headerSize >= 52) {
        const bool inHeader = headerSize >= 52;
        std::size_t at = inHeader ? kFileHeaderSize + kInfoHeaderSize : paletteStart;
        const std::size_t count = inHeader ? (headerSize >= 56 ? 4 : 3) : maskCount;
        if (!inHeader)
            paletteStart += 4 * count;
        if (at + 4 * count > bytes.size())
            return Refuse(result, TPictureOutcome::Damaged, kPictureDamaged);
        for (std::size_t i = 0; i < count; ++i, at += 4)
            layout.masks[i] = LoadU32(bytes.data() + at);
    }
    if (compression == BmpRgb && bits == 16)
        layout.masks = {0x7C00, 0x03E0, 0x001F, 0};
    else if (compression == BmpRgb && bits == 32)
        layout.masks = {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000};
    else if (compression == BmpRgb)
        layout.masks = {};

    // The palette runs up to the pixel data (or the file's end when the offset is missing).
    const std::size_t paletteEnd = offBits > paletteStart ? std::min<std::size_t>(offBits, bytes.size()) : bytes.size();
    if (bits <= 8 && paletteStart < paletteEnd) {
        const std::size_t full = std::size_t(1) << bits;
        const std::size_t declared = colorsUsed == 0 || colorsUsed > full ? full : colorsUsed;
        const std::size_t entries = std::min(declared, (paletteEnd - paletteStart) / entrySize);
        layout.palette.resize(entries);
        for (std::size_t i = 0; i < entries; ++i) {
            const std::uint8_t* p = bytes.data() + paletteStart + i * entrySize;
            layout.palette[i] = {p[0], p[1], p[2]};
        }
        paletteStart += entries * entrySize;
    }
    layout.dataOffset = offBits != 0 ? offBits : paletteStart;
    if (layout.dataOffset >= bytes.size())
        return Refuse(result, TPictureOutcome::Damaged, kPictureDamaged);
    return true;
}

bool DecodeBmpRle(std::span<const std::uint8_t> data, const BmpLayout& layout, TPicture* picture)
{
    const bool rle4 = layout.compression == BmpRle4;
    const std::int64_t width = layout.width;
    std::int64_t x = 0, row = 0;
    std::size_t pos = 0;
    const auto put = [&](unsigned index) {
        if (picture != nullptr && x < width && row < layout.height) {
            const int y = layout.pictureRow(static_cast<int>(row));
            const auto colour = layout.colour(index);
            std::copy(colour.begin(), colour.end(), picture->Colour.pixel(static_cast<int>(x), y));
            picture->Alpha[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)] = 255;
        }
        ++x;
    };
    while (row < layout.height) {
        if (data.size() - pos < 2)
            return false;
        const unsigned count = data[pos], value = data[pos + 1];
        pos += 2;
        if (count > 0) {
            // A run of one index, or for RLE4 of two alternating ones.
            const unsigned shown = static_cast<unsigned>(std::min<std::int64_t>(count, std::max<std::int64_t>(width - x, 0)));
            for (unsigned i = 0; i < shown; ++i)
                put(rle4 ? (i % 2 == 0 ? value >> 4 : value & 15) : value);
            x += count - shown;
        } else if (value == 0) {
            x = 0, ++row;
        } else if (value == 1) {
            return true;
        } else if (value == 2) {
            if (data.size() - pos < 2)
                return false;
            x += data[pos], row += data[pos + 1];
            pos += 2;
        } else {
            // Literal indices, padded to a whole number of 16-bit words.
            const std::size_t bytesUsed = rle4 ? (value + 1) / 2 : value;
            const std::size_t padded = (bytesUsed + 1) & ~std::size_t(1);
            if (data.size() - pos < padded)
                return false;
            for (unsigned i = 0; i < value; ++i) {
                const std::uint8_t b = data[pos + (rle4 ? i / 2 : i)];
                put(rle4 ? (i % 2 == 0 ? b >> 4 : b & 15u) : b);
            }
            pos += padded;
        }
    }
    return true;
}

} // namespace ormel
