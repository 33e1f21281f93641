#include "creators/photo_frame.h"
#include "raster/paint.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace ormel {
namespace {

constexpr TColor kFrameColour = MakeColor(194, 0, 0);
constexpr TColor kGrey = MakeColor(128, 128, 128);

// Red = coverage by the frame colour, blue = transparency.
Raster FramePicture()
{
    Raster frame(4, 4);
    FillBitmap(frame, 0);
    StorePixel(frame.pixel(0, 0), MakeColor(0, 0, 255));
    StorePixel(frame.pixel(1, 0), MakeColor(255, 0, 0));
    StorePixel(frame.pixel(1, 1), MakeColor(128, 0, 0));
    return frame;
}

TEST(PhotoFrame, RedPaintsTheFrameColourAndBlueMakesTransparent)
{
    for (const int depth : {Depth32, Depth4}) {
        TIconImage image;
        NewIconImage(image, 4, 4, -1, depth);
        FillBitmap(image.Bitmap, depth == Depth32 ? kGrey : 8); // VGA index 8 is this grey, too
        FillBitmap(image.Mask, 0);
        ASSERT_EQ(test::ColourAt(image, 2, 2), kGrey);
        image.Mask.pixel(1, 1)[0] = 255; // counts as white under the frame
        ApplyPhotoFrame(FramePicture(), image, kFrameColour);
        EXPECT_EQ(image.ColorDepth, depth);
        EXPECT_EQ(test::TransparencyAt(image, 0, 0), 255);
        EXPECT_EQ(test::ColourAt(image, 1, 0), kFrameColour);
        EXPECT_EQ(test::TransparencyAt(image, 1, 0), 0);
        EXPECT_EQ(test::ColourAt(image, 2, 2), kGrey);
        if (depth == Depth32) // (128 x 194 + 127 x 255) div 255 and 127 x 255 div 255
            EXPECT_EQ(test::ColourAt(image, 1, 1), MakeColor(224, 127, 127));
        EXPECT_EQ(test::TransparencyAt(image, 1, 1), 0);
    }
}

} // namespace
} // namespace ormel
