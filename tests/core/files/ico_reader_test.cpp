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

int ReadBytes(const std::vector<std::uint8_t>& bytes, TIconDocument& document, std::string& error)
{
    TIconFileAccess access;
    const int result = access.ReadIconData(bytes, document, nullptr);
    error = access.ErrorText;
    return result;
}

// An icon file of one entry whose data block is `block`, declared with `bits`.
std::vector<std::uint8_t> SingleEntryFile(const std::vector<std::uint8_t>& block, int bits)
{
    std::vector<std::uint8_t> file(22);
    Put16(file, 2, 1);
    Put16(file, 4, 1);
    Put16(file, 10, 1);
    Put16(file, 12, static_cast<std::uint16_t>(bits));
    Put32(file, 14, static_cast<std::uint32_t>(block.size()));
    Put32(file, 18, 22);
    file.insert(file.end(), block.begin(), block.end());
    return file;
}

TEST(IcoReaderHeader, RefusesCursorsEmptyDirectoriesAndShortFiles)
{
    std::vector<std::uint8_t> bytes = test::Encode({test::PatternImage(16, 16, Depth24)});
    for (const auto& change : std::vector<std::function<void(std::vector<std::uint8_t>&)>>{
             [](auto& b) { Put16(b, 2, 2); },  // a cursor
             [](auto& b) { Put16(b, 4, 0); },  // no images
             [](auto& b) { Put16(b, 0, 1); },  // reserved not 0
             [](auto& b) { b.resize(5); }}) {
        std::vector<std::uint8_t> bad = bytes;
        change(bad);
        TIconDocument document;
        std::string error;
        EXPECT_EQ(ReadBytes(bad, document, error), -1);
        EXPECT_EQ(error, kNotAvailable);
        EXPECT_TRUE(document.Images.empty());
    }
}

TEST(IcoReaderHeader, MissingFileIsNotFound)
{
    TIconFileAccess access;
    TIconDocument document;
    EXPECT_EQ(access.OpenIconFile("/nonexistent/dir/x.ico", document), -1);
    EXPECT_EQ(access.ErrorText, "File not found.");
    EXPECT_EQ(access.OpenIconFile(" a ", document), -1);
    EXPECT_EQ(access.ErrorText, "File not found.");
}

// Hostile or unreadable entries: each one is refused and the others still load.
struct BadEntry {
    const char* what;
    std::function<void(std::vector<std::uint8_t>&, std::size_t dir, std::size_t data)> corrupt;
};

class IcoReaderBadEntry : public testing::TestWithParam<BadEntry> {};

