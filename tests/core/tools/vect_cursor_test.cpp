#include "tools/vect_cursor.h"

#include <gtest/gtest.h>

#include <vector>

namespace ormel {
namespace {

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
