#pragma once

#include "files/icon_image.h"
#include "tools/gradient_rect.h"
#include "tools/text_placement.h"

namespace ormel {

// The pictures the tool palette shows. Each is a 24-bit raster over the 4 x 4 checkerboard of
// greys 220 and 255.

// The footprint of a size (the brush: its diameter) painted with the colour and alpha as the
// tool paints it on an image of `depthCode` (an indexed colour is a palette index), at three
// times its size, centred in a boxSize x boxSize picture.
Raster FootprintPreview(int size, int hardness, TColor colour, int alpha, int depthCode, const TLogPalette& palette,
                        int boxSize);

// A sample shape of the kind painted with `paint` on an image of `depthCode`, magnified twice
// and centred in a width x height picture.
Raster ShapePreview(bool ellipse, const TShapePaint& paint, int depthCode, const TLogPalette& palette, int width,
                    int height);

// The shape's fill as the swatch of a shape page shows it: the gradient strip (style 2) or the
// fill colour over the whole picture.
Raster ShapeFillSwatch(const TShapePaint& paint, int width, int height);

// An image fitted into a width x height picture with its aspect ratio kept (the longer side
// fills the box, centred), pixels repeated or dropped, over the checkerboard.
Raster FittedImagePreview(const TIconImage& image, int width, int height);

// The text at the geometry's size and angle (its place ignored), painted as the text tool
// paints it on an image of `depthCode`, fitted into a boxSize x boxSize picture.
Raster TextPreview(const TTextLook& look, const TTextGeometry& geometry, int depthCode, const TLogPalette& palette,
                   TextRasterizer& rasterizer, int boxSize);

} // namespace ormel
