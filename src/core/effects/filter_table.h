#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace ormel {

// A convolution filter: a 7 x 7 grid of weights row by row, of which a 3 x 3 (size code 1),
// 5 x 5 (2) or 7 x 7 (3) square at the centre is used; the result is bias + sum / divisor.
struct TFilter {
    std::uint8_t Type = 1; // 1: convolution, the only kind there is
    std::uint8_t SizeCode = 1;
    std::array<std::int32_t, 49> Kernel{};
    std::int32_t Divisor = 1;
    std::int32_t Bias = 0;
    const char* Name = "";

    std::int32_t weight(int dx, int dy) const { return Kernel[static_cast<std::size_t>((dy + 3) * 7 + dx + 3)]; }
};

// The 25 built-in filters in the order the Filter dialog lists them, "Null" first.
std::span<const TFilter> BuiltInFilters();

// The built-in filter of that name; "Null" (the first) for an empty or unknown name.
const TFilter& FilterNamed(std::string_view name);

} // namespace ormel
