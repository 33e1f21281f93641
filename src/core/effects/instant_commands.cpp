#include "effects/instant_commands.h"

#include "effects/tone_adjust.h"
#include "raster/geometry.h"

#include <cstring>

namespace ormel {

namespace {

// Turns the raster a quarter turn: clockwise sends pixel (x, y) to (height - 1 - y, x).
Raster QuarterTurn(const Raster& source, int width, int height, bool clockwise)
{
    Raster turned;
    turned.resizeForOverwrite(height, width);
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* in = source.row(y);
        for (int x = 0; x < width; ++x) {
            const int tx = clockwise ? height - 1 - y : y;
            const int ty = clockwise ? x : width - 1 - x;
            std::memcpy(turned.pixel(tx, ty), in + 3 * x, 3);
        }
    }
    return turned;
}

} // namespace

void ApplyInstantCommand(TIconImage& image, TInstantCommand command)
{
    const int width = image.Width;
    const int height = image.Height;
    if (width <= 0 || height <= 0 || image.Bitmap.width() != width || image.Bitmap.height() != height ||
        image.Mask.width() != width || image.Mask.height() != height)
        return;
    const TRect whole{0, 0, width, height};
    switch (command) {
    case TInstantCommand::FlipHorizontal:
        FlipBitmapHorizontal(image.Bitmap, whole);
        FlipBitmapHorizontal(image.Mask, whole);
        break;
    case TInstantCommand::FlipVertical:
        FlipBitmapVertical(image.Bitmap, whole);
        FlipBitmapVertical(image.Mask, whole);
        break;
    case TInstantCommand::Rotate180:
        for (Raster* raster : {&image.Bitmap, &image.Mask}) {
            FlipBitmapHorizontal(*raster, whole);
            FlipBitmapVertical(*raster, whole);
        }
        break;
    case TInstantCommand::Rotate90CW:
    case TInstantCommand::Rotate90CCW: {
        const bool clockwise = command == TInstantCommand::Rotate90CW;
        image.Bitmap = QuarterTurn(image.Bitmap, width, height, clockwise);
        image.Mask = QuarterTurn(image.Mask, width, height, clockwise);
        image.Width = height;
        image.Height = width;
        break;
    }
    case TInstantCommand::InvertColor:
        InvertColors(image.Bitmap, whole, IsIndexedDepth(image.ColorDepth) ? &image.Palette : nullptr);
        break;
    }
}

} // namespace ormel
