#include "files/icon_document.h"
#include "files/icon_image.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace ormel {
namespace {

TEST(PaletteColorTest, MasksTheIndexByThePaletteSizeAndPassesOtherSizesThrough)
{
    TLogPalette palette;
    palette.palNumEntries = 2;
    palette.palPalEntry[0] = {10, 20, 30, 0};
    palette.palPalEntry[1] = {1, 2, 3, 0};
    EXPECT_EQ(PaletteColor(3, palette), MakeColor(1, 2, 3));
    EXPECT_EQ(PaletteColor(0, palette), 0x1E140Au);
    palette.palNumEntries = 5;
    EXPECT_EQ(PaletteColor(3, palette), 3u);
}

TEST(NewIconImageTest, IsWhiteFullyTransparentWithTheDefaultPalette)
{
    TIconImage image;
    image.ImageId = 9;
    ASSERT_EQ(NewIconImage(image, 256, 256, -1, Depth1), 0);
    EXPECT_EQ(image.Width, 256);
    EXPECT_EQ(image.ImageId, -1);
    EXPECT_EQ(image.Palette.palVersion, 0x0300);
    EXPECT_EQ(image.Palette.palNumEntries, 2);
    EXPECT_EQ(PaletteColor(0, image.Palette), MakeColor(0, 0, 0));
    EXPECT_EQ(PaletteColor(1, image.Palette), MakeColor(255, 255, 255));
    Raster white(256, 256);
    white.fill(255, 255, 255);
    EXPECT_EQ(image.Mask, white);
    EXPECT_EQ(image.Bitmap, white);
}

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
