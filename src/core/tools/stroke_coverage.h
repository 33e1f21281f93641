#pragma once

#include "raster/rect.h"

#include <span>

namespace ormel {

// Draws a freehand stroke's polyline as coverage, each pass writing its grey over what is there.
// Widths 1 and 2 draw one black pass. From width 3 on, with k = (width - 1) div 2, pass i = 0..k
// has width (width - 2i) and grey ((k - i)(255 - hardness)) div k, widest first: a soft brush
// fades from a black core to 255 - hardness at its rim.
//
// The greys never rise from one pass to the next, so every pixel ends at the darkest grey of the
// passes that cover it. A polyline is therefore the byte-wise minimum of its segments drawn
// one by one: that is what lets a stroke grow by its newest segment alone.
void DrawStrokeCoverage(Raster& coverage, std::span<const TPoint> points, int width, int hardness);

// dest becomes the byte-wise minimum of dest and source over the rectangle (clipped to both).
void DarkenCoverage(Raster& dest, const Raster& source, TRect rect);

// Copies the rectangle of source into the same place of dest (clipped to both).
void CopyRasterRect(Raster& dest, const Raster& source, TRect rect);

} // namespace ormel
