#include "effects/gaussian_blur.h"
#include "effects/sharpen.h"
#include "raster/paint.h"

#include "../test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace ormel {
namespace {

// The blur from its definition: per channel and tap, clamped to the line; rows, then columns.
Raster ReferenceBlur(const Raster& source, double radius)
{
    TGaussianKernel k;
    MakeGaussianKernel(k, radius);
    Raster out = source;
    const auto pass = [&](int lines, int n, auto at) {
        std::vector<std::uint8_t> temp(static_cast<std::size_t>(n) * 3);
        for (int line = 0; line < lines; ++line) {
            for (int x = 0; x < 3 * n; ++x) {
                int sum = 0;
                for (int j = -k.Size; j <= k.Size; ++j)
                    sum += k.intWeight(j) * at(line, std::clamp(x / 3 - j, 0, n - 1))[x % 3];
                temp[x] = static_cast<std::uint8_t>(std::clamp(sum / 1024, 0, 255));
            }
            for (int x = 0; x < n; ++x)
                std::copy_n(&temp[3 * x], 3, at(line, x));
        }
    };
    pass(source.height(), source.width(), [&](int y, int x) { return out.pixel(x, y); });
    pass(source.width(), source.height(), [&](int x, int y) { return out.pixel(x, y); });
    return out;
}

TEST(GaussianBlurTest, KernelSizesAndIntegerWeights)
{
    TGaussianKernel k;
    MakeGaussianKernel(k, 1.0);
    EXPECT_EQ(std::vector<int>(&k.IntWeights[98], &k.IntWeights[103]), std::vector<int>({56, 250, 412, 250, 56}));
    for (const auto& [radius, size] : {std::pair{1.0, 2}, {2.0, 5}, {5.0, 14}, {10.0, 30}, {0.05, 1}}) {
        MakeGaussianKernel(k, radius);
        EXPECT_EQ(k.Size, size) << radius;
    }
    EXPECT_EQ(std::vector<int>(&k.IntWeights[99], &k.IntWeights[102]), std::vector<int>({0, 1024, 0}));
}

TEST(GaussianBlurTest, MatchesTheStraightforwardBlur)
{
    const Raster source = test::PatternImage(37, 23, Depth24).Bitmap;
    for (const double radius : {0.05, 1.0, 3.3, 10.0}) {
        Raster dest(37, 23);
        GaussianBlurBitmap(source, dest, TRect{0, 0, 37, 23}, radius);
        EXPECT_EQ(dest, ReferenceBlur(source, radius)) << radius;
    }
    const auto packed = [](const Raster& r) {
        std::vector<TColor> colours;
        for (int i = 0; i < r.width() * r.height(); ++i)
            colours.push_back(PackPixel(r.pixel(i % r.width(), i / r.width())));
        return colours;
    };
    std::vector<TColor> colours = packed(source);
    GaussianBlurColors(colours, 37, 23, 2.0);
    EXPECT_EQ(colours, packed(ReferenceBlur(source, 2.0)));

    // Uniform stays uniform up to the edges, though at radius 1.25 the rounded weights sum to
    // 1022, not 1024, and each pass truncates.
    Raster flat(9, 5), expected(9, 5);
    flat.fill(77, 77, 255);
    expected.fill(75, 75, 253);
    GaussianBlurBitmap(flat, flat, TRect{0, 0, 9, 5}, 1.25);
    EXPECT_EQ(flat, expected);
}

TEST(GaussianBlurTest, BufferReportsProgressAndStopsWhenAborted)
{
    const int w = 6, h = 5;
    std::vector<std::uint8_t> source(w * h * 3), dest(w * h * 3, 1);
    for (std::size_t i = 0; i < source.size(); ++i)
        source[i] = static_cast<std::uint8_t>(i * 37);
    std::vector<std::string> log;
    std::atomic<bool> abort = false;
    TBlurProgress progress{[&](const std::string& s) { log.push_back(s); },
                           [&](int p) { log.push_back(std::to_string(p)); }, [&] { log.push_back("step"); }, &abort};
    EXPECT_TRUE(GaussianBlurBuffer(source, dest, progress, 1.0, w, h));
    EXPECT_EQ(log, (std::vector<std::string>{"Blur Row", "0", "25", "50", "75", "100", "step", "Blur Column", "0", "20",
                                             "40", "60", "80", "100", "step"}));

    // Aborted after the second row: the rows below keep what dest held.
    std::fill(dest.begin(), dest.end(), 1);
    progress.Progress = [&](int p) { abort = p >= 25; };
    EXPECT_FALSE(GaussianBlurBuffer(source, dest, progress, 1.0, w, h));
    EXPECT_NE(dest[w * 3 + 1], 1);
    EXPECT_TRUE(std::all_of(dest.begin() + 2 * w * 3, dest.end(), [](std::uint8_t b) { return b == 1; }));
    abort = false;
    EXPECT_FALSE(GaussianBlurBuffer(source, dest, progress, 1.0, w, h + 1)); // buffers too small
}

TEST(SharpenTest, PushesAwayFromThePixelAbove)
{
    Raster source(3, 3), dest(3, 3);
    source.fill(40, 40, 40);
    for (int x = 0; x < 3; ++x)
        source.pixel(x, 1)[1] = source.pixel(x, 2)[1] = 100; // a horizontal edge in green
    source.pixel(1, 1)[0] = source.pixel(1, 2)[0] = 90;      // a vertical edge in blue from row 1
    dest.fill(7, 7, 7);
    SharpenBitmap(source, dest, TRect{0, 0, 3, 3}, 1.5);
    EXPECT_EQ(dest.pixel(0, 1)[1], 190); // 100 + 60 x 1.5
    EXPECT_EQ(dest.pixel(1, 1)[0], 165); // 90 + 50 x 1.5
    EXPECT_EQ(dest.pixel(1, 2)[0], 90);  // no change along a vertical edge
    EXPECT_TRUE(dest.pixel(1, 0)[0] == 7 && dest.pixel(2, 1)[0] == 7); // first row, last column untouched

    Raster apart = source; // in place gives what a separate bitmap gets
    SharpenBitmap(source, apart, TRect{0, 0, 3, 3}, 0.7);
    SharpenBitmap(source, source, TRect{0, 0, 3, 3}, 0.7);
    EXPECT_EQ(source, apart);
}

} // namespace
} // namespace ormel
