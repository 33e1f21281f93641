#pragma once

#include <cstdint>
#include <span>

namespace ormel {

// Small selection routines of the cartoon colour stage. Counts beyond the array are held to
// its length; a count of 0 or less selects nothing.

void SwapInts(int& a, int& b);

// The median of the first `count` values: the value at position count div 2 once they are in
// ascending order (the upper one of the two middle values for an even count). Reorders those
// values. 0 when count is 0 or less.
int MedianSelect(std::span<int> values, int count);

// The largest of values[0] .. values[high] (high is the last index, not a count); 0 when
// high is negative.
int MaxOfArray(std::span<const int> values, int high);

// Sorts the first `count` bytes into ascending order.
void SortBytes(std::span<std::uint8_t> bytes, int count);

} // namespace ormel
