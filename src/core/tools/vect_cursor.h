#pragma once

#include "files/icon_image.h"
#include "raster/rect.h"

#include <array>
#include <vector>

namespace ormel {

// A footprint outline: corner (px, py) is drawn at canvas position
// ((px + Offset.X + cursor pixel x) x zoom, (py + Offset.Y + cursor pixel y) x zoom).
struct TOutline {
    TPoint Offset;
    std::vector<TPoint> Corners; // clockwise from the left end of the top edge
};

// The grey outline of a tool's footprint under the cursor, for sizes 1 to 15. The footprint's
// size x size box starts (size - 1) div 2 pixels left of and above the cursor pixel, as a dab's
// does. Sizes 1 to 5 are fixed shapes (a pixel, a 2 x 2 square, a plus sign, 4 x 4 and 5 x 5
// squares without their corner pixels) with a corner at each turn; from 6 on the footprint is
// the disc of the pixels whose centres lie within size / 2 of the box's centre, and the outline
// has a corner at every unit step.
class TVectCursor {
public:
    static constexpr int kMaxSize = 15;
    static constexpr TColor kPenColour = MakeColor(102, 102, 102);

    TVectCursor();

    // Null for sizes outside 1..15.
    const TOutline* Outline(int size) const;

    // The closed path to draw in kPenColour, in canvas pixels, for the cursor at a canvas point:
    // it starts at the last corner and runs through every corner. Returns the path's bounding
    // box widened by 1 on every side, which the window repaints to erase the outline. Sizes
    // outside 1..15 (and a zoom below 1) give no path and the empty rectangle (0, 0, 0, 0).
    TRect Draw(int canvasX, int canvasY, int zoom, int size, std::vector<TPoint>& path) const;

private:
    std::array<TOutline, kMaxSize> outlines_;
};

} // namespace ormel
