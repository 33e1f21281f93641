#include "raster/rect.h"

#include "raster/rounding.h"

#include <algorithm>
#include <utility>

namespace ormel {

void NormalizeRect(TRect& rect)
{
    if (rect.Left > rect.Right)
        std::swap(rect.Left, rect.Right);
    if (rect.Top > rect.Bottom)
        std::swap(rect.Top, rect.Bottom);
}

void ClipRectToBitmap(TRect& rect, const Raster& bitmap)
{
    NormalizeRect(rect);
    rect.Left = std::max(rect.Left, 0);
    rect.Top = std::max(rect.Top, 0);
    rect.Right = std::min(rect.Right, bitmap.width());
    rect.Bottom = std::min(rect.Bottom, bitmap.height());
    // A rectangle wholly outside would come out reversed, and normalising it again (clipping
    // to a second bitmap) would turn it into a real one: collapse it to an empty one instead.
    rect.Right = std::max(rect.Right, rect.Left);
    rect.Bottom = std::max(rect.Bottom, rect.Top);
}

bool IntersectRects(const TRect& a, const TRect& b, TRect& out)
{
    out = TRect{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right), std::min(a.Bottom, b.Bottom)};
    if (out.IsEmpty()) {
        out = TRect{};
        return false;
    }
    return true;
}

TRect OffsetRectBy(const TRect& rect, int dx, int dy)
{
    return TRect{rect.Left - dx, rect.Top - dy, rect.Right - dx, rect.Bottom - dy};
}

TRect ScaleRect(const TRect& rect, double sx, double sy)
{
    return TRect{Round(rect.Left * sx), Round(rect.Top * sy), Round(rect.Right * sx), Round(rect.Bottom * sy)};
}

bool PointInRect(int x, int y, const TRect& rect)
{
    return x >= rect.Left && x < rect.Right && y >= rect.Top && y < rect.Bottom;
}

Raster NewBitmap24(int width, int height) { return Raster(width, height); }

} // namespace ormel
