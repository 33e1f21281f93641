#include "raster/quantize.h"

#include "files/atomic_file.h"
#include "files/bmp_file.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>

namespace ormel {
namespace {

using Rgb = std::array<int, 3>; // red, green, blue

Raster Picture(int width, int height, const std::function<Rgb(int, int)>& colour)
{
    Raster raster(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const Rgb c = colour(x, y);
            std::uint8_t* p = raster.pixel(x, y);
            p[0] = std::uint8_t(c[2]), p[1] = std::uint8_t(c[1]), p[2] = std::uint8_t(c[0]);
        }
    return raster;
}

Rgb At(const Raster& raster, int x, int y)
{
    const std::uint8_t* p = raster.pixel(x, y);
    return {p[2], p[1], p[0]};
}

Rgb EntryColour(const TLogPalette& palette, int index)
{
    const TPaletteEntry& e = palette.palPalEntry[static_cast<std::size_t>(index)];
    return {e.peRed, e.peGreen, e.peBlue};
}

int Distance(Rgb a, Rgb b)
{
    return (a[0] - b[0]) * (a[0] - b[0]) + (a[1] - b[1]) * (a[1] - b[1]) + (a[2] - b[2]) * (a[2] - b[2]);
}

struct Quantized {
    Raster indices;
    TLogPalette palette;
    Raster rendered() const // the picture the indices stand for
    {
        return Picture(indices.width(), indices.height(),
                       [&](int x, int y) { return EntryColour(palette, indices.pixel(x, y)[2]); });
    }
};

Quantized Quantize(const Raster& source, int count, int dither, int mode, const TLogPalette& palette = {})
{
    Quantized q{Raster(3, 3), palette}; // dest takes the source's size
    QuantizeToPalette(source, q.indices, q.palette, count, dither, mode);
    return q;
}

Raster Indices(int width, int height, const std::function<int(int, int)>& index)
{
    return Picture(width, height, [&](int x, int y) { return Rgb{index(x, y), index(x, y), index(x, y)}; });
}

double SquaredError(const Raster& a, const Raster& b)
{
    double squared = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            squared += Distance(At(a, x, y), At(b, x, y));
    return squared;
}

// Mean red, green and blue over columns [x0, x1).
std::array<double, 3> Mean(const Raster& raster, int x0, int x1)
{
    std::array<double, 3> mean{};
    for (int y = 0; y < raster.height(); ++y)
        for (int x = x0; x < x1; ++x)
            for (std::size_t c = 0; c < 3; ++c)
                mean[c] += At(raster, x, y)[c] / double(raster.height() * (x1 - x0));
    return mean;
}

TEST(Quantize, KeptPaletteMapsEachPixelToTheNearestLowestEntry)
{
    TLogPalette palette;
    // Ties: entry 2 repeats entry 1; (50, 0, 0) lies halfway between entries 0 and 1, and
    // (150, 0, 0) halfway between entries 1 and 3.
    palette.palPalEntry[0] = {0, 0, 0, 0};
    palette.palPalEntry[1] = palette.palPalEntry[2] = {100, 0, 0, 0};
    palette.palPalEntry[3] = {200, 0, 0, 0};
    const Raster ties = Picture(4, 1, [](int x, int) { return Rgb{std::array{50, 100, 150, 250}[x], 0, 0}; });
    EXPECT_EQ(Quantize(ties, 4, 0, 0, palette).indices, Indices(4, 1, [](int x, int) {
                  return std::array{0, 1, 1, 3}[x];
              }));
}

TEST(Quantize, FewColoursComeBackExactly)
{
    const std::vector<Rgb> colours = {{255, 0, 0}, {0, 128, 0}, {7, 7, 7}, {250, 250, 251}, {0, 0, 255}};
    const Raster source = Picture(20, 10, [&](int x, int y) { return colours[(x / 3 + y) % colours.size()]; });
    for (int mode : {1, 2})
        EXPECT_EQ(Quantize(source, 5, 1, mode).rendered(), source) << mode;
    // 256 distinct colours fill a 256-entry palette exactly.
    const Raster ramp = Picture(16, 16, [](int x, int y) { return Rgb{x * 16 + y, 255 - y, x}; });
    EXPECT_EQ(Quantize(ramp, 256, 1, 2).rendered(), ramp);
}

TEST(Quantize, DitheringKeepsTheMeanOfAGradient)
{
    // A grey ramp on black and white: without dithering a hard threshold, with it a pattern
    // whose local mean follows the ramp.
    const Raster ramp = Picture(128, 32, [](int x, int) { return Rgb{x * 2, x * 2, x * 2}; });
    TLogPalette blackAndWhite;
    blackAndWhite.palPalEntry[1] = {255, 255, 255, 0};
    EXPECT_EQ(Quantize(ramp, 2, 0, 0, blackAndWhite).indices,
              Indices(128, 32, [](int x, int) { return x < 64 ? 0 : 1; }));
    const Raster diffused = Quantize(ramp, 2, 1, 0, blackAndWhite).rendered();
    for (int x = 0; x < 128; x += 8)
        EXPECT_NEAR(Mean(diffused, x, x + 8)[0], Mean(ramp, x, x + 8)[0], 5.0) << x;
}

TEST(Quantize, PhotographQualityStaysAboveTheReferenceTools)
{
    std::vector<std::uint8_t> bytes;
    ASSERT_TRUE(ReadWholeFile(test::FixturePath("photo-board.bmp"), bytes));
    ByteReader in(bytes);
    Raster photo;
    ASSERT_TRUE(ReadBmp24(in, photo));
    // ImageMagick's `+dither -colors N` reaches 35.2 and 26.0 dB on this picture.
    for (const auto& [count, floor] : {std::pair{256, 36.0}, std::pair{16, 27.0}}) {
        const double squared = SquaredError(photo, Quantize(photo, count, 0, 2).rendered());
        EXPECT_GT(10 * std::log10(255.0 * 255.0 * 3 * photo.width() * photo.height() / squared), floor) << count;
    }
}

TEST(Quantize, EmptySourceLeavesAnEmptyDestination)
{
    TLogPalette palette;
    Raster dest(4, 4);
    QuantizeToPalette(Raster(), dest, palette, 16, 1, 2);
    EXPECT_TRUE(dest.empty());
}

} // namespace
} // namespace ormel
