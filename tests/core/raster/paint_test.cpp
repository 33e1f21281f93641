#include "raster/paint.h"

#include "raster/rounding.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <random>

namespace ormel {
namespace {

using Bytes = std::array<int, 3>;

Bytes BytesAt(const Raster& r, int x, int y)
{
    const std::uint8_t* p = r.pixel(x, y);
    return {p[0], p[1], p[2]};
}

void SetPixel(Raster& r, int x, int y, int b, int g, int red)
{
    std::uint8_t* p = r.pixel(x, y);
    p[0] = static_cast<std::uint8_t>(b);
    p[1] = static_cast<std::uint8_t>(g);
    p[2] = static_cast<std::uint8_t>(red);
}

void SetGrey(Raster& r, int x, int y, int level) { SetPixel(r, x, y, level, level, level); }

Raster Filled(int w, int h, int level)
{
    Raster r(w, h);
    r.fill(static_cast<std::uint8_t>(level), static_cast<std::uint8_t>(level), static_cast<std::uint8_t>(level));
    return r;
}

// The 32-bit blend written straight from its formula, in doubles.
void ReferenceBlend(std::uint8_t* p, std::uint8_t* m, int c, TColor colour, int strength)
{
    const double aD = (255 - m[0]) / 255.0;
    const double aS = (255 - c) * strength / 65025.0;
    const double aOut = 1 - (1 - aD) * (1 - aS);
    const double wD = (1 - aS) * aD;
    const int channels[3] = {int((colour >> 16) & 255), int((colour >> 8) & 255), int(colour & 255)};
    for (int i = 0; i < 3; ++i)
        p[i] = static_cast<std::uint8_t>(Round((p[i] * wD + channels[i] * aS) / aOut));
    m[0] = static_cast<std::uint8_t>(Round(255 - 255 * aOut));
}

TEST(PaintThroughCoverageTest, AlphaBlendMatchesTheFormulaForEveryMaskCoverageAndStrength)
{
    // Column x holds transparency x, row y coverage y: every (mask, coverage) pair, under every
    // strength, with random old colours and a random paint colour per strength.
    std::mt19937 random(12345);
    Raster coverage(256, 255);
    for (int y = 0; y < 255; ++y)
        for (int x = 0; x < 256; ++x)
            SetGrey(coverage, x, y, y);
    for (int strength = 1; strength < 256; ++strength) {
        Raster colour(256, 255), mask(256, 255);
        for (int y = 0; y < 255; ++y)
            for (int x = 0; x < 256; ++x) {
                SetPixel(colour, x, y, int(random() & 255), int(random() & 255), int(random() & 255));
                SetGrey(mask, x, y, x);
            }
        Raster expectedColour = colour, expectedMask = mask;
        const TColor paint = random() & 0xFFFFFF;
        for (int y = 0; y < 255; ++y)
            for (int x = 0; x < 256; ++x)
                ReferenceBlend(expectedColour.pixel(x, y), expectedMask.pixel(x, y), y, paint, strength);

        PaintThroughCoverage(coverage, colour, mask, TRect{0, 0, 256, 255}, paint, TColor(strength) * 0x010101u, Depth32);
        ASSERT_EQ(colour, expectedColour) << "strength " << strength;
        ASSERT_EQ(mask, expectedMask) << "strength " << strength;
    }
}

TEST(PaintThroughCoverageTest, AlphaBlendEdgeCases)
{
    Raster coverage = Filled(3, 1, 0);
    SetGrey(coverage, 2, 0, 255);
    Raster colour(3, 1), mask(3, 1);
    SetPixel(colour, 0, 0, 1, 2, 3);
    SetGrey(mask, 0, 0, 255);
    SetPixel(colour, 1, 0, 9, 9, 9);
    SetGrey(mask, 1, 0, 100);
    SetPixel(colour, 2, 0, 7, 7, 7);
    SetGrey(mask, 2, 0, 100);
    const TColor paint = MakeColor(10, 20, 200);

    // Fully covered at full opacity: the colour exactly and opaque, whatever was there; the
    // untouched pixel keeps everything.
    PaintThroughCoverage(coverage, colour, mask, TRect{0, 0, 3, 1}, paint, 0xFFFFFF, Depth32);
    EXPECT_EQ(BytesAt(colour, 0, 0), (Bytes{200, 20, 10}));
    EXPECT_EQ(BytesAt(mask, 0, 0), (Bytes{0, 255, 255}));
    EXPECT_EQ(BytesAt(colour, 1, 0), (Bytes{200, 20, 10}));
    EXPECT_EQ(BytesAt(mask, 1, 0)[0], 0);
    EXPECT_EQ(BytesAt(colour, 2, 0), (Bytes{7, 7, 7}));
    EXPECT_EQ(BytesAt(mask, 2, 0)[0], 100);

    // Opacity 128 over an opaque pixel: Round(100 x 127/255 + 200 x 128/255) per channel.
    SetPixel(colour, 0, 0, 100, 100, 100);
    SetGrey(mask, 0, 0, 0);
    PaintThroughCoverage(coverage, colour, mask, TRect{0, 0, 1, 1}, MakeColor(200, 200, 200), 0x808080, Depth32);
    EXPECT_EQ(BytesAt(colour, 0, 0), (Bytes{150, 150, 150}));
    EXPECT_EQ(BytesAt(mask, 0, 0)[0], 0);

    // An opacity with no blue part paints nothing, not even into a fully transparent pixel
    // (where the blend would divide 0 by 0).
    SetPixel(colour, 0, 0, 1, 2, 3);
    SetGrey(mask, 0, 0, 255);
    PaintThroughCoverage(coverage, colour, mask, TRect{0, 0, 2, 1}, paint, 0x00FFFF, Depth32);
    EXPECT_EQ(BytesAt(colour, 0, 0), (Bytes{1, 2, 3}));
    EXPECT_EQ(BytesAt(mask, 0, 0)[0], 255);
    EXPECT_EQ(BytesAt(mask, 1, 0)[0], 0);
}

TEST(PaintThroughCoverageTest, TrueColourBlendsOverWhiteWhereTransparent)
{
    Raster coverage = Filled(3, 1, 128);
    SetGrey(coverage, 2, 0, 255);
    Raster colour(3, 1), mask(3, 1);
    SetPixel(colour, 0, 0, 10, 20, 30);
    SetGrey(mask, 0, 0, 255);
    SetPixel(colour, 1, 0, 10, 20, 30);
    SetGrey(mask, 1, 0, 254);
    const TColor paint = MakeColor(0, 100, 200);

    // (128 x old + 127 x colour) div 255, and the opacity plays no part.
    PaintThroughCoverage(coverage, colour, mask, TRect{0, 0, 3, 1}, paint, 0x010101, Depth24);
    EXPECT_EQ(BytesAt(colour, 0, 0), (Bytes{227, 177, 128})); // over white
    EXPECT_EQ(BytesAt(colour, 1, 0), (Bytes{104, 59, 15}));   // over the stored colour
    EXPECT_EQ(BytesAt(mask, 0, 0), (Bytes{0, 255, 255}));
    EXPECT_EQ(BytesAt(mask, 1, 0), (Bytes{0, 254, 254}));
    EXPECT_EQ(BytesAt(colour, 2, 0), (Bytes{255, 255, 255}));
    EXPECT_EQ(BytesAt(mask, 2, 0)[0], 255);
}

TEST(PaintThroughCoverageTest, IndexedPaintsHardAndZeroOpacityErasesAtEveryDepth)
{
    Raster coverage(3, 1);
    SetGrey(coverage, 0, 0, 0);
    SetGrey(coverage, 1, 0, 254);
    SetGrey(coverage, 2, 0, 255);
    for (int depth = 0; depth <= 6; ++depth) {
        Raster colour = Filled(3, 1, 90), mask = Filled(3, 1, 40);
        PaintThroughCoverage(coverage, colour, mask, TRect{0, 0, 3, 1}, MakeColor(5, 0, 0), 0, depth);
        for (int x = 0; x < 2; ++x) {
            EXPECT_EQ(BytesAt(colour, x, 0), (Bytes{0, 0, 0})) << depth;
            EXPECT_EQ(BytesAt(mask, x, 0), (Bytes{255, 40, 40})) << depth;
        }
        EXPECT_EQ(BytesAt(colour, 2, 0), (Bytes{90, 90, 90})) << depth;
        EXPECT_EQ(BytesAt(mask, 2, 0)[0], 40) << depth;
    }
    for (int depth : {Depth1, Depth4, Depth8}) {
        Raster colour = Filled(3, 1, 90), mask = Filled(3, 1, 255);
        PaintThroughCoverage(coverage, colour, mask, TRect{0, 0, 3, 1}, MakeColor(5, 0, 0), 0x010101, depth);
        for (int x = 0; x < 2; ++x) {
            EXPECT_EQ(BytesAt(colour, x, 0), (Bytes{0, 0, 5})) << depth;
            EXPECT_EQ(BytesAt(mask, x, 0)[0], 0) << depth;
        }
        EXPECT_EQ(BytesAt(mask, 2, 0)[0], 255) << depth;
    }
    // An unknown depth code paints nothing.
    Raster colour = Filled(3, 1, 90), mask = Filled(3, 1, 255);
    PaintThroughCoverage(coverage, colour, mask, TRect{0, 0, 3, 1}, MakeColor(5, 0, 0), 0xFFFFFF, 6);
    EXPECT_EQ(colour, Filled(3, 1, 90));
    EXPECT_EQ(mask, Filled(3, 1, 255));
}

TEST(PaintThroughCoverageTest, MapsCoverageFromTheRectangleAndSkipsWhatLiesOutside)
{
    // Coverage pixel (i, j) holds 10 i + 50 j; the rectangle starts at (-1, -1), so image pixel
    // (x, y) reads coverage (x + 1, y + 1). The coverage raster is 3 x 3, the image 4 x 4 and the
    // rectangle reaches past both.
    Raster coverage(3, 3);
    for (int j = 0; j < 3; ++j)
        for (int i = 0; i < 3; ++i)
            SetGrey(coverage, i, j, 10 * i + 50 * j);
    Raster colour = Filled(4, 4, 0), mask = Filled(4, 4, 0);
    PaintThroughCoverage(coverage, colour, mask, TRect{-1, -1, 5, 5}, 0xFFFFFF, 0xFFFFFF, Depth24);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) {
            const bool covered = x + 1 < 3 && y + 1 < 3;
            const int c = 10 * (x + 1) + 50 * (y + 1);
            const int expected = covered ? 255 - c : 0;
            EXPECT_EQ(BytesAt(colour, x, y)[0], expected) << x << "," << y;
        }

