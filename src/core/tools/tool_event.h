#pragma once

#include "files/icon_image.h"
#include "raster/rect.h"

#include <algorithm>
#include <string>

namespace ormel {

// The image pixel under a canvas point: canvas coordinates divided by the zoom, toward zero.
inline TPoint ImagePixelAt(int canvasX, int canvasY, int zoom)
{
    zoom = std::max(zoom, 1);
    return TPoint{canvasX / zoom, canvasY / zoom};
}

// The pixels that both rasters of the image hold, from (0, 0).
inline TRect ImageArea(const TIconImage& image)
{
    return TRect{0, 0, std::min({image.Width, image.Bitmap.width(), image.Mask.width()}),
                 std::min({image.Height, image.Bitmap.height(), image.Mask.height()})};
}

// The colour panel's alpha as the grey opacity that painting through coverage reads.
inline TColor OpacityOf(int alpha)
{
    const auto a = static_cast<std::uint8_t>(std::clamp(alpha, 0, 255));
    return MakeColor(a, a, a);
}

// How a painting tool's step ends in the document window: the undo step recorded under this
// caption, the document marked modified, the image's strip cell and the preview redrawn, and
// this colour added to the colour panel's recent colours.
struct TPaintCommit {
    std::string StepName;
    TColor RecentColour = 0;
};

} // namespace ormel
