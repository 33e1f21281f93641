#include "raster/gradient_nodes.h"

#include "raster/paint.h"
#include "raster/rounding.h"

#include <algorithm>
#include <utility>

namespace ormel {

namespace {

// Hoare partitioning around the middle element's position; recurses into the smaller part
// and loops on the larger, so the depth stays logarithmic.
void QuickSort(TNodeArray& nodes, int low, int high)
{
    while (low < high) {
        const std::int32_t pivot = nodes[static_cast<std::size_t>(low + (high - low) / 2)].Position;
        int i = low;
        int j = high;
        while (i <= j) {
            while (nodes[static_cast<std::size_t>(i)].Position < pivot)
                ++i;
            while (nodes[static_cast<std::size_t>(j)].Position > pivot)
                --j;
            if (i <= j) {
                std::swap(nodes[static_cast<std::size_t>(i)], nodes[static_cast<std::size_t>(j)]);
                ++i;
                --j;
            }
        }
        if (j - low < high - i) {
            QuickSort(nodes, low, j);
            low = i;
        } else {
            QuickSort(nodes, i, high);
            high = j;
        }
    }
}

// Fills columns [left, right) over the rows of `rows`, clipped to the bitmap; a reversed range
// fills nothing.
void FillColumns(Raster& bitmap, const TRect& rows, long long left, long long right, TColor colour)
{
    const int from = static_cast<int>(std::clamp<long long>(left, 0, bitmap.width()));
    const int to = static_cast<int>(std::clamp<long long>(right, from, bitmap.width()));
    for (int y = rows.Top; y < rows.Bottom && from < to; ++y) {
        std::uint8_t* p = bitmap.pixel(from, y);
        for (int x = from; x < to; ++x, p += 3)
            StorePixel(p, colour);
    }
}

long long Channel(TColor colour, int shift) { return (colour >> shift) & 255; }

} // namespace

void SortNodes(TNodeArray& nodes)
{
    if (nodes.size() > 1)
        QuickSort(nodes, 0, static_cast<int>(nodes.size()) - 1);
}

void DrawGradientBar(TNodeArray& nodes, TRect rect, Raster& bitmap)
{
    if (nodes.empty())
        return;
    SortNodes(nodes);
    ClipRectToBitmap(rect, bitmap);
    const double scale = rect.Width() / 512.0;
    const auto columnOf = [&](const TNode& node) { return rect.Left + static_cast<long long>(Round(node.Position * scale)); };

    FillColumns(bitmap, rect, rect.Left, columnOf(nodes.front()), nodes.front().Color);
    for (std::size_t i = 1; i < nodes.size(); ++i) {
        const TNode& previous = nodes[i - 1];
        const TNode& node = nodes[i];
        if (node.Enabled == 0)
            continue;
        // Columns first + t for t = 0..n; only those inside the bitmap are visited.
        const long long first = columnOf(previous);
        const long long n = columnOf(node) - first;
        if (n <= 0)
            continue;
        const long long lastInside = std::min<long long>(n, bitmap.width() - 1 - first);
        for (long long t = std::max(0LL, -first); t <= lastInside; ++t) {
            const auto mix = [&](int shift) {
                return static_cast<std::uint8_t>(((n - t) * Channel(previous.Color, shift) + t * Channel(node.Color, shift)) / n);
            };
            FillColumns(bitmap, rect, first + t, first + t + 1, MakeColor(mix(0), mix(8), mix(16)));
        }
    }
    FillColumns(bitmap, rect, columnOf(nodes.back()), rect.Right, nodes.back().Color);
}

} // namespace ormel