    // A coverage raster larger than the image and a rectangle past its edges change nothing
    // outside the image.
    Raster big = Filled(8, 8, 0);
    PaintThroughCoverage(big, colour, mask, TRect{2, 2, 10, 10}, 0x0000FF, 0xFFFFFF, Depth32);
    EXPECT_EQ(BytesAt(colour, 3, 3), (Bytes{0, 0, 255}));
    EXPECT_EQ(BytesAt(colour, 1, 3), (Bytes{0, 0, 0}));
}

TIconImage SinglePixel(int b, int g, int r, int transparency)
{
    TIconImage image;
    NewIconImage(image, 1, 1, -1, Depth32);
    SetPixel(image.Bitmap, 0, 0, b, g, r);
    SetGrey(image.Mask, 0, 0, transparency);
    return image;
}

TEST(MergeImageUnderTest, OpacityThinsOnlyTheTransparency)
{
    // Both fully transparent: the source colour, still fully transparent.
    TIconImage dest = SinglePixel(1, 2, 3, 255);
    MergeImageUnder(dest, SinglePixel(40, 50, 60, 255), TRect{0, 0, 1, 1}, 255);
    EXPECT_EQ(BytesAt(dest.Bitmap, 0, 0), (Bytes{40, 50, 60}));
    EXPECT_EQ(BytesAt(dest.Mask, 0, 0)[0], 255);

    // An opaque destination hides the source.
    dest = SinglePixel(1, 2, 3, 0);
    MergeImageUnder(dest, SinglePixel(40, 50, 60, 0), TRect{0, 0, 1, 1}, 255);
    EXPECT_EQ(BytesAt(dest.Bitmap, 0, 0), (Bytes{1, 2, 3}));
    EXPECT_EQ(BytesAt(dest.Mask, 0, 0)[0], 0);

    // Half transparent over an opaque source: Trunc(200 x 128/255 + 100 x 127/255) = 150 at
    // any opacity; the mask is 0 at full opacity and Trunc(127 x 128 / 255) = 63 at 128.
    for (int opacity : {255, 128}) {
        dest = SinglePixel(100, 100, 100, 128);
        MergeImageUnder(dest, SinglePixel(200, 200, 200, 0), TRect{0, 0, 1, 1}, opacity);
        EXPECT_EQ(BytesAt(dest.Bitmap, 0, 0), (Bytes{150, 150, 150})) << opacity;
        EXPECT_EQ(BytesAt(dest.Mask, 0, 0)[0], opacity == 255 ? 0 : 63) << opacity;
    }

    // A rectangle past the image is clipped.
    dest = SinglePixel(1, 2, 3, 255);
    MergeImageUnder(dest, SinglePixel(40, 50, 60, 0), TRect{-5, -5, 5, 5}, 255);
    EXPECT_EQ(BytesAt(dest.Bitmap, 0, 0), (Bytes{40, 50, 60}));
    EXPECT_EQ(BytesAt(dest.Mask, 0, 0)[0], 0);
}

TEST(ReplaceColorWhereTest, ComparesPackedColoursAsSignedIntegers)
{
    // Packed values 0x000000, 0xA00000 (blue 160), 0xC80000 (blue 200), 0xFFFFFF.
    const auto row = [] {
        Raster r(4, 1);
        SetPixel(r, 0, 0, 0, 0, 0);
        SetPixel(r, 1, 0, 160, 0, 0);
        SetPixel(r, 2, 0, 200, 0, 0);
        SetPixel(r, 3, 0, 255, 255, 255);
        return r;
    };
    const auto replaced = [&](int test, TColor reference) {
        Raster r = row();
        ReplaceColorWhere(r, TRect{0, 0, 4, 1}, test, reference, 0x010203);
        std::array<bool, 4> hit{};
        for (int x = 0; x < 4; ++x)
            hit[static_cast<std::size_t>(x)] = BytesAt(r, x, 0) == Bytes{1, 2, 3};
        return hit;
    };
    using Hits = std::array<bool, 4>;
    EXPECT_EQ(replaced(0, 0xA00000), (Hits{false, true, false, false}));
    EXPECT_EQ(replaced(1, 0xA00000), (Hits{false, false, true, true}));
    EXPECT_EQ(replaced(2, 0xA00000), (Hits{true, false, false, false}));
    EXPECT_EQ(replaced(3, 0xA00000), (Hits{true, false, true, true}));
    // A reference with bit 31 set is negative: every colour is greater, none is less.
    EXPECT_EQ(replaced(1, 0x80000000), (Hits{true, true, true, true}));
    EXPECT_EQ(replaced(2, 0x80000000), (Hits{false, false, false, false}));
    EXPECT_EQ(replaced(2, 0xFFFFFFFF), (Hits{false, false, false, false}));
    EXPECT_EQ(replaced(4, 0xA00000), (Hits{false, false, false, false}));

    // The rectangle is normalised and clipped.
    Raster r = row();
    ReplaceColorWhere(r, TRect{9, 1, 2, -3}, 3, 0x123456, 0x010203);
    EXPECT_EQ(BytesAt(r, 1, 0), (Bytes{160, 0, 0}));
    EXPECT_EQ(BytesAt(r, 2, 0), (Bytes{1, 2, 3}));
    EXPECT_EQ(BytesAt(r, 3, 0), (Bytes{1, 2, 3}));
}

TEST(PixelRoutinesTest, WhiteOutPaletteAndFill)
{
    Raster colour(2, 1), mask(2, 1);
    SetPixel(colour, 0, 0, 1, 2, 3);
    SetPixel(colour, 1, 0, 1, 2, 3);
    SetGrey(mask, 0, 0, 254);
    SetGrey(mask, 1, 0, 255);
    WhiteOutTransparent(colour, mask, TRect{0, 0, 5, 5});
    EXPECT_EQ(BytesAt(colour, 0, 0), (Bytes{1, 2, 3}));
    EXPECT_EQ(BytesAt(colour, 1, 0), (Bytes{255, 255, 255}));

    // Indices in the red byte become the entries' colours; no palette, or a size other than
    // 2, 16 or 256, leaves the pixels as they are.
    TLogPalette palette;
    palette.palNumEntries = 16;
    palette.palPalEntry[3] = {30, 60, 90, 0};
    palette.palPalEntry[5] = {7, 8, 9, 0};
    Raster indexed(2, 1);
    SetPixel(indexed, 0, 0, 0, 0, 3);
    SetPixel(indexed, 1, 0, 0, 0, 21); // 21 AND 15 = 5
    Raster unchanged = indexed;
    ApplyPalette(unchanged, TRect{0, 0, 2, 1}, nullptr);
    EXPECT_EQ(unchanged, indexed);
    TLogPalette odd = palette;
    odd.palNumEntries = 5;
    ApplyPalette(unchanged, TRect{0, 0, 2, 1}, &odd);
    EXPECT_EQ(unchanged, indexed);
    ApplyPalette(indexed, TRect{1, 0, 2, 1}, &palette);
    EXPECT_EQ(BytesAt(indexed, 0, 0), (Bytes{0, 0, 3}));
    EXPECT_EQ(BytesAt(indexed, 1, 0), (Bytes{9, 8, 7}));

    Raster bitmap(3, 2);
    FillBitmap(bitmap, MakeColor(1, 2, 3));
    FillBitmapRect(bitmap, MakeColor(9, 9, 9), TRect{5, 1, 1, -4}); // normalised and clipped
    EXPECT_EQ(BytesAt(bitmap, 0, 0), (Bytes{3, 2, 1}));
    EXPECT_EQ(BytesAt(bitmap, 0, 1), (Bytes{3, 2, 1}));
    EXPECT_EQ(BytesAt(bitmap, 1, 0), (Bytes{9, 9, 9}));
    EXPECT_EQ(BytesAt(bitmap, 2, 0), (Bytes{9, 9, 9}));
    EXPECT_EQ(BytesAt(bitmap, 2, 1), (Bytes{3, 2, 1}));
}

TEST(OffsetRectContentTest, MovesTheContentAndFillsWhatItLeaves)
{
    // Pixel (x, y) of a 5 x 4 bitmap holds blue 10 x + y.
    const auto numbered = [] {
        Raster r(5, 4);
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 5; ++x)
                SetPixel(r, x, y, 10 * x + y, 0, 0);
        return r;
    };
    Raster bitmap = numbered();
    OffsetRectContent(bitmap, TRect{1, 1, 3, 3}, 0, 0, 0x0000FF);
    EXPECT_EQ(bitmap, numbered());

