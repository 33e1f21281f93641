#pragma once

#include "effects/filter_table.h"
#include "files/raster.h"

namespace ormel {

// Filters source into dest (which takes source's size; it may be source): each enabled
// channel becomes ClampTrunc(bias + sum x (1 / divisor)) in single precision, where the sum
// runs over the kernel's square in integers. Near an edge the kernel mirrors about the pixel:
// an offset that points toward the edge from within kernel reach of it reads the other side
// instead. A disabled channel is copied. A divisor of 0 counts as 1.
void ConvolveBitmap(const Raster& source, Raster& dest, const TFilter& filter, bool red, bool green, bool blue);

} // namespace ormel
