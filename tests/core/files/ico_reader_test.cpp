#include "files/file_access.h"
#include "files/png_stream.h"
#include "png_support.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <functional>

namespace ormel {
namespace {

using test::Put16;
using test::Put32;

constexpr const char* kNotAvailable = "The file format is not available.";

struct ReadResult {
    int code;
    std::string error;
    TIconDocument document;
};

ReadResult Read(const std::vector<std::uint8_t>& bytes)
{
    TIconFileAccess access;
    ReadResult r;
    r.code = access.ReadIconData(bytes, r.document, nullptr);
    r.error = access.ErrorText;
    return r;
}

// The first image of a file that must read cleanly (a blank 256 x 256 image if it does not).
TIconImage ReadOne(const std::vector<std::uint8_t>& bytes)
{
    ReadResult r = Read(bytes);
    EXPECT_EQ(r.code, 0) << r.error;
    TIconImage blank;
    NewIconImage(blank, 256, 256, -1, Depth1);
    return r.code == 0 && !r.document.Images.empty() ? r.document.Images[0] : blank;
}

// An icon file of one entry whose data block is `block`, declared with `bits`.
std::vector<std::uint8_t> SingleEntryFile(const std::vector<std::uint8_t>& block, int bits)
{
    std::vector<std::uint8_t> file{0, 0, 1, 0, 1, 0, 0, 0, 0, 0, 1, 0, static_cast<std::uint8_t>(bits)};
    file.resize(22);
    Put32(file, 14, static_cast<std::uint32_t>(block.size()));
    Put32(file, 18, 22);
    file.insert(file.end(), block.begin(), block.end());
    return file;
}

TEST(IcoReaderHeader, RefusesCursorsEmptyDirectoriesShortFilesAndBadPngs)
{
    const std::vector<std::uint8_t> good = test::Encode({test::PatternImage(16, 16, Depth24)});
    std::vector<std::vector<std::uint8_t>> bad(4, good);
    Put16(bad[0], 2, 2); // a cursor
    Put16(bad[1], 4, 0); // no images
    Put16(bad[2], 0, 1); // reserved not 0
    bad[3].resize(5);
    std::vector<std::uint8_t> wide, cut;
    const std::vector<std::uint8_t> pixels(48 * 48 * 4, 0x80);
    ASSERT_TRUE(EncodePngRgba(300, 2, pixels.data(), wide)); // wider than an icon can be
    ASSERT_TRUE(EncodePngRgba(48, 48, pixels.data(), cut));
    cut.resize(cut.size() - 30);
    bad.push_back(SingleEntryFile(wide, 32));
    bad.push_back(SingleEntryFile(cut, 32));
    for (std::size_t i = 0; i < bad.size(); ++i) {
        const ReadResult r = Read(bad[i]);
        EXPECT_EQ(r.code, -1) << i;
        EXPECT_EQ(r.error, kNotAvailable) << i;
        EXPECT_TRUE(r.document.Images.empty()) << i;
    }
    TIconFileAccess access;
    TIconDocument document;
    for (const char* path : {"/nonexistent/dir/x.ico", " a "}) {
        EXPECT_EQ(access.OpenIconFile(path, document), -1);
        EXPECT_EQ(access.ErrorText, "File not found.");
    }
}

// Hostile or unreadable entries: each one is refused and the others still load.
TEST(IcoReaderBadEntry, IsSkippedAndReported)
{
    using Corrupt = std::function<void(std::vector<std::uint8_t>&, std::size_t dir, std::size_t data)>;
    const std::pair<const char*, Corrupt> cases[] = {
        {"offset past the end", [](auto& b, auto dir, auto) { Put32(b, dir + 12, 0xFFFFFF00u); }},
        {"size past the end", [](auto& b, auto dir, auto) { Put32(b, dir + 8, 0x7FFFFFFFu); }},
        {"size zero", [](auto& b, auto dir, auto) { Put32(b, dir + 8, 0); }},
        {"negative width", [](auto& b, auto, auto data) { Put32(b, data + 4, 0xFFFFFFF0u); }},
        {"zero height", [](auto& b, auto, auto data) { Put32(b, data + 8, 1); }},
        {"width above 256", [](auto& b, auto, auto data) { Put32(b, data + 4, 300); }},
        {"huge height", [](auto& b, auto, auto data) { Put32(b, data + 8, 0x7FFFFFF0u); }},
        {"16 bits per pixel", [](auto& b, auto, auto data) { Put16(b, data + 14, 16); }},
        {"compressed", [](auto& b, auto, auto data) { Put32(b, data + 16, 1); }},
        {"header size below 40", [](auto& b, auto, auto data) { Put32(b, data, 12); }},
        {"colour table cut short", [](auto& b, auto dir, auto) { Put32(b, dir + 8, 40 + 30); }},
        {"pixel rows cut short", [](auto& b, auto dir, auto) { Put32(b, dir + 8, 40 + 64 + 100); }}};
    // Entry 2 of three is corrupted; entries 1 and 3 must survive.
    const std::vector<std::uint8_t> good = test::Encode(
        {test::PatternImage(16, 16, Depth32), test::PatternImage(32, 32, Depth4), test::PatternImage(24, 24, Depth8)});
    const std::size_t dir = 6 + 16;
    const std::size_t data = good[dir + 12] | (good[dir + 13] << 8) | (good[dir + 14] << 16);
    for (const auto& [what, corrupt] : cases) {
        SCOPED_TRACE(what);
        std::vector<std::uint8_t> bytes = good;
        corrupt(bytes, dir, data);
        const ReadResult r = Read(bytes);
        EXPECT_EQ(r.code, -1);
        EXPECT_EQ(r.error, "3 documents, which opens up 2.");
        ASSERT_EQ(r.document.Images.size(), 2u);
        EXPECT_EQ(r.document.Images[0].Width, 16);
        EXPECT_EQ(r.document.Images[1].Width, 24);
        EXPECT_EQ(r.document.CurrentIndex, 1);
    }
}

TEST(IcoReaderPng, IndexedDeclarationPalettesUpTo256ColoursInFirstSeenOrder)
{
    std::vector<std::uint8_t> tenColours(256 * 256 * 4, 255), manyColours(256 * 256 * 4, 255), png;
    for (int i = 0; i < 256 * 256; ++i) {
        std::uint8_t* p = &tenColours[static_cast<std::size_t>(i) * 4];
        const int c = (i % 256 / 7 + i / 256) % 10;
        p[0] = static_cast<std::uint8_t>(c * 20), p[1] = static_cast<std::uint8_t>(c), p[2] = static_cast<std::uint8_t>(200 - c);
        manyColours[static_cast<std::size_t>(i) * 4] = static_cast<std::uint8_t>(i);
        manyColours[static_cast<std::size_t>(i) * 4 + 1] = static_cast<std::uint8_t>(i >> 8);
    }
    ASSERT_TRUE(EncodePngRgba(256, 256, tenColours.data(), png));
    const TIconImage image = ReadOne(SingleEntryFile(png, 8));
    EXPECT_EQ(image.ColorDepth, Depth8);
    EXPECT_EQ(image.Palette.palNumEntries, 256);
    // Row 0 meets colours 0, 1, 2 ... in order; the table beyond the ten is black.
    for (int c = 0; c < 10; ++c)
        EXPECT_EQ(PaletteColor(c, image.Palette), MakeColor(std::uint8_t(200 - c), std::uint8_t(c), std::uint8_t(c * 20)));
    EXPECT_EQ(image.Palette.palPalEntry[10], TPaletteEntry{});
    EXPECT_EQ(image.Bitmap.pixel(15, 3)[2], (15 / 7 + 3) % 10);

    // More than 256 colours stay true colour.
    ASSERT_TRUE(EncodePngRgba(256, 256, manyColours.data(), png));
    const TIconImage many = ReadOne(SingleEntryFile(png, 8));
    EXPECT_EQ(many.ColorDepth, Depth24);
    EXPECT_EQ(test::ColourAt(many, 3, 1), MakeColor(255, 1, 3));
}

TEST(IcoReaderPng, DecodesGreyPaletteAndSixteenBitForms)
{
    // Grey with alpha, declared as 16 bits.
    const TIconImage grey = ReadOne(SingleEntryFile(test::RawPng(2, 2, PNG_COLOR_TYPE_GRAY_ALPHA, 8, {10, 255, 20, 0, 30, 128, 40, 1}), 16));
    EXPECT_EQ(grey.ColorDepth, Depth32);
    EXPECT_EQ(test::ColourAt(grey, 0, 1), MakeColor(30, 30, 30));
    EXPECT_EQ(test::TransparencyAt(grey, 0, 1), 127);
    EXPECT_EQ(test::TransparencyAt(grey, 1, 0), 255);

    // Palette with a transparency chunk, at a size no directory lists: index 1 is half
    // transparent, index 2 opaque.
    const std::vector<png_color> plte{{1, 2, 3}, {4, 5, 6}, {7, 8, 9}};
    const TIconImage pal = ReadOne(SingleEntryFile(test::RawPng(3, 1, PNG_COLOR_TYPE_PALETTE, 8, {0, 1, 2}, plte, {0, 100}), 32));
    EXPECT_EQ(std::pair(pal.Width, pal.Height), std::pair(3, 1));
    EXPECT_EQ(pal.ColorDepth, Depth32);
    EXPECT_EQ(test::ColourAt(pal, 1, 0), MakeColor(4, 5, 6));
    EXPECT_EQ(test::TransparencyAt(pal, 0, 0), 255);
    EXPECT_EQ(test::TransparencyAt(pal, 1, 0), 155);
    EXPECT_EQ(test::TransparencyAt(pal, 2, 0), 0);

    // Sixteen bits per sample, RGB: the high bytes, opaque, 24-bit.
    const TIconImage rgb16 = ReadOne(SingleEntryFile(test::RawPng(1, 1, PNG_COLOR_TYPE_RGB, 16, {0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC}), 32));
    EXPECT_EQ(rgb16.ColorDepth, Depth24);
    EXPECT_EQ(test::ColourAt(rgb16, 0, 0), MakeColor(0x12, 0x56, 0x9A));
    EXPECT_EQ(test::TransparencyAt(rgb16, 0, 0), 0);
}

TEST(IcoReaderDib, FourBitsReadsTheFullTableWhateverColoursUsedSays)
{
    const TIconImage image = test::PatternImage(16, 16, Depth4);
    std::vector<std::uint8_t> bytes = test::Encode({image});
    Put32(bytes, 22 + 32, 5); // colours used
    const TIconImage read = ReadOne(bytes);
    EXPECT_EQ(read.Palette.palNumEntries, 16);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            ASSERT_EQ(test::ColourAt(read, x, y), test::ColourAt(image, x, y));
}

TEST(IcoReaderDib, ThirtyTwoBitsUseTheAndMaskOnlyWithoutAlpha)
{
    const TIconImage image = test::PatternImage(16, 16, Depth32);
    const std::vector<std::uint8_t> encoded = test::Encode({image});
    const std::size_t pixels = 22 + 40, mask = pixels + 16 * 16 * 4;

    // No alpha: opaque, except where the AND mask is set (top-left = last file row, first bit).
    std::vector<std::uint8_t> bytes = encoded;
    for (std::size_t i = 0; i < 16 * 16; ++i)
        bytes[pixels + i * 4 + 3] = 0;
    std::fill(bytes.begin() + static_cast<std::ptrdiff_t>(mask), bytes.end(), 0);
    bytes[mask + 15 * 4] = 0x80;
    const TIconImage read = ReadOne(bytes);
    EXPECT_EQ(read.ColorDepth, Depth32);
    EXPECT_EQ(test::TransparencyAt(read, 0, 0), 255);
    EXPECT_EQ(test::TransparencyAt(read, 1, 0), 0);
    EXPECT_EQ(test::ColourAt(read, 5, 9), test::ColourAt(image, 5, 9));

    // With alpha, a full AND mask or none at all changes nothing.
    bytes = encoded;
    std::fill(bytes.begin() + static_cast<std::ptrdiff_t>(mask), bytes.end(), 0xFF);
    EXPECT_EQ(ReadOne(bytes).Mask, image.Mask);
    bytes = encoded;
    bytes.resize(bytes.size() - 16 * 4);
    Put32(bytes, 14, static_cast<std::uint32_t>(bytes.size() - 22));
    EXPECT_EQ(ReadOne(bytes).Mask, image.Mask);
}

} // namespace
} // namespace ormel
