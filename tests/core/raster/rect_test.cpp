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
    EXPECT_EQ(Trunc(1.99), 1);
    EXPECT_EQ(Trunc(-1.99), -1);
    // Out of range saturates instead of being undefined.
    EXPECT_EQ(Trunc(1e20), INT_MAX);
    EXPECT_EQ(Trunc(-1e20), INT_MIN);
    EXPECT_EQ(Trunc(std::nan("")), 0);
    EXPECT_EQ(Round(-1e20), INT_MIN);
}

TEST(Rounding, ClampTruncTruncatesBeforeClamping)
{
    EXPECT_EQ(ClampTrunc(127.5, 0, 255), 127);
    EXPECT_EQ(ClampTrunc(-0.9, 0, 255), 0);
    EXPECT_EQ(ClampTrunc(-3.7, -10, 10), -3);
    EXPECT_EQ(ClampTrunc(1e300, 0, 255), 255);
    EXPECT_EQ(ClampTrunc(std::nan(""), 0, 255), 0);
    EXPECT_EQ(ClampInt(-4, 0, 255), 0);
    EXPECT_EQ(ClampInt(300, 0, 255), 255);
}

TEST(Rects, NormaliseClipAndIntersect)
{
    TRect r{10, 8, -5, 2};
    NormalizeRect(r);
    EXPECT_EQ(r, (TRect{-5, 2, 10, 8}));

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

    TRect out{1, 1, 1, 1};
    EXPECT_TRUE(IntersectRects({0, 0, 10, 10}, {5, -3, 20, 4}, out));
    EXPECT_EQ(out, (TRect{5, 0, 10, 4}));
    // Touching edges do not overlap: right and bottom are exclusive.
    EXPECT_FALSE(IntersectRects({0, 0, 10, 10}, {10, 0, 20, 10}, out));
    EXPECT_EQ(out, TRect{});
}

TEST(Rects, OffsetSubtractsAndScaleRoundsHalvesToEven)
{
    EXPECT_EQ(OffsetRectBy({10, 20, 30, 40}, 3, -4), (TRect{7, 24, 27, 44}));
    EXPECT_EQ(ScaleRect({1, 3, 5, 7}, 0.5, 0.5), (TRect{0, 2, 2, 4}));
    EXPECT_EQ(ScaleRect({2, 2, 10, 10}, 1.25, 3), (TRect{2, 6, 12, 30}));

    // Right and bottom are exclusive.
    const TRect r{2, 3, 5, 7};
    EXPECT_TRUE(PointInRect(2, 3, r) && PointInRect(4, 6, r));
    EXPECT_FALSE(PointInRect(5, 3, r) || PointInRect(2, 7, r) || PointInRect(1, 4, r));
}

} // namespace
} // namespace ormel
