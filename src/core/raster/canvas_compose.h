#pragma once

#include "files/icon_image.h"
#include "raster/rect.h"

namespace ormel {

// The magnified canvas of a document window: Width x Zoom + 1 by Height x Zoom + 1 pixels.
struct TCanvasLayout {
    int Zoom = 0;     // 0: the area is too small for the image at zoom 1
    int Width = 0;    // canvas size in pixels
    int Height = 0;
    int Left = 0;     // canvas position inside the area: centred, the odd pixel right and down
    int Top = 0;
};

// The largest zoom at which the image fits an area of areaWidth x areaHeight with 5 pixels to
// spare on each side, and where the canvas goes. Zoom 0 when it does not fit at zoom 1; the
// canvas is then laid out at zoom 1.
TCanvasLayout LayoutCanvas(int areaWidth, int areaHeight, int imageWidth, int imageHeight);

// Whether the grid is drawn at this zoom.
constexpr int kMinGridZoom = 3;
constexpr std::uint8_t kGridGrey = 200;

// Composes `rect` of the canvas (canvas pixels, clipped to `canvas`) into `canvas`, whose size
// is the canvas size: grid pixels (the first row and column of every Zoom x Zoom cell, with the
// grid on and Zoom >= 3) grey 200, every other pixel (x, y) the image pixel
// (min(x div Zoom, Width - 1), min(y div Zoom, Height - 1)) over the 4 x 4 checkerboard of greys
// 220 and 255: each channel (c x (255 - t) + t x g) div 256, with t its Mask value and c its
// colour (through the palette for indexed images).
void ComposeCanvas(const TIconImage& image, int zoom, bool showGrid, TRect rect, Raster& canvas);

} // namespace ormel
