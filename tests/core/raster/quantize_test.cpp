#include "raster/quantize.h"

#include "files/atomic_file.h"
#include "files/bmp_file.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <set>

namespace ormel {
namespace {

struct Rgb {
    int r, g, b;
    bool operator==(const Rgb&) const = default;
    auto operator<=>(const Rgb&) const = default;
};

Raster Picture(int width, int height, const std::function<Rgb(int, int)>& colour)
{
    Raster raster(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const Rgb c = colour(x, y);
            std::uint8_t* p = raster.pixel(x, y);
            p[0] = static_cast<std::uint8_t>(c.b);
            p[1] = static_cast<std::uint8_t>(c.g);
            p[2] = static_cast<std::uint8_t>(c.r);
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

int Distance(Rgb a, Rgb b) { return (a.r - b.r) * (a.r - b.r) + (a.g - b.g) * (a.g - b.g) + (a.b - b.b) * (a.b - b.b); }

// A smooth, varied picture with noise, like a small photograph.
Raster PhotoLike(int size)
{
    std::uint32_t state = 7;
    return Picture(size, size, [&](int x, int y) {
        state = state * 1664525u + 1013904223u;
        const int noise = static_cast<int>(state >> 29) - 4;
        return Rgb{std::clamp(x * 255 / size + noise, 0, 255), std::clamp((x + y) * 127 / size + noise, 0, 255),
                   std::clamp(127 + static_cast<int>(100 * std::sin(y / 9.0)) + noise, 0, 255)};
    });
}

double Psnr(const Raster& source, const Raster& indices, const TLogPalette& palette)
{
    double squared = 0;
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x)
            squared += Distance(At(source, x, y), EntryColour(palette, indices.pixel(x, y)[2]));
    return 10 * std::log10(255.0 * 255.0 * 3 * source.width() * source.height() / squared);
}

TEST(Quantize, WritesIndicesInEveryByteAndOnlyTheEntriesAsked)
{
    const Raster source = PhotoLike(40);
    for (int dither : {0, 1}) {
        TLogPalette palette;
        palette.palNumEntries = 99;
        for (TPaletteEntry& e : palette.palPalEntry)
            e = {1, 2, 3, 77};
        Raster dest(3, 3);
        QuantizeToPalette(source, dest, palette, 16, dither, 2);
        ASSERT_EQ(dest.width(), 40);
        ASSERT_EQ(dest.height(), 40);
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 40; ++x) {
                const std::uint8_t* p = dest.pixel(x, y);
                EXPECT_LT(p[2], 16);
                EXPECT_EQ(p[0], p[2]);
                EXPECT_EQ(p[1], p[2]);
            }
        EXPECT_EQ(palette.palNumEntries, 99);
        for (int i = 0; i < 256; ++i) {
            EXPECT_EQ(palette.palPalEntry[static_cast<std::size_t>(i)].peFlags, 77) << i;
            if (i >= 16)
                EXPECT_EQ(EntryColour(palette, i), (Rgb{1, 2, 3})) << i;
        }
    }
}

TEST(Quantize, KeptPaletteMapsEachPixelToTheNearestLowestEntry)
{
    TLogPalette palette;
    std::uint32_t state = 99;
    for (TPaletteEntry& e : palette.palPalEntry) {
        state = state * 1664525u + 1013904223u;
        e = {static_cast<std::uint8_t>(state >> 24), static_cast<std::uint8_t>(state >> 16),
             static_cast<std::uint8_t>(state >> 8), 5};
    }
    // Ties: entry 2 repeats entry 1; (50, 0, 0) lies halfway between entries 0 and 1, and
    // (150, 0, 0) halfway between entries 1 and 3.
    palette.palPalEntry[0] = {0, 0, 0, 0};
    palette.palPalEntry[1] = {100, 0, 0, 0};
    palette.palPalEntry[2] = {100, 0, 0, 0};
    palette.palPalEntry[3] = {200, 0, 0, 0};
    const TLogPalette before = palette;

    const Raster ties = Picture(4, 1, [](int x, int) { return Rgb{std::array{50, 100, 150, 250}[x], 0, 0}; });
    Raster dest;
    QuantizeToPalette(ties, dest, palette, 4, 0, 0);
    EXPECT_EQ(dest.pixel(0, 0)[2], 0);
    EXPECT_EQ(dest.pixel(1, 0)[2], 1);
    EXPECT_EQ(dest.pixel(2, 0)[2], 1);
    EXPECT_EQ(dest.pixel(3, 0)[2], 3);

    // Against a plain search of the first `count` entries.
    const Raster source =
        Picture(64, 64, [](int x, int y) { return Rgb{(x * 37 + y * 11) & 255, (x * 5 + y * 23) & 255, (x * y) & 255}; });
    for (int count : {2, 16, 256}) {
        QuantizeToPalette(source, dest, palette, count, 0, 0);
        EXPECT_EQ(palette, before);
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x) {
                const Rgb c = At(source, x, y);
                int expected = 0;
                for (int i = 1; i < count; ++i)
                    if (Distance(c, EntryColour(palette, i)) < Distance(c, EntryColour(palette, expected)))
                        expected = i;
                ASSERT_EQ(dest.pixel(x, y)[2], expected) << count << " at " << x << "," << y;
            }
    }
}

TEST(Quantize, FewColoursComeBackExactly)
{
    const std::vector<Rgb> colours = {{255, 0, 0}, {0, 128, 0}, {7, 7, 7}, {250, 250, 251}, {0, 0, 255}};
    for (int dither : {0, 1})
        for (int mode : {1, 2})
            for (int count : {5, 16}) {
                const Raster source = Picture(20, 10, [&](int x, int y) { return colours[(x / 3 + y) % colours.size()]; });
                TLogPalette palette;
                Raster dest;
                QuantizeToPalette(source, dest, palette, count, dither, mode);
                std::set<Rgb> used;
                for (int y = 0; y < 10; ++y)
                    for (int x = 0; x < 20; ++x) {
                        EXPECT_EQ(EntryColour(palette, dest.pixel(x, y)[2]), At(source, x, y));
                        used.insert(At(source, x, y));
                    }
                EXPECT_EQ(used.size(), colours.size());
            }
    // 256 distinct colours fill a 256-entry palette exactly.
    const Raster ramp = Picture(16, 16, [](int x, int y) { return Rgb{x * 16 + y, 255 - y, x}; });
    TLogPalette palette;
    Raster dest;
    QuantizeToPalette(ramp, dest, palette, 256, 1, 2);
    EXPECT_TRUE(std::isinf(Psnr(ramp, dest, palette)));
}

TEST(Quantize, TwoColoursSplitANoisyBlackAndWhitePicture)
{
    const Raster source = Picture(32, 32, [](int x, int y) {
        const int jitter = (x * 7 + y * 3) % 5;
        return ((x / 4 + y / 4) % 2 == 0) ? Rgb{jitter, jitter, 0} : Rgb{255 - jitter, 250, 255 - jitter};
    });
    TLogPalette palette;
    Raster dest;
    QuantizeToPalette(source, dest, palette, 2, 0, 2);
    // Dark first, then light.
    EXPECT_LT(Distance(EntryColour(palette, 0), {2, 2, 0}), 4);
    EXPECT_LT(Distance(EntryColour(palette, 1), {253, 250, 253}), 4);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            EXPECT_EQ(dest.pixel(x, y)[2], At(source, x, y).r < 128 ? 0 : 1);
}

TEST(Quantize, IsDeterministicAndWorksInPlace)
{
    const Raster source = PhotoLike(64);
    for (int dither : {0, 1}) {
        TLogPalette first, second, third;
        Raster a, b;
        QuantizeToPalette(source, a, first, 256, dither, 2);
        QuantizeToPalette(source, b, second, 256, dither, 2);
        EXPECT_EQ(a, b);
        EXPECT_EQ(first, second);
        Raster same = source;
        QuantizeToPalette(same, same, third, 256, dither, 2);
        EXPECT_EQ(same, a);
        EXPECT_EQ(third, first);
    }
}

TEST(Quantize, DitheringKeepsTheMeanOfAGradient)
{
    // A grey ramp on black and white: without dithering a hard threshold, with it a pattern
    // whose local mean follows the ramp.
    const Raster ramp = Picture(128, 32, [](int x, int) { return Rgb{x * 2, x * 2, x * 2}; });
    TLogPalette palette;
    palette.palPalEntry[0] = {0, 0, 0, 0};
    palette.palPalEntry[1] = {255, 255, 255, 0};
    Raster flat, diffused;
    QuantizeToPalette(ramp, flat, palette, 2, 0, 0);
    QuantizeToPalette(ramp, diffused, palette, 2, 1, 0);
    EXPECT_EQ(flat.pixel(63, 5)[2], 0);
    EXPECT_EQ(flat.pixel(64, 5)[2], 1);
    for (int block = 0; block < 16; ++block) {
        double source = 0, dithered = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = block * 8; x < block * 8 + 8; ++x) {
                source += At(ramp, x, y).r;
                dithered += EntryColour(palette, diffused.pixel(x, y)[2]).r;
            }
        EXPECT_NEAR(dithered / 256, source / 256, 5.0) << block;
    }

