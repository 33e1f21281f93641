#include "raster/picture_placement.h"

#include <gtest/gtest.h>

namespace ormel {
namespace {

TEST(PlaceInBoxTest, CentresImagesThatFitAndStretchesOthersOverTheBox)
{
    struct Case {
        int box, width, height;
        TRect expected;
    };
    const Case cases[] = {
        {256, 16, 16, {120, 120, 136, 136}},
        {256, 17, 24, {119, 116, 136, 140}},
        {48, 48, 48, {0, 0, 48, 48}},
        {48, 64, 16, {0, 0, 48, 48}},
        {48, 0, 16, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PlaceInBox(c.box, c.box, c.width, c.height), c.expected) << c.box << ": " << c.width << "x" << c.height;
}

} // namespace
} // namespace ormel
