#pragma once

#include "files/icon_image.h"
#include "raster/colour_histogram.h"

#include <span>
#include <vector>

namespace ormel {

// Wu's variance-minimising colour quantiser: splits the RGB cube (at 5 bits per channel)
// into at most `count` boxes, each time cutting the box of largest variance where the cut
// removes the most variance, and returns the mean colour of each box. Fewer than `count`
// colours come back when no box can be cut any further. `box` receives the palette index of
// the box that holds each sample.
std::vector<TPaletteEntry> WuPalette(std::span<const ColourSample> samples, int count, std::vector<int>& box);

} // namespace ormel
