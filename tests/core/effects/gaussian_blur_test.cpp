#include "effects/gaussian_blur.h"
#include "effects/sharpen.h"

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
    for (const auto& [radius, size] : {std::pair{10.0, 30}, {0.05, 1}}) {
        MakeGaussianKernel(k, radius);
        EXPECT_EQ(k.Size, size) << radius;
    }
    EXPECT_EQ(std::vector<int>(&k.IntWeights[99], &k.IntWeights[102]), std::vector<int>({0, 1024, 0}));
}

TEST(GaussianBlurTest, MatchesTheStraightforwardBlur)
{
    const Raster source = test::PatternImage(37, 23, Depth24).Bitmap;
    for (const double radius : {0.05, 3.3}) {
        Raster dest(37, 23);
        GaussianBlurBitmap(source, dest, TRect{0, 0, 37, 23}, radius);
        EXPECT_EQ(dest, ReferenceBlur(source, radius)) << radius;
    }
}

TEST(GaussianBlurTest, BufferStopsWhenAborted)
{
    const int w = 6, h = 5;
    std::vector<std::uint8_t> source(w * h * 3), dest(w * h * 3, 1);
    for (std::size_t i = 0; i < source.size(); ++i)
        source[i] = static_cast<std::uint8_t>(i * 37);
    std::atomic<bool> abort = false;
    TBlurProgress progress{[](const std::string&) {}, [&](int p) { abort = p >= 25; }, [] {}, &abort};
    // Aborted after the second row: the rows below keep what dest held.
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
}

} // namespace
} // namespace ormel
