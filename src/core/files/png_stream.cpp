#include "files/png_stream.h"

#include "files/png_direct_decoder.h"

#include <png.h>

#include <csetjmp>
#include <cstring>

namespace ormel {

namespace {

struct MemoryInput {
    const std::uint8_t* data;
    std::size_t size;
    std::size_t pos;
};

void ReadFromMemory(png_structp png, png_bytep out, png_size_t count)
{
    auto* in = static_cast<MemoryInput*>(png_get_io_ptr(png));
    if (count > in->size - in->pos)
        png_error(png, "truncated PNG stream");
    std::memcpy(out, in->data + in->pos, count);
    in->pos += count;
}

void WriteToVector(png_structp png, png_bytep data, png_size_t count)
{
    auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + count);
}

void FlushNothing(png_structp) {}

// libpng reports through these; errors longjmp back to the caller's setjmp.
void SilentWarning(png_structp, png_const_charp) {}
void ErrorToJump(png_structp png, png_const_charp) { png_longjmp(png, 1); }

// Kept apart from DecodePngWithLibpng so that no C++ object lives in the frame that setjmp
// returns to; `pixels` is owned by the caller.
bool DecodeWithLibpng(MemoryInput& input, int maxSide, PngRowSink& sink, std::vector<std::uint8_t>& pixels,
                      std::vector<png_bytep>& rows)
{
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, ErrorToJump, SilentWarning);
    if (png == nullptr)
        return false;
    png_infop info = png_create_info_struct(png);
    if (info == nullptr) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return false;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    png_set_read_fn(png, &input, ReadFromMemory);
    png_set_user_limits(png, static_cast<png_uint_32>(maxSide), static_cast<png_uint_32>(maxSide));
    png_set_chunk_malloc_max(png, 8u << 20);
    png_read_info(png, info);

    PngInfo header;
    header.width = static_cast<int>(png_get_image_width(png, info));
    header.height = static_cast<int>(png_get_image_height(png, info));
    const int colorType = png_get_color_type(png, info);
    const bool hasTrns = png_get_valid(png, info, PNG_INFO_tRNS) != 0;
    header.indexed = colorType == PNG_COLOR_TYPE_PALETTE;
    header.hasAlpha = (colorType & PNG_COLOR_MASK_ALPHA) != 0 || hasTrns;
    header.storedBits = png_get_bit_depth(png, info) * png_get_channels(png, info);

    // Every form becomes 8-bit BGRA.
    png_set_expand(png);
    png_set_strip_16(png);
    if (colorType == PNG_COLOR_TYPE_GRAY || colorType == PNG_COLOR_TYPE_GRAY_ALPHA)
        png_set_gray_to_rgb(png);
    if (!(colorType & PNG_COLOR_MASK_ALPHA) && !hasTrns)
        png_set_add_alpha(png, 0xff, PNG_FILLER_AFTER);
    png_set_bgr(png);
    const int passes = png_set_interlace_handling(png);
    png_read_update_info(png, info);
    const std::size_t rowBytes = static_cast<std::size_t>(header.width) * 4;
    if (png_get_rowbytes(png, info) != rowBytes) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }

    sink.begin(header);
    if (passes == 1) {
        pixels.resize(rowBytes);
        for (int y = 0; y < header.height; ++y) {
            png_read_row(png, pixels.data(), nullptr);
            sink.row(y, pixels.data());
        }
    } else {
        pixels.resize(rowBytes * static_cast<std::size_t>(header.height));
        rows.resize(static_cast<std::size_t>(header.height));
        for (int y = 0; y < header.height; ++y)
            rows[static_cast<std::size_t>(y)] = pixels.data() + rowBytes * static_cast<std::size_t>(y);
        png_read_image(png, rows.data());
        for (int y = 0; y < header.height; ++y)
            sink.row(y, rows[static_cast<std::size_t>(y)]);
    }
    png_destroy_read_struct(&png, &info, nullptr);
    return true;
}

bool EncodeWithLibpng(int width, int height, const std::uint8_t* bgra, std::vector<std::uint8_t>& out)
{
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, ErrorToJump, SilentWarning);
    if (png == nullptr)
        return false;
    png_infop info = png_create_info_struct(png);
    if (info == nullptr) {
        png_destroy_write_struct(&png, nullptr);
        return false;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_set_write_fn(png, &out, WriteToVector, FlushNothing);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                 PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_set_bgr(png);
    for (int y = 0; y < height; ++y)
        png_write_row(png, bgra + static_cast<std::size_t>(y) * static_cast<std::size_t>(width) * 4);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

} // namespace

void PngRowToBgra(PngRowLayout layout, const std::uint8_t* row, int width, std::uint8_t* bgra)
{
    for (int x = 0; x < width; ++x, bgra += 4) {
        switch (layout) {
        case PngRowLayout::Bgra: std::memcpy(bgra, row + 4 * x, 4); break;
        case PngRowLayout::Rgba:
            bgra[0] = row[4 * x + 2], bgra[1] = row[4 * x + 1], bgra[2] = row[4 * x], bgra[3] = row[4 * x + 3];
            break;
        case PngRowLayout::Rgb:
            bgra[0] = row[3 * x + 2], bgra[1] = row[3 * x + 1], bgra[2] = row[3 * x], bgra[3] = 255;
            break;
        case PngRowLayout::GreyAlpha:
            bgra[0] = bgra[1] = bgra[2] = row[2 * x], bgra[3] = row[2 * x + 1];
            break;
        case PngRowLayout::Grey: bgra[0] = bgra[1] = bgra[2] = row[x], bgra[3] = 255; break;
        }
    }
}

bool HasPngSignature(std::span<const std::uint8_t> bytes)
{
    return bytes.size() >= sizeof kPngSignature && std::memcmp(bytes.data(), kPngSignature, sizeof kPngSignature) == 0;
}

bool DecodePngWithLibpng(std::span<const std::uint8_t> data, int maxSide, PngRowSink& sink)
{
    if (!HasPngSignature(data) || maxSide <= 0)
        return false;
    MemoryInput input{data.data(), data.size(), 0};
    std::vector<std::uint8_t> pixels;
    std::vector<png_bytep> rows;
    return DecodeWithLibpng(input, maxSide, sink, pixels, rows);
}

bool DecodePng(std::span<const std::uint8_t> data, int maxSide, PngRowSink& sink)
{
    switch (DecodePngDirect(data, maxSide, sink)) {
    case DirectDecode::Done: return true;
    case DirectDecode::Failed: return false;
    case DirectDecode::NotHandled: break;
    }
    return DecodePngWithLibpng(data, maxSide, sink);
}

bool EncodePngRgba(int width, int height, const std::uint8_t* bgra, std::vector<std::uint8_t>& out)
{
    if (width <= 0 || height <= 0)
        return false;
    std::vector<std::uint8_t> encoded;
    encoded.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    if (!EncodeWithLibpng(width, height, bgra, encoded))
        return false;
    out = std::move(encoded);
    return true;
}

} // namespace ormel
