#include "tools/paste_placement.h"

#include "raster/paint.h"

#include <gtest/gtest.h>

namespace ormel {
namespace {

// A target of one opaque colour (an 8-bit one holds palette index 0: black).
TIconImage Target(int depth, int size = 16)
{
    TIconImage image;
    NewIconImage(image, size, size, 7, depth);
    image.Bitmap.fill(0, 200, 0);
    if (IsIndexedDepth(depth))
        image.Bitmap.fill(0, 0, 0);
    image.Mask.fill(0, 0, 0);
    return image;
}

// A picture of one colour and one transparency.
TPastePicture Picture(int width, int height, TColor colour, std::uint8_t transparency)
{
    TPastePicture picture{Raster(width, height), Raster(width, height)};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            StorePixel(picture.Colour.pixel(x, y), colour);
    picture.Mask.fill(transparency, transparency, transparency);
    return picture;
}

TColor At(const TIconImage& image, int x, int y) { return PackPixel(image.Bitmap.pixel(x, y)); }

struct Placement {
    const char* name;
    TPasteView view;
    TRect placed; // the image pixels the picture covers; empty: none
};

TEST(PastePlacement, TheFrameMapsOntoTheImageAsShown)
{
    const TColor red = MakeColor(255, 0, 0);
    const Placement cases[] = {
        {"actual size at the corner", {0, 0, 1, TRect{0, 0, 4, 4}}, TRect{0, 0, 4, 4}},
        {"zoom 4, two pixels in", {10, 20, 4, TRect{18, 28, 34, 44}}, TRect{2, 2, 6, 6}},
        {"half off the left edge", {0, 0, 2, TRect{-4, 0, 4, 8}}, TRect{0, 0, 2, 4}},
        {"wholly outside", {0, 0, 1, TRect{40, 40, 44, 44}}, TRect{}},
        {"frame without area", {0, 0, 1, TRect{3, 3, 3, 9}}, TRect{}},
    };
    for (const Placement& c : cases) {
        SCOPED_TRACE(c.name);
        const TIconImage target = Target(Depth32);
        const TIconImage composed = ComposePaste(target, Picture(4, 4, red, 0), c.view);
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                const bool inside = x >= c.placed.Left && x < c.placed.Right && y >= c.placed.Top && y < c.placed.Bottom;
                ASSERT_EQ(At(composed, x, y), inside ? red : At(target, x, y)) << x << "," << y;
                ASSERT_EQ(composed.Mask.pixel(x, y)[0], 0);
            }
    }
}

TEST(PastePlacement, TransparencyComesWithThePictureAndTheTargetLiesBeneath)
{
    // Over a transparent target a half-transparent picture keeps its transparency; over an
    // opaque one it mixes with the target and the result is opaque.
    TIconImage clear = Target(Depth32);
    clear.Mask.fill(255, 255, 255);
    const TPasteView view{0, 0, 1, TRect{0, 0, 4, 4}};
    const TIconImage onClear = ComposePaste(clear, Picture(4, 4, MakeColor(255, 0, 0), 128), view);
    EXPECT_EQ(onClear.Mask.pixel(1, 1)[0], 128);
    EXPECT_EQ(At(onClear, 1, 1), MakeColor(255, 0, 0));
    const TIconImage onOpaque = ComposePaste(Target(Depth32), Picture(4, 4, MakeColor(255, 0, 0), 128), view);
    EXPECT_EQ(onOpaque.Mask.pixel(1, 1)[0], 0);
    const std::uint8_t* mixed = onOpaque.Bitmap.pixel(1, 1);
    EXPECT_GT(mixed[2], 100);
    EXPECT_GT(mixed[1], 80);
    // A picture whose rasters disagree in size places nothing.
    TPastePicture broken = Picture(4, 4, MakeColor(255, 0, 0), 0);
    broken.Mask = Raster(2, 2);
    EXPECT_EQ(ComposePaste(Target(Depth32), broken, view).Bitmap, Target(Depth32).Bitmap);
}

} // namespace
} // namespace ormel
