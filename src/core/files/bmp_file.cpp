#include "files/bmp_file.h"

#include <cstring>

namespace ormel {

namespace {
constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
} // namespace

void WriteBmp24(ByteWriter& out, const Raster& raster)
{
    const auto stride = static_cast<std::uint32_t>(raster.stride());
    const auto height = static_cast<std::uint32_t>(raster.height());
    const std::uint32_t imageSize = stride * height;
    const std::uint32_t offBits = kFileHeaderSize + kInfoHeaderSize;

    out.writeU8('B');
    out.writeU8('M');
    out.writeU32(offBits + imageSize);
    out.writeU32(0);
    out.writeU32(offBits);

    out.writeU32(kInfoHeaderSize);
    out.writeI32(raster.width());
    out.writeI32(raster.height());
    out.writeU16(1);
    out.writeU16(24);
    out.writeU32(0);
    out.writeU32(imageSize);
    out.writeU32(0);
    out.writeU32(0);
    out.writeU32(0);
    out.writeU32(0);

    // The raster's rows already have the BMP stride; only their order is reversed, and the
    // padding bytes are written as zeros.
    const auto rowBytes = static_cast<std::size_t>(raster.width()) * 3;
    for (int y = raster.height() - 1; y >= 0; --y) {
        out.write(raster.row(y), rowBytes);
        out.writeZeros(stride - rowBytes);
    }
}

bool ReadBmp24(ByteReader& in, Raster& raster)
{
    const std::size_t start = in.position();
    std::span<const std::uint8_t> head;
    if (!in.take(kFileHeaderSize + kInfoHeaderSize, head)) {
        in.seek(start);
        return false;
    }
    const std::uint8_t* h = head.data();
    const std::uint32_t fileSize = LoadU32(h + 2);
    const std::uint32_t offBits = LoadU32(h + 10);
    const std::uint32_t infoSize = LoadU32(h + 14);
    const std::int32_t width = LoadI32(h + 18);
    const std::int32_t height = LoadI32(h + 22);
    const std::uint16_t planes = LoadU16(h + 26);
    const std::uint16_t bits = LoadU16(h + 28);
    const std::uint32_t compression = LoadU32(h + 30);

    const std::size_t available = in.size() - start;
    const bool headerOk = h[0] == 'B' && h[1] == 'M' && infoSize >= kInfoHeaderSize && planes == 1 && bits == 24 &&
                          compression == 0 && width > 0 && height > 0 && width <= 0x7fff && height <= 0x7fff &&
                          fileSize <= available && offBits >= kFileHeaderSize + infoSize;
    if (!headerOk) {
        in.seek(start);
        return false;
    }
    const std::uint64_t stride = static_cast<std::uint64_t>(Raster::strideFor(width));
    const std::uint64_t pixelBytes = stride * static_cast<std::uint64_t>(height);
    if (std::uint64_t(offBits) + pixelBytes > fileSize) {
        in.seek(start);
        return false;
    }

    raster.resize(width, height);
    const std::uint8_t* pixels = in.all().data() + start + offBits;
    const auto rowBytes = static_cast<std::size_t>(width) * 3;
    for (int y = 0; y < height; ++y)
        std::memcpy(raster.row(height - 1 - y), pixels + static_cast<std::size_t>(y) * stride, rowBytes);
    in.seek(start + fileSize);
    return true;
}

} // namespace ormel
