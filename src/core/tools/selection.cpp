#include "tools/selection.h"

#include "raster/pen.h"
#include "raster/rounding.h"

#include <algorithm>
#include <climits>

namespace ormel {

namespace {

// The lasso leaves the last slot of the list for the point that closes it.
constexpr std::size_t kLassoLimit = TSelection::kCapacity - 1;

} // namespace

TPoint SelectionCorner(const TIconImage& image, int canvasX, int canvasY, int zoom)
{
    zoom = std::max(zoom, 1);
    const int x = std::clamp(Round(double(canvasX) / zoom), 0, std::max(image.Width, 0));
    const int y = std::clamp(Round(double(canvasY) / zoom), 0, std::max(image.Height, 0));
    return TPoint{x * zoom, y * zoom};
}

TRect BuildSelectionRegion(std::span<const TPoint> points, int zoom, int width, int height, Raster& region)
{
    if (points.size() < 3)
        return TRect{};
    zoom = std::max(zoom, 1);
    std::vector<TPoint> scaled;
    scaled.reserve(points.size());
    TRect bounds{INT_MAX, INT_MAX, 0, 0};
    for (const TPoint& p : points) {
        const TPoint q{p.X / zoom, p.Y / zoom};
        scaled.push_back(q);
        bounds.Left = std::min(bounds.Left, q.X);
        bounds.Top = std::min(bounds.Top, q.Y);
        bounds.Right = std::max(bounds.Right, q.X);
        bounds.Bottom = std::max(bounds.Bottom, q.Y);
    }
    region.resize(width, height);
    region.fill(0, 0, 0);
    FillPolygon(region, scaled, MakeColor(0, 255, 255));
    return bounds;
}

void TSelection::RectPress(const TIconImage& image, int canvasX, int canvasY, int zoom)
{
    points_.assign(1, SelectionCorner(image, canvasX, canvasY, zoom));
}

bool TSelection::RectMove(const TIconImage& image, int canvasX, int canvasY, int zoom, TRect& outline)
{
    if (points_.empty())
        return false;
    const TPoint a = points_.front();
    const TPoint b = SelectionCorner(image, canvasX, canvasY, zoom);
    points_ = {a, TPoint{b.X, a.Y}, b, TPoint{a.X, b.Y}, a};
    outline = TRect{a.X, a.Y, b.X, b.Y};
    return true;
}

bool TSelection::RectRelease(const TIconImage& image, int zoom, Raster& region, TRect& bounds)
{
    bounds = BuildSelectionRegion(points_, zoom, image.Width, image.Height, region);
    if (bounds.Width() >= 1 && bounds.Height() >= 1)
        return true;
    SelectNone();
    return false;
}

void TSelection::LassoPress(const TIconImage& image, int canvasX, int canvasY, int zoom)
{
    points_.assign(1, SelectionCorner(image, canvasX, canvasY, zoom));
}

bool TSelection::LassoMove(const TIconImage& image, int canvasX, int canvasY, int zoom)
{
    if (points_.empty())
        return false;
    const TPoint p = SelectionCorner(image, canvasX, canvasY, zoom);
    if (p == points_.back())
        return false;
    if (points_.size() >= kLassoLimit)
        points_.back() = p;
    else
        points_.push_back(p);
    return true;
}

bool TSelection::LassoRelease(const TIconImage& image, int zoom, Raster& region, TRect& bounds)
{
    if (points_.size() < 3) {
        SelectNone();
        bounds = TRect{};
        return false;
    }
    points_.push_back(points_.front());
    bounds = BuildSelectionRegion(points_, zoom, image.Width, image.Height, region);
    return true;
}

void TSelection::SelectAll(const TIconImage& image, int zoom)
{
    zoom = std::max(zoom, 1);
    const int right = image.Width * zoom, bottom = image.Height * zoom;
    points_ = {TPoint{0, 0}, TPoint{right, 0}, TPoint{right, bottom}, TPoint{0, bottom}, TPoint{0, 0}};
}

} // namespace ormel
