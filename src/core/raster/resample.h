#pragma once

#include "raster/rect.h"

namespace ormel {

// The general resampler: clips both rectangles to their bitmaps, then copies when the sizes are
// equal, averages areas when shrinking in both directions, and interpolates bicubically
// otherwise. Empty rectangles or bitmaps do nothing.
void StretchBitmapRect(const Raster& source, Raster& dest, TRect sourceRect, TRect destRect);
// The same with (0, 0, w, h) on both sides.
void StretchBitmap(const Raster& source, Raster& dest, int sourceWidth, int sourceHeight, int destWidth,
                   int destHeight);

// The two methods behind StretchBitmapRect, for rectangles already clipped and not empty.
void StretchBicubic(const Raster& source, Raster& dest, const TRect& sourceRect, const TRect& destRect);
void ShrinkAreaAverage(const Raster& source, Raster& dest, const TRect& sourceRect, const TRect& destRect);

// The cubic convolution kernel with a = -1, and one interpolation step with it (a byte).
double CubicWeight(double t);
int CubicInterpolate(double t, int p0, int p1, int p2, int p3);

// Bilinear scaling of the top-left sourceWidth x sourceHeight of the source; dest becomes
// destWidth x destHeight. Sizes that are not positive or exceed the source do nothing.
void StretchBilinear(const Raster& source, Raster& dest, int destWidth, int destHeight, int sourceWidth,
                     int sourceHeight);

// A copy with stretching by dropping or repeating rows and columns: keeps a two-level raster
// two-level. Each destination pixel takes the source pixel under its centre; pixels outside
// either bitmap are skipped.
void StretchNearest(const Raster& source, Raster& dest, TRect sourceRect, TRect destRect);

} // namespace ormel