TEST_P(IcoReaderBadEntry, IsSkippedAndReported)
{
    // Entry 2 of three is corrupted; entries 1 and 3 must survive.
    const TIconImageArray images{test::PatternImage(16, 16, Depth32), test::PatternImage(32, 32, Depth4),
                                 test::PatternImage(24, 24, Depth8)};
    std::vector<std::uint8_t> bytes = test::Encode(images);
    const std::size_t dir = 6 + 16;
    const std::size_t data = bytes[dir + 12] | (bytes[dir + 13] << 8) | (bytes[dir + 14] << 16);
    GetParam().corrupt(bytes, dir, data);

    TIconDocument document;
    std::string error;
    EXPECT_EQ(ReadBytes(bytes, document, error), -1);
    EXPECT_EQ(error, "3 documents, which opens up 2.");
    ASSERT_EQ(document.Images.size(), 2u);
    EXPECT_EQ(document.Images[0].Width, 16);
    EXPECT_EQ(document.Images[1].Width, 24);
    EXPECT_EQ(document.CurrentIndex, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Hostile, IcoReaderBadEntry,
    testing::Values(
        BadEntry{"offset past the end", [](auto& b, auto dir, auto) { Put32(b, dir + 12, 0xFFFFFF00u); }},
        BadEntry{"size past the end", [](auto& b, auto dir, auto) { Put32(b, dir + 8, 0x7FFFFFFFu); }},
        BadEntry{"size zero", [](auto& b, auto dir, auto) { Put32(b, dir + 8, 0); }},
        BadEntry{"negative width", [](auto& b, auto, auto data) { Put32(b, data + 4, 0xFFFFFFF0u); }},
        BadEntry{"zero height", [](auto& b, auto, auto data) { Put32(b, data + 8, 1); }},
        BadEntry{"width above 256", [](auto& b, auto, auto data) { Put32(b, data + 4, 300); }},
        BadEntry{"huge height", [](auto& b, auto, auto data) { Put32(b, data + 8, 0x7FFFFFF0u); }},
        BadEntry{"16 bits per pixel", [](auto& b, auto, auto data) { Put16(b, data + 14, 16); }},
        BadEntry{"2 bits per pixel", [](auto& b, auto, auto data) { Put16(b, data + 14, 2); }},
        BadEntry{"compressed", [](auto& b, auto, auto data) { Put32(b, data + 16, 1); }},
        BadEntry{"header size below 40", [](auto& b, auto, auto data) { Put32(b, data, 12); }},
        BadEntry{"colour table cut short",
                 [](auto& b, auto dir, auto) { Put32(b, dir + 8, 40 + 30); }},
        BadEntry{"pixel rows cut short",
                 [](auto& b, auto dir, auto) { Put32(b, dir + 8, 40 + 64 + 100); }}),
    [](const testing::TestParamInfo<BadEntry>& info) {
        std::string name = info.param.what;
        for (char& c : name)
            if (!std::isalnum(static_cast<unsigned char>(c)))
                c = '_';
        return name;
    });

TEST(IcoReaderPng, TruncatedOrOversizedPngIsRefused)
{
    std::vector<std::uint8_t> png;
    std::vector<std::uint8_t> pixels(300 * 4 * 2, 0x80);
    ASSERT_TRUE(EncodePngRgba(300, 2, pixels.data(), png)); // wider than an icon can be
    TIconDocument document;
    std::string error;
    EXPECT_EQ(ReadBytes(SingleEntryFile(png, 32), document, error), -1);
    EXPECT_EQ(error, kNotAvailable);

    std::vector<std::uint8_t> image(48 * 48 * 4, 0x40);
    ASSERT_TRUE(EncodePngRgba(48, 48, image.data(), png));
    png.resize(png.size() - 30);
    EXPECT_EQ(ReadBytes(SingleEntryFile(png, 32), document, error), -1);
    EXPECT_EQ(error, kNotAvailable);
    EXPECT_TRUE(document.Images.empty());
}

TEST(IcoReaderPng, AcceptsPngAtAnySizeWithItsAlpha)
{
    std::vector<std::uint8_t> bgra(48 * 20 * 4);
    for (std::size_t i = 0; i < bgra.size(); ++i)
        bgra[i] = static_cast<std::uint8_t>(i * 7);
    std::vector<std::uint8_t> png;
    ASSERT_TRUE(EncodePngRgba(48, 20, bgra.data(), png));
    TIconDocument document;
    std::string error;
    ASSERT_EQ(ReadBytes(SingleEntryFile(png, 32), document, error), 0);
    const TIconImage& image = document.Images[0];
    EXPECT_EQ(image.Width, 48);
    EXPECT_EQ(image.Height, 20);
    EXPECT_EQ(image.ColorDepth, Depth32);
    const std::uint8_t* px = bgra.data() + (5 * 48 + 7) * 4;
    EXPECT_EQ(test::ColourAt(image, 7, 5), MakeColor(px[2], px[1], px[0]));
    EXPECT_EQ(test::TransparencyAt(image, 7, 5), 255 - px[3]);
}

TEST(IcoReaderPng, EightBitDeclarationWithTenColoursGivesFirstSeenPalette)
{
    std::vector<std::uint8_t> bgra(256 * 256 * 4);
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x) {
            std::uint8_t* p = &bgra[static_cast<std::size_t>(y * 256 + x) * 4];
            const int c = (x / 7 + y) % 10;
            p[0] = static_cast<std::uint8_t>(c * 20);
            p[1] = static_cast<std::uint8_t>(c);
            p[2] = static_cast<std::uint8_t>(200 - c);
            p[3] = 255;
        }
    std::vector<std::uint8_t> png;
    ASSERT_TRUE(EncodePngRgba(256, 256, bgra.data(), png));
    TIconDocument document;
    std::string error;
    ASSERT_EQ(ReadBytes(SingleEntryFile(png, 8), document, error), 0);
    const TIconImage& image = document.Images[0];
    EXPECT_EQ(image.ColorDepth, Depth8);
    EXPECT_EQ(image.Palette.palNumEntries, 256);
    // Row 0 meets colours 0, 1, 2 ... in order; the table beyond the ten is black.
    for (int c = 0; c < 10; ++c) {
        const TPaletteEntry& e = image.Palette.palPalEntry[static_cast<std::size_t>(c)];
        EXPECT_EQ(MakeColor(e.peRed, e.peGreen, e.peBlue), MakeColor(std::uint8_t(200 - c), std::uint8_t(c), std::uint8_t(c * 20)));
    }
    EXPECT_EQ(image.Palette.palPalEntry[10], TPaletteEntry{});
    EXPECT_EQ(image.Bitmap.pixel(15, 3)[2], (15 / 7 + 3) % 10);
}

