#include "tools/bucket_tool.h"

#include "raster/paint.h"

#include <utility>

namespace ormel {

namespace {

bool SameImage(const TIconImage& a, const TIconImage& b)
{
    return a.Width == b.Width && a.Height == b.Height && a.ColorDepth == b.ColorDepth && a.Bitmap == b.Bitmap &&
           a.Mask == b.Mask && a.Palette == b.Palette;
}

} // namespace

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
    previewValid_ = false; // the press reuses the flood, so its result no longer is the preview's region
    return FillAt(image, ImagePixelAt(canvasX, canvasY, zoom), settings);
}

const TIconImage& TBucketTool::Preview(const TIconImage& image, int canvasX, int canvasY, int zoom,
                                       const TBucketSettings& settings)
{
    const TPoint pixel = ImagePixelAt(canvasX, canvasY, zoom);
    if (PreviewHolds(image, pixel, settings)) {
        previewPixel_ = pixel;
        return preview_;
    }
    preview_ = image;
    previewSource_ = image;
    previewPixel_ = pixel;
    previewSettings_ = settings;
    previewValid_ = true;
    FillAt(preview_, pixel, settings);
    return preview_;
}

// The last preview stands for the same image and settings when the pixel is the last one, both
// lie outside the image, or the pixel lies in the last region with the last seed's colour: the
// flood accepts by the seed's colour, so from there it finds the same region.
bool TBucketTool::PreviewHolds(const TIconImage& image, TPoint pixel, const TBucketSettings& settings) const
{
    if (!previewValid_ || !(settings == previewSettings_) || !SameImage(image, previewSource_))
        return false;
    if (pixel == previewPixel_)
        return true;
    const TRect area = ImageArea(image);
    const bool inside = PointInRect(pixel.X, pixel.Y, area);
    if (!PointInRect(previewPixel_.X, previewPixel_.Y, area))
        return !inside;
    if (!inside || flood_.Result().pixel(pixel.X, pixel.Y)[0] != 0)
        return false;
    const std::uint8_t* seed = image.Bitmap.pixel(previewPixel_.X, previewPixel_.Y);
    const std::uint8_t* here = image.Bitmap.pixel(pixel.X, pixel.Y);
    return seed[0] == here[0] && seed[1] == here[1] && seed[2] == here[2];
}

std::optional<TPaintCommit> TBucketTool::Release(const TIconImage& image)
{
    if (!pressedColour_)
        return std::nullopt;
    const TColor colour = *std::exchange(pressedColour_, std::nullopt);
    return TPaintCommit{"Bucket", PaletteColor(static_cast<int>(colour), image.Palette)};
}

} // namespace ormel
