#include "tools/shape_tool.h"

#include "tools/gradient_ellipse.h"
#include "tools/tool_event.h"

namespace ormel {

namespace {

bool SameSize(const Raster& a, const Raster& b) { return a.width() == b.width() && a.height() == b.height(); }

} // namespace

void TShapeTool::Press(const TIconImage& image, int canvasX, int canvasY, int zoom)
{
    backupBitmap_ = image.Bitmap;
    backupMask_ = image.Mask;
    start_ = ImagePixelAt(canvasX, canvasY, zoom);
    pressed_ = true;
}

bool TShapeTool::Move(TIconImage& image, int canvasX, int canvasY, int zoom, bool leftButton, const TShapePaint& paint)
{
    // The backup must be of this image: restoring another size would break the image.
    if (!leftButton || !pressed_ || !SameSize(backupBitmap_, image.Bitmap) || !SameSize(backupMask_, image.Mask))
        return false;

    image.Bitmap = backupBitmap_;
    image.Mask = backupMask_;
    const TPoint end = ImagePixelAt(canvasX, canvasY, zoom);
    const TRect bounds{start_.X, start_.Y, end.X, end.Y};
    if (kind_ == ShapeKind::Rectangle)
        TGradientRect(paint, image.ColorDepth).Draw(bounds, image.Bitmap, image.Mask);
    else
        TGradientEllipse(paint, image.ColorDepth).Draw(bounds, image.Bitmap, image.Mask);
    return true;
}

std::string_view TShapeTool::Release()
{
    if (!pressed_)
        return {};
    pressed_ = false;
    return kind_ == ShapeKind::Rectangle ? "Rectangle" : "Ellipse";
}

} // namespace ormel
