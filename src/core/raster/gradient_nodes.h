#pragma once

#include "files/icon_image.h"
#include "raster/rect.h"

#include <vector>

namespace ormel {

// A gradient stop: position 0 to 512 along the gradient, its colour, and whether the segment
// that ends at it is drawn.
struct TNode {
    std::int32_t Position = 0;
    TColor Color = 0;
    std::uint8_t Enabled = 1;
    bool operator==(const TNode&) const = default;
};
using TNodeArray = std::vector<TNode>;

// Sorts by position (quicksort with the middle element as pivot; not stable).
void SortNodes(TNodeArray& nodes);
// Paints the gradient across rect of the bitmap; sorts the nodes it is given.
void DrawGradientBar(TNodeArray& nodes, TRect rect, Raster& bitmap);

} // namespace ormel