    // The 2 x 2 block at (1, 1) moves right by 3 and down by 1: it lands outside its rectangle
    // (kept, the bitmap is the only clip) and partly outside the bitmap (dropped).
    OffsetRectContent(bitmap, TRect{1, 1, 3, 3}, 3, 1, 0x0000FF);
    const Bytes fill{0, 0, 255};
    for (int y = 1; y < 3; ++y)
        for (int x = 1; x < 3; ++x)
            EXPECT_EQ(BytesAt(bitmap, x, y), fill) << x << "," << y;
    EXPECT_EQ(BytesAt(bitmap, 4, 2), (Bytes{11, 0, 0}));
    EXPECT_EQ(BytesAt(bitmap, 4, 3), (Bytes{12, 0, 0}));
    EXPECT_EQ(BytesAt(bitmap, 3, 2), (Bytes{32, 0, 0}));
    EXPECT_EQ(BytesAt(bitmap, 0, 0), (Bytes{0, 0, 0}));

    // Moving up and left past the edge.
    bitmap = numbered();
    OffsetRectContent(bitmap, TRect{0, 0, 5, 4}, -3, -2, 0);
    EXPECT_EQ(BytesAt(bitmap, 0, 0), (Bytes{32, 0, 0}));
    EXPECT_EQ(BytesAt(bitmap, 1, 1), (Bytes{43, 0, 0}));
    EXPECT_EQ(BytesAt(bitmap, 2, 0), (Bytes{0, 0, 0}));
    EXPECT_EQ(BytesAt(bitmap, 0, 2), (Bytes{0, 0, 0}));
}

} // namespace
} // namespace ormel
