#include "tools/bucket_tool.h"
#include "tools/dropper.h"

#include "raster/paint.h"

#include "test_support.h"

#include <gtest/gtest.h>

namespace ormel {
namespace {

using test::PatternImage;
using test::TransparencyAt;

bool Inside(const TFloodFill& flood, int x, int y) { return flood.Result().pixel(x, y)[0] == 0; }

TEST(FloodFill, TakesAColourBoxAroundTheSeedWithoutDiagonals)
{
    // (250, 10, 100) with tolerance 32 accepts red 218..255, green 0..42, blue 68..132.
    Raster row(4, 1);
    StorePixel(row.pixel(0, 0), MakeColor(250, 10, 100));
    StorePixel(row.pixel(1, 0), MakeColor(255, 0, 132));
    StorePixel(row.pixel(2, 0), MakeColor(255, 0, 133));
    StorePixel(row.pixel(3, 0), MakeColor(250, 10, 100)); // same as the seed, cut off beyond (2, 0)
    TFloodFill flood;
    flood.SetSource(row, 4, 1);
    flood.Fill(0, 0, 32);
    EXPECT_TRUE(Inside(flood, 0, 0) && Inside(flood, 1, 0));
    EXPECT_FALSE(Inside(flood, 2, 0) || Inside(flood, 3, 0));

    Raster board(4, 4);
    for (int i = 0; i < 16; ++i)
        StorePixel(board.pixel(i % 4, i / 4), (i % 4 + i / 4) % 2 ? 0 : 0xFFFFFF);
    flood.SetSource(board, 4, 4);
    flood.Fill(1, 1, 0);
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(Inside(flood, i % 4, i / 4), i == 5);
    flood.Fill(1, 1, 255);
    EXPECT_TRUE(Inside(flood, 2, 3));
    flood.Fill(4, 0, 255); // outside: the last region stays
    EXPECT_TRUE(Inside(flood, 2, 3));
}

TEST(BucketTool, FillsPreviewsAndCommits)
{
    TIconImage image = PatternImage(8, 8, Depth32);
    FillBitmapRect(image.Bitmap, 0x102030, TRect{0, 0, 8, 4}); // the top half, whatever its alpha
    const TIconImage before = image;
    const TBucketSettings erase{0, 0x0000FF, 0};
    TBucketTool bucket;
    EXPECT_FALSE(bucket.Release(image)); // no press

    const TIconImage preview = bucket.Preview(image, 6, 2, 2, erase);
    EXPECT_TRUE(image.Mask == before.Mask);
    EXPECT_TRUE(bucket.Preview(image, 16, 2, 2, erase).Mask == before.Mask); // beyond the right edge
    EXPECT_TRUE(bucket.Press(image, 6, 2, 2, erase));
    EXPECT_TRUE(image.Bitmap == preview.Bitmap && image.Mask == preview.Mask);
    for (int y = 0; y < 8; ++y)
        EXPECT_EQ(TransparencyAt(image, 5, y), y < 4 ? 255 : TransparencyAt(before, 5, y));
    EXPECT_EQ(bucket.Release(image)->StepName, "Bucket");

    // A press just beyond the image changes nothing but still records its step.
    const TIconImage filled = image;
    EXPECT_FALSE(bucket.Press(image, 16, 15, 2, TBucketSettings{32, 0x0000FF, 255}));
    EXPECT_TRUE(image.Bitmap == filled.Bitmap && image.Mask == filled.Mask);
    const auto commit = bucket.Release(image);
    EXPECT_TRUE(commit && commit->StepName == "Bucket" && commit->RecentColour == 0x0000FFu);
}

} // namespace
} // namespace ormel
