#include "creators/cartoon_render.h"
#include "raster/paint.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace ormel {
namespace {

constexpr TColor kRed = MakeColor(255, 0, 0);
constexpr TColor kWhite = MakeColor(255, 255, 255);

Raster Uniform(int size, TColor colour)
{
    Raster r(size, size);
    FillBitmap(r, colour);
    return r;
}

bool AllPixels(const TIconImage& image, TColor colour)
{
    for (int i = 0; i < image.Width * image.Height; ++i)
        if (test::ColourAt(image, i % image.Width, i / image.Width) != colour)
            return false;
    return true;
}

// A 256 x 256 crop holding a letter-boxed red picture in rows 64 to 191, and two formats.
const TRect kBand{0, 64, 256, 192};

Raster LetterBox()
{
    Raster crop = Uniform(256, kWhite);
    FillBitmapRect(crop, kRed, kBand);
    return crop;
}

TIconImageArray Formats()
{
    TIconImageArray formats(2);
    NewIconImage(formats[0], 32, 32, -1, Depth32);
    NewIconImage(formats[1], 16, 16, -1, Depth4);
    return formats;
}

TEST(CartoonRenderTest, CartoonFormats)
{
    TCartoonRenderer renderer;
    renderer.Controls.DrawSketch = false;
    renderer.Controls.DrawColor = true;
    TIconImageArray formats = Formats();
    ASSERT_TRUE(renderer.RenderFormats(formats, LetterBox(), kBand, true));
    // Red through saturation 0 becomes (255, 1, 1); the blur at radius 25 / 20 (weights summing
    // to 1022) lowers it in both passes. The picture keeps its place, margins included.
    EXPECT_EQ(test::ColourAt(formats[0], 16, 16), MakeColor(253, 0, 0));
    EXPECT_EQ(test::ColourAt(formats[0], 16, 2), kWhite);

    // Without a settings file the line mode is 0: raw values, so a flat picture is black.
    renderer.Controls.DrawSketch = true;
    renderer.Controls.DrawColor = false;
    const Raster flat = Uniform(256, MakeColor(50, 100, 150));
    ASSERT_TRUE(renderer.RenderFormats(formats, flat, {0, 0, 256, 256}, true));
    EXPECT_TRUE(AllPixels(formats[0], 0));

    // Both stages: white lines (mode 2) times the colour result scaled down to 16 x 16.
    renderer.Settings.LineMode = 2;
    renderer.Settings.LineCap = 255;
    renderer.Controls.DrawColor = true;
    formats[1].ColorDepth = Depth24;
    ASSERT_TRUE(renderer.RenderFormats(formats, flat, {0, 0, 256, 256}, true));
    EXPECT_TRUE(AllPixels(formats[1], MakeColor(48, 98, 148)));
}

} // namespace
} // namespace ormel
