#pragma once

#include "files/icon_image.h"

namespace ormel {

// Turns a soft-edged true-colour result into what a 24-bit image can hold: the colour is
// composed over white through the mask, then the mask becomes two-level around the grey
// 230 (below it opaque, above it transparent; exactly 230 stays).
void FlattenOverWhite(TIconImage& image);

} // namespace ormel
