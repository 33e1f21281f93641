#include "files/atomic_file.h"
#include "files/file_access.h"
#include "files/image_pixels.h"

#include <algorithm>

namespace ormel {

namespace {

constexpr std::size_t kIconHeaderSize = 6;
constexpr std::size_t kDirEntrySize = 16;

std::size_t DibStride(int width, int bits)
{
    return ((static_cast<std::size_t>(width) * static_cast<std::size_t>(bits) + 31) / 32) * 4;
}

bool IsWritable(const TIconImage& r)
{
    return HasConsistentRasters(r) && r.Width <= kMaxIconSide && r.Height <= kMaxIconSide && r.ColorDepth >= Depth1 &&
           r.ColorDepth <= Depth32;
}

void WriteDib(ByteWriter& out, const TIconImage& r)
{
    const int bits = DepthToBits(r.ColorDepth);
    const std::size_t colourStride = DibStride(r.Width, bits);
    const std::size_t maskStride = DibStride(r.Width, 1);

    out.writeU32(40);
    out.writeI32(r.Width);
    out.writeI32(2 * r.Height);
    out.writeU16(1);
    out.writeU16(static_cast<std::uint16_t>(bits));
    out.writeU32(0);
    out.writeU32(static_cast<std::uint32_t>(colourStride * static_cast<std::size_t>(r.Height)));
    out.writeZeros(16);

    const int tableSize = PaletteSizeForDepth(r.ColorDepth);
    for (int i = 0; i < tableSize; ++i) {
        const TPaletteEntry& e = r.Palette.palPalEntry[static_cast<std::size_t>(i)];
        const std::uint8_t quad[4] = {e.peBlue, e.peGreen, e.peRed, 0};
        out.write(quad, 4);
    }

    std::vector<std::uint8_t> row(std::max(colourStride, maskStride));
    for (int y = r.Height - 1; y >= 0; --y) {
        std::fill(row.begin(), row.end(), 0);
        const std::uint8_t* px = r.Bitmap.row(y);
        const std::uint8_t* mask = r.Mask.row(y);
        for (int x = 0; x < r.Width; ++x, px += 3, mask += 3) {
            const std::uint8_t index = px[2];
            switch (bits) {
            case 1:
                if (index != 0)
                    row[static_cast<std::size_t>(x >> 3)] |= static_cast<std::uint8_t>(0x80 >> (x & 7));
                break;
            case 4: row[static_cast<std::size_t>(x >> 1)] |= static_cast<std::uint8_t>((index & 0x0F) << ((x & 1) ? 0 : 4)); break;
            case 8: row[static_cast<std::size_t>(x)] = index; break;
            case 24: std::copy_n(px, 3, &row[static_cast<std::size_t>(x) * 3]); break;
            default:
                std::copy_n(px, 3, &row[static_cast<std::size_t>(x) * 4]);
                row[static_cast<std::size_t>(x) * 4 + 3] = static_cast<std::uint8_t>(255 - mask[0]);
                break;
            }
        }
        out.write(row.data(), colourStride);
    }

    // The AND mask: 1 (transparent) exactly where the transparency is 255.
    for (int y = r.Height - 1; y >= 0; --y) {
        std::fill(row.begin(), row.end(), 0);
        const std::uint8_t* mask = r.Mask.row(y);
        for (int x = 0; x < r.Width; ++x)
            if (mask[3 * x] == 255)
                row[static_cast<std::size_t>(x >> 3)] |= static_cast<std::uint8_t>(0x80 >> (x & 7));
        out.write(row.data(), maskStride);
    }
}

bool WritePng(ByteWriter& out, const TIconImage& r)
{
    std::vector<std::uint8_t> encoded;
    if (!EncodeImagePng(r, encoded))
        return false;
    out.write(encoded.data(), encoded.size());
    return true;
}

} // namespace

int TIconFileAccess::WriteImageData(ByteWriter& stream, const TIconImage& record)
{
    ErrorText = "Written into the document error.";
    if (!IsWritable(record))
        return -1;
    if (record.Width <= kMaxDibSide && record.Height <= kMaxDibSide) {
        WriteDib(stream, record);
        return 0;
    }
    return WritePng(stream, record) ? 0 : -1;
}

int TIconFileAccess::EncodeIconFile(const TIconImageArray& images, std::vector<std::uint8_t>& out)
{
    ErrorText = "Unknown error";
    if (images.empty() || images.size() > 0xFFFF)
        return -1;
    const auto count = static_cast<std::uint16_t>(images.size());

    ByteWriter file;
    file.writeU16(0);
    file.writeU16(1);
    file.writeU16(count);
    for (const TIconImage& image : images) {
        file.writeU8(static_cast<std::uint8_t>(image.Width & 255));
        file.writeU8(static_cast<std::uint8_t>(image.Height & 255));
        file.writeU8(static_cast<std::uint8_t>(image.ColorDepth == Depth1 ? 2 : image.ColorDepth == Depth4 ? 16 : 0));
        file.writeU8(0);
        file.writeU16(1);
        file.writeU16(static_cast<std::uint16_t>(DepthToBits(image.ColorDepth)));
        file.writeU32(0);
        file.writeU32(0);
    }

    for (std::size_t i = 0; i < images.size(); ++i) {
        const std::size_t start = file.bytes().size();
        file.seek(start);
        if (WriteImageData(file, images[i]) != 0)
            return -1;
        const std::size_t length = file.bytes().size() - start;
        if (file.bytes().size() > 0xFFFFFFFFu) {
            ErrorText = "Written into the document error";
            return -1;
        }
        file.seek(kIconHeaderSize + kDirEntrySize * i + 8);
        file.writeU32(static_cast<std::uint32_t>(length));
        file.writeU32(static_cast<std::uint32_t>(start));
    }
    out = std::move(file.bytes());
    return 0;
}

int TIconFileAccess::SaveIconFile(const std::string& path, const TIconImageArray& images)
{
    std::vector<std::uint8_t> bytes;
    if (EncodeIconFile(images, bytes) != 0)
        return -1;
    if (!WriteFileAtomically(path, bytes)) {
        ErrorText = "The file could not be written.";
        return -1;
    }
    return 0;
}

} // namespace ormel
