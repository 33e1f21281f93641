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
        {"huge height", [](auto& b, auto, auto data) { Put32(b, data + 8, 0x7FFFFFF0u); }},
        {"16 bits per pixel", [](auto& b, auto, auto data) { Put16(b, data + 14, 16); }},
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

} // namespace
} // namespace ormel
