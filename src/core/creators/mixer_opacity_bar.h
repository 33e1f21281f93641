#pragma once

#include "files/raster.h"

namespace ormel {

// The mixer's opacity bar: a grey checkerboard of 4 x 4 cells that fades to black from left
// to right, filling the whole bitmap.
void DrawOpacityBar(Raster& bar);

// The opacity a click at x on a bar of this width sets, 0 to 255.
int OpacityFromBarX(int x, int barWidth);
// Where the bar's marker stands for an opacity.
int BarXFromOpacity(int opacity, int barWidth);

} // namespace ormel