    // A built palette: the overall mean stays within a level.
    const Raster photo = PhotoLike(64);
    TLogPalette built;
    QuantizeToPalette(photo, diffused, built, 16, 1, 2);
    QuantizeToPalette(photo, flat, built, 16, 0, 2);
    EXPECT_NE(flat, diffused);
    double source[3] = {}, dithered[3] = {};
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            const Rgb s = At(photo, x, y), d = EntryColour(built, diffused.pixel(x, y)[2]);
            source[0] += s.r, source[1] += s.g, source[2] += s.b;
            dithered[0] += d.r, dithered[1] += d.g, dithered[2] += d.b;
        }
    for (int c = 0; c < 3; ++c)
        EXPECT_NEAR(dithered[c] / 4096, source[c] / 4096, 1.0) << c;
}

TEST(Quantize, ColoursCrowdedInOneCellStillFillThePalette)
{
    // 512 colours inside one cell of the coarse histogram: the refinement adds the entries that
    // the box split cannot.
    const Raster source = Picture(32, 16, [](int x, int y) { return Rgb{x & 7, (x >> 3) + (y & 1) * 4, y >> 1}; });
    TLogPalette palette;
    Raster dest;
    QuantizeToPalette(source, dest, palette, 256, 0, 2);
    std::set<Rgb> entries;
    double squared = 0;
    for (int i = 0; i < 256; ++i)
        entries.insert(EntryColour(palette, i));
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 32; ++x)
            squared += Distance(At(source, x, y), EntryColour(palette, dest.pixel(x, y)[2]));
    EXPECT_GE(entries.size(), 200u);
    EXPECT_LT(squared / 512, 1.0);
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
        TLogPalette palette;
        Raster dest;
        QuantizeToPalette(photo, dest, palette, count, 0, 2);
        EXPECT_GT(Psnr(photo, dest, palette), floor) << count;
    }
}

TEST(Quantize, EmptyAndSingleEntryCases)
{
    TLogPalette palette;
    Raster dest(4, 4);
    QuantizeToPalette(Raster(), dest, palette, 16, 1, 2);
    EXPECT_TRUE(dest.empty());

    const Raster source = Picture(4, 4, [](int x, int y) { return Rgb{x * 10, y * 10, 0}; });
    QuantizeToPalette(source, dest, palette, 1, 1, 2);
    EXPECT_EQ(EntryColour(palette, 0), (Rgb{15, 15, 0}));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(dest.pixel(x, y)[2], 0);
}

} // namespace
} // namespace ormel
