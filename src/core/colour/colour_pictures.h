#pragma once

#include "files/raster.h"

namespace ormel {

// The pictures of the colour picker.

constexpr int kHuePictureWidth = 60;
constexpr int kHuePictureHeight = 360;
constexpr int kSaturationValueSide = 256;

// The hue bar: row h (0..359) is the fully saturated, fully bright colour of hue h.
void BuildHuePicture(Raster& picture);

// The saturation (x) / value (y) square of one hue, 256 x 256, black along the top row. Each
// 2 x 2 block shows the colour of its top-left pixel.
void BuildSaturationValuePicture(int hue, Raster& picture);

// The swatch of a colour (red, green, blue) with opacity `alpha` (0..255) over a checkerboard
// of 4 x 4 squares, grey 220 and white, with grey at the top-left. The picture keeps its size.
void DrawSwatch(Raster& picture, int red, int green, int blue, int alpha);

} // namespace ormel
