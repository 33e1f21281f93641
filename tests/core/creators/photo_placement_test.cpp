#include "creators/photo_frame.h"
#include "creators/photo_placement.h"
#include "raster/paint.h"
#include "test_support.h"

#include <gtest/gtest.h>


namespace ormel {
namespace {

constexpr TColor kRed = MakeColor(255, 0, 0);
constexpr TColor kBlue = MakeColor(0, 0, 255);
constexpr TColor kWhite = MakeColor(255, 255, 255);

TColor At(const Raster& r, int x, int y)
{
    const std::uint8_t* p = r.pixel(x, y);
    return MakeColor(p[2], p[1], p[0]);
}

// A picture whose left half is red and right half blue.
TPicture HalvesPicture(int width, int height)
{
    TPicture picture;
    picture.Colour.resize(width, height);
    FillBitmap(picture.Colour, kBlue);
    FillBitmapRect(picture.Colour, kRed, TRect{0, 0, width / 2, height});
    return picture;
}

TEST(PhotoPlacement, FitsThePictureToTheSquare)
{
    const TViewRect square{144, 104, 336, 296};
    EXPECT_EQ(FitPhotoFrame(TPhotoFit::Width, 640, 480, square), (TViewRect{144, 128, 336, 272}));
    EXPECT_EQ(FitPhotoFrame(TPhotoFit::Height, 640, 480, square), (TViewRect{112, 104, 368, 296}));
    EXPECT_EQ(FitPhotoFrame(TPhotoFit::ActualSize, 640, 480, square), (TViewRect{144, 104, 784, 584}));
    EXPECT_EQ(FitPhotoFrame(TPhotoFit::Width, 0, 480, square), square);
    EXPECT_EQ(PhotoFrameRatio(192, 640), 300);
    EXPECT_EQ(PhotoFrameRatio(192, 0), 0);
}

TEST(PhotoPlacement, CropLetterboxesAFittedPicture)
{
    TPhotoPicture picture;
    picture.Assign(HalvesPicture(640, 480), 640, 480);
    const TViewRect square{144, 104, 336, 296};
    TPhotoCrop crop;
    CropPhoto(picture, FitPhotoFrame(TPhotoFit::Width, 640, 480, square), square, crop);
    ASSERT_EQ(crop.Source.width(), 256);
    ASSERT_EQ(crop.Source.height(), 256);
    EXPECT_EQ(crop.Rect, (TRect{0, 32, 256, 224}));
    for (int x : {0, 127, 128, 255}) {
        EXPECT_EQ(At(crop.Source, x, 31), kWhite) << x;
        EXPECT_EQ(At(crop.Source, x, 32), x < 128 ? kRed : kBlue) << x;
        EXPECT_EQ(At(crop.Source, x, 223), x < 128 ? kRed : kBlue) << x;
        EXPECT_EQ(At(crop.Source, x, 224), kWhite) << x;
    }

    // Only the part inside the square is taken: the right half of the frame lies beyond it.
    CropPhoto(picture, TViewRect{240, 104, 432, 296}, square, crop);
    EXPECT_EQ(crop.Rect, (TRect{128, 0, 256, 256}));
    EXPECT_EQ(At(crop.Source, 127, 100), kWhite);
    EXPECT_EQ(At(crop.Source, 128, 100), kRed);
    EXPECT_EQ(At(crop.Source, 255, 100), kRed);
}

// Enlarged or shrunk, a frame's fully transparent corners stay fully transparent and its full
// coverage paints exactly the frame colour.
TEST(PhotoFrameList, FramesKeepTheirExtremesAtEverySize)
{
    Raster frame(16, 16);
    FillBitmap(frame, kRed);
    FillBitmapRect(frame, 0, TRect{4, 4, 12, 12});
    for (const TRect& corner : {TRect{0, 0, 4, 4}, TRect{12, 0, 16, 4}, TRect{0, 12, 4, 16}, TRect{12, 12, 16, 16}})
        FillBitmapRect(frame, kBlue, corner);
    for (int side : {8, 24, 48, 256}) {
        TIconImage image = test::SolidImage(side, side, Depth32, MakeColor(0, 128, 0));
        ApplyPhotoFrame(frame, image, MakeColor(194, 0, 0));
        for (const auto& [x, y] : {std::pair{0, 0}, std::pair{side - 1, 0}, std::pair{0, side - 1}, std::pair{side - 1, side - 1}})
            EXPECT_EQ(test::TransparencyAt(image, x, y), 255) << side << " at " << x << "," << y;
        EXPECT_EQ(test::ColourAt(image, side / 2, 0), MakeColor(194, 0, 0)) << side;
        EXPECT_EQ(test::ColourAt(image, side / 2, side / 2), MakeColor(0, 128, 0)) << side;
        EXPECT_EQ(test::TransparencyAt(image, side / 2, side / 2), 0) << side;
    }
}

} // namespace
} // namespace ormel
