#pragma once

// Builders of small picture files, byte by byte, for the reader tests and the fuzz seeds.
#include "files/byte_stream.h"
#include "files/picture_codecs.h"

#include <cstdio>
#include <gif_lib.h>
#include <jpeglib.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace ormel::test {

using Bytes = std::vector<std::uint8_t>;

struct BmpParts {
    std::uint32_t headerSize = 40; // 12 for the OS/2 core header
    std::int32_t width = 0;
    std::int32_t height = 0; // negative: rows stored top to bottom
    int bits = 24;
    std::uint32_t compression = 0;
    std::vector<std::uint32_t> masks;                 // after a 40-byte header, else inside it
    std::vector<std::array<std::uint8_t, 3>> palette; // blue, green, red
    Bytes data;                                       // the pixel data as stored
};

inline Bytes MakeBmp(const BmpParts& parts)
{
    const bool core = parts.headerSize == 12;
    const std::size_t entrySize = core ? 3 : 4;
    const std::size_t masksAfter = parts.headerSize == 40 ? parts.masks.size() * 4 : 0;
    const std::uint32_t offBits =
        static_cast<std::uint32_t>(14 + parts.headerSize + masksAfter + parts.palette.size() * entrySize);
    ByteWriter out;
    out.write("BM", 2);
    out.writeU32(offBits + static_cast<std::uint32_t>(parts.data.size()));
    out.writeU32(0);
    out.writeU32(offBits);
    out.writeU32(parts.headerSize);
    if (core) {
        out.writeU16(static_cast<std::uint16_t>(parts.width));
        out.writeU16(static_cast<std::uint16_t>(parts.height));
        out.writeU16(1);
        out.writeU16(static_cast<std::uint16_t>(parts.bits));
    } else {
        out.writeI32(parts.width);
        out.writeI32(parts.height);
        out.writeU16(1);
        out.writeU16(static_cast<std::uint16_t>(parts.bits));
        out.writeU32(parts.compression);
        out.writeU32(static_cast<std::uint32_t>(parts.data.size()));
        out.writeI32(2835);
        out.writeI32(2835);
        out.writeU32(static_cast<std::uint32_t>(parts.palette.size()));
        out.writeU32(0);
        for (std::uint32_t mask : parts.masks)
            out.writeU32(mask);
        if (parts.headerSize > 40)
            out.writeZeros(14 + parts.headerSize - out.position());
    }
    for (const auto& entry : parts.palette) {
        out.write(entry.data(), 3);
        if (!core)
            out.writeU8(0);
    }
    out.write(parts.data.data(), parts.data.size());
    return out.bytes();
}

// A JPEG with an EXIF block after its start marker whose first directory holds a camera make
// and the orientation, in either byte order.
inline Bytes WithExifOrientation(const Bytes& jpeg, int orientation, bool bigEndian)
{
    Bytes tiff;
    const auto u16 = [&](unsigned v) {
        if (bigEndian)
            tiff.insert(tiff.end(), {std::uint8_t(v >> 8), std::uint8_t(v)});
        else
            tiff.insert(tiff.end(), {std::uint8_t(v), std::uint8_t(v >> 8)});
    };
    const auto u32 = [&](std::uint32_t v) {
        if (bigEndian)
            u16(v >> 16), u16(v & 0xFFFF);
        else
            u16(v & 0xFFFF), u16(v >> 16);
    };
    const std::uint8_t order = bigEndian ? 'M' : 'I';
    tiff = {order, order};
    u16(42), u32(8), u16(2);
    u16(0x010F), u16(2), u32(4), tiff.insert(tiff.end(), {'C', 'a', 'm', 0}); // Make, ASCII
    u16(0x0112), u16(3), u32(1), u16(static_cast<unsigned>(orientation)), u16(0); // Orientation
    u32(0);
    Bytes app1 = {'E', 'x', 'i', 'f', 0, 0};
    app1.insert(app1.end(), tiff.begin(), tiff.end());
    const std::size_t length = app1.size() + 2;
    Bytes out = {jpeg[0], jpeg[1], 0xFF, 0xE1, std::uint8_t(length >> 8), std::uint8_t(length)};
    out.insert(out.end(), app1.begin(), app1.end());
    out.insert(out.end(), jpeg.begin() + 2, jpeg.end());
    return out;
}

