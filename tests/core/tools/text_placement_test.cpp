#include "tools/text_placement.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <array>

namespace ormel {
namespace {

// Text 10 pixels wide per character and as high as the font size, drawn as a solid black block.
class BlockRasterizer : public TextRasterizer {
public:
    void Measure(const TFontSpec& font, const std::string& text, int& width, int& height) override
    {
        width = 10 * static_cast<int>(text.size());
        height = font.Size;
    }
    void Draw(Raster& bitmap, const TFontSpec&, const std::string&) override
    {
        for (int y = 0; y < bitmap.height(); ++y)
            for (int x = 0; x < bitmap.width(); ++x)
                std::fill_n(bitmap.pixel(x, y), 3, 0);
    }
};

TTextLook Look(TColor colour, bool antialias = false)
{
    TTextLook look;
    look.Text = "Hi";
    look.Font.Name = "Block";
    look.Font.Size = 6;
    look.AntiAlias = antialias;
    look.Colour = colour;
    return look;
}

// Image pixels that differ from the pattern the placement started from.
int ChangedPixels(const TIconImage& image, const TIconImage& original)
{
    int changed = 0;
    for (int y = 0; y < image.Height; ++y)
        for (int x = 0; x < image.Width; ++x)
            changed += test::ColourAt(image, x, y) != test::ColourAt(original, x, y);
    return changed;
}

TEST(TextPlacement, EveryRenderingStartsFromTheBackup)
{
    BlockRasterizer rasterizer;
    const TIconImage original = test::PatternImage(32, 32, Depth24);
    TIconImage image = original;
    TTextPlacement placement;
    placement.Start(image, Look(MakeColor(255, 0, 0)), rasterizer);
    placement.Render(image, Look(MakeColor(255, 0, 0)), rasterizer);
    // Two-level: each pixel is the pattern's or pure red; the text fills its box but for the
    // last column and row, 20 x 5.
    int red = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            red += test::ColourAt(image, x, y) == MakeColor(255, 0, 0);
    EXPECT_EQ(ChangedPixels(image, original), red);
    EXPECT_EQ(red, 20 * 5);

    // Moved off the image's left edge: only the part still on it is painted.
    placement.SetGeometry({0, 16, 21, 6, 0});
    placement.Render(image, Look(MakeColor(255, 0, 0)), rasterizer);
    EXPECT_EQ(ChangedPixels(image, original), 10 * 5);
    // Ending keeps the rendering and later renderings do nothing.
    placement.End();
    placement.SetGeometry({16, 16, 21, 6, 0});
    placement.Render(image, Look(MakeColor(0, 0, 255)), rasterizer);
    EXPECT_EQ(ChangedPixels(image, original), 10 * 5);
}

TEST(TextPlacement, AChangeMadeElsewhereEndsThePlacementAndIsKept)
{
    BlockRasterizer rasterizer;
    TTextPlacement placement;
    TIconImage image = test::PatternImage(32, 32, Depth32);
    placement.Start(image, Look(0), rasterizer);
    ASSERT_TRUE(placement.Render(image, Look(0), rasterizer));
    image.Bitmap.pixel(0, 0)[0] ^= 1;
    const TIconImage changed = image;
    EXPECT_FALSE(placement.Unchanged(image));
    EXPECT_FALSE(placement.Render(image, Look(MakeColor(0, 0, 255)), rasterizer));
    EXPECT_FALSE(placement.Active());
    EXPECT_EQ(ChangedPixels(image, changed), 0);
}

} // namespace
} // namespace ormel
