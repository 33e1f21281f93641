#pragma once

#include "files/icon_image.h"
#include "raster/rect.h"

#include <cstddef>
#include <span>
#include <vector>

namespace ormel {

// A selection is a closed polygon of pixel corners, stored in canvas coordinates (image
// corner x zoom). It exists for Copy, Cut and Clear once it has three points.
class TSelection {
public:
    // The point list holds at most this many points; a lasso keeps the last one free for the
    // point that closes it.
    static constexpr std::size_t kCapacity = 65536;

    const std::vector<TPoint>& Points() const { return points_; }
    bool HasSelection() const { return points_.size() >= 3; }

    // Rectangle select. Move (left button down) gives the outline rectangle from the press
    // corner to the pointer's corner in canvas coordinates, false before a press. Release
    // builds the region and gives its bounds; a rectangle less than a pixel wide or high is
    // removed (SelectNone) and gives false.
    void RectPress(const TIconImage& image, int canvasX, int canvasY, int zoom);
    bool RectMove(const TIconImage& image, int canvasX, int canvasY, int zoom, TRect& outline);
    bool RectRelease(const TIconImage& image, int zoom, Raster& region, TRect& bounds);

    // Lasso. Move (left button down) appends the pointer's corner when it differs from the
    // last point and says so (the outline wants redrawing); once the list is full, the newest
    // point replaces the last. Release discards a lasso of fewer than three points (false);
    // otherwise it closes the polygon, builds the region and gives its bounds.
    void LassoPress(const TIconImage& image, int canvasX, int canvasY, int zoom);
    bool LassoMove(const TIconImage& image, int canvasX, int canvasY, int zoom);
    bool LassoRelease(const TIconImage& image, int zoom, Raster& region, TRect& bounds);

    // The whole image as a closed rectangle.
    void SelectAll(const TIconImage& image, int zoom);
    void SelectNone() { points_.clear(); }

private:
    std::vector<TPoint> points_;
};

// The pixel corner nearest a canvas point, in canvas coordinates: Round(canvas / zoom),
// clamped to 0..width and 0..height, times the zoom.
TPoint SelectionCorner(const TIconImage& image, int canvasX, int canvasY, int zoom);

// Makes `region` a black bitmap of the image's size with the polygon (points divided by the
// zoom) filled in RGB(0, 255, 255) by the even-odd rule, right and bottom edges excluded, so
// that byte 0 is 255 exactly on selected pixels. Gives the bounding box of the divided points;
// with fewer than three points, (0, 0, 0, 0) and the region untouched.
TRect BuildSelectionRegion(std::span<const TPoint> points, int zoom, int width, int height, Raster& region);

} // namespace ormel
