#include "files/atomic_file.h"
#include "files/file_access.h"
#include "files/png_direct_decoder.h"
#include "files/png_stream.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

namespace ormel {

namespace {

constexpr const char* kFormatNotAvailable = "The file format is not available.";
constexpr std::size_t kIconHeaderSize = 6;
constexpr std::size_t kDirEntrySize = 16;
constexpr std::size_t kInfoHeaderSize = 40;

std::string Trimmed(const std::string& s)
{
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    const auto last = s.find_last_not_of(" \t");
    return s.substr(first, last - first + 1);
}

std::size_t DibStride(int width, int bits)
{
    return ((static_cast<std::size_t>(width) * static_cast<std::size_t>(bits) + 31) / 32) * 4;
}

// The palette index of pixel x in a row of 1, 4 or 8 bits per pixel.
int IndexAt(const std::uint8_t* row, int x, int bits)
{
    switch (bits) {
    case 1: return (row[x >> 3] >> (7 - (x & 7))) & 1;
    case 4: return (x & 1) ? (row[x >> 1] & 0x0F) : (row[x >> 1] >> 4);
    default: return row[x];
    }
}

bool AllAlphaZero(std::span<const std::uint8_t> colourRows, int width, int height, std::size_t stride)
{
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* p = colourRows.data() + static_cast<std::size_t>(y) * stride;
        for (int x = 0; x < width; ++x)
            if (p[4 * x + 3] != 0)
                return false;
    }
    return true;
}

// Reads a device-independent bitmap block: header, colour table, colour rows, AND mask.
bool ReadDib(ByteReader& stream, TIconImage& record, int& storedBits)
{
    std::span<const std::uint8_t> header;
    if (!stream.take(kInfoHeaderSize, header))
        return false;
    const std::uint32_t headerSize = LoadU32(header.data());
    const std::int32_t width = LoadI32(header.data() + 4);
    const std::int32_t height = LoadI32(header.data() + 8) / 2;
    const int bits = LoadU16(header.data() + 14);
    const std::uint32_t compression = LoadU32(header.data() + 16);
    storedBits = bits;
    if (compression != 0)
        return false;
    if (headerSize < kInfoHeaderSize || !stream.skip(headerSize - kInfoHeaderSize))
        return false;
    if (width < 1 || width > kMaxIconSide || height < 1 || height > kMaxIconSide)
        return false;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32)
        return false;

    const std::size_t paletteSize = bits < 24 ? (std::size_t(1) << bits) : 0;
    const std::size_t colourStride = DibStride(width, bits);
    const std::size_t maskStride = DibStride(width, 1);
    std::span<const std::uint8_t> table, colourRows, maskRows;
    if (!stream.take(paletteSize * 4, table) || !stream.take(colourStride * static_cast<std::size_t>(height), colourRows))
        return false;
    // Some writers leave the AND mask out of 32-bit images, whose alpha says it all.
    const bool hasMask = stream.take(maskStride * static_cast<std::size_t>(height), maskRows);
    if (!hasMask && bits != 32)
        return false;

    record.Width = width;
    record.Height = height;
    record.ColorDepth = BitsToDepth(bits);
    record.Bitmap.resizeForOverwrite(width, height);
    record.Mask.resizeForOverwrite(width, height);
    record.Palette.palVersion = 0x0300;
    record.Palette.palNumEntries = static_cast<std::uint16_t>(paletteSize);
    for (std::size_t i = 0; i < paletteSize; ++i) {
        const std::uint8_t* e = table.data() + 4 * i;
        record.Palette.palPalEntry[i] = TPaletteEntry{e[2], e[1], e[0], 0};
    }

