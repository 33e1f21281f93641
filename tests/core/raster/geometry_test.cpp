#include "raster/geometry.h"
#include "raster/paint.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <utility>

namespace ormel {
namespace {

TEST(RotateBilinearTest, Rotate180FillsTheTopRowAndLeftColumnFromOutside)
{
    TIconImage image = test::PatternImage(16, 16, Depth32);
    image.Mask.fill(0, 0, 0); // fully opaque
    const Raster original = image.Bitmap;
    RotateBilinear(image.Bitmap, TRect{0, 0, 16, 16}, 180);
    RotateBilinear(image.Mask, TRect{0, 0, 16, 16}, 180);
    // Outside: white and transparent. Elsewhere (x, y) comes from (16 - x, 16 - y), give or take
    // the truncation of a weight a hair below 1.
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const bool outside = x == 0 || y == 0;
            EXPECT_EQ(image.Mask.pixel(x, y)[0], outside ? 255 : 0) << x << "," << y;
            for (int k = 0; k < 3; ++k)
                EXPECT_NEAR(image.Bitmap.pixel(x, y)[k], outside ? 255 : original.pixel(16 - x, 16 - y)[k],
                            outside ? 0 : 1) << x << "," << y;
        }
}

TEST(RotateNearestTest, PixelsWithoutSourceArePureBlue)
{
    // (x, y) takes source (4 - y, x): the top row has none.
    const Raster original = test::PatternImage(4, 4, Depth24).Bitmap;
    Raster dest;
    RotateNearest(original, dest, TRect{0, 0, 4, 4}, 90);
    ASSERT_EQ(std::pair(dest.width(), dest.height()), std::pair(4, 4));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(PackPixel(dest.pixel(x, y)), y == 0 ? 0xFF0000u : PackPixel(original.pixel(4 - y, x)))
                << x << "," << y;
}

} // namespace
} // namespace ormel
