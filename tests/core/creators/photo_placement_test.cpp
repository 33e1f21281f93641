#include "creators/photo_frame.h"
#include "creators/photo_placement.h"
#include "pictures/picture_reader.h"
#include "raster/paint.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <fstream>

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

TEST(PhotoPlacement, ZoomAndIconSquare)
{
    EXPECT_EQ(PhotoStartZoom(480, 400), 4);  // 400 div 48 = 8, halved
    EXPECT_EQ(PhotoStartZoom(90, 600), 1);   // 90 div 48 = 1, halved to 0: held at 1
    EXPECT_EQ(IconSquare(480, 400, 4), (TViewRect{144, 104, 336, 296}));
    EXPECT_EQ(IconSquare(481, 401, 4).Left, 144); // 144.5 rounds to even

    double zoom = 7;
    zoom = PhotoZoomIn(PhotoZoomIn(PhotoZoomIn(zoom)));
    EXPECT_EQ(zoom, 9);
    const double outSteps[] = {2, 1, 0.9, 0.8, 0.7, 0.6, 0.5, 0.4, 0.3, 0.3};
    zoom = 3;
    for (double expected : outSteps) {
        zoom = PhotoZoomOut(zoom);
        EXPECT_DOUBLE_EQ(zoom, expected);
    }
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

TEST(PhotoPlacement, CropOfNothingIsBlank)
{
    TPhotoPicture picture;
    picture.Assign(HalvesPicture(64, 48), 64, 48);
    const TViewRect square{100, 100, 148, 148};
    struct Case {
        const char* what;
        TViewRect frame;
        TViewRect square;
    } cases[] = {
        {"frame beside the square", {0, 0, 100, 100}, square},
        {"frame without width", {120, 100, 120, 148}, square},
        {"square without area", {100, 100, 148, 148}, {124, 124, 124, 124}},
    };
    for (const Case& c : cases) {
        TPhotoCrop crop;
        crop.Source.resize(256, 256);
        FillBitmap(crop.Source, kBlue);
        CropPhoto(picture, c.frame, c.square, crop);
        EXPECT_TRUE(crop.Rect.IsEmpty()) << c.what;
        EXPECT_EQ(At(crop.Source, 128, 128), kWhite) << c.what;
    }
    TPhotoCrop crop;
    CropPhoto(TPhotoPicture{}, square, square, crop);
    EXPECT_TRUE(crop.Rect.IsEmpty());
}

TEST(PhotoPlacement, LargePicturesAreReadFromHalvedCopies)
{
    TPhotoPicture picture;
    picture.Assign(HalvesPicture(2048, 1024), 6144, 3072); // decoded at a third of its own size
    EXPECT_EQ(picture.Width(), 6144);
    EXPECT_EQ(picture.Height(), 3072);
    ASSERT_EQ(picture.LevelCount(), 3); // 2048, 1024 and 512 wide
    EXPECT_EQ(picture.Level(300).width(), 512);
    EXPECT_EQ(picture.Level(513).width(), 1024);
    EXPECT_EQ(picture.Level(9000).width(), 2048);
    EXPECT_EQ(At(picture.Level(0), 255, 100), kRed);
    EXPECT_EQ(At(picture.Level(0), 256, 100), kBlue);

    // Placement uses the own size; the crop still splits the halves exactly.
    const TViewRect square{0, 0, 192, 192};
    TPhotoCrop crop;
    CropPhoto(picture, FitPhotoFrame(TPhotoFit::Height, 6144, 3072, square), square, crop);
    EXPECT_EQ(crop.Rect, (TRect{0, 0, 256, 256}));
    // The frame is twice as wide as the square: its middle half shows, split in the middle.
    EXPECT_EQ(At(crop.Source, 127, 0), kRed);
    EXPECT_EQ(At(crop.Source, 128, 0), kBlue);
}

TEST(PhotoPlacement, TransparentPicturesLieOnWhite)
{
    TPicture picture = HalvesPicture(4, 4);
    picture.Alpha.assign(16, 255);
    picture.Alpha[0] = 0;
    TPhotoPicture photo;
    photo.Assign(picture, 0, 0);
    EXPECT_EQ(photo.Width(), 4);
    EXPECT_EQ(At(photo.Level(0), 0, 0), kWhite);
    EXPECT_EQ(At(photo.Level(0), 1, 0), kRed);
}

TEST(PhotoFrameList, SortedBitmapsOfTheFramesFolder)
{
    const test::TempDir dir;
    EXPECT_TRUE(ListPhotoFrames(dir.file("")).empty());
    std::filesystem::create_directories(dir.file("frames/folder.bmp"));
    for (const char* name : {"b.BMP", "A.bmp", "notes.txt", "c.Bmp"})
        std::ofstream(dir.file(std::string("frames/") + name)) << "x";
    std::vector<std::string> names;
    for (const auto& path : ListPhotoFrames(dir.file("")))
        names.push_back(path.filename().string());
    EXPECT_EQ(names, (std::vector<std::string>{"A.bmp", "b.BMP", "c.Bmp"}));

    for (int i = 0; i < 30; ++i)
        std::ofstream(dir.file("frames/f" + std::to_string(100 + i) + ".bmp")) << "x";
    EXPECT_EQ(ListPhotoFrames(dir.file("")).size(), 21u);
}

TEST(PhotoFrameList, ShippedFramesAndTheirSamples)
{
    std::vector<std::string> names;
    for (const auto& path : ListPhotoFrames(ORMEL_DATA_DIR))
        names.push_back(path.filename().string());
    EXPECT_EQ(names, (std::vector<std::string>{"border.bmp", "double_line.bmp", "oval_vignette.bmp",
                                               "rounded_corners.bmp"}));

    const TPictureResult rounded = ReadPicture(std::string(ORMEL_DATA_DIR) + "/frames/rounded_corners.bmp");
    ASSERT_TRUE(rounded.Loaded());
    EXPECT_EQ(At(rounded.Picture.Colour, 0, 0), kBlue);            // the corner turns transparent
    EXPECT_EQ(At(rounded.Picture.Colour, 64, 64), MakeColor(0, 0, 0)); // the middle stays as it is

    // A sample: a corner transparent, the edge's middle in the frame colour, the centre white.
    Raster frame(128, 128);
    FillBitmap(frame, 0);
    FillBitmapRect(frame, kBlue, TRect{0, 0, 8, 8});
    FillBitmapRect(frame, kRed, TRect{60, 0, 68, 4});
    const TIconImage sample = PhotoFrameSample(frame, MakeColor(194, 0, 0));
    ASSERT_EQ(sample.Width, 48);
    EXPECT_EQ(test::TransparencyAt(sample, 0, 0), 255);
    EXPECT_EQ(test::ColourAt(sample, 24, 0), MakeColor(194, 0, 0));
    EXPECT_EQ(test::TransparencyAt(sample, 24, 0), 0);
    EXPECT_EQ(test::ColourAt(sample, 24, 24), kWhite);
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
