#pragma once

#include <array>

namespace ormel {

// Byte values 0-255 as doubles: in the floating-point pixel loops a table lookup costs less
// than converting each byte.
inline constexpr std::array<double, 256> kByteValues = [] {
    std::array<double, 256> values{};
    for (int i = 0; i < 256; ++i)
        values[static_cast<std::size_t>(i)] = i;
    return values;
}();

} // namespace ormel
