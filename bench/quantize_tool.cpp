// Runs the colour reduction on raw RGB pixels, for comparing its quality with other tools.
//
//   convert IN -depth 8 rgb:- | quantize_tool WIDTH HEIGHT COUNT DITHER > OUT.rgb
//
// Reads WIDTH x HEIGHT pixels of red, green, blue bytes from standard input, reduces them to
// a palette of COUNT colours built from them (DITHER 0 or 1) and writes each pixel's palette
// colour as red, green, blue bytes to standard output.

#include "raster/quantize.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

bool ParseArgument(const char* text, int low, int high, int& value)
{
    char* end = nullptr;
    const long parsed = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || parsed < low || parsed > high)
        return false;
    value = static_cast<int>(parsed);
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    using namespace ormel;
    int width = 0, height = 0, count = 0, dither = 0;
    if (argc != 5 || !ParseArgument(argv[1], 1, 1 << 14, width) || !ParseArgument(argv[2], 1, 1 << 14, height) ||
        !ParseArgument(argv[3], 1, 256, count) || !ParseArgument(argv[4], 0, 1, dither)) {
        std::fprintf(stderr, "usage: quantize_tool WIDTH HEIGHT COUNT DITHER < in.rgb > out.rgb\n");
        return 2;
    }
    std::vector<unsigned char> rgb(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3);
    if (std::fread(rgb.data(), 1, rgb.size(), stdin) != rgb.size()) {
        std::fprintf(stderr, "quantize_tool: expected %zu bytes of RGB input\n", rgb.size());
        return 1;
    }
    Raster picture(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const unsigned char* in = &rgb[(static_cast<std::size_t>(y) * width + x) * 3];
            std::uint8_t* p = picture.pixel(x, y);
            p[0] = in[2];
            p[1] = in[1];
            p[2] = in[0];
        }
    TLogPalette palette;
    palette.palNumEntries = static_cast<std::uint16_t>(count);
    Raster indices;
    QuantizeToPalette(picture, indices, palette, count, dither, 2);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const TPaletteEntry& e = palette.palPalEntry[indices.pixel(x, y)[2]];
            unsigned char* out = &rgb[(static_cast<std::size_t>(y) * width + x) * 3];
            out[0] = e.peRed;
            out[1] = e.peGreen;
            out[2] = e.peBlue;
        }
    return std::fwrite(rgb.data(), 1, rgb.size(), stdout) == rgb.size() ? 0 : 1;
}
