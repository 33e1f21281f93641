#pragma once

#include "files/png_stream.h"

#include <png.h>

#include <cstdint>
#include <vector>

namespace ormel::test {

// Collects decoded rows as one BGRA image.
struct CollectRows : PngRowSink {
    PngInfo info;
    std::vector<std::uint8_t> bgra;
    void begin(const PngInfo& i) override
    {
        info = i;
        bgra.assign(static_cast<std::size_t>(i.width) * static_cast<std::size_t>(i.height) * 4, 0);
    }
    void row(int y, const std::uint8_t* p) override
    {
        PngRowToBgra(info.layout, p, info.width, bgra.data() + static_cast<std::ptrdiff_t>(y) * info.width * 4);
    }
};

// A PNG of any colour type and bit depth, written by libpng with the given row filters.
inline std::vector<std::uint8_t> RawPng(int width, int height, int colorType, int bitDepth,
                                        const std::vector<std::uint8_t>& pixels, const std::vector<png_color>& palette = {},
                                        const std::vector<png_byte>& trns = {}, int filters = PNG_ALL_FILTERS)
{
    std::vector<std::uint8_t> out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(
        png, &out,
        [](png_structp p, png_bytep data, png_size_t n) {
            auto* v = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(p));
            v->insert(v->end(), data, data + n);
        },
        nullptr);
    png_set_IHDR(png, info, width, height, bitDepth, colorType, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, filters);
    if (!palette.empty())
        png_set_PLTE(png, info, palette.data(), static_cast<int>(palette.size()));
    if (!trns.empty()) {
        png_color_16 colour{};
        if (colorType == PNG_COLOR_TYPE_RGB) {
            colour.red = trns[0];
            colour.green = trns[1];
            colour.blue = trns[2];
            png_set_tRNS(png, info, nullptr, 0, &colour);
        } else {
            png_set_tRNS(png, info, trns.data(), static_cast<int>(trns.size()), nullptr);
        }
    }
    png_write_info(png, info);
    const std::size_t rowBytes = pixels.size() / static_cast<std::size_t>(height);
    for (int y = 0; y < height; ++y)
        png_write_row(png, pixels.data() + rowBytes * static_cast<std::size_t>(y));
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

} // namespace ormel::test
