#include "tools/bucket_tool.h"

#include "raster/paint.h"

#include <utility>

namespace ormel {

bool TBucketTool::FillAt(TIconImage& image, TPoint pixel, const TBucketSettings& settings)
{
    const TRect area = ImageArea(image);
    if (!PointInRect(pixel.X, pixel.Y, area))
        return false;
    flood_.SetSource(image.Bitmap, area.Right, area.Bottom);
    flood_.Fill(pixel.X, pixel.Y, settings.Tolerance);
    PaintThroughCoverage(flood_.Result(), image.Bitmap, image.Mask, area, settings.Colour, OpacityOf(settings.Alpha),
                         image.ColorDepth);
    return true;
}

bool TBucketTool::Press(TIconImage& image, int canvasX, int canvasY, int zoom, const TBucketSettings& settings)
{
    pressedColour_ = settings.Colour;
    return FillAt(image, ImagePixelAt(canvasX, canvasY, zoom), settings);
}

const TIconImage& TBucketTool::Preview(const TIconImage& image, int canvasX, int canvasY, int zoom,
                                       const TBucketSettings& settings)
{
    preview_ = image;
    FillAt(preview_, ImagePixelAt(canvasX, canvasY, zoom), settings);
    return preview_;
}

std::optional<TPaintCommit> TBucketTool::Release(const TIconImage& image)
{
    if (!pressedColour_)
        return std::nullopt;
    const TColor colour = *std::exchange(pressedColour_, std::nullopt);
    return TPaintCommit{"Bucket", PaletteColor(static_cast<int>(colour), image.Palette)};
}

} // namespace ormel