    // A 32-bit image with alpha takes its transparency from the alpha alone, as every icon
    // loader does: its AND mask is only a coarse copy for old displays, and applying it would
    // cut away soft edges. One whose alpha is zero everywhere came from a writer that knew no
    // alpha: its colours are opaque and the AND mask makes pixels transparent.
    const bool useAlpha = bits == 32 && !AllAlphaZero(colourRows, width, height, colourStride);
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* src = colourRows.data() + static_cast<std::size_t>(height - 1 - y) * colourStride;
        std::uint8_t* dst = record.Bitmap.row(y);
        std::uint8_t* mask = record.Mask.row(y);
        if (bits == 24) {
            std::copy_n(src, static_cast<std::size_t>(width) * 3, dst);
            std::fill_n(mask, static_cast<std::size_t>(width) * 3, 0);
        } else if (bits == 32) {
            for (int x = 0; x < width; ++x, src += 4, dst += 3, mask += 3) {
                dst[0] = src[0];
                dst[1] = src[1];
                dst[2] = src[2];
                mask[0] = mask[1] = mask[2] = useAlpha ? static_cast<std::uint8_t>(255 - src[3]) : 0;
            }
        } else {
            for (int x = 0; x < width; ++x, dst += 3, mask += 3) {
                dst[0] = dst[1] = 0;
                dst[2] = static_cast<std::uint8_t>(IndexAt(src, x, bits));
                mask[0] = mask[1] = mask[2] = 0;
            }
        }
    }
    if (hasMask && !useAlpha) {
        for (int y = 0; y < height; ++y) {
            const std::uint8_t* bitsRow = maskRows.data() + static_cast<std::size_t>(height - 1 - y) * maskStride;
            std::uint8_t* mask = record.Mask.row(y);
            for (int x = 0; x < width; ++x)
                if (IndexAt(bitsRow, x, 1) != 0)
                    mask[3 * x] = mask[3 * x + 1] = mask[3 * x + 2] = 255;
        }
    }
    return true;
}

// Splits decoded BGRA rows into the record's colour and transparency rasters.
class RecordSink : public PngRowSink {
public:
    explicit RecordSink(TIconImage& record) : record_(record) {}
    const PngInfo& info() const { return info_; }

    void begin(const PngInfo& info) override
    {
        info_ = info;
        record_.Width = info.width;
        record_.Height = info.height;
        record_.Bitmap.resizeForOverwrite(info.width, info.height);
        record_.Mask.resizeForOverwrite(info.width, info.height);
    }
    void row(int y, const std::uint8_t* src) override
    {
        std::uint8_t* dst = record_.Bitmap.row(y);
        std::uint8_t* mask = record_.Mask.row(y);
        const int width = info_.width;
        switch (info_.layout) {
        case PngRowLayout::Bgra: Split<4, 0, 1, 2, 3>(src, width, dst, mask); break;
        case PngRowLayout::Rgba: Split<4, 2, 1, 0, 3>(src, width, dst, mask); break;
        case PngRowLayout::Rgb: Split<3, 2, 1, 0, -1>(src, width, dst, mask); break;
        case PngRowLayout::GreyAlpha: Split<2, 0, 0, 0, 1>(src, width, dst, mask); break;
        case PngRowLayout::Grey: Split<1, 0, 0, 0, -1>(src, width, dst, mask); break;
        }
    }

private:
    // Copies blue, green, red from the given sample offsets and makes the transparency
    // 255 - alpha (0 when there is no alpha sample).
    template <int bpp, int b, int g, int r, int a>
    static void Split(const std::uint8_t* __restrict in, int width, std::uint8_t* __restrict dst,
                      std::uint8_t* __restrict mask)
    {
        for (int x = 0; x < width; ++x, in += bpp, dst += 3, mask += 3) {
            dst[0] = in[b];
            dst[1] = in[g];
            dst[2] = in[r];
            const auto t = static_cast<std::uint8_t>(a < 0 ? 0 : 255 - in[a < 0 ? 0 : a]);
            mask[0] = t;
            mask[1] = t;
            mask[2] = t;
        }
    }

    TIconImage& record_;
    PngInfo info_;
};

// A PNG declared with 1, 4 or 8 bits is given a palette built from its colours.
bool BuildsPalette(int declaredBits) { return declaredBits == 1 || declaredBits == 4 || declaredBits == 8; }

// The depth of a PNG image that is not given a palette.
int PngDepth(const PngInfo& png, int declaredBits)
{
    return !png.hasAlpha && !png.indexed ? Depth24 : BitsToDepth(declaredBits);
}

// Reads a PNG block of any form libpng decodes, then sets the depth from the declared bits.
// A failure may leave the record's rasters partly written.
bool ReadPng(ByteReader& stream, int declaredBits, TIconImage& record, int& storedBits)
{
    RecordSink sink(record);
    if (!DecodePng(stream.rest(), kMaxIconSide, sink))
        return false;
    stream.skip(stream.remaining());
    const PngInfo& png = sink.info();
    storedBits = png.storedBits;
    record.Palette.palVersion = 0x0300;
    record.Palette.palNumEntries = 0;

    if (BuildsPalette(declaredBits))
        BuildPaletteFromColours(record, declaredBits);
    else
        record.ColorDepth = PngDepth(png, declaredBits);
    return true;
}

} // namespace

