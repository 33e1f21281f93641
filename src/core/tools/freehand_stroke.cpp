#include "tools/freehand_stroke.h"

#include "raster/antialias.h"
#include "raster/paint.h"
#include "raster/pen.h"
#include "tools/stroke_coverage.h"

#include <algorithm>
#include <array>
#include <utility>

namespace ormel {

namespace {

constexpr TColor kWhite = 0xFFFFFF;

// An image-pixel rectangle in wide integers: points come from the mouse and may lie far off
// the image, so widening them must not overflow.
struct Box {
    long long Left, Top, Right, Bottom;
};

// Every pixel a segment's pen can touch: its bounding box widened by the pen width.
Box SegmentBox(TPoint a, TPoint b, int width)
{
    return Box{std::min<long long>(a.X, b.X) - width, std::min<long long>(a.Y, b.Y) - width,
               std::max<long long>(a.X, b.X) + width, std::max<long long>(a.Y, b.Y) + width};
}

Box Union(const Box& a, const Box& b)
{
    return Box{std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
               std::max(a.Bottom, b.Bottom)};
}

TRect Clip(const Box& box, const TRect& area)
{
    TRect rect{static_cast<int>(std::clamp<long long>(box.Left, area.Left, area.Right)),
               static_cast<int>(std::clamp<long long>(box.Top, area.Top, area.Bottom)),
               static_cast<int>(std::clamp<long long>(box.Right, area.Left, area.Right)),
               static_cast<int>(std::clamp<long long>(box.Bottom, area.Top, area.Bottom))};
    return rect.IsEmpty() ? TRect{} : rect;
}

TRect UnionRect(const TRect& a, const TRect& b)
{
    if (a.IsEmpty())
        return b;
    if (b.IsEmpty())
        return a;
    return TRect{std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
                 std::max(a.Bottom, b.Bottom)};
}

// The canvas pixels showing the box: its edges times the zoom and one pixel more to the right
// and below, as the canvas is one pixel larger than the zoomed image; clipped to the canvas.
TRect CanvasRect(const Box& box, int zoom, const TRect& area)
{
    const long long z = std::max(zoom, 1);
    const Box canvas{box.Left * z, box.Top * z, box.Right * z + 1, box.Bottom * z + 1};
    return Clip(canvas, TRect{0, 0, area.Right * static_cast<int>(z) + 1, area.Bottom * static_cast<int>(z) + 1});
}

const char* StepName(FreehandTool tool)
{
    switch (tool) {
    case FreehandTool::Pencil:
        return "Pencil";
    case FreehandTool::Brush:
        return "Brush";
    case FreehandTool::Eraser:
        return "Eraser";
    case FreehandTool::Line:
        break;
    }
    return "Line";
}

} // namespace

TStrokeSettings FreehandSettings(FreehandTool tool, int width, int brushGradient, TColor colour, int alpha,
                                 bool lineAntiAlias)
{
    TStrokeSettings settings{tool, width, 255, colour, OpacityOf(alpha), false};
    switch (tool) {
    case FreehandTool::Brush:
        settings.Hardness = brushGradient;
        break;
    case FreehandTool::Eraser:
        settings.Colour = kWhite;
        settings.Opacity = 0;
        break;
    case FreehandTool::Line:
        settings.AntiAlias = lineAntiAlias;
        break;
    case FreehandTool::Pencil:
        break;
    }
    return settings;
}

TRect TFreehandStroke::Press(TIconImage& image, int canvasX, int canvasY, int zoom, const TStrokeSettings& settings)
{
    settings_ = settings;
    settings_.Width = std::max(settings.Width, 1);
    active_ = true;
    area_ = ImageArea(image);
    backupBitmap_ = image.Bitmap;
    backupMask_ = image.Mask;
    const TPoint point = ImagePixelAt(canvasX, canvasY, zoom);
    points_.assign(1, point);
    coverage_.resize(area_.Right, area_.Bottom);
    pendingDab_ = TRect{};
    if (settings_.Tool == FreehandTool::Line)
        return TRect{};

    settled_.resize(area_.Right, area_.Bottom);
    segment_.resize(area_.Right, area_.Bottom);
    tailBox_ = TRect{};

    const int w = settings_.Width;
    const int offset = (w - 1) / 2;
    const Box dab{static_cast<long long>(point.X) - offset, static_cast<long long>(point.Y) - offset,
                  static_cast<long long>(point.X) - offset + w, static_cast<long long>(point.Y) - offset + w};
    pendingDab_ = Clip(dab, area_);
    if (!pendingDab_.IsEmpty()) {
        // The footprint reaches into the image, so its edges are within a pen width of it.
        dab_.resize(w, w);
        MakeRoundBrush(dab_, w, settings_.Hardness);
        const TRect rect{static_cast<int>(dab.Left), static_cast<int>(dab.Top), static_cast<int>(dab.Right),
                         static_cast<int>(dab.Bottom)};
        PaintThroughCoverage(dab_, image.Bitmap, image.Mask, rect, settings_.Colour, settings_.Opacity,
                             image.ColorDepth);
    }
    return CanvasRect(dab, zoom, area_);
}

TRect TFreehandStroke::Move(TIconImage& image, int canvasX, int canvasY, int zoom, bool leftButton)
{
    if (!active_ || !leftButton || ImageArea(image) != area_)
        return TRect{};
    const TPoint point = ImagePixelAt(canvasX, canvasY, zoom);
    if (settings_.Tool == FreehandTool::Line)
        return RedrawLine(image, point, zoom);
    if (point == points_.back())
        return TRect{};
    return ExtendPolyline(image, point, zoom);
}

TRect TFreehandStroke::ExtendPolyline(TIconImage& image, TPoint point, int zoom)
{
    const int w = settings_.Width;
    // The first move replaces the press's footprint with the stroke.
    TRect changed = std::exchange(pendingDab_, TRect{});
    std::optional<Box> removedTail;
    if (points_.size() < kMaxPoints) {
        if (points_.size() >= 2)
            DarkenCoverage(settled_, segment_, tailBox_);
        points_.push_back(point);
    } else {
        // The new point replaces the last one: the last segment leaves the coverage.
        removedTail = SegmentBox(points_[points_.size() - 2], points_.back(), w);
        CopyRasterRect(coverage_, settled_, tailBox_);
        changed = UnionRect(changed, tailBox_);
        points_.back() = point;
    }

    const std::array<TPoint, 2> tail{points_[points_.size() - 2], point};
    const Box box = SegmentBox(tail[0], tail[1], w);
    tailBox_ = Clip(box, area_);
    FillBitmapRect(segment_, kWhite, tailBox_);
    DrawStrokeCoverage(segment_, tail, w, settings_.Hardness);
    DarkenCoverage(coverage_, segment_, tailBox_);
    Repaint(image, UnionRect(changed, tailBox_));
    return CanvasRect(removedTail ? Union(*removedTail, box) : box, zoom, area_);
}

TRect TFreehandStroke::RedrawLine(TIconImage& image, TPoint point, int zoom)
{
    const TPoint start = points_.front();
    FillBitmapRect(coverage_, kWhite, area_);
    if (settings_.AntiAlias)
        DrawCoverageLine(start.X, start.Y, point.X, point.Y, settings_.Width, area_, lineWork_, coverage_);
    else
        DrawLine(coverage_, start, point, TPen{0, settings_.Width});
    CopyRasterRect(image.Bitmap, backupBitmap_, area_);
    CopyRasterRect(image.Mask, backupMask_, area_);
    PaintThroughCoverage(coverage_, image.Bitmap, image.Mask, area_, settings_.Colour, settings_.Opacity,
                         image.ColorDepth);
    return CanvasRect(Box{area_.Left, area_.Top, area_.Right, area_.Bottom}, zoom, area_);
}

void TFreehandStroke::Repaint(TIconImage& image, TRect rect)
{
    if (rect.IsEmpty())
        return;
    CopyRasterRect(image.Bitmap, backupBitmap_, rect);
    CopyRasterRect(image.Mask, backupMask_, rect);
    patch_.resizeForOverwrite(rect.Width(), rect.Height());
    for (int y = rect.Top; y < rect.Bottom; ++y)
        std::copy_n(coverage_.pixel(rect.Left, y), 3 * rect.Width(), patch_.row(y - rect.Top));
    PaintThroughCoverage(patch_, image.Bitmap, image.Mask, rect, settings_.Colour, settings_.Opacity,
                         image.ColorDepth);
}

std::optional<TPaintCommit> TFreehandStroke::Release(const TIconImage& image)
{
    if (!active_)
        return std::nullopt;
    active_ = false;
    return TPaintCommit{StepName(settings_.Tool), PaletteColor(static_cast<int>(settings_.Colour), image.Palette)};
}

} // namespace ormel
