#include "pictures/picture_reader.h"

#include <cstring>

namespace ormel {

namespace {

constexpr std::uint16_t kOrientationTag = 0x0112;
constexpr std::uint16_t kShortType = 3;

struct TiffReader {
    std::span<const std::uint8_t> bytes;
    bool bigEndian = false;

    bool u16(std::size_t at, std::uint16_t& v) const
    {
        if (at > bytes.size() || bytes.size() - at < 2)
            return false;
        const std::uint8_t* p = bytes.data() + at;
        v = bigEndian ? std::uint16_t((p[0] << 8) | p[1]) : std::uint16_t(p[0] | (p[1] << 8));
        return true;
    }
    bool u32(std::size_t at, std::uint32_t& v) const
    {
        std::uint16_t a = 0, b = 0;
        if (!u16(at, a) || !u16(at + 2, b))
            return false;
        v = bigEndian ? (std::uint32_t(a) << 16) | b : (std::uint32_t(b) << 16) | a;
        return true;
    }
};

} // namespace

int ExifOrientation(std::span<const std::uint8_t> app1)
{
    // "Exif" and two zero bytes, then a TIFF header: byte order, 42, offset of the first IFD.
    if (app1.size() < 14 || std::memcmp(app1.data(), "Exif\0\0", 6) != 0)
        return 0;
    TiffReader tiff{app1.subspan(6)};
    if (std::memcmp(tiff.bytes.data(), "MM", 2) == 0)
        tiff.bigEndian = true;
    else if (std::memcmp(tiff.bytes.data(), "II", 2) != 0)
        return 0;
    std::uint16_t magic = 0, count = 0;
    std::uint32_t ifd = 0;
    if (!tiff.u16(2, magic) || magic != 42 || !tiff.u32(4, ifd) || !tiff.u16(ifd, count))
        return 0;
    // Each entry: tag, type, count (4 bytes), value or offset (4 bytes); a short sits first.
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t entry = std::size_t(ifd) + 2 + 12 * i;
        std::uint16_t tag = 0, type = 0, value = 0;
        if (!tiff.u16(entry, tag) || !tiff.u16(entry + 2, type) || !tiff.u16(entry + 8, value))
            return 0;
        if (tag == kOrientationTag)
            return type == kShortType && value >= 1 && value <= 8 ? value : 0;
    }
    return 0;
}

} // namespace ormel
