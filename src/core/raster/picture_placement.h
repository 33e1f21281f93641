#pragma once

#include "raster/rect.h"

namespace ormel {

// Where a width x height image goes inside a boxWidth x boxHeight picture: at its real size,
// centred (the odd pixel of free space right and down), when it fits; otherwise the whole box.
// An empty rectangle for a size that is not positive.
TRect PlaceInBox(int boxWidth, int boxHeight, int width, int height);

} // namespace ormel
