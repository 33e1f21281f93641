#include "effects/convolve.h"

#include "raster/rounding.h"

#include "../test_support.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace ormel {
namespace {

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

// Every filter at sizes larger and smaller than its kernel, down to one pixel, with one, none or
// all channels: every read stays inside the image, and disabled channels are copied.
TEST(FilterTest, EveryFilterMatchesTheStraightforwardConvolutionWithChosenChannels)
{
    struct Channels {
        bool red, green, blue;
    };
    for (const auto& [w, h] : {std::pair{41, 11}, {1, 1}, {2, 5}})
        for (const Channels& on : {Channels{true, false, true}, {false, true, false}}) {
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
