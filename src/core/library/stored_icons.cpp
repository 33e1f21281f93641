#include "library/stored_icons.h"

#include "files/byte_stream.h"
#include "files/file_access.h"
#include "files/png_stream.h"
#include "library/icon_blocks.h"
#include "library/library_reader.h"

#include <zlib.h>

#include <algorithm>

namespace ormel {

namespace {

constexpr std::size_t kIconHeaderSize = 6;
constexpr std::size_t kIconEntrySize = 16;

std::uint32_t LoadBE32(const std::uint8_t* p)
{
    return (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16) | (std::uint32_t(p[2]) << 8) | p[3];
}

// Walks the chunks of a PNG stream: the first must be a header of a size an icon can have, every
// checksum must hold, and the stream must reach its end chunk. Returns the stream's length up to
// and including the end chunk, or 0.
std::size_t CheckPngStructure(std::span<const std::uint8_t> data, std::int32_t& width, std::int32_t& height)
{
    std::size_t pos = sizeof kPngSignature;
    for (bool first = true;; first = false) {
        if (data.size() < pos || data.size() - pos < 12)
            return 0;
        const std::uint8_t* chunk = data.data() + pos;
        const std::uint32_t length = LoadBE32(chunk);
        if (length > data.size() - pos - 12)
            return 0;
        if (crc32(0, chunk + 4, length + 4) != LoadBE32(chunk + 8 + length))
            return 0;
        pos += 12 + std::size_t(length);
        const bool header = std::equal(chunk + 4, chunk + 8, "IHDR");
        if (first) {
            if (!header || length != 13)
                return 0;
            width = static_cast<std::int32_t>(LoadBE32(chunk + 8));
            height = static_cast<std::int32_t>(LoadBE32(chunk + 12));
            if (width < 1 || width > kMaxIconSide || height < 1 || height > kMaxIconSide)
                return 0;
        } else if (std::equal(chunk + 4, chunk + 8, "IEND")) {
            return pos;
        }
    }
}

std::uint8_t SizeByte(std::int32_t side) { return side >= 256 ? 0 : static_cast<std::uint8_t>(side); }

} // namespace

bool VisitStoredIcons(std::span<const std::uint8_t> bytes, StoredImageCheck check, const TStoredImageVisitor& visit)
{
    const ByteReader stream(bytes);
    std::vector<TGroupIcon> groups;
    TResourceList icons;
    if (!ReadLibraryEntries(stream, groups, icons))
        return false;
    TIconBlockReader blocks(stream, icons);
    TIconImage scratch;
    std::vector<TStoredImage> images;
    for (const TGroupIcon& entry : groups) {
        images.clear();
        for (const TIconFormat& format : entry.Formats) {
            TStoredImage image;
            image.DeclaredBits = format.BitCount;
            const std::span<const std::uint8_t> resource = blocks.find(format);
            if (check == StoredImageCheck::Structure && HasPngSignature(resource)) {
                const std::size_t length = CheckPngStructure(resource, image.Width, image.Height);
                if (length == 0)
                    continue;
                image.BitCount = format.BitCount;
                image.Block = resource.first(length);
            } else {
                image.Block = blocks.decode(format, scratch);
                if (image.Block.empty())
                    continue;
                image.Width = scratch.Width;
                image.Height = scratch.Height;
                image.BitCount = DepthToBits(scratch.ColorDepth);
                image.Colours = image.BitCount < 8 ? 1 << image.BitCount : 0;
            }
            images.push_back(image);
        }
        visit(entry, images);
    }
    return true;
}

std::vector<std::uint8_t> BuildIconFile(const std::vector<TStoredImage>& images)
{
    ByteWriter out;
    out.writeU16(0);
    out.writeU16(1);
    out.writeU16(static_cast<std::uint16_t>(images.size()));
    std::size_t offset = kIconHeaderSize + kIconEntrySize * images.size();
    for (const TStoredImage& image : images) {
        out.writeU8(SizeByte(image.Width));
        out.writeU8(SizeByte(image.Height));
        out.writeU8(static_cast<std::uint8_t>(image.Colours));
        out.writeU8(0);
        out.writeU16(1);
        out.writeU16(static_cast<std::uint16_t>(image.DeclaredBits));
        out.writeU32(static_cast<std::uint32_t>(image.Block.size()));
        out.writeU32(static_cast<std::uint32_t>(offset));
        offset += image.Block.size();
    }
    for (const TStoredImage& image : images)
        out.write(image.Block.data(), image.Block.size());
    return std::move(out.bytes());
}

} // namespace ormel
