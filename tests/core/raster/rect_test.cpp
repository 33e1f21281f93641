#include "raster/rect.h"
#include "raster/rounding.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

namespace ormel {
namespace {

TEST(Rounding, RoundTakesHalvesToEvenTruncGoesTowardZeroAndBothSaturate)
{
    for (const auto& [value, rounded] : {std::pair{0.5, 0}, {1.5, 2}, {2.5, 2}, {-0.5, 0}, {-1.5, -2}, {2.5000001, 3}})
        EXPECT_EQ(Round(value), rounded) << value;
    EXPECT_EQ(Trunc(-1.99), -1);
    // Out of range saturates instead of being undefined.
    EXPECT_EQ(Trunc(1e20), INT_MAX);
    EXPECT_EQ(Trunc(std::nan("")), 0);
    EXPECT_EQ(Round(-1e20), INT_MIN);
}

TEST(Rounding, ClampTruncTruncatesBeforeClamping)
{
    EXPECT_EQ(ClampTrunc(-3.7, -10, 10), -3);
    EXPECT_EQ(ClampTrunc(1e300, 0, 255), 255);
    EXPECT_EQ(ClampTrunc(std::nan(""), 0, 255), 0);
}

TEST(Rects, ClipNormalisesAndEmptiesWhatLiesOutside)
{
    const Raster bitmap(6, 4);
    TRect reversed{20, 3, -2, -1};
    ClipRectToBitmap(reversed, bitmap);
    EXPECT_EQ(reversed, (TRect{0, 0, 6, 3}));
    // Wholly outside: empty, and it stays empty when clipped to a larger bitmap.
    TRect outside{8, 1, 12, 3};
    ClipRectToBitmap(outside, bitmap);
    EXPECT_TRUE(outside.IsEmpty());
    ClipRectToBitmap(outside, Raster(20, 20));
    EXPECT_TRUE(outside.IsEmpty());
}

TEST(Rects, ScaleRoundsHalvesToEven)
{
    EXPECT_EQ(ScaleRect({1, 3, 5, 7}, 0.5, 0.5), (TRect{0, 2, 2, 4}));
}

} // namespace
} // namespace ormel
