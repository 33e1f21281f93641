#include "effects/convolve.h"

#include "raster/colour_space.h"
#include "raster/rounding.h"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace ormel {

namespace {

// The position read for `pos` and offset d (-reach to reach) on a line of n pixels:
// pos + d, mirrored to pos - d when d points toward an edge that lies within reach. An
// image smaller than the kernel could mirror past the far edge: such reads stay on the line.
int MirroredIndex(int pos, int d, int n, int reach)
{
    const bool mirror = (pos <= reach && d < 0) || (pos >= n - 1 - reach && d > 0);
    return std::clamp(mirror ? pos - d : pos + d, 0, n - 1);
}

// MirroredIndex for every position and offset of a line, (2 x reach + 1) entries a position.
std::vector<int> MirrorTable(int n, int reach)
{
    const int span = 2 * reach + 1;
    std::vector<int> table(static_cast<std::size_t>(n) * span);
    for (int pos = 0; pos < n; ++pos)
        for (int d = -reach; d <= reach; ++d)
            table[static_cast<std::size_t>(pos) * span + d + reach] = MirroredIndex(pos, d, n, reach);
    return table;
}

constexpr int kBlock = 16;

struct Tap {
    int dx;
    int dy;
    int weight;
};

} // namespace

void ConvolveBitmap(const Raster& source, Raster& dest, const TFilter& filter, bool red, bool green, bool blue)
{
    if (&source == &dest) {
        const Raster copy = source;
        ConvolveBitmap(copy, dest, filter, red, green, blue);
        return;
    }
    CopyBitmapFormat(source, dest);
    if (source.empty())
        return;

    const int width = source.width();
    const int height = source.height();
    const int reach = std::clamp<int>(filter.SizeCode, 1, 3);
    const int span = 2 * reach + 1;
    std::vector<Tap> taps;
    for (int dy = -reach; dy <= reach; ++dy)
        for (int dx = -reach; dx <= reach; ++dx)
            if (filter.weight(dx, dy) != 0)
                taps.push_back({dx, dy, filter.weight(dx, dy)});
    const std::vector<int> rowOf = MirrorTable(height, reach);
    const std::vector<int> columnOf = MirrorTable(width, reach);
    const float bias = static_cast<float>(filter.Bias);
    const float reciprocal = 1.0f / static_cast<float>(filter.Divisor != 0 ? filter.Divisor : 1);

    // Columns reach + 1 to width - 2 - reach read x + dx for every offset; the columns
    // outside that span mirror.
    const int innerLeft = reach + 1;
    const int innerRight = std::max(innerLeft, width - 1 - reach);
    const bool enabled[3] = {blue, green, red};
    std::vector<int> plane(static_cast<std::size_t>(width) * height);
    std::vector<int> sums(static_cast<std::size_t>(width));
    for (int c = 0; c < 3; ++c) {
        if (!enabled[c]) {
            for (int y = 0; y < height; ++y) {
                const std::uint8_t* in = source.row(y);
                std::uint8_t* out = dest.row(y);
                for (int x = 0; x < width; ++x)
                    out[3 * x + c] = in[3 * x + c];
            }
            continue;
        }
        for (int y = 0; y < height; ++y) {
            const std::uint8_t* in = source.row(y);
            int* line = plane.data() + static_cast<std::size_t>(y) * width;
            for (int x = 0; x < width; ++x)
                line[x] = in[3 * x + c];
        }
        for (int y = 0; y < height; ++y) {
            const int* rowIndex = rowOf.data() + static_cast<std::size_t>(y) * span + reach;
            const int* lines[7];
            for (int d = -reach; d <= reach; ++d)
                lines[d + reach] = plane.data() + static_cast<std::size_t>(rowIndex[d]) * width;
            // Whole blocks of inner columns, summed into a fixed-size local array that the
            // compiler turns into vector operations.
            int start = innerLeft;
            for (; start + kBlock <= innerRight; start += kBlock) {
                int block[kBlock] = {};
                for (const Tap& tap : taps) {
                    const int* in = lines[tap.dy + reach] + start + tap.dx;
                    for (int k = 0; k < kBlock; ++k)
                        block[k] += tap.weight * in[k];
                }
                std::copy_n(block, kBlock, sums.data() + start);
            }
            // The columns near the edges, and the inner ones left over, through the table.
            const auto oneByOne = [&](int from, int to) {
                for (int px = from; px < to; ++px) {
                    const int* column = columnOf.data() + static_cast<std::size_t>(px) * span + reach;
                    int sum = 0;
                    for (const Tap& tap : taps)
                        sum += tap.weight * lines[tap.dy + reach][column[tap.dx]];
                    sums[static_cast<std::size_t>(px)] = sum;
                }
            };
            oneByOne(0, std::min(innerLeft, width));
            oneByOne(start, width);
            std::uint8_t* out = dest.row(y);
            for (int x = 0; x < width; ++x) {
                const float value = bias + static_cast<float>(sums[static_cast<std::size_t>(x)]) * reciprocal;
                out[3 * x + c] = static_cast<std::uint8_t>(ClampTrunc(value, 0, 255));
            }
        }
    }
}

} // namespace ormel
