#pragma once

#include "raster/rect.h"

namespace ormel {

// The supersampling factor of anti-aliased lines and text: drawn at 1 / 0.39 of the size and
// shrunk back.
constexpr double kSupersampling = 0.39;

// Inside the bitmap, all three bytes of the pixel become 255 - Round(coverage x 255).
void PlotCoverage(int x, int y, Raster& bitmap, double coverage);
// Xiaolin Wu's line, written (not accumulated) as coverage into the bitmap; pixels of coverage
// 0 beside the line are written white. Whole-number endpoints get coverage 0.5.
void WuLine(double x1, double y1, double x2, double y2, Raster& bitmap);
// An anti-aliased coverage line of a pen width: width 1 is a Wu line in dest after rect is
// filled white; wider pens are drawn round-ended and supersampled in workBitmap (enlarged when
// it is too small for the scaled rectangle) and shrunk back into rect of dest.
void DrawCoverageLine(int x1, int y1, int x2, int y2, int penWidth, TRect rect, Raster& workBitmap, Raster& dest);
// A round brush footprint of size x size as coverage (hardness 255 a solid disc, 0 a cone).
void MakeRoundBrush(Raster& bitmap, int size, int hardness);

} // namespace ormel
