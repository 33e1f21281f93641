#include "files/atomic_file.h"
#include "files/file_access.h"
#include "files/png_stream.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <tuple>

namespace ormel {
namespace {

std::uint32_t U32(const std::vector<std::uint8_t>& b, std::size_t at)
{
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (std::uint32_t(b[at + 3]) << 24);
}
std::uint16_t U16(const std::vector<std::uint8_t>& b, std::size_t at) { return std::uint16_t(b[at] | (b[at + 1] << 8)); }
std::vector<int> U16s(const std::vector<std::uint8_t>& b, std::size_t at, std::size_t n)
{
    std::vector<int> words;
    for (std::size_t i = 0; i < n; ++i)
        words.push_back(U16(b, at + 2 * i));
    return words;
}

TEST(IcoWriterLayout, DirectoryAndBlockForms)
{
    const TIconImageArray images{test::PatternImage(256, 256, Depth8), test::PatternImage(128, 128, Depth1),
                                 test::PatternImage(48, 48, Depth4)};
    const std::vector<std::uint8_t> bytes = test::Encode(images);
    ASSERT_FALSE(bytes.empty());
    EXPECT_EQ(U16s(bytes, 0, 3), (std::vector<int>{0, 1, 3}));

    // 256 x 256: width and height bytes 0, no colour count, 1 plane, 8 bits declared, a PNG
    // block directly after the directory.
    EXPECT_EQ(U16s(bytes, 6, 4), (std::vector<int>{0, 0, 1, 8}));
    const std::uint32_t first = U32(bytes, 18);
    EXPECT_EQ(first, 6u + 3 * 16);
    EXPECT_TRUE(HasPngSignature(std::span(bytes).subspan(first)));

    // 128 x 128 at 1 bit: a bitmap block with header height 256 and a two-entry table.
    EXPECT_EQ(bytes[22], 128);
    EXPECT_EQ(bytes[24], 2);
    const std::uint32_t second = U32(bytes, 22 + 12);
    EXPECT_EQ(second, first + U32(bytes, 14));
    EXPECT_EQ(U32(bytes, second), 40u);
    EXPECT_EQ(U32(bytes, second + 8), 256u);
    EXPECT_EQ(U16(bytes, second + 14), 1);
    EXPECT_EQ(U32(bytes, second + 20), 16u * 128); // image size: stride x height
    EXPECT_EQ(U32(bytes, 22 + 8), 40u + 8 + 16 * 128 + 16 * 128);

    // 48 x 48 at 4 bits: colour count 16, 16 table entries, rows of 24 bytes, mask rows of 8.
    EXPECT_EQ(bytes[38 + 2], 16);
    EXPECT_EQ(U32(bytes, 38 + 8), 40u + 64 + 24 * 48 + 8 * 48);
    EXPECT_EQ(U32(bytes, 38 + 12) + U32(bytes, 38 + 8), bytes.size());
}

TEST(IcoWriterRoundTrip, EveryDepthAndBothFormsReadBack)
{
    TIconImageArray images;
    for (int depth = Depth1; depth <= Depth32; ++depth) {
        images.push_back(test::PatternImage(16 + depth, 20, depth));
        images.push_back(test::PatternImage(256, 200, depth));
    }
    TIconDocument document;
    ASSERT_EQ(TIconFileAccess().ReadIconData(test::Encode(images), document), 0);
    ASSERT_EQ(document.Images.size(), images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const TIconImage& a = images[i];
        const TIconImage& b = document.Images[i];
        ASSERT_EQ(std::tuple(b.Width, b.Height, b.ColorDepth), std::tuple(a.Width, a.Height, a.ColorDepth)) << i;
        // Indexed PNG blocks come back with first-seen palettes: compare colours, not indices.
        for (int y = 0; y < a.Height; ++y)
            for (int x = 0; x < a.Width; ++x) {
                ASSERT_EQ(test::ColourAt(b, x, y), test::ColourAt(a, x, y)) << i << " at " << x << "," << y;
                ASSERT_EQ(test::TransparencyAt(b, x, y), test::TransparencyAt(a, x, y)) << i;
            }
    }
}

TEST(IcoWriterFailures, RefusesNothingToWriteAndImpossibleImages)
{
    TIconFileAccess access;
    std::vector<std::uint8_t> out;
    EXPECT_EQ(access.EncodeIconFile({}, out), -1);
    EXPECT_EQ(access.ErrorText, "Unknown error");

    EXPECT_EQ(access.EncodeIconFile({test::PatternImage(16, 16, Depth32), test::PatternImage(300, 4, Depth32)}, out), -1);
    EXPECT_EQ(access.ErrorText, "Written into the document error.");

    TIconImage inconsistent = test::PatternImage(16, 16, Depth24);
    inconsistent.Width = 32;
    EXPECT_EQ(access.EncodeIconFile({inconsistent}, out), -1);
}

TEST(IcoWriterFiles, SaveReplacesTheTargetAndAFailedSaveLeavesItAlone)
{
    test::TempDir dir;
    const std::string path = dir.file("icon.ico");
    std::ofstream(path) << "old contents";
    TIconFileAccess access;
    ASSERT_EQ(access.SaveIconFile(path, {test::PatternImage(32, 32, Depth32)}), 0);
    TIconDocument document;
    ASSERT_EQ(access.OpenIconFile(path, document), 0);
    EXPECT_EQ(document.FileName, "icon.ico");
    EXPECT_EQ(document.FileDir.back(), '/');

    EXPECT_EQ(access.SaveIconFile(path, {}), -1);
    document = {};
    EXPECT_EQ(access.OpenIconFile(path, document), 0);
    EXPECT_EQ(document.Images.size(), 1u);
    // No temporary files are left beside the target.
    const std::filesystem::directory_iterator files(std::filesystem::path(path).parent_path());
    EXPECT_EQ(std::distance(begin(files), end(files)), 1);

    EXPECT_EQ(access.SaveIconFile(dir.file("missing/dir/icon.ico"), {test::PatternImage(8, 8, Depth24)}), -1);
    EXPECT_EQ(access.ErrorText, "The file could not be written.");
}

} // namespace
} // namespace ormel
