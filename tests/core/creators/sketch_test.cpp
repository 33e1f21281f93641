#include "creators/sketch.h"

#include <gtest/gtest.h>

#include <vector>

namespace ormel {
namespace {

std::vector<int> Lines(const TSketch& sketch) { return {sketch.lines().begin(), sketch.lines().end()}; }

TEST(SketchTest, FlatPicturesAndTheLineModes)
{
    Raster white(6, 5);
    TSketch sketch;
    sketch.SetSource(white, 0, 0, 6, 5);
    // No pixel differs from its neighbours and the detail pushes every value below 0.
    sketch.DrawSketch(2, 115, 3, 5, false, 0, 0, 255, 68);
    EXPECT_EQ(Lines(sketch), std::vector<int>(30, 255));
    sketch.DrawSketch(1, 115, 3, 5, false, 0, 0, 255, 68);
    EXPECT_EQ(Lines(sketch), std::vector<int>(30, 255));
    sketch.DrawSketch(0, 115, 3, 5, false, 0, 0, 255, 68);
    EXPECT_EQ(Lines(sketch), std::vector<int>(30, 0));

    // Dark areas: every channel below the threshold raises the value to 255 - strength.
    Raster black(3, 3);
    black.fill(0, 0, 0);
    sketch.SetSource(black, 0, 0, 3, 3);
    sketch.DrawSketch(0, 115, 3, 0, true, 55, 10, 255, 68);
    EXPECT_EQ(Lines(sketch), std::vector<int>(9, 200));
    sketch.DrawSketch(0, 115, 3, 0, true, 55, 0, 255, 68);
    EXPECT_EQ(Lines(sketch), std::vector<int>(9, 0));
}

TEST(SketchTest, OneDarkPixelGathersEdgesAndRidges)
{
    Raster picture(5, 5);
    picture.pixel(2, 2)[0] = picture.pixel(2, 2)[1] = picture.pixel(2, 2)[2] = 0;
    TSketch sketch;
    sketch.SetSource(picture, 0, 0, 5, 5);
    // Four edges of 255 in three channels (3060) and four ridges of rise 510 whose share,
    // 510 x 0.15 = 76.5, rounds to the even 76 (912): 3972. Darkness 32 maps the sum as is.
    sketch.DrawSketch(0, 3844, 3, 0, false, 0, 0, 255, 32);
    std::vector<int> expected(25, 0);
    expected[12] = 128;
    EXPECT_EQ(Lines(sketch), expected);
    sketch.DrawSketch(0, 3844, 0, 0, false, 0, 0, 255, 32); // no ridges without strength
    EXPECT_EQ(Lines(sketch), std::vector<int>(25, 0));

    // Mode 2 inverts, and values above the cap become white.
    sketch.DrawSketch(2, 3844, 3, 0, false, 0, 0, 200, 32);
    expected.assign(25, 255);
    expected[12] = 127;
    EXPECT_EQ(Lines(sketch), expected);
    sketch.DrawSketch(2, 3844, 3, 0, false, 0, 0, 100, 32);
    EXPECT_EQ(Lines(sketch), std::vector<int>(25, 255));

    // The area is clipped to the picture.
    sketch.SetSource(picture, 3, -1, 10, 10);
    EXPECT_EQ(sketch.width(), 2);
    EXPECT_EQ(sketch.height(), 5);
}

} // namespace
} // namespace ormel
