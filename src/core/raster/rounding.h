#pragma once

#include <algorithm>
#include <climits>
#include <cmath>

namespace ormel {

// The two conversions from floating point to integer. They are never interchangeable: each
// routine says which one it uses. They sit in pixel loops, so they are inline.

// Toward zero. Values beyond the range of int saturate and NaN gives 0, so that no conversion
// is undefined.
inline int Trunc(double value)
{
    if (!(value > double(INT_MIN) - 1.0))
        return std::isnan(value) ? 0 : INT_MIN;
    if (!(value < double(INT_MAX) + 1.0))
        return INT_MAX;
    return static_cast<int>(value);
}

// To the nearest integer, halves to the even neighbour (nearbyint in the default rounding
// mode).
inline int Round(double value) { return Trunc(std::nearbyint(value)); }

// Written with std::min and std::max so that the compiler clamps without branches: these
// decide every channel of the resamplers, where values land on either side of 255 by a hair.
inline int ClampInt(int value, int low, int high) { return std::min(std::max(value, low), high); }

// Truncates, then clamps to [low, high].
inline int ClampTrunc(double value, int low, int high) { return ClampInt(Trunc(value), low, high); }

} // namespace ormel
