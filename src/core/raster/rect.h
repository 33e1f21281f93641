#pragma once

#include "files/raster.h"

namespace ormel {

// A rectangle with right and bottom exclusive.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    bool operator==(const TRect&) const = default;
};

struct TPoint {
    int X = 0;
    int Y = 0;
    bool operator==(const TPoint&) const = default;
};

// Swaps left/right and top/bottom when they are reversed.
void NormalizeRect(TRect& rect);
// Normalises, then clamps to the bitmap: left and top at least 0, right and bottom at most
// its width and height. A rectangle wholly outside comes out empty, never reversed.
void ClipRectToBitmap(TRect& rect, const Raster& bitmap);
// The intersection of two rectangles; false and (0, 0, 0, 0) when it is empty.
bool IntersectRects(const TRect& a, const TRect& b, TRect& out);
// Moves the rectangle by (-dx, -dy).
TRect OffsetRectBy(const TRect& rect, int dx, int dy);
// Multiplies each edge and rounds (halves to even).
TRect ScaleRect(const TRect& rect, double sx, double sy);
bool PointInRect(int x, int y, const TRect& rect);

// A new white 24-bit bitmap.
Raster NewBitmap24(int width, int height);

} // namespace ormel
