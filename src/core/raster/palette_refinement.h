#pragma once

#include "files/icon_image.h"
#include "raster/colour_histogram.h"

#include <span>
#include <vector>

namespace ormel {

// Lloyd (k-means) passes over the colour samples, each weighted by its pixels: every sample
// goes to its nearest entry, then every entry moves to the mean of its samples' pixels. An
// entry left without samples, and any room up to `count` entries, goes to the samples worst
// served so far. `assigned` holds each sample's entry on entry (a guess, or -1) and on return.
// Stops early once no sample changes entry.
void RefinePalette(std::span<const ColourSample> samples, std::vector<TPaletteEntry>& palette,
                   std::vector<int>& assigned, std::size_t count, int passes);

} // namespace ormel