struct GifParts {
    int screenWidth = 0, screenHeight = 0;
    int left = 0, top = 0, width = 0, height = 0;
    std::vector<std::array<std::uint8_t, 3>> colours; // red, green, blue; 2, 4, ... 256 of them
    std::vector<std::uint8_t> indices;                // width x height, rows top to bottom
    int transparent = -1;
    bool interlaced = false;
};

inline int WriteToBytes(GifFileType* gif, const GifByteType* data, int count)
{
    auto* out = static_cast<Bytes*>(gif->UserData);
    out->insert(out->end(), data, data + count);
    return count;
}

// A GIF of one frame through giflib; interlaced rows are handed over in their stored order.
inline Bytes MakeGif(const GifParts& parts)
{
    Bytes out;
    int error = 0;
    GifFileType* gif = EGifOpen(&out, WriteToBytes, &error);
    std::vector<GifColorType> colours;
    for (const auto& c : parts.colours)
        colours.push_back({c[0], c[1], c[2]});
    ColorMapObject* map = GifMakeMapObject(static_cast<int>(colours.size()), colours.data());
    EGifSetGifVersion(gif, true);
    EGifPutScreenDesc(gif, parts.screenWidth, parts.screenHeight, 8, 0, map);
    if (parts.transparent >= 0) {
        GraphicsControlBlock control{};
        control.TransparentColor = parts.transparent;
        GifByteType block[4];
        const auto length = EGifGCBToExtension(&control, block);
        EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), block);
    }
    EGifPutImageDesc(gif, parts.left, parts.top, parts.width, parts.height, parts.interlaced, nullptr);
    std::vector<int> order;
    if (parts.interlaced) {
        for (const auto& [start, step] : {std::pair{0, 8}, {4, 8}, {2, 4}, {1, 2}})
            for (int y = start; y < parts.height; y += step)
                order.push_back(y);
    } else {
        for (int y = 0; y < parts.height; ++y)
            order.push_back(y);
    }
    for (int y : order) {
        std::vector<GifPixelType> line(parts.indices.begin() + y * parts.width, parts.indices.begin() + (y + 1) * parts.width);
        EGifPutLine(gif, line.data(), parts.width);
    }
    EGifCloseFile(gif, &error);
    GifFreeMapObject(map);
    return out;
}

// A JPEG of solid blocks of 16 x 16 pixels (whole coded units, so the colours survive nearly
// exactly), blocksAcross x blocksDown of them with the colours given row by row.
inline Bytes MakeBlockJpeg(int blocksAcross, int blocksDown, const std::vector<std::array<std::uint8_t, 3>>& bgr)
{
    Raster picture(16 * blocksAcross, 16 * blocksDown);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            std::memcpy(picture.pixel(x, y), bgr[static_cast<std::size_t>(y / 16 * blocksAcross + x / 16)].data(), 3);
    Bytes out;
    EncodeJpeg(picture, out);
    return out;
}

// A JPEG through libjpeg of `components` samples per pixel (1 grey, 3 RGB, 4 CMYK, stored as
// given), optionally progressive. Empty when the codec fails.
inline Bytes MakeJpeg(int width, int height, int components, bool progressive, const Bytes& samples)
{
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = components;
    info.in_color_space = components == 1 ? JCS_GRAYSCALE : components == 4 ? JCS_CMYK : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    if (progressive)
        jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(samples.data() + std::size_t(info.next_scanline) * std::size_t(width * components));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    Bytes out(buffer, buffer + size);
    std::free(buffer);
    return out;
}

} // namespace ormel::test
