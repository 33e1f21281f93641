#include "raster/paint.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace ormel {
namespace {

using Bytes = std::array<int, 3>;
using Pixels = std::vector<Bytes>;

template <class F> Raster Picture(int w, int h, F bytesAt)
{
    Raster r(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const Bytes b = bytesAt(x, y);
            std::copy(b.begin(), b.end(), r.pixel(x, y));
        }
    return r;
}

Raster Filled(int w, int h, int level)
{
    return Picture(w, h, [=](int, int) { return Bytes{level, level, level}; });
}
Raster Row(const Pixels& pixels)
{
    return Picture(int(pixels.size()), 1, [&](int x, int) { return pixels[x]; });
}
Raster Greys(const std::vector<int>& v)
{
    return Picture(int(v.size()), 1, [&](int x, int) { return Bytes{v[x], v[x], v[x]}; });
}

Bytes BytesAt(const Raster& r, int x, int y = 0)
{
    const std::uint8_t* p = r.pixel(x, y);
    return {p[0], p[1], p[2]};
}

Pixels RowOf(const Raster& r, int y = 0)
{
    Pixels pixels;
    for (int x = 0; x < r.width(); ++x)
        pixels.push_back(BytesAt(r, x, y));
    return pixels;
}

TEST(PaintThroughCoverageTest, AlphaBlendEdgeCases)
{
    // Fully covered at full opacity: the colour exactly and opaque, whatever was there; the
    // uncovered pixel keeps everything.
    Raster colour = Row({{1, 2, 3}, {9, 9, 9}, {7, 7, 7}}), mask = Greys({255, 100, 100});
    PaintThroughCoverage(Greys({0, 0, 255}), colour, mask, TRect{0, 0, 3, 1}, MakeColor(10, 20, 200), 0xFFFFFF,
                         Depth32);
    EXPECT_EQ(RowOf(colour), (Pixels{{200, 20, 10}, {200, 20, 10}, {7, 7, 7}}));
    EXPECT_EQ(RowOf(mask), (Pixels{{0, 255, 255}, {0, 100, 100}, {100, 100, 100}}));

    // An opacity with no blue part paints nothing, not even into a fully transparent pixel
    // (where the blend would divide 0 by 0).
    colour = Row({{1, 2, 3}, {4, 5, 6}}), mask = Greys({255, 0});
    PaintThroughCoverage(Greys({0, 0}), colour, mask, TRect{0, 0, 2, 1}, MakeColor(10, 20, 200), 0x00FFFF, Depth32);
    EXPECT_EQ(RowOf(colour), (Pixels{{1, 2, 3}, {4, 5, 6}}));
    EXPECT_EQ(RowOf(mask), (Pixels{{255, 255, 255}, {0, 0, 0}}));
}

TEST(PaintThroughCoverageTest, TrueColourBlendsOverWhiteWhereTransparent)
{
    // (128 x old + 127 x colour) div 255, and the opacity plays no part.
    Raster colour = Row({{10, 20, 30}, {10, 20, 30}, {255, 255, 255}}), mask = Greys({255, 254, 255});
    PaintThroughCoverage(Greys({128, 128, 255}), colour, mask, TRect{0, 0, 3, 1}, MakeColor(0, 100, 200), 0x010101,
                         Depth24);
    EXPECT_EQ(RowOf(colour),
              (Pixels{{227, 177, 128}, {104, 59, 15}, {255, 255, 255}})); // over white, over the old colour
    EXPECT_EQ(RowOf(mask), (Pixels{{0, 255, 255}, {0, 254, 254}, {255, 255, 255}}));
}

TEST(PaintThroughCoverageTest, IndexedPaintsHardAndZeroOpacityErasesAtEveryDepth)
{
    const Raster coverage = Greys({0, 254, 255});
    Raster colour = Filled(3, 1, 90), mask = Filled(3, 1, 40);
    PaintThroughCoverage(coverage, colour, mask, TRect{0, 0, 3, 1}, MakeColor(5, 0, 0), 0, Depth32);
    EXPECT_EQ(RowOf(colour), (Pixels{{0, 0, 0}, {0, 0, 0}, {90, 90, 90}}));
    EXPECT_EQ(RowOf(mask), (Pixels{{255, 40, 40}, {255, 40, 40}, {40, 40, 40}}));
    colour = Filled(3, 1, 90), mask = Filled(3, 1, 255);
    PaintThroughCoverage(coverage, colour, mask, TRect{0, 0, 3, 1}, MakeColor(5, 0, 0), 0x010101, Depth4);
    EXPECT_EQ(RowOf(colour), (Pixels{{0, 0, 5}, {0, 0, 5}, {90, 90, 90}}));
    EXPECT_EQ(RowOf(mask), (Pixels{{0, 255, 255}, {0, 255, 255}, {255, 255, 255}}));
    // An unknown depth code paints nothing.
    colour = Filled(3, 1, 90), mask = Filled(3, 1, 255);
    PaintThroughCoverage(coverage, colour, mask, TRect{0, 0, 3, 1}, MakeColor(5, 0, 0), 0xFFFFFF, 6);
    EXPECT_TRUE(colour == Filled(3, 1, 90) && mask == Filled(3, 1, 255));
}

TEST(PaintThroughCoverageTest, MapsCoverageFromTheRectangleAndSkipsWhatLiesOutside)
{
    // Coverage pixel (i, j) holds 10 i + 50 j; the rectangle starts at (-1, -1), so image pixel
    // (x, y) reads coverage (x + 1, y + 1). The coverage raster is 3 x 3, the image 4 x 4 and the
    // rectangle reaches past both.
    const Raster coverage = Picture(3, 3, [](int i, int j) {
        return Bytes{10 * i + 50 * j, 10 * i + 50 * j, 10 * i + 50 * j};
    });
    Raster colour = Filled(4, 4, 0), mask = Filled(4, 4, 0);
    PaintThroughCoverage(coverage, colour, mask, TRect{-1, -1, 5, 5}, 0xFFFFFF, 0xFFFFFF, Depth24);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) {
            const bool covered = x + 1 < 3 && y + 1 < 3;
            EXPECT_EQ(BytesAt(colour, x, y)[0], covered ? 255 - 10 * (x + 1) - 50 * (y + 1) : 0) << x << "," << y;
        }
}

