#include "tools/vect_cursor.h"

#include <algorithm>
#include <cstddef>

namespace ormel {

namespace {

// Sizes 1 to 5: the offset and the corners of each shape.
const std::array<TOutline, 5>& SmallOutlines()
{
    static const std::array<TOutline, 5> outlines{{
        {{0, 0}, {{0, 0}, {1, 0}, {1, 1}, {0, 1}}},
        {{1, 1}, {{-1, -1}, {1, -1}, {1, 1}, {-1, 1}}},
        {{0, 0}, {{0, -1}, {1, -1}, {1, 0}, {2, 0}, {2, 1}, {1, 1}, {1, 2}, {0, 2}, {0, 1}, {-1, 1}, {-1, 0}, {0, 0}}},
        {{1, 1},
         {{-1, -2}, {1, -2}, {1, -1}, {2, -1}, {2, 1}, {1, 1}, {1, 2}, {-1, 2}, {-1, 1}, {-2, 1}, {-2, -1}, {-1, -1}}},
        {{0, 0},
         {{-1, -2}, {2, -2}, {2, -1}, {3, -1}, {3, 2}, {2, 2}, {2, 3}, {-1, 3}, {-1, 2}, {-2, 2}, {-2, -1}, {-1, -1}}},
    }};
    return outlines;
}

// Pixel (i, j) of the n x n box is in the disc when its centre lies within n / 2 of the box's
// centre; doubled, so that the test is exact in integers.
bool InDisc(int n, int i, int j)
{
    if (i < 0 || j < 0 || i >= n || j >= n)
        return false;
    const int dx = 2 * i + 1 - n;
    const int dy = 2 * j + 1 - n;
    return dx * dx + dy * dy <= n * n;
}

// The lattice points round the disc of size n, clockwise from the left end of the top edge,
// keeping the inside on the right and turning right whenever the boundary allows.
std::vector<TPoint> TraceDisc(int n)
{
    // East, south, west, north: each step turns clockwise.
    static constexpr std::array<TPoint, 4> kSteps{{{1, 0}, {0, 1}, {-1, 0}, {0, -1}}};
    // The pixels right and left of an edge leaving a lattice point in each direction.
    static constexpr std::array<TPoint, 4> kRight{{{0, 0}, {-1, 0}, {-1, -1}, {0, -1}}};
    static constexpr std::array<TPoint, 4> kLeft{{{0, -1}, {0, 0}, {-1, 0}, {-1, -1}}};

    int left = 0;
    while (!InDisc(n, left, 0))
        ++left;
    const TPoint start{left, 0};
    std::vector<TPoint> corners;
    TPoint at = start;
    std::size_t heading = 0;
    do {
        corners.push_back(at);
        for (std::size_t turn : {std::size_t{1}, std::size_t{0}, std::size_t{3}, std::size_t{2}}) {
            const std::size_t d = (heading + turn) % 4;
            if (InDisc(n, at.X + kRight[d].X, at.Y + kRight[d].Y) && !InDisc(n, at.X + kLeft[d].X, at.Y + kLeft[d].Y)) {
                heading = d;
                break;
            }
        }
        at = TPoint{at.X + kSteps[heading].X, at.Y + kSteps[heading].Y};
    } while (at != start);
    return corners;
}

} // namespace

TVectCursor::TVectCursor()
{
    const auto& small = SmallOutlines();
    std::copy(small.begin(), small.end(), outlines_.begin());
    for (int n = 6; n <= kMaxSize; ++n) {
        const int offset = -((n - 1) / 2);
        outlines_[static_cast<std::size_t>(n - 1)] = TOutline{{offset, offset}, TraceDisc(n)};
    }
}

const TOutline* TVectCursor::Outline(int size) const
{
    if (size < 1 || size > kMaxSize)
        return nullptr;
    return &outlines_[static_cast<std::size_t>(size - 1)];
}

TRect TVectCursor::Draw(int canvasX, int canvasY, int zoom, int size, std::vector<TPoint>& path) const
{
    path.clear();
    const TOutline* outline = Outline(size);
    if (!outline || zoom < 1)
        return TRect{};
    const TPoint cursor{canvasX / zoom, canvasY / zoom};
    const auto place = [&](TPoint corner) {
        return TPoint{(corner.X + outline->Offset.X + cursor.X) * zoom, (corner.Y + outline->Offset.Y + cursor.Y) * zoom};
    };
    path.push_back(place(outline->Corners.back()));
    for (TPoint corner : outline->Corners)
        path.push_back(place(corner));

    TRect bounds{path[0].X, path[0].Y, path[0].X, path[0].Y};
    for (TPoint p : path) {
        bounds.Left = std::min(bounds.Left, p.X);
        bounds.Top = std::min(bounds.Top, p.Y);
        bounds.Right = std::max(bounds.Right, p.X);
        bounds.Bottom = std::max(bounds.Bottom, p.Y);
    }
    return TRect{bounds.Left - 1, bounds.Top - 1, bounds.Right + 1, bounds.Bottom + 1};
}

} // namespace ormel
