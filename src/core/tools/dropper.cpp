#include "tools/dropper.h"

#include "raster/paint.h"
#include "tools/tool_event.h"

namespace ormel {

std::optional<TDropperReading> DropperPick(const TIconImage& image, int canvasX, int canvasY, int zoom)
{
    const TPoint p = ImagePixelAt(canvasX, canvasY, zoom);
    if (!PointInRect(p.X, p.Y, ImageArea(image)))
        return std::nullopt;
    const std::uint8_t* colour = image.Bitmap.pixel(p.X, p.Y);
    return TDropperReading{IsIndexedDepth(image.ColorDepth) ? TColor{colour[2]} : PackPixel(colour),
                           255 - image.Mask.pixel(p.X, p.Y)[0]};
}

std::optional<TDropperReading> DropperReadout(const TIconImage& image, int canvasX, int canvasY, int zoom)
{
    std::optional<TDropperReading> reading = DropperPick(image, canvasX, canvasY, zoom);
    if (reading && IsIndexedDepth(image.ColorDepth))
        reading->Colour = PaletteColor(static_cast<int>(reading->Colour), image.Palette);
    return reading;
}

} // namespace ormel
