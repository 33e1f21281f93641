#include "tools/selection_edit.h"

namespace ormel {

void ClearSelectedPixels(TIconImage& image, const Raster& region, TRect rect)
{
    ClipRectToBitmap(rect, region);
    ClipRectToBitmap(rect, image.Bitmap);
    ClipRectToBitmap(rect, image.Mask);
    for (int y = rect.Top; y < rect.Bottom; ++y)
        for (int x = rect.Left; x < rect.Right; ++x) {
            const std::uint8_t* r = region.pixel(x, y);
            std::uint8_t* colour = image.Bitmap.pixel(x, y);
            std::uint8_t* mask = image.Mask.pixel(x, y);
            for (int k = 0; k < 3; ++k) {
                colour[k] |= r[k];
                mask[k] |= r[k];
            }
        }
}

std::string CopySelection(TIconImage& image, const TSelection& selection, int zoom, TSelectionCommand mode,
                          TOrmClipboard& clipboard, TColor stripBackColor)
{
    if (!selection.HasSelection())
        return {};
    Raster region;
    TRect bounds = BuildSelectionRegion(selection.Points(), zoom, image.Width, image.Height, region);
    ClipRectToBitmap(bounds, region);
    if (bounds.IsEmpty())
        return {};
    // Cut clears the pixels only once they are safely on the clipboard.
    if (mode != TSelectionCommand::Clear && !clipboard.CopyToClipboard(image, region, bounds, stripBackColor))
        return {};
    if (mode == TSelectionCommand::Copy)
        return {};
    ClearSelectedPixels(image, region, bounds);
    return mode == TSelectionCommand::Cut ? "Cut" : "Clear Selected Area";
}

} // namespace ormel