bool PeekImageData(std::span<const std::uint8_t> block, int declaredBits, TIconImage& record)
{
    PngInfo png;
    if (BuildsPalette(declaredBits) || !ReadDirectPngHeader(block, kMaxIconSide, png))
        return false;
    record.Width = png.width;
    record.Height = png.height;
    record.ColorDepth = PngDepth(png, declaredBits);
    return true;
}

int TIconFileAccess::OpenIconFile(const std::string& path, TIconDocument& document,
                                  std::vector<TIconEntryInfo>* entries)
{
    ErrorText = "Unknown error.";
    const std::string trimmed = Trimmed(path);
    std::error_code ec;
    std::vector<std::uint8_t> bytes;
    if (trimmed.size() < 2 || !std::filesystem::is_regular_file(trimmed, ec) || !ReadWholeFile(trimmed, bytes)) {
        ErrorText = "File not found.";
        return -1;
    }
    const int result = ReadIconData(bytes, document, entries);
    if (document.Images.empty())
        return result;

    const std::filesystem::path p(trimmed);
    std::filesystem::path dir = p.parent_path();
    if (dir.empty())
        dir = std::filesystem::current_path(ec);
    document.FileDir = dir.string();
    if (document.FileDir.empty() || document.FileDir.back() != '/')
        document.FileDir += '/';
    document.FileName = p.filename().string();
    return result;
}

int TIconFileAccess::ReadIconData(std::span<const std::uint8_t> bytes, TIconDocument& document,
                                  std::vector<TIconEntryInfo>* entries)
{
    ErrorText = "Unknown error.";
    ByteReader stream(bytes);
    std::uint16_t reserved = 0, type = 0, count = 0;
    if (!stream.readU16(reserved) || !stream.readU16(type) || !stream.readU16(count) || reserved != 0 || type != 1 ||
        count == 0) {
        ErrorText = kFormatNotAvailable;
        return -1;
    }

    if (entries)
        entries->assign(count, TIconEntryInfo{});
    int loaded = 0;
    for (int index = 0; index < count; ++index) {
        TIconEntryInfo* info = entries ? &(*entries)[static_cast<std::size_t>(index)] : nullptr;
        TIconImage scratch;
        if (ReadDirectoryEntry(stream, index, scratch, info) != 0)
            continue;
        document.AddImage(std::move(scratch));
        ++loaded;
        if (info)
            info->loaded = true;
    }

    if (loaded == 0) {
        ErrorText = kFormatNotAvailable;
        return -1;
    }
    if (loaded < count) {
        char text[96];
        std::snprintf(text, sizeof text, "%d documents, which opens up %d.", int(count), loaded);
        ErrorText = text;
        return -1;
    }
    return 0;
}

int TIconFileAccess::ReadDirectoryEntry(ByteReader& stream, int index, TIconImage& record, TIconEntryInfo* info)
{
    std::span<const std::uint8_t> entry;
    if (index < 0 || !stream.seek(kIconHeaderSize + kDirEntrySize * static_cast<std::size_t>(index)) ||
        !stream.take(kDirEntrySize, entry)) {
        ErrorText = kFormatNotAvailable;
        return -1;
    }
    const int declaredBits = LoadU16(entry.data() + 6);
    const std::uint32_t size = LoadU32(entry.data() + 8);
    const std::uint32_t offset = LoadU32(entry.data() + 12);
    if (info)
        info->declaredBits = declaredBits;
    if (size == 0 || offset > stream.size() || size > stream.size() - offset) {
        ErrorText = kFormatNotAvailable;
        return -1;
    }
    ByteReader block(stream.all().subspan(offset, size));
    return ReadImageData(block, declaredBits, record, info);
}

int TIconFileAccess::ReadImageData(ByteReader& stream, int declaredBits, TIconImage& record, TIconEntryInfo* info)
{
    const bool png = HasPngSignature(stream.rest());
    if (info)
        info->form = png ? StoredForm::Png : StoredForm::Dib;
    int storedBits = 0;
    const bool ok = png ? ReadPng(stream, declaredBits, record, storedBits) : ReadDib(stream, record, storedBits);
    if (info)
        info->storedBits = storedBits;
    if (!ok) {
        ErrorText = kFormatNotAvailable;
        return -1;
    }
    return 0;
}

} // namespace ormel
