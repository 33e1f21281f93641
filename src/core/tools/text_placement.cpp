#include "tools/text_placement.h"

#include "raster/paint.h"
#include "raster/rounding.h"
#include "tools/tool_event.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ormel {

namespace {

// A frame dragged far out keeps the text's buffers and coordinates in a sane range.
constexpr int kMaxSide = 1000;
constexpr int kMaxCentre = 10000;

} // namespace

TFrameCorners TextFrameCorners(const TTextGeometry& geometry, int zoom)
{
    const double theta = geometry.Angle * std::numbers::pi / 180.0;
    const double c = std::cos(theta);
    const double s = std::sin(theta);
    const int x = geometry.CentreX;
    const int y = geometry.CentreY;
    const auto turn = [&](int px, int py, int& outX, int& outY) {
        const double tx = (px - x) * c + x + (py - y) * s;
        const double ty = (py - y) * c + y - (px - x) * s;
        outX = Round(tx * zoom);
        outY = Round(ty * zoom);
    };
    const int left = x - geometry.Width / 2;
    const int top = y - geometry.Height / 2;
    TFrameCorners corners;
    turn(left, top, corners.X1, corners.Y1);
    turn(left + geometry.Width, top + geometry.Height, corners.X3, corners.Y3);
    return corners;
}

void TTextPlacement::Start(const TIconImage& image, const TTextLook& look, TextRasterizer& rasterizer)
{
    bitmap_ = renderedBitmap_ = image.Bitmap;
    mask_ = renderedMask_ = image.Mask;
    active_ = true;
    int width = 0;
    int height = 0;
    TextBoxSize(look.Font, look.Text, rasterizer, width, height);
    SetGeometry(TTextGeometry{image.Width / 2, image.Height / 2, width, height, 0});
}

bool TTextPlacement::Unchanged(const TIconImage& image) const
{
    return active_ && image.Bitmap == renderedBitmap_ && image.Mask == renderedMask_;
}

void TTextPlacement::SetGeometry(const TTextGeometry& geometry)
{
    geometry_ = geometry;
    geometry_.CentreX = std::clamp(geometry.CentreX, -kMaxCentre, kMaxCentre);
    geometry_.CentreY = std::clamp(geometry.CentreY, -kMaxCentre, kMaxCentre);
    geometry_.Width = std::clamp(geometry.Width, 1, kMaxSide);
    geometry_.Height = std::clamp(geometry.Height, 1, kMaxSide);
}

bool TTextPlacement::Render(TIconImage& image, const TTextLook& look, TextRasterizer& rasterizer)
{
    if (!Unchanged(image)) {
        End();
        return false;
    }
    image.Bitmap = bitmap_;
    image.Mask = mask_;
    TRect square;
    RenderText(coverage_, look.Text, look.Font, geometry_.Width, geometry_.Height, geometry_.Angle, look.AntiAlias,
               square, rasterizer);
    const int side = square.Width();
    const int left = geometry_.CentreX - side / 2;
    const int top = geometry_.CentreY - side / 2;
    PaintThroughCoverage(coverage_, image.Bitmap, image.Mask, TRect{left, top, left + side, top + side}, look.Colour,
                         OpacityOf(look.Alpha), image.ColorDepth);
    renderedBitmap_ = image.Bitmap;
    renderedMask_ = image.Mask;
    return true;
}

void TTextPlacement::End()
{
    active_ = false;
    bitmap_ = mask_ = renderedBitmap_ = renderedMask_ = Raster();
}

} // namespace ormel