// Merges a one-pixel source under a one-pixel destination: the merged colour and transparency.
std::pair<Bytes, int> MergedUnder(Bytes dest, int destMask, Bytes source, int sourceMask, int opacity,
                                  TRect rect = {0, 0, 1, 1})
{
    TIconImage d, s;
    NewIconImage(d, 1, 1, -1, Depth32);
    NewIconImage(s, 1, 1, -1, Depth32);
    d.Bitmap = Row({dest}), d.Mask = Greys({destMask}), s.Bitmap = Row({source}), s.Mask = Greys({sourceMask});
    MergeImageUnder(d, s, rect, opacity);
    return {BytesAt(d.Bitmap, 0), BytesAt(d.Mask, 0)[0]};
}

TEST(MergeImageUnderTest, OpacityThinsOnlyTheTransparency)
{
    // Both fully transparent: the source colour, still fully transparent.
    EXPECT_EQ(MergedUnder({1, 2, 3}, 255, {40, 50, 60}, 255, 255), std::pair(Bytes{40, 50, 60}, 255));
    // Half transparent over an opaque source: Trunc(200 x 128/255 + 100 x 127/255) = 150; the mask
    // Trunc(127 x 128 / 255) = 63 at opacity 128.
    EXPECT_EQ(MergedUnder({100, 100, 100}, 128, {200, 200, 200}, 0, 128), std::pair(Bytes{150, 150, 150}, 63));
    // A rectangle past the image is clipped.
    EXPECT_EQ(MergedUnder({1, 2, 3}, 255, {40, 50, 60}, 0, 255, {-5, -5, 5, 5}), std::pair(Bytes{40, 50, 60}, 0));
}

TEST(ReplaceColorWhereTest, ComparesPackedColoursAsSignedIntegers)
{
    // Packed values 0x000000, 0xA00000 (blue 160), 0xC80000 (blue 200), 0xFFFFFF; 'x' marks a replaced pixel.
    const Raster row = Row({{0, 0, 0}, {160, 0, 0}, {200, 0, 0}, {255, 255, 255}});
    const auto replaced = [&](int test, TColor reference, TRect rect = {0, 0, 4, 1}) {
        Raster r = row;
        ReplaceColorWhere(r, rect, test, reference, 0x010203);
        std::string hits;
        for (const Bytes& b : RowOf(r))
            hits += b == Bytes{1, 2, 3} ? 'x' : '.';
        return hits;
    };
    EXPECT_EQ(replaced(0, 0xA00000), ".x..");
    EXPECT_EQ(replaced(3, 0xA00000), "x.xx");
    // A reference with bit 31 set is negative: every colour is greater, none is less.
    EXPECT_EQ(replaced(1, 0x80000000), "xxxx");
    EXPECT_EQ(replaced(2, 0x80000000), "....");
}

TEST(PixelRoutinesTest, ApplyPalette)
{
    // Indices in the red byte become the entries' colours; no palette, or a size other than
    // 2, 16 or 256, leaves the pixels as they are.
    TLogPalette palette;
    palette.palNumEntries = 16;
    palette.palPalEntry[3] = {30, 60, 90, 0};
    palette.palPalEntry[5] = {7, 8, 9, 0};
    const Raster indexed = Row({{0, 0, 3}, {0, 0, 21}}); // 21 AND 15 = 5
    Raster r = indexed;
    ApplyPalette(r, TRect{0, 0, 2, 1}, nullptr);
    TLogPalette odd = palette;
    odd.palNumEntries = 5;
    ApplyPalette(r, TRect{0, 0, 2, 1}, &odd);
    EXPECT_EQ(r, indexed);
    ApplyPalette(r, TRect{1, 0, 2, 1}, &palette);
    EXPECT_EQ(RowOf(r), (Pixels{{0, 0, 3}, {9, 8, 7}}));
}

TEST(OffsetRectContentTest, MovesTheContentAndFillsWhatItLeaves)
{
    // Pixel (x, y) of a 5 x 4 bitmap holds blue 10 x + y.
    const Raster numbered = Picture(5, 4, [](int x, int y) { return Bytes{10 * x + y, 0, 0}; });
    Raster bitmap = numbered;
    // The 2 x 2 block at (1, 1) moves right by 3 and down by 1: it lands outside its rectangle
    // (kept, the bitmap is the only clip) and partly outside the bitmap (dropped).
    OffsetRectContent(bitmap, TRect{1, 1, 3, 3}, 3, 1, 0x0000FF);
    const Bytes fill{0, 0, 255};
    EXPECT_EQ(RowOf(bitmap, 0), RowOf(numbered, 0));
    EXPECT_EQ(RowOf(bitmap, 1), (Pixels{{1, 0, 0}, fill, fill, {31, 0, 0}, {41, 0, 0}}));
    EXPECT_EQ(RowOf(bitmap, 2), (Pixels{{2, 0, 0}, fill, fill, {32, 0, 0}, {11, 0, 0}}));
    EXPECT_EQ(RowOf(bitmap, 3), (Pixels{{3, 0, 0}, {13, 0, 0}, {23, 0, 0}, {33, 0, 0}, {12, 0, 0}}));
}

} // namespace
} // namespace ormel
