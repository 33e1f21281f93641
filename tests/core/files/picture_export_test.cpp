#include "files/atomic_file.h"
#include "files/file_access.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace ormel {
namespace {

std::vector<std::uint8_t> FileBytes(const std::string& path)
{
    std::vector<std::uint8_t> bytes;
    ReadWholeFile(path, bytes);
    return bytes;
}

// What each format holds is checked against Pillow by the interop tests; here, the choice of
// format by the extension.
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
    EXPECT_EQ(access.SavePicture(dir.file("x.BMP"), image), 0); // capitals select the same format
    EXPECT_EQ(FileBytes(dir.file("x.BMP")).at(0), 'B');
    EXPECT_EQ(access.SavePicture(dir.file("x.jpg"), image), 0);
    const auto jpeg = FileBytes(dir.file("x.jpg"));
    ASSERT_GE(jpeg.size(), 4u);
    EXPECT_EQ(jpeg[0], 0xFF);
    EXPECT_EQ(jpeg[1], 0xD8);
}

} // namespace
} // namespace ormel
