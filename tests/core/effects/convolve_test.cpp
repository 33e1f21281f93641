#include "effects/convolve.h"

#include "raster/rounding.h"

#include "../test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>

namespace ormel {
namespace {

const TFilter& Named(const std::string& name)
{
    const auto filters = BuiltInFilters();
    return *std::find_if(filters.begin(), filters.end(), [&](const TFilter& f) { return name == f.Name; });
}

// The filter from its definition: every pixel, channel and tap on its own, mirroring inline. A
// line shorter than the kernel could mirror past its far end: such reads stay on the line.
Raster ReferenceConvolve(const Raster& source, const TFilter& filter, bool red = true, bool green = true,
                         bool blue = true)
{
    const int w = source.width(), h = source.height(), r = filter.SizeCode;
    const auto mirror = [r](int p, int d, int n) {
        return std::clamp((p <= r && d < 0) || (p >= n - 1 - r && d > 0) ? p - d : p + d, 0, n - 1);
    };
    const bool enabled[3] = {blue, green, red};
    Raster out = source;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            for (int c = 0; c < 3; ++c) {
                if (!enabled[c])
                    continue;
                int sum = 0;
                for (int dy = -r; dy <= r; ++dy)
                    for (int dx = -r; dx <= r; ++dx)
                        sum += filter.weight(dx, dy) * source.pixel(mirror(x, dx, w), mirror(y, dy, h))[c];
                const float reciprocal = 1.0f / static_cast<float>(filter.Divisor);
                const float value = static_cast<float>(filter.Bias) + static_cast<float>(sum) * reciprocal;
                out.pixel(x, y)[c] = static_cast<std::uint8_t>(ClampTrunc(value, 0, 255));
            }
    return out;
}

// Uniform areas of any size, smaller than the kernel too, give bias + level x (sum of weights)
// / divisor.
TEST(FilterTest, UniformAreas)
{
    for (const auto& [w, h] : {std::pair{8, 8}, {1, 1}, {2, 2}, {1, 5}}) {
        const auto grey = [w, h](int v) {
            Raster r(w, h);
            r.fill(std::uint8_t(v), std::uint8_t(v), std::uint8_t(v));
            return r;
        };
        for (const auto& [name, level, result] :
             {std::tuple{"Light Emboss", 0, 192}, {"Light Emboss", 200, 192}, {"Dark Emboss", 90, 128},
              {"Null", 77, 77}, {"Negative", 77, 178}, {"Trace Contour", 0, 240}, {"Trace Contour", 7, 254},
              {"Trace Contour", 8, 255}, {"Etch", 0, 240}, {"Etch", 2, 252}, {"Etch", 3, 255},
              {"Gaussian Blur", 100, 100}, {"Bartlett Blur", 100, 100}}) {
            Raster out;
            ConvolveBitmap(grey(level), out, Named(name), true, true, true);
            EXPECT_EQ(out, grey(result)) << name << " on " << level << " at " << w << " x " << h;
        }
    }
}

TEST(FilterTest, MirrorsAboutThePixelAndKeepsDisabledChannels)
{
    // On 3 x 3 every pixel lies in a mirror zone: the centre reads row 2 for dy = -1 and row 0
    // for dy = +1.
    Raster source(3, 3), out;
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            source.pixel(x, y)[0] = source.pixel(x, y)[2] = static_cast<std::uint8_t>(10 * y + x);
    TFilter up, down;
    up.Kernel[2 * 7 + 3] = 1; // weight at dy = -1, dx = 0
    down.Kernel[4 * 7 + 3] = 1;
    ConvolveBitmap(source, out, up, true, false, false);
    EXPECT_EQ(out.pixel(1, 1)[2], 21);
    EXPECT_EQ(out.pixel(1, 0)[2], 11);
    EXPECT_EQ(out.pixel(1, 1)[0], 11); // blue disabled: copied
    ConvolveBitmap(source, out, down, true, false, false);
    EXPECT_EQ(out.pixel(1, 1)[2], 1);

}

// Every filter at sizes larger and smaller than its kernel, down to one pixel, with one, none or
// all channels: every read stays inside the image, and disabled channels are copied.
TEST(FilterTest, EveryFilterMatchesTheStraightforwardConvolutionWithChosenChannels)
{
    ASSERT_EQ(BuiltInFilters().size(), 25u);
    EXPECT_STREQ(BuiltInFilters()[22].Name, "Laplacian  Horz./Vert");
    struct Channels {
        bool red, green, blue;
    };
    for (const auto& [w, h] : {std::pair{7, 7}, {41, 11}, {1, 1}, {2, 2}, {1, 6}, {6, 1}, {2, 5}})
        for (const Channels& on : {Channels{true, false, false}, {false, true, false}, {false, false, true},
                                   {false, false, false}, {true, true, true}}) {
            const Raster source = test::PatternImage(w, h, Depth24).Bitmap;
            for (const TFilter& filter : BuiltInFilters()) {
                Raster out;
                ConvolveBitmap(source, out, filter, on.red, on.green, on.blue);
                EXPECT_EQ(out, ReferenceConvolve(source, filter, on.red, on.green, on.blue))
                    << filter.Name << " on " << w << " x " << h << " channels " << on.red << on.green << on.blue;
            }
        }
}

} // namespace
} // namespace ormel