TEST(IcoReaderPng, MoreThan256ColoursUnderAnIndexedDeclarationStayTrueColour)
{
    std::vector<std::uint8_t> bgra(256 * 256 * 4, 255);
    for (std::size_t i = 0; i < 256 * 256; ++i) {
        bgra[i * 4] = static_cast<std::uint8_t>(i);
        bgra[i * 4 + 1] = static_cast<std::uint8_t>(i >> 8);
    }
    std::vector<std::uint8_t> png;
    ASSERT_TRUE(EncodePngRgba(256, 256, bgra.data(), png));
    TIconDocument document;
    std::string error;
    ASSERT_EQ(ReadBytes(SingleEntryFile(png, 8), document, error), 0);
    EXPECT_EQ(document.Images[0].ColorDepth, Depth24);
    EXPECT_EQ(test::ColourAt(document.Images[0], 3, 1), MakeColor(255, 1, 3));
}

TEST(IcoReaderPng, DecodesGreyPaletteAndSixteenBitForms)
{
    TIconDocument document;
    std::string error;

    // Grey with alpha, declared as 16 bits.
    std::vector<std::uint8_t> ga{10, 255, 20, 0, 30, 128, 40, 1};
    ASSERT_EQ(ReadBytes(SingleEntryFile(test::RawPng(2, 2, PNG_COLOR_TYPE_GRAY_ALPHA, 8, ga), 16), document, error), 0);
    const TIconImage& grey = document.Images.back();
    EXPECT_EQ(grey.ColorDepth, Depth32);
    EXPECT_EQ(test::ColourAt(grey, 0, 1), MakeColor(30, 30, 30));
    EXPECT_EQ(test::TransparencyAt(grey, 0, 1), 127);
    EXPECT_EQ(test::TransparencyAt(grey, 1, 0), 255);

    // Palette with a transparency chunk: index 1 is half transparent, index 2 opaque.
    const std::vector<png_color> plte{{1, 2, 3}, {4, 5, 6}, {7, 8, 9}};
    ASSERT_EQ(ReadBytes(SingleEntryFile(test::RawPng(3, 1, PNG_COLOR_TYPE_PALETTE, 8, {0, 1, 2}, plte, {0, 100}), 32),
                        document, error),
              0);
    const TIconImage& pal = document.Images.back();
    EXPECT_EQ(pal.ColorDepth, Depth32);
    EXPECT_EQ(test::ColourAt(pal, 1, 0), MakeColor(4, 5, 6));
    EXPECT_EQ(test::TransparencyAt(pal, 0, 0), 255);
    EXPECT_EQ(test::TransparencyAt(pal, 1, 0), 155);
    EXPECT_EQ(test::TransparencyAt(pal, 2, 0), 0);

    // Sixteen bits per sample, RGB: the high bytes, opaque, 24-bit.
    std::vector<std::uint8_t> rgb16{0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC};
    ASSERT_EQ(ReadBytes(SingleEntryFile(test::RawPng(1, 1, PNG_COLOR_TYPE_RGB, 16, rgb16), 32), document, error), 0);
    EXPECT_EQ(document.Images.back().ColorDepth, Depth24);
    EXPECT_EQ(test::ColourAt(document.Images.back(), 0, 0), MakeColor(0x12, 0x56, 0x9A));
    EXPECT_EQ(test::TransparencyAt(document.Images.back(), 0, 0), 0);
}

