#include "pictures/bmp_layout.h"
#include "pictures/picture_reader.h"

#include "files/byte_stream.h"

#include <algorithm>
#include <bit>

namespace ormel {

namespace {

// One channel of a 16- or 32-bit pixel: its bits, moved down and widened or narrowed to 8 bits.
struct MaskChannel {
    std::uint32_t mask = 0;
    int shift = 0;
    int bits = 0;

    explicit MaskChannel(std::uint32_t m) : mask(m)
    {
        if (m != 0) {
            shift = std::countr_zero(m);
            bits = std::bit_width(m >> shift);
        }
    }
    std::uint8_t operator()(std::uint32_t pixel) const
    {
        if (bits == 0)
            return 0;
        const std::uint32_t v = (pixel & mask) >> shift;
        if (bits >= 8)
            return static_cast<std::uint8_t>(v >> (bits - 8));
        const std::uint32_t top = (1u << bits) - 1;
        return static_cast<std::uint8_t>((v * 255 + top / 2) / top);
    }
};

void DecodeIndexedRow(const std::uint8_t* src, const BmpLayout& layout, std::uint8_t* bgr)
{
    const int bits = layout.bits, perByte = 8 / bits;
    const unsigned top = (1u << bits) - 1;
    for (int x = 0; x < layout.width; ++x, bgr += 3) {
        const int shift = 8 - bits * (x % perByte + 1);
        const auto colour = layout.colour((src[x / perByte] >> shift) & top);
        std::copy(colour.begin(), colour.end(), bgr);
    }
}

void DecodeMaskedRow(const std::uint8_t* src, const BmpLayout& layout, std::uint8_t* bgr, std::uint8_t* alpha)
{
    const MaskChannel red(layout.masks[0]), green(layout.masks[1]), blue(layout.masks[2]), opacity(layout.masks[3]);
    const bool wide = layout.bits == 32;
    for (int x = 0; x < layout.width; ++x, bgr += 3) {
        const std::uint32_t pixel = wide ? LoadU32(src + 4 * x) : LoadU16(src + 2 * x);
        bgr[0] = blue(pixel), bgr[1] = green(pixel), bgr[2] = red(pixel);
        if (alpha != nullptr)
            alpha[x] = opacity(pixel);
    }
}

std::uint64_t RowBits(const BmpLayout& layout) { return std::uint64_t(layout.width) * std::uint64_t(layout.bits); }
std::uint64_t Stride(const BmpLayout& layout) { return (RowBits(layout) + 31) / 32 * 4; }

// Uncompressed rows are each padded to 4 bytes; the last row may lack its padding.
bool RowsFit(std::span<const std::uint8_t> data, const BmpLayout& layout)
{
    return Stride(layout) * std::uint64_t(layout.height - 1) + (RowBits(layout) + 7) / 8 <= data.size();
}

// False when the progress callback asked to stop.
bool DecodeRows(std::span<const std::uint8_t> data, const BmpLayout& layout, TPicture& picture, PictureProgress& progress)
{
    const std::uint64_t stride = Stride(layout);
    for (int r = 0; r < layout.height; ++r) {
        if (!progress.report(r, layout.height))
            return false;
        const std::uint8_t* src = data.data() + stride * std::uint64_t(r);
        const int y = layout.pictureRow(r);
        std::uint8_t* bgr = picture.Colour.row(y);
        std::uint8_t* alpha = picture.hasAlpha() ? picture.Alpha.data() + std::size_t(y) * std::size_t(layout.width) : nullptr;
        if (layout.bits <= 8)
            DecodeIndexedRow(src, layout, bgr);
        else if (layout.bits == 24)
            for (int x = 0; x < layout.width; ++x)
                std::copy_n(src + 3 * x, 3, bgr + 3 * x);
        else
            DecodeMaskedRow(src, layout, bgr, alpha);
    }
    return true;
}

} // namespace

TPictureResult ReadBmpPicture(std::span<const std::uint8_t> bytes, const TPictureReadOptions& options)
{
    TPictureResult result;
    result.Format = TPictureFormat::Bmp;
    BmpLayout layout;
    if (!ReadBmpLayout(bytes, options.MaxPixels, layout, result))
        return result;
    const bool rle = layout.compression == BmpRle8 || layout.compression == BmpRle4;
    const auto data = bytes.subspan(layout.dataOffset);
    // Data that cannot fill the picture is refused before the picture is allocated.
    if (!(rle ? DecodeBmpRle(data, layout, nullptr) : RowsFit(data, layout))) {
        result.Outcome = TPictureOutcome::Damaged;
        result.Message = kPictureDamaged;
        return result;
    }
    // An alpha channel stored as all zero is a writer that left it unset: the picture is opaque.
    const bool alpha = rle || layout.masks[3] != 0;
    AllocatePicture(result.Picture, layout.width, layout.height, alpha);
    if (rle) {
        // Pixels the data skips stay transparent.
        std::fill(result.Picture.Alpha.begin(), result.Picture.Alpha.end(), std::uint8_t(0));
        result.Picture.Colour.fill(0, 0, 0);
        DecodeBmpRle(data, layout, &result.Picture);
    } else {
        PictureProgress progress(options);
        if (!DecodeRows(data, layout, result.Picture, progress)) {
            progress.refuse(result);
            return result;
        }
        if (std::all_of(result.Picture.Alpha.begin(), result.Picture.Alpha.end(), [](std::uint8_t a) { return a == 0; }))
            result.Picture.Alpha = {};
    }
    DropOpaqueAlpha(result.Picture);
    result.FullWidth = layout.width;
    result.FullHeight = layout.height;
    result.Outcome = TPictureOutcome::Loaded;
    return result;
}

} // namespace ormel
