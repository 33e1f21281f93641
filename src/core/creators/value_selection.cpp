#include "creators/value_selection.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace ormel {

namespace {

std::size_t HeldCount(std::size_t size, int count) { return count <= 0 ? 0 : std::min(size, std::size_t(count)); }

} // namespace

void SwapInts(int& a, int& b)
{
    const int t = a;
    a = b;
    b = t;
}

int MedianSelect(std::span<int> values, int count)
{
    const std::size_t n = HeldCount(values.size(), count);
    if (n == 0)
        return 0;
    // Hoare's selection: partition round the middle element until the median's place is fixed.
    const std::ptrdiff_t k = static_cast<std::ptrdiff_t>(n / 2);
    std::ptrdiff_t left = 0;
    std::ptrdiff_t right = static_cast<std::ptrdiff_t>(n) - 1;
    while (left < right) {
        const int pivot = values[static_cast<std::size_t>(k)];
        std::ptrdiff_t i = left;
        std::ptrdiff_t j = right;
        do {
            while (values[static_cast<std::size_t>(i)] < pivot)
                ++i;
            while (pivot < values[static_cast<std::size_t>(j)])
                --j;
            if (i <= j) {
                SwapInts(values[static_cast<std::size_t>(i)], values[static_cast<std::size_t>(j)]);
                ++i;
                --j;
            }
        } while (i <= j);
        if (j < k)
            left = i;
        if (k < i)
            right = j;
    }
    return values[static_cast<std::size_t>(k)];
}

int MaxOfArray(std::span<const int> values, int high)
{
    const std::size_t n = high < 0 ? 0 : std::min(values.size(), std::size_t(high) + 1);
    if (n == 0)
        return 0;
    return *std::max_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(n));
}

void SortBytes(std::span<std::uint8_t> bytes, int count)
{
    const std::size_t n = HeldCount(bytes.size(), count);
    std::array<int, 256> tally{};
    for (std::size_t i = 0; i < n; ++i)
        ++tally[bytes[i]];
    std::size_t at = 0;
    for (std::size_t v = 0; v < tally.size(); ++v)
        for (int c = 0; c < tally[v]; ++c)
            bytes[at++] = static_cast<std::uint8_t>(v);
}

} // namespace ormel
