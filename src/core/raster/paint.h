#pragma once

#include "files/icon_image.h"
#include "raster/rect.h"

namespace ormel {

// Paints `colour` into an image's rasters through a coverage raster (byte 0: 0 fully covered,
// 255 untouched). Coverage pixel (x - rect.Left, y - rect.Top) belongs to image pixel (x, y).
// The variant: opacity 0 erases; depth codes 1-3 paint hard; 4 blends over the colour (white
// where transparent); 5 blends colour and alpha with the opacity (blue part).
void PaintThroughCoverage(const Raster& coverage, Raster& colourBitmap, Raster& maskBitmap, TRect rect,
                          TColor colour, TColor opacity, int depthCode);

// Merges `source` beneath `dest` (images of equal size) over the rectangle; opacity 0-255
// thins only the merged transparency.
void MergeImageUnder(TIconImage& dest, const TIconImage& source, TRect rect, int opacity);

// Where the pixel, packed as a colour value and compared as a signed 32-bit integer with
// reference, passes the test (0 equal, 1 greater, 2 less, 3 not equal), it becomes newColour.
void ReplaceColorWhere(Raster& bitmap, TRect rect, int test, TColor reference, TColor newColour);
// Colour pixels whose transparency is above 254 become white.
void WhiteOutTransparent(Raster& colourBitmap, const Raster& maskBitmap, TRect rect);
// Every pixel becomes PaletteColor(pixel); nothing without a palette.
void ApplyPalette(Raster& bitmap, TRect rect, const TLogPalette* palette);
void FillBitmap(Raster& bitmap, TColor colour);
void FillBitmapRect(Raster& bitmap, TColor colour, TRect rect);
// Moves the rectangle's pixels by (dx, dy), filling what they leave with fillColour.
void OffsetRectContent(Raster& bitmap, TRect rect, int dx, int dy, TColor fillColour);

// Packs pixel bytes (blue, green, red) into a colour value and back.
inline TColor PackPixel(const std::uint8_t* p) { return MakeColor(p[2], p[1], p[0]); }
inline void StorePixel(std::uint8_t* p, TColor c)
{
    p[0] = static_cast<std::uint8_t>(c >> 16);
    p[1] = static_cast<std::uint8_t>(c >> 8);
    p[2] = static_cast<std::uint8_t>(c);
}

} // namespace ormel
