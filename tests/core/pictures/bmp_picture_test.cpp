#include "pictures/picture_reader.h"
#include "pictures/picture_samples.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace ormel {
namespace {

using test::BmpParts;
using test::Bytes;

// Pixels as 0xAARRGGBB, rows top to bottom.
using Argb = std::vector<std::uint32_t>;

std::uint32_t ArgbAt(const TPicture& picture, int x, int y)
{
    const std::uint8_t* p = picture.Colour.pixel(x, y);
    return (std::uint32_t(picture.alpha(x, y)) << 24) | (std::uint32_t(p[2]) << 16) | (std::uint32_t(p[1]) << 8) | p[0];
}

Argb AllPixels(const TPicture& picture)
{
    Argb out;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            out.push_back(ArgbAt(picture, x, y));
    return out;
}

// Palette entry i is blue i, green 16 i, red 32 i (mod 256): opaque 0xFF(32i)(16i)(i).
std::vector<std::array<std::uint8_t, 3>> Ramp(int entries)
{
    std::vector<std::array<std::uint8_t, 3>> palette;
    for (int i = 0; i < entries; ++i)
        palette.push_back({std::uint8_t(i), std::uint8_t(16 * i), std::uint8_t(32 * i)});
    return palette;
}
constexpr std::uint32_t R(unsigned i) { return 0xFF000000u | ((32 * i & 255) << 16) | ((16 * i & 255) << 8) | i; }
constexpr std::uint32_t T = 0x00000000; // skipped by RLE: transparent black

struct BmpCase {
    const char* name;
    BmpParts parts;
    int width, height;
    bool alpha;
    Argb pixels;
};

const std::vector<BmpCase>& BmpCases()
{
    static const std::vector<BmpCase> cases = {
        {"1-bit, ten pixels wide, own palette",
         {40, 10, 2, 1, 0, {}, {{0x30, 0x20, 0x10}, {0xC0, 0xB0, 0xA0}},
          {0xAA, 0x80, 0, 0, /* top row */ 0xC0, 0xC0, 0, 0}},
         10, 2, false,
         {0xFFA0B0C0, 0xFFA0B0C0, 0xFF102030, 0xFF102030, 0xFF102030, 0xFF102030, 0xFF102030, 0xFF102030, 0xFFA0B0C0, 0xFFA0B0C0,
          0xFFA0B0C0, 0xFF102030, 0xFFA0B0C0, 0xFF102030, 0xFFA0B0C0, 0xFF102030, 0xFFA0B0C0, 0xFF102030, 0xFFA0B0C0, 0xFF102030}},
        {"4-bit with a short palette: indices past it are black",
         {40, 3, 2, 4, 0, {}, Ramp(3), {0x01, 0x20, 0, 0, 0x25, 0xF0, 0, 0}},
         3, 2, false, {R(2), 0xFF000000, 0xFF000000, R(0), R(1), R(2)}},
        {"24-bit bottom-up, rows padded",
         {40, 2, 2, 24, 0, {}, {}, {1, 2, 3, 4, 5, 6, 0, 0, 7, 8, 9, 10, 11, 12, 0, 0}},
         2, 2, false, {0xFF090807, 0xFF0C0B0A, 0xFF030201, 0xFF060504}},
        {"16-bit 5-6-5 bit fields after the header",
         {40, 3, 1, 16, 3, {0xF800, 0x07E0, 0x001F}, {}, {0x00, 0xF8, 0xE0, 0x07, 0x41, 0x08, 0, 0}},
         3, 1, false, {0xFFFF0000, 0xFF00FF00, 0xFF080808}},
        {"32-bit whose fourth bytes are all zero is opaque",
         {40, 2, 1, 32, 0, {}, {}, {1, 2, 3, 0, 4, 5, 6, 0}}, 2, 1, false, {0xFF030201, 0xFF060504}},
        {"32-bit keeps its alpha",
         {40, 2, 1, 32, 0, {}, {}, {1, 2, 3, 0x80, 4, 5, 6, 0xFF}}, 2, 1, true, {0x80030201, 0xFF060504}},
        {"32-bit bit fields in a version 5 header, alpha mask included",
         {124, 2, 1, 32, 3, {0x0000FF00, 0x00FF0000, 0xFF000000, 0x000000FF}, {}, {0x40, 1, 2, 3, 0xFF, 4, 5, 6}},
         2, 1, true, {0x40010203, 0xFF040506}},
        {"RLE8: runs, a padded literal, end of line, delta, clipped run, end of picture",
         {40, 6, 4, 8, 1, {}, Ramp(8),
          {3, 5, 0, 3, 1, 2, 3, 0, 0, 0, /* row 1 */ 0, 2, 2, 1, /* row 2 */ 2, 7, 0, 0, /* row 3 */ 8, 4, 0, 1}},
         6, 4, true,
         {R(4), R(4), R(4), R(4), R(4), R(4), T, T, R(7), R(7), T, T, T, T, T, T, T, T, R(5), R(5), R(5), R(1), R(2), R(3)}},
        {"RLE4: alternating run, odd literal, run, end of picture",
         {40, 5, 2, 4, 2, {}, Ramp(8), {5, 0x12, 0, 0, /* row 1 */ 0, 3, 0x34, 0x50, 2, 0x67, 0, 1}},
         5, 2, false, {R(3), R(4), R(5), R(6), R(7), R(1), R(2), R(1), R(2), R(1)}},
    };
    return cases;
}

TEST(BmpPicture, DecodesEveryStoredForm)
{
    for (const BmpCase& c : BmpCases()) {
        SCOPED_TRACE(c.name);
        const TPictureResult result = ReadPictureData(test::MakeBmp(c.parts));
        ASSERT_TRUE(result.Loaded()) << result.Message;
        EXPECT_EQ(result.Format, TPictureFormat::Bmp);
        EXPECT_EQ(result.Picture.width(), c.width);
        EXPECT_EQ(result.Picture.height(), c.height);
        EXPECT_EQ(result.Picture.hasAlpha(), c.alpha);
        EXPECT_EQ(AllPixels(result.Picture), c.pixels);
    }
}

TEST(BmpPicture, RefusesDamagedAndUnreadableForms)
{
    struct Bad {
        const char* name;
        BmpParts parts;
        TPictureOutcome outcome;
    };
    const Bad cases[] = {
        {"pixel data short by one row", {40, 2, 3, 24, 0, {}, {}, Bytes(16, 0)}, TPictureOutcome::Damaged},
        {"RLE8 ending before its last row", {40, 4, 3, 8, 1, {}, Ramp(2), {4, 1, 0, 0, 4, 1}}, TPictureOutcome::Damaged},
        {"RLE8 literal running past the data", {40, 4, 1, 8, 1, {}, Ramp(2), {0, 6, 1, 1}}, TPictureOutcome::Damaged},
        {"negative width", {40, -4, 1, 24, 0, {}, {}, Bytes(12, 0)}, TPictureOutcome::Damaged},
        {"bit fields at 24 bits", {40, 1, 1, 24, 3, {1, 2, 4}, {}, Bytes(4, 0)}, TPictureOutcome::Unrecognised},
        {"sides whose product overflows 32 bits", {40, 0x7FFFFFFF, INT32_MIN, 24, 0, {}, {}, Bytes(4, 0)},
         TPictureOutcome::TooLarge},
    };
    for (const Bad& c : cases) {
        SCOPED_TRACE(c.name);
        const TPictureResult result = ReadPictureData(test::MakeBmp(c.parts));
        EXPECT_EQ(result.Outcome, c.outcome);
        EXPECT_FALSE(result.Message.empty());
        EXPECT_TRUE(result.Picture.Colour.empty());
    }
}

TPicture Load(const std::string& name)
{
    const TPictureResult result = ReadPicture(test::FixturePath("pictures/" + name));
    EXPECT_TRUE(result.Loaded()) << name << ": " << result.Message;
    return result.Picture;
}

// Files other programs wrote, held against each other.
TEST(BmpPicture, ReadsWhatImageMagickWrites)
{
    const TPicture rle = Load("board-rle8.bmp"), plain = Load("board-8bit.bmp");
    EXPECT_EQ(rle.width(), 96);
    EXPECT_EQ(rle.height(), 64);
    EXPECT_FALSE(rle.hasAlpha());
    EXPECT_EQ(AllPixels(rle), AllPixels(plain));

    // A 32-bit version 5 BMP with alpha matches the PNG it was converted from.
    const TPicture bmp = Load("board-alpha.bmp"), png = Load("board-alpha.png");
    ASSERT_TRUE(bmp.hasAlpha());
    EXPECT_EQ(bmp.Alpha, png.Alpha);
    for (int y = 0; y < png.height(); ++y)
        for (int x = 0; x < png.width(); ++x)
            if (png.alpha(x, y) != 0)
                ASSERT_EQ(ArgbAt(bmp, x, y), ArgbAt(png, x, y)) << x << "," << y;
}

} // namespace
} // namespace ormel
