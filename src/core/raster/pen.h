#pragma once

#include "files/icon_image.h"
#include "raster/rect.h"

#include <span>

namespace ormel {

// A solid pen. Widths below 2 draw thin lines.
struct TPen {
    TColor Colour = 0;
    int Width = 1;
};

// Every routine here writes the colour into the pixels it covers (no blending) and skips pixels
// outside the bitmap.
//
// Lines of width 1 follow Bresenham from the start toward the end and leave out the end pixel,
// so that a polyline draws each joint once, as the start of the next segment; a line from a
// point to itself draws nothing.
//
// A wider pen of width w is a disc of diameter w moved along the path, which gives round ends
// and joins: a pixel is covered when its centre lies within w / 2 of the path (inclusive). The
// disc at point p covers the same w x w box as a dab of size w at p, the box starting at
// p - (w - 1) div 2 in both directions: its centre is the centre of pixel p for odd widths and
// the lower-right corner of pixel p for even ones. A segment of length 0 draws the disc.
void DrawLine(Raster& bitmap, TPoint from, TPoint to, const TPen& pen);
// Segments between consecutive points; one point alone draws nothing.
void DrawPolyline(Raster& bitmap, std::span<const TPoint> points, const TPen& pen);

// Fills the polygon closed from the last point back to the first with the alternate (even-odd)
// rule. A pixel is inside when its centre (x + 0.5, y + 0.5) is; a centre exactly on a left
// edge is inside and on a right edge outside, so the rectangle (x0, y0)-(x1, y0)-(x1, y1)-
// (x0, y1) fills x0..x1 - 1 by y0..y1 - 1 in whatever order the points come.
void FillPolygon(Raster& bitmap, std::span<const TPoint> points, TColor colour);

// The ellipse inscribed in the box (left, top, right, bottom; right and bottom exclusive,
// reversed edges swapped): the pixels whose centres lie inside it.
void FillEllipse(Raster& bitmap, TRect box, TColor colour);
// Its outline, pen.Width pixels thick and inside the box: the filled ellipse's pixels that touch
// the outside through a side, and for wider pens also every pixel outside the ellipse shrunk by
// the width on each semi-axis.
void DrawEllipse(Raster& bitmap, TRect box, const TPen& pen);

// The outline of the rectangle, pen.Width pixels thick and inside it. Filling a rectangle is
// FillBitmapRect.
void DrawRectangle(Raster& bitmap, TRect rect, const TPen& pen);

} // namespace ormel
