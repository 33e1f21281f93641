#include "files/icon_document.h"
#include "files/icon_image.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace ormel {
namespace {

TEST(IconDocumentTest, AddImageCopiesTopLeftAndDeleteImageShiftsTheRest)
{
    TIconDocument document;
    EXPECT_EQ(document.CurrentIndex, -1);
    TIconImage big = test::PatternImage(32, 32, Depth24);
    big.ImageId = 4;
    TIconImage small = big;
    small.Width = small.Height = 16; // rasters stay 32 x 32: the top-left part is taken
    for (const TIconImage& image : {small, test::PatternImage(8, 8, Depth4), big})
        ASSERT_EQ(document.AddImage(image), 0);
    EXPECT_EQ(document.CurrentIndex, 2);
    const TIconImage& added = document.Images[0];
    EXPECT_EQ(added.ImageId, -1);
    EXPECT_EQ(added.Bitmap.width(), 16);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            ASSERT_EQ(test::ColourAt(added, x, y), test::ColourAt(big, x, y));
    EXPECT_EQ(document.Images[1].Palette.palNumEntries, 16);

    // A record whose rasters are smaller than it says gives a white, transparent image.
    TIconImage lying = test::PatternImage(8, 8, Depth24);
    lying.Width = lying.Height = 24;
    document.AddImage(lying);
    EXPECT_EQ(test::TransparencyAt(document.Images[3], 20, 20), 255);

    document.CurrentIndex = 1;
    document.DeleteImage();
    ASSERT_EQ(document.Images.size(), 3u);
    EXPECT_EQ(document.Images[1].Width, 32);
    EXPECT_EQ(document.CurrentIndex, 0);
    EXPECT_TRUE(document.Modified);
}

} // namespace
} // namespace ormel
