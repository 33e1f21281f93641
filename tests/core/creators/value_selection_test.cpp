#include "creators/value_selection.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace ormel {
namespace {

TEST(ValueSelectionTest, MedianMaxAndSortOverTheCountOnly)
{
    std::vector<int> values = {9, 1, 8, 2, 7, 3, 6, 100, -5};
    EXPECT_EQ(MedianSelect(values, 7), 6); // of 1 2 3 6 7 8 9; the last two are not looked at
    EXPECT_EQ(values[7], 100);
    std::vector<int> even = {4, 1, 3, 2};
    EXPECT_EQ(MedianSelect(even, 1000), 3); // position 2 of 1 2 3 4; the count is held
    EXPECT_EQ(MedianSelect(values, 0), 0);

    const std::vector<int> maxima = {3, -1, 7, 2, 50};
    EXPECT_EQ(MaxOfArray(maxima, 3), 7); // high is the last index
    EXPECT_EQ(MaxOfArray(maxima, 99), 50);
    EXPECT_EQ(MaxOfArray(maxima, -1), 0);

    std::vector<std::uint8_t> bytes = {200, 3, 255, 0, 3, 17, 9};
    SortBytes(bytes, 5);
    EXPECT_EQ(bytes, (std::vector<std::uint8_t>{0, 3, 3, 200, 255, 17, 9}));

    // The selection agrees with sorting on many small arrays with repeated values.
    std::uint32_t seed = 7;
    for (int round = 0; round < 200; ++round) {
        std::vector<int> random(static_cast<std::size_t>(1 + round % 49));
        for (int& v : random) {
            seed = seed * 1103515245u + 12345u;
            v = static_cast<int>((seed >> 16) % 20);
        }
        std::vector<int> sorted = random;
        std::sort(sorted.begin(), sorted.end());
        ASSERT_EQ(MedianSelect(random, static_cast<int>(random.size())), sorted[sorted.size() / 2]);
    }
}

} // namespace
} // namespace ormel
