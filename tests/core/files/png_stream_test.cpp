#include "files/png_stream.h"
#include "png_support.h"

#include <gtest/gtest.h>

#include <random>

namespace ormel {
namespace {

using test::CollectRows;

// Smooth areas with noise, so that every filter wins on some rows.
std::vector<std::uint8_t> TestPixels(int width, int height, int channels, unsigned seed)
{
    std::mt19937 random(seed);
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(width * height * channels));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            for (int c = 0; c < channels; ++c)
                pixels[static_cast<std::size_t>((y * width + x) * channels + c)] =
                    static_cast<std::uint8_t>((x * (c + 1) + y * 3) + (random() % 7 == 0 ? random() : 0));
    return pixels;
}

TEST(PngDecoding, DirectAndLibpngPathsAgreeOnEveryFilterAndForm)
{
    const int filters[] = {PNG_FILTER_NONE, PNG_FILTER_SUB, PNG_FILTER_UP, PNG_FILTER_AVG, PNG_FILTER_PAETH,
                           PNG_ALL_FILTERS};
    const std::pair<int, int> forms[] = {{PNG_COLOR_TYPE_RGB, 3}, {PNG_COLOR_TYPE_RGB_ALPHA, 4},
                                         {PNG_COLOR_TYPE_GRAY, 1}, {PNG_COLOR_TYPE_GRAY_ALPHA, 2}};
    for (const auto& [colorType, channels] : forms)
        for (int width : {1, 5, 256})
            for (int filter : filters) {
                const int height = 7;
                const auto pixels = TestPixels(width, height, channels, static_cast<unsigned>(width + filter));
                const auto png = test::RawPng(width, height, colorType, 8, pixels, {}, {}, filter);
                CollectRows direct, reference;
                ASSERT_TRUE(DecodePng(png, 256, direct));
                ASSERT_TRUE(DecodePngWithLibpng(png, 256, reference));
                ASSERT_EQ(direct.bgra, reference.bgra) << "width " << width << " filter " << filter;
                EXPECT_EQ(direct.info.storedBits, channels * 8);
                EXPECT_EQ(direct.info.hasAlpha, channels % 2 == 0);
                // And both are the source pixels: the last pixel's blue and alpha.
                const std::size_t last = pixels.size() - static_cast<std::size_t>(channels);
                const std::size_t lastOut = direct.bgra.size() - 4;
                EXPECT_EQ(direct.bgra[lastOut], pixels[last + (channels >= 3 ? 2 : 0)]);
                EXPECT_EQ(direct.bgra[lastOut + 3], channels % 2 == 0 ? pixels.back() : 255);
            }
}

TEST(PngDecoding, DamagedStreamsAreRefused)
{
    const auto pixels = TestPixels(40, 40, 4, 1);
    const auto good = test::RawPng(40, 40, PNG_COLOR_TYPE_RGB_ALPHA, 8, pixels);
    CollectRows sink;
    ASSERT_TRUE(DecodePng(good, 256, sink));

    auto badCrc = good;
    badCrc[badCrc.size() - 20] ^= 0x55; // inside the image data
    EXPECT_FALSE(DecodePng(badCrc, 256, sink));

    for (std::size_t keep : {std::size_t(8), std::size_t(30), good.size() / 2, good.size() - 13})
        EXPECT_FALSE(DecodePng(std::span(good).first(keep), 256, sink)) << keep;

    EXPECT_FALSE(DecodePng(good, 39, sink)); // larger than allowed
}

TEST(PngDecoding, TransparentColourOfAnRgbImageBecomesAlpha)
{
    const std::vector<std::uint8_t> rgb{1, 2, 3, 4, 5, 6};
    const auto png = test::RawPng(2, 1, PNG_COLOR_TYPE_RGB, 8, rgb, {}, {4, 5, 6});
    CollectRows sink;
    ASSERT_TRUE(DecodePng(png, 256, sink));
    EXPECT_TRUE(sink.info.hasAlpha);
    EXPECT_EQ(sink.bgra, (std::vector<std::uint8_t>{3, 2, 1, 255, 6, 5, 4, 0}));
}

} // namespace
} // namespace ormel
