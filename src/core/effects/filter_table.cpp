#include "effects/filter_table.h"

#include <cstddef>
#include <string_view>

namespace ormel {

namespace {

// A filter from its centred square of weights: n x n values row by row, n = 3, 5 or 7.
template <std::size_t Count>
constexpr TFilter Make(const char* name, int divisor, int bias, const std::array<int, Count>& weights)
{
    constexpr int n = Count == 9 ? 3 : Count == 25 ? 5 : 7;
    static_assert(n * n == static_cast<int>(Count), "a filter is 3 x 3, 5 x 5 or 7 x 7");
    TFilter filter;
    filter.SizeCode = static_cast<std::uint8_t>(n / 2);
    filter.Divisor = divisor;
    filter.Bias = bias;
    filter.Name = name;
    const int offset = (7 - n) / 2;
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x)
            filter.Kernel[static_cast<std::size_t>((y + offset) * 7 + x + offset)] =
                weights[static_cast<std::size_t>(y * n + x)];
    return filter;
}

using K3 = std::array<int, 9>;
using K5 = std::array<int, 25>;
using K7 = std::array<int, 49>;

constexpr std::array<TFilter, 25> kFilters = {
    Make("Null", 1, 0, K3{0, 0, 0, 0, 1, 0, 0, 0, 0}),
    Make("Color Emboss", 1, 0, K3{-1, -1, -1, 0, 1, 0, 1, 1, 1}),
    Make("Light Emboss", 1, 192, K3{0, -1, 0, 0, 0, 0, 0, 1, 0}),
    Make("Median Emboss", 1, 192, K3{-1, -2, -1, 0, 0, 0, 1, 2, 1}),
    Make("Dark Emboss", 1, 128, K3{-1, -2, -1, 0, 0, 0, 1, 2, 1}),
    Make("Edge Enhance", 4, 0, K3{-1, -2, -1, -2, 16, -2, -1, -2, -1}),
    Make("Bartlett Blur", 256, 0,
         K7{1, 2, 3, 4, 3, 2, 1,
            2, 4, 6, 8, 6, 4, 2,
            3, 6, 9, 12, 9, 6, 3,
            4, 8, 12, 16, 12, 8, 4,
            3, 6, 9, 12, 9, 6, 3,
            2, 4, 6, 8, 6, 4, 2,
            1, 2, 3, 4, 3, 2, 1}),
    Make("Gaussian Blur", 999, 0,
         K7{1, 4, 8, 10, 8, 4, 1,
            4, 12, 25, 29, 25, 12, 4,
            8, 25, 49, 58, 49, 25, 8,
            10, 29, 58, 67, 58, 29, 10,
            8, 25, 49, 58, 49, 25, 8,
            4, 12, 25, 29, 25, 12, 4,
            1, 4, 8, 10, 8, 4, 1}),
    Make("Negative", 1, 255, K3{0, 0, 0, 0, -1, 0, 0, 0, 0}),
    Make("Average filter", 9, 0, K3{1, 1, 1, 1, 1, 1, 1, 1, 1}),
    Make("Blur", 16, 0, K3{1, 2, 1, 2, 4, 2, 1, 2, 1}),
    Make("Blur Softly", 32, 0, K3{1, 3, 1, 3, 16, 3, 1, 3, 1}),
    Make("Blur More", 64, 0,
         K5{0, 1, 2, 1, 0,
            1, 4, 6, 4, 1,
            2, 6, 8, 6, 2,
            1, 4, 6, 4, 1,
            0, 1, 2, 1, 0}),
    Make("Prewitt Edges", 1, 0, K3{1, 1, 1, 1, -2, 1, -1, -1, -1}),
    Make("Trace Contour", 1, 240, K3{-6, -2, -6, -1, 32, -1, -6, -2, -6}),
    Make("Sharpen", 8, 0, K3{-1, -1, -1, -1, 16, -1, -1, -1, -1}),
    Make("Sharpen More", 4, 0, K3{-1, -1, -1, -1, 12, -1, -1, -1, -1}),
    Make("Sharpen Less", 16, 0, K3{-1, -1, -1, -1, 24, -1, -1, -1, -1}),
    Make("Unsharp Mask", 4, 0, K3{-1, -2, -1, -2, 16, -2, -1, -2, -1}),
    Make("Strong Edges", 1, 0, K3{1, 3, 1, 3, -16, 3, 1, 3, 1}),
    Make("Weak Edges", 1, 0, K3{0, 1, 0, 1, -4, 1, 0, 1, 0}),
    Make("Etch", 1, 240, K3{-6, 2, -6, -1, 32, -1, -6, -2, -6}),
    Make("Laplacian  Horz./Vert", 1, 0, K3{0, -1, 0, -1, 4, -1, 0, -1, 0}),
    Make("Laplacian Omni-directional", 1, 0, K3{-1, -1, -1, -1, 8, -1, -1, -1, -1}),
    Make("Sharpen Directional", 10, 0, K3{-3, -3, -3, 0, 16, 0, 1, 1, 1}),
};

} // namespace

std::span<const TFilter> BuiltInFilters() { return kFilters; }

const TFilter& FilterNamed(std::string_view name)
{
    for (const TFilter& filter : kFilters)
        if (name == filter.Name)
            return filter;
    return kFilters.front();
}

} // namespace ormel
