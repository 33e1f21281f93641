#include "files/atomic_file.h"
#include "files/bmp_file.h"
#include "files/file_access.h"
#include "files/png_stream.h"
#include "png_support.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace ormel {
namespace {

using Rows = test::CollectRows;

std::vector<std::uint8_t> FileBytes(const std::string& path)
{
    std::vector<std::uint8_t> bytes;
    ReadWholeFile(path, bytes);
    return bytes;
}

// A fully transparent pixel comes out 255 x 255 div 256 = 254, whatever its colour.
TEST(PictureExport, BmpComposesOverWhiteWithAShiftByEight)
{
    test::TempDir dir;
    TIconImage image = test::PatternImage(5, 3, Depth32);
    image.Mask.pixel(1, 2)[0] = 255;
    TIconFileAccess access;
    ASSERT_EQ(access.SavePicture(dir.file("p.BMP"), image), 0); // capitals select the same format
    const auto bytes = FileBytes(dir.file("p.BMP"));
    ByteReader in(bytes);
    Raster picture;
    ASSERT_TRUE(ReadBmp24(in, picture));
    ASSERT_EQ(std::pair(picture.width(), picture.height()), std::pair(5, 3));
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            for (int c = 0; c < 3; ++c) {
                const int t = test::TransparencyAt(image, x, y);
                ASSERT_EQ(picture.pixel(x, y)[c], (image.Bitmap.pixel(x, y)[c] * (255 - t) + 255 * t) / 256);
            }
}

TEST(PictureExport, PngKeepsAlphaAndExpandsPalettes)
{
    test::TempDir dir;
    TIconFileAccess access;
    TIconImage translucent = test::PatternImage(4, 4, Depth32);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            translucent.Mask.pixel(x, y)[0] = 127; // alpha 128
    ASSERT_EQ(access.SavePicture(dir.file("a.png"), translucent), 0);
    Rows rows;
    ASSERT_TRUE(DecodePng(FileBytes(dir.file("a.png")), 256, rows));
    EXPECT_EQ(rows.bgra[3], 128);
    EXPECT_EQ(rows.bgra[2], translucent.Bitmap.pixel(0, 0)[2]);

    const TIconImage indexed = test::PatternImage(9, 9, Depth8);
    ASSERT_EQ(access.SavePicture(dir.file("i.png"), indexed), 0);
    ASSERT_TRUE(DecodePng(FileBytes(dir.file("i.png")), 256, rows));
    const std::uint8_t* p = &rows.bgra[static_cast<std::size_t>((4 * 9 + 7) * 4)];
    EXPECT_EQ(MakeColor(p[2], p[1], p[0]), test::ColourAt(indexed, 7, 4));
}

TEST(PictureExport, RefusesOtherExtensionsAndWritesNothing)
{
    test::TempDir dir;
    TIconFileAccess access;
    const TIconImage image = test::PatternImage(4, 4, Depth24);
    for (const char* name : {"x.tif", "x", "x.png.txt", "dir.png/x"}) {
        EXPECT_EQ(access.SavePicture(dir.file(name), image), -1) << name;
        EXPECT_EQ(access.ErrorText, "Unknown error");
        EXPECT_FALSE(std::filesystem::exists(dir.file(name)));
    }
    EXPECT_EQ(access.SavePicture(dir.file("x.jpg"), image), 0);
    const auto jpeg = FileBytes(dir.file("x.jpg"));
    ASSERT_GE(jpeg.size(), 4u);
    EXPECT_EQ(jpeg[0], 0xFF);
    EXPECT_EQ(jpeg[1], 0xD8);
}

} // namespace
} // namespace ormel
