#pragma once

#include "files/icon_image.h"

#include <QImage>

namespace ormel {

// The image as a QImage::Format_ARGB32 picture: palette colours for the indexed depths, the
// colour bytes for true colour, and alpha = 255 - the Mask value. A null QImage when the
// rasters do not match the image's size.
QImage IconImageToPicture(const TIconImage& image);

} // namespace ormel
