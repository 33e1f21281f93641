#pragma once

#include "files/icon_image.h"

namespace ormel {

// Puts a photo frame on an image. The frame picture, stretched to the image's size, says per
// pixel how much of the frame colour covers the image (its red channel) and how transparent
// the pixel becomes (its blue channel). Fully transparent pixels count as white beneath the
// frame colour. Indexed images are framed in true colour and reduced to a palette of their
// own entry count again. An empty frame picture does nothing.
void ApplyPhotoFrame(const Raster& framePicture, TIconImage& image, TColor frameColour);

} // namespace ormel
