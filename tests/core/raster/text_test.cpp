#include "raster/text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace ormel {
namespace {

// Text 10 pixels wide per character and as high as the font size, drawn as a solid black block,
// or with `grey` as grey 159 on its left half and 160 on its right half.
class BlockRasterizer : public TextRasterizer {
public:
    bool grey = false;
    std::vector<TFontSpec> fonts;
    std::vector<std::pair<int, int>> drawSizes;

    void Measure(const TFontSpec& font, const std::string& text, int& width, int& height) override
    {
        fonts.push_back(font);
        width = 10 * static_cast<int>(text.size());
        height = font.Size;
    }
    void Draw(Raster& bitmap, const TFontSpec&, const std::string&) override
    {
        drawSizes.emplace_back(bitmap.width(), bitmap.height());
        for (int y = 0; y < bitmap.height(); ++y)
            for (int x = 0; x < bitmap.width(); ++x)
                std::fill_n(bitmap.pixel(x, y), 3, !grey ? 0 : x < bitmap.width() / 2 ? 159 : 160);
    }
};

// '#' for black, '.' for white, '?' for anything else, over the square's side.
std::vector<std::string> Picture(const Raster& bitmap, int side)
{
    std::vector<std::string> picture(side, std::string(side, '?'));
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            const std::uint8_t* p = bitmap.pixel(x, y);
            if (p[0] == p[1] && p[1] == p[2] && (p[0] == 0 || p[0] == 255))
                picture[y][x] = p[0] == 0 ? '#' : '.';
        }
    return picture;
}

TFontSpec Font(bool italic)
{
    TFontSpec font;
    font.Size = 10;
    font.Italic = italic;
    return font;
}

TEST(RenderText, MeasuresAtTheFontSizeOrSupersampled)
{
    Raster dest;
    TRect square;
    BlockRasterizer supersampled;
    RenderText(dest, "abc", Font(true), 9, 5, 0, true, square, supersampled);
    ASSERT_EQ(supersampled.fonts.size(), 1u);
    EXPECT_EQ(supersampled.fonts[0].Size, 26); // Round(10 / 0.39)
    EXPECT_EQ(supersampled.drawSizes[0], (std::pair{56, 26})); // italic: text width + the size
}

TEST(RenderText, CentresTheTextInASquareFourPixelsWiderThanItsLongerSide)
{
    // side = 9 + 4; the block goes to left (13 - 9) div 2 = 2, top (13 - 5) div 2 = 4, with
    // right and bottom at 9 + 2 - 1 and 5 + 4 - 1 (exclusive).
    const std::string empty(13, '.'), block = "..########...";
    const std::vector<std::string> expected{empty, empty, empty, empty, block, block, block, block,
                                            empty, empty, empty, empty, empty};
    BlockRasterizer rasterizer;
    Raster dest;
    TRect square;
    RenderText(dest, "abc", Font(false), 9, 5, 0, true, square, rasterizer);
    EXPECT_EQ(square, (TRect{0, 0, 13, 13}));
    ASSERT_GE(std::min(dest.width(), dest.height()), 13);
    EXPECT_EQ(Picture(dest, 13), expected);
}

TEST(RenderText, WithoutAntialiasingCutsAtBlue160)
{
    // Grey 159 packs to 0x9F9F9F, below 0xA00000: black; grey 160 packs above it: white.
    Raster dest;
    TRect square;
    BlockRasterizer rasterizer;
    rasterizer.grey = true;
    RenderText(dest, "abc", Font(false), 31, 10, 0, false, square, rasterizer);
    ASSERT_EQ(square, (TRect{0, 0, 35, 35}));
    EXPECT_EQ(Picture(dest, 35)[14], ".." + std::string(15, '#') + std::string(18, '.'));
}

} // namespace
} // namespace ormel
