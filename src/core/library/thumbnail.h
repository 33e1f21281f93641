#pragma once

#include "library/icon_library.h"

#include <vector>

namespace ormel {

// Library thumbnails are square bitmaps of this side.
constexpr int kThumbnailSize = 32;

// The index of the format that stands for an entry, or -1 when it has none: the richest image
// of 32 x 32 pixels or, failing that, of the first larger size (else of the first size of 24
// pixels or more).
int ChooseThumbnailFormat(const std::vector<TIconFormat>& formats);

} // namespace ormel
