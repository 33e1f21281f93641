#include "tools/vect_cursor.h"

#include <gtest/gtest.h>

#include <vector>

namespace ormel {
namespace {

TEST(VectCursor, OutlinesHaveTheirOffsetsAndPointCounts)
{
    const TVectCursor cursor;
    const std::vector<TPoint> offsets{{0, 0},   {1, 1},   {0, 0},   {1, 1},   {0, 0},   {-2, -2}, {-3, -3}, {-3, -3},
                                      {-4, -4}, {-4, -4}, {-5, -5}, {-5, -5}, {-6, -6}, {-6, -6}, {-7, -7}};
    const std::vector<std::size_t> points{5, 5, 13, 13, 13, 25, 29, 33, 37, 41, 45, 49, 53, 57, 61};
    for (int size = 1; size <= 15; ++size) {
        const TOutline* outline = cursor.Outline(size);
        ASSERT_NE(outline, nullptr);
        EXPECT_EQ(outline->Offset, offsets[static_cast<std::size_t>(size - 1)]) << size;
        EXPECT_EQ(outline->Corners.size() + 1, points[static_cast<std::size_t>(size - 1)]) << size;
    }
    EXPECT_EQ(cursor.Outline(0), nullptr);
    EXPECT_EQ(cursor.Outline(16), nullptr);
}

TEST(VectCursor, DiscOutlineRunsClockwiseFromTheTopLeft)
{
    const std::vector<TPoint> seven{{2, 0}, {3, 0}, {4, 0}, {5, 0}, {5, 1}, {6, 1}, {6, 2}, {7, 2}, {7, 3}, {7, 4},
                                    {7, 5}, {6, 5}, {6, 6}, {5, 6}, {5, 7}, {4, 7}, {3, 7}, {2, 7}, {2, 6}, {1, 6},
                                    {1, 5}, {0, 5}, {0, 4}, {0, 3}, {0, 2}, {1, 2}, {1, 1}, {2, 1}};
    EXPECT_EQ(TVectCursor().Outline(7)->Corners, seven);
}

TEST(VectCursor, DrawPlacesTheOutlineAroundTheCursorPixel)
{
    const TVectCursor cursor;
    std::vector<TPoint> path;
    // The plus sign of size 3 round pixel (2, 2) at zoom 4, closed from its last corner.
    EXPECT_EQ(cursor.Draw(9, 10, 4, 3, path), (TRect{3, 3, 17, 17}));
    ASSERT_EQ(path.size(), 13u);
    EXPECT_TRUE(path[0] == (TPoint{8, 8}) && path[1] == (TPoint{8, 4}) && path[12] == path[0]);
    // Size 2 covers the cursor pixel and its right and lower neighbours.
    EXPECT_EQ(cursor.Draw(8, 8, 4, 2, path), (TRect{7, 7, 17, 17}));
    for (int size : {0, 16}) {
        EXPECT_EQ(cursor.Draw(9, 10, 4, size, path), TRect{});
        EXPECT_TRUE(path.empty());
    }
}

} // namespace
} // namespace ormel
