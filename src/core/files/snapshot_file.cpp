#include "files/atomic_file.h"
#include "files/bmp_file.h"
#include "files/file_access.h"

#include <algorithm>
#include <filesystem>

namespace ormel {

void TIconFileAccess::EncodeSnapshot(const TIconImage& record, ByteWriter& out)
{
    out.writeI32(record.ImageId);
    out.writeI32(record.Width);
    out.writeI32(record.Height);
    out.writeI32(record.ColorDepth);
    if (record.ColorDepth < Depth24) {
        const std::uint16_t entries = std::min<std::uint16_t>(record.Palette.palNumEntries, 256);
        out.writeU16(record.Palette.palVersion);
        out.writeU16(entries);
        for (std::size_t i = 0; i < entries; ++i) {
            const TPaletteEntry& e = record.Palette.palPalEntry[i];
            const std::uint8_t bytes[4] = {e.peRed, e.peGreen, e.peBlue, e.peFlags};
            out.write(bytes, 4);
        }
    }
    WriteBmp24(out, record.Bitmap);
    WriteBmp24(out, record.Mask);
}

int TIconFileAccess::SaveSnapshot(const TIconImage& record, const std::string& path)
{
    ByteWriter out;
    EncodeSnapshot(record, out);
    if (!WriteFileAtomically(path, out.bytes(), false)) {
        ErrorText = "The file could not be written.";
        return -1;
    }
    return 0;
}

int TIconFileAccess::DecodeSnapshot(TIconImage& record, std::span<const std::uint8_t> bytes)
{
    ErrorText = "The file format is not available.";
    ByteReader in(bytes);
    std::int32_t id = 0, width = 0, height = 0, depth = 0;
    if (!in.readI32(id) || !in.readI32(width) || !in.readI32(height) || !in.readI32(depth))
        return -1;
    if (depth < Depth1 || depth > Depth32 || width < 1 || height < 1)
        return -1;

    TLogPalette palette = record.Palette;
    if (depth < Depth24) {
        std::uint16_t version = 0, entries = 0;
        if (!in.readU16(version) || !in.readU16(entries) || entries > 256)
            return -1;
        palette.palVersion = version;
        palette.palNumEntries = entries;
        for (std::size_t i = 0; i < entries; ++i) {
            std::uint8_t e[4];
            if (!in.read(e, 4))
                return -1;
            palette.palPalEntry[i] = TPaletteEntry{e[0], e[1], e[2], e[3]};
        }
    } else {
        palette.palNumEntries = 0;
    }

    Raster bitmap, mask;
    if (!ReadBmp24(in, bitmap) || !ReadBmp24(in, mask))
        return -1;
    if (bitmap.width() != width || bitmap.height() != height || mask.width() != width || mask.height() != height)
        return -1;

    record.ImageId = id;
    record.Width = width;
    record.Height = height;
    record.ColorDepth = depth;
    record.Palette = palette;
    record.Bitmap = std::move(bitmap);
    record.Mask = std::move(mask);
    return 0;
}

int TIconFileAccess::LoadSnapshot(TIconImage& record, const std::string& path)
{
    std::error_code ec;
    std::vector<std::uint8_t> bytes;
    if (!std::filesystem::is_regular_file(path, ec) || !ReadWholeFile(path, bytes)) {
        ErrorText = "File not found.";
        return -1;
    }
    return DecodeSnapshot(record, bytes);
}

} // namespace ormel
