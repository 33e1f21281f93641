#pragma once

#include "files/icon_image.h"

namespace ormel {

// The Effect menu's commands that need no dialog.
enum class TInstantCommand { FlipHorizontal, FlipVertical, Rotate180, Rotate90CW, Rotate90CCW, InvertColor };

// Applies the command to the whole image: flips and turns move both rasters' pixels exactly
// (indexed images keep their indices; a quarter turn of an image that is not square swaps its
// width and height), Invert Color inverts the colours (the palette of an indexed image).
// Images whose rasters do not hold their size are left alone.
void ApplyInstantCommand(TIconImage& image, TInstantCommand command);

} // namespace ormel
