#include "creators/sketch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace ormel {
namespace {

std::vector<int> Lines(const TSketch& sketch) { return {sketch.lines().begin(), sketch.lines().end()}; }

// Remain dark raises the dark areas to 255 - strength. With smoothing the test reads the
// smoothed pixels: next to a light area the dark pixels are lightened beyond the threshold
// and keep their line values, while deep inside the dark area they are raised.
TEST(SketchTest, RemainDarkWithAndWithoutSmoothing)
{
    Raster picture(24, 4); // black columns 0-11, white 12-23
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 12; ++x)
            picture.pixel(x, y)[0] = picture.pixel(x, y)[1] = picture.pixel(x, y)[2] = 0;
    struct Case {
        int smooth, threshold, darkStrength;
        bool edgeRaised; // the black pixel beside the white area
    };
    for (const Case& c : {Case{0, 10, 55, true}, {40, 10, 55, false}, {60, 10, 0, false}, {40, 0, 55, false},
                          {0, 254, 100, true}})
        for (int y : {0, 3}) {
            SCOPED_TRACE(testing::Message() << "smooth " << c.smooth << ", threshold " << c.threshold << ", row " << y);
            TSketch sketch;
            sketch.SetSource(picture, 0, 0, 24, 4);
            sketch.DrawSketch(0, 115, 3, c.smooth, false, c.darkStrength, c.threshold, 255, 68);
            const std::vector<int> plain = Lines(sketch);
            sketch.DrawSketch(0, 115, 3, c.smooth, true, c.darkStrength, c.threshold, 255, 68);
            const std::vector<int> dark = Lines(sketch);
            const auto at = [y](const std::vector<int>& lines, int x) { return lines[std::size_t(y * 24 + x)]; };
            const int raised = c.threshold > 0 ? 255 - c.darkStrength : 0;
            EXPECT_EQ(at(dark, 0), std::max(at(plain, 0), raised)); // deep in the dark area
            EXPECT_EQ(at(dark, 23), at(plain, 23));                  // the white area is never dark
            EXPECT_EQ(at(dark, 11), c.edgeRaised ? std::max(at(plain, 11), raised) : at(plain, 11));
        }
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
