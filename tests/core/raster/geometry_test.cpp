#include "raster/geometry.h"
#include "raster/paint.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace ormel {
namespace {

TEST(Flips, ExchangeRowsOrColumnsAndKeepTheMiddle)
{
    const TIconImage image = test::PatternImage(5, 3, Depth24);
    Raster vertical = image.Bitmap;
    FlipBitmapVertical(vertical, TRect{0, 0, 5, 3});
    Raster horizontal = image.Bitmap;
    FlipBitmapHorizontal(horizontal, TRect{0, 0, 5, 3});
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) {
            EXPECT_EQ(PackPixel(vertical.pixel(x, y)), PackPixel(image.Bitmap.pixel(x, 2 - y)));
            EXPECT_EQ(PackPixel(horizontal.pixel(x, y)), PackPixel(image.Bitmap.pixel(4 - x, y)));
        }
    FlipBitmapVertical(vertical, TRect{0, 0, 5, 3});
    EXPECT_EQ(vertical, image.Bitmap);
}

TEST(RotateBilinearTest, Rotate180FillsTheTopRowAndLeftColumnFromOutside)
{
    TIconImage image = test::PatternImage(16, 16, Depth32);
    image.Mask.fill(0, 0, 0); // fully opaque
    const Raster original = image.Bitmap;
    RotateBilinear(image.Bitmap, TRect{0, 0, 16, 16}, 180);
    RotateBilinear(image.Mask, TRect{0, 0, 16, 16}, 180);
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(PackPixel(image.Bitmap.pixel(i, 0)), 0xFFFFFFu) << i;
        EXPECT_EQ(PackPixel(image.Bitmap.pixel(0, i)), 0xFFFFFFu) << i;
        EXPECT_EQ(image.Mask.pixel(i, 0)[0], 255) << i;
        EXPECT_EQ(image.Mask.pixel(0, i)[0], 255) << i;
    }
    // Elsewhere (x, y) comes from (16 - x, 16 - y), give or take the truncation of a
    // weight a hair below 1.
    for (int y = 1; y < 16; ++y)
        for (int x = 1; x < 16; ++x) {
            EXPECT_EQ(image.Mask.pixel(x, y)[0], 0);
            for (int k = 0; k < 3; ++k)
                EXPECT_NEAR(image.Bitmap.pixel(x, y)[k], original.pixel(16 - x, 16 - y)[k], 1) << x << "," << y;
        }
}

TEST(RotateBilinearTest, QuarterTurnsAndBlendsBetweenPixels)
{
    // 90 degrees (counter-clockwise): (x, y) comes from (width - y, x).
    const TIconImage image = test::PatternImage(8, 8, Depth24);
    Raster turned = image.Bitmap;
    RotateBilinear(turned, TRect{0, 0, 8, 8}, 90);
    for (int x = 0; x < 8; ++x)
        EXPECT_EQ(PackPixel(turned.pixel(x, 0)), 0xFFFFFFu);
    EXPECT_NEAR(turned.pixel(3, 5)[0], image.Bitmap.pixel(3, 3)[0], 1);
    EXPECT_NEAR(turned.pixel(6, 2)[1], image.Bitmap.pixel(6, 6)[1], 1);

    // 45 degrees on a 2 x 2 black square: pixel (1, 0) samples (1.707, 0.293), where 0.707
    // of the weight falls on the white column outside.
    Raster black(2, 2);
    black.fill(0, 0, 0);
    RotateBilinear(black, TRect{0, 0, 2, 2}, 45);
    EXPECT_EQ(black.pixel(1, 0)[0], 180);
    EXPECT_EQ(black.pixel(1, 1)[0], 0); // the centre stays
}

TEST(RotateNearestTest, PixelsWithoutSourceArePureBlue)
{
    const TIconImage image = test::PatternImage(4, 4, Depth24);
    Raster dest;
    RotateNearest(image.Bitmap, dest, TRect{0, 0, 4, 4}, 90);
    ASSERT_EQ(dest.width(), 4);
    ASSERT_EQ(dest.height(), 4);
    // (x, y) takes source (4 - y, x): the top row has none.
    for (int x = 0; x < 4; ++x)
        EXPECT_EQ(PackPixel(dest.pixel(x, 0)), 0xFF0000u);
    for (int y = 1; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(PackPixel(dest.pixel(x, y)), PackPixel(image.Bitmap.pixel(4 - y, x))) << x << "," << y;

    // A whole turn is the identity, also into the source itself.
    Raster same = image.Bitmap;
    RotateNearest(same, same, TRect{0, 0, 4, 4}, 360);
    EXPECT_EQ(same, image.Bitmap);
}

} // namespace
} // namespace ormel
