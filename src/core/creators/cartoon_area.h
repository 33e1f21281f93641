#pragma once

#include "raster/rect.h"

#include <algorithm>

namespace ormel {

// The area (x, y, width, height) clipped to a bitmap of bitmapWidth x bitmapHeight; empty
// (0, 0, 0, 0) when nothing of it lies inside. Computed wide, so no size can overflow.
inline TRect ClipCartoonArea(int x, int y, int width, int height, int bitmapWidth, int bitmapHeight)
{
    const long long left = std::max<long long>(x, 0);
    const long long top = std::max<long long>(y, 0);
    const long long right = std::min<long long>(static_cast<long long>(x) + std::max(width, 0), bitmapWidth);
    const long long bottom = std::min<long long>(static_cast<long long>(y) + std::max(height, 0), bitmapHeight);
    if (right <= left || bottom <= top)
        return {};
    return {static_cast<int>(left), static_cast<int>(top), static_cast<int>(right), static_cast<int>(bottom)};
}

} // namespace ormel