TEST(IcoReaderDib, FourBitsReadsTheFullTableWhateverColoursUsedSays)
{
    TIconImage image = test::PatternImage(16, 16, Depth4);
    std::vector<std::uint8_t> bytes = test::Encode({image});
    Put32(bytes, 22 + 32, 5); // colours used
    TIconDocument document;
    std::string error;
    ASSERT_EQ(ReadBytes(bytes, document, error), 0);
    const TIconImage& read = document.Images[0];
    EXPECT_EQ(read.Palette.palNumEntries, 16);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            ASSERT_EQ(test::ColourAt(read, x, y), test::ColourAt(image, x, y));
}

TEST(IcoReaderDib, ThirtyTwoBitsWithoutAlphaAreOpaqueUnderTheAndMask)
{
    TIconImage image = test::PatternImage(16, 16, Depth32);
    std::vector<std::uint8_t> bytes = test::Encode({image});
    const std::size_t pixels = 22 + 40;
    for (std::size_t i = 0; i < 16 * 16; ++i)
        bytes[pixels + i * 4 + 3] = 0;
    // AND mask: only the top-left pixel (last row in the file, first bit) is transparent.
    const std::size_t mask = pixels + 16 * 16 * 4;
    std::fill(bytes.begin() + static_cast<std::ptrdiff_t>(mask), bytes.end(), 0);
    bytes[mask + 15 * 4] = 0x80;

    TIconDocument document;
    std::string error;
    ASSERT_EQ(ReadBytes(bytes, document, error), 0);
    const TIconImage& read = document.Images[0];
    EXPECT_EQ(read.ColorDepth, Depth32);
    EXPECT_EQ(test::TransparencyAt(read, 0, 0), 255);
    EXPECT_EQ(test::TransparencyAt(read, 1, 0), 0);
    EXPECT_EQ(test::TransparencyAt(read, 5, 9), 0);
    EXPECT_EQ(test::ColourAt(read, 5, 9), test::ColourAt(image, 5, 9));
}

TEST(IcoReaderDib, ThirtyTwoBitsWithAlphaIgnoreTheAndMask)
{
    TIconImage image = test::PatternImage(16, 16, Depth32);
    std::vector<std::uint8_t> bytes = test::Encode({image});
    const std::size_t mask = 22 + 40 + 16 * 16 * 4;
    std::fill(bytes.begin() + static_cast<std::ptrdiff_t>(mask), bytes.end(), 0xFF);
    TIconDocument document;
    std::string error;
    ASSERT_EQ(ReadBytes(bytes, document, error), 0);
    EXPECT_EQ(document.Images[0].Mask, image.Mask);
}

TEST(IcoReaderDib, ThirtyTwoBitsWithoutAndMaskKeepTheirAlpha)
{
    TIconImage image = test::PatternImage(16, 16, Depth32);
    std::vector<std::uint8_t> bytes = test::Encode({image});
    bytes.resize(bytes.size() - 16 * 4);
    Put32(bytes, 14, static_cast<std::uint32_t>(bytes.size() - 22));
    TIconDocument document;
    std::string error;
    ASSERT_EQ(ReadBytes(bytes, document, error), 0);
    EXPECT_EQ(document.Images[0].Mask, image.Mask);
}

} // namespace
} // namespace ormel
