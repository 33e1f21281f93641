#include "files/file_access.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

namespace ormel {
namespace {

std::vector<std::uint8_t> SnapshotBytes(const TIconImage& image)
{
    ByteWriter out;
    TIconFileAccess().EncodeSnapshot(image, out);
    return out.bytes();
}

TEST(SnapshotRoundTrip, RestoresEveryFieldIncludingIdentityAndPaletteFlags)
{
    test::TempDir dir;
    for (int depth = Depth1; depth <= Depth32; ++depth) {
        TIconImage image = test::PatternImage(13, 7, depth);
        image.ImageId = 40 + depth;
        image.Palette.palPalEntry[1].peFlags = 0xA5;
        const std::string path = dir.file("step.orm");
        TIconFileAccess access;
        ASSERT_EQ(access.SaveSnapshot(image, path), 0);

        TIconImage loaded;
        NewIconImage(loaded, 2, 2, 7, Depth24);
        ASSERT_EQ(access.LoadSnapshot(loaded, path), 0);
        EXPECT_EQ(loaded.ImageId, 40 + depth);
        EXPECT_EQ(loaded.Width, 13);
        EXPECT_EQ(loaded.Height, 7);
        EXPECT_EQ(loaded.ColorDepth, depth);
        EXPECT_EQ(loaded.Bitmap, image.Bitmap);
        EXPECT_EQ(loaded.Mask, image.Mask);
        EXPECT_EQ(loaded.Palette.palNumEntries, image.Palette.palNumEntries);
        if (depth < Depth24)
            EXPECT_EQ(loaded.Palette, image.Palette);
    }
}

TEST(SnapshotFailures, MissingOrDamagedFilesLeaveTheRecordAlone)
{
    test::TempDir dir;
    TIconImage record = test::PatternImage(8, 8, Depth8);
    record.ImageId = 3;
    const TIconImage before = record;
    TIconFileAccess access;
    EXPECT_EQ(access.LoadSnapshot(record, dir.file("absent.orm")), -1);

    const std::vector<std::uint8_t> good = SnapshotBytes(test::PatternImage(16, 16, Depth32));
    std::vector<std::vector<std::uint8_t>> bad;
    for (std::size_t cut : {std::size_t(3), std::size_t(15), std::size_t(40), good.size() / 2, good.size() - 1})
        bad.emplace_back(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(cut));
    auto lying = good;
    lying[4] = 17; // width that disagrees with the bitmaps
    bad.push_back(lying);
    auto badDepth = good;
    badDepth[12] = 9;
    bad.push_back(badDepth);
    auto badPalette = SnapshotBytes(test::PatternImage(4, 4, Depth8));
    badPalette[18] = 0xFF;
    badPalette[19] = 0x7F; // 32767 entries
    bad.push_back(badPalette);

    for (const auto& bytes : bad) {
        EXPECT_EQ(access.DecodeSnapshot(record, bytes), -1);
        EXPECT_EQ(record.ImageId, before.ImageId);
        EXPECT_EQ(record.Bitmap, before.Bitmap);
        EXPECT_EQ(record.Palette, before.Palette);
    }
}

} // namespace
} // namespace ormel
