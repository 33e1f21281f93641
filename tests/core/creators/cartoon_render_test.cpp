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

TEST(DrawEffectTest, StagesAndCombineModes)
{
    const Raster picture = Uniform(4, MakeColor(100, 100, 100));
    CartoonSettings s;
    s.Source = &picture;
    s.Width = s.Height = 4;
    s.LinesOn = s.ColourOn = true;
    s.LineMode = 2; // a flat picture gives white lines
    s.LineStrength = 3;
    s.LineCap = 255;
    s.Reducer = 1;
    s.Red = 10;
    s.BlendPercent = 50;
    TDrawEffect effect;
    Raster out;
    const auto run = [&](int combineMode) {
        s.CombineMode = combineMode;
        effect.SetSettings(s);
        effect.Prepare();
        effect.Execute(out);
        return PackPixel(out.pixel(0, 0));
    };
    EXPECT_EQ(run(1), MakeColor(110, 100, 100));
    EXPECT_EQ(run(2), MakeColor(182, 177, 177)); // (110 x 50 + 255 x 50) / 100
    out = Raster(1, 1);
    run(3); // no combination: the bitmap is left alone
    EXPECT_EQ(out, Raster(1, 1));
    s.ColourOn = false;
    out = Raster();
    EXPECT_EQ(run(1), kWhite);

    s.Source = nullptr;
    effect.SetSettings(s);
    EXPECT_FALSE(effect.Prepare());
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

TEST(CartoonRenderTest, PlainFormatsAreOpaqueScaledCrops)
{
    TCartoonRenderer renderer;
    TIconImageArray formats = Formats();
    EXPECT_FALSE(renderer.RenderFormats(formats, Uniform(128, kWhite), kBand, false));
    ASSERT_TRUE(renderer.RenderFormats(formats, LetterBox(), kBand, false));
    for (const TIconImage& image : formats) {
        const int k = image.Width / 16; // the red band: rows 4k to 12k
        EXPECT_EQ(test::ColourAt(image, 8 * k, 2 * k), kWhite);
        EXPECT_EQ(test::ColourAt(image, 8 * k, 8 * k), kRed);
        for (int i = 0; i < image.Width * image.Height; ++i)
            ASSERT_EQ(test::TransparencyAt(image, i % image.Width, i / image.Width), 0);
    }
    EXPECT_EQ(formats[1].Palette.palNumEntries, 16);
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
