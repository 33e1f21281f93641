#pragma once

#include "files/icon_image.h"
#include "raster/rect.h"

namespace ormel {

// Composes colour over a background for display: each channel is
// ((255 - m) x colour + m x background) >> 8 with m the mask's first byte. Indexed colours go
// through the palette (none, or a size other than 2, 16, 256, leaves them as they are). Every
// bitmap is read and written at the same coordinates.
void CompositeOverColor(const Raster& colour, const Raster& mask, const TLogPalette* palette, TRect rect,
                        TColor background, Raster& dest);
void CompositeOverBitmap(const Raster& colour, const Raster& mask, const Raster& background,
                         const TLogPalette* palette, TRect rect, Raster& dest);

// Draws the whole image composed over `background` into destRect of the canvas, resampled to
// its size.
void DrawIconImage(Raster& canvas, TRect destRect, TColor background, const TIconImage& image);
// Draws the 48 x 48 thumbnail cell of images[index] of the image strip, over the strip
// background colour. An index outside the array does nothing.
void DrawStripCell(Raster& canvas, const TIconImageArray& images, int index, TColor stripBackColor);
// Draws the image into the bitmap, at natural size when it fits, else fitted keeping its
// aspect ratio, over white (thumbnails of history and library entries).
void DrawIconImageFitted(const TIconImage& image, Raster& bitmap);

// The 4 x 4 checkerboard shown behind transparent pixels; strength is read from the blue part.
void DrawTransparencyGrid(TRect rect, TColor tint, TColor strength, Raster& bitmap);

} // namespace ormel
