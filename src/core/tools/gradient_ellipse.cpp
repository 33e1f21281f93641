#include "tools/gradient_ellipse.h"

#include "raster/rounding.h"

#include <cmath>

namespace ormel {

namespace {

constexpr double kNoCrossing = 65535.0;

double WithSignOf(double value, double sign) { return sign < 0 ? -value : value; }

} // namespace

// The ellipse comes from the whole rectangle, before it is cut at the image edge.
void TGradientEllipse::LayOutShape(const TRect& bounds)
{
    const int border = Paint().Border;
    centreX_ = (bounds.Right - 1 + bounds.Left) / 2.0;
    centreY_ = (bounds.Bottom - 1 + bounds.Top) / 2.0;
    a_ = (bounds.Right - bounds.Left - 1 - border) / 2.0;
    b_ = (bounds.Bottom - bounds.Top - 1 - border) / 2.0;
    aSquared_ = a_ * a_;
    bSquared_ = b_ * b_;
}

TShapeClass TGradientEllipse::Classify(int x, int y) const
{
    // Too small for its border: all border.
    if (a_ <= 0 || b_ <= 0)
        return TShapeClass{RegionBorder, 0};

    const double dx = x - centreX_;
    const double dy = y - centreY_;
    // Where the curve crosses this pixel's column (yE) and row (xE), on the pixel's side.
    double yE = kNoCrossing;
    if (std::abs(dx) < a_)
        yE = WithSignOf(std::sqrt((1 - dx * dx / aSquared_) * bSquared_), dy);
    double xE = kNoCrossing;
    if (std::abs(dy) < b_)
        xE = WithSignOf(std::sqrt((1 - dy * dy / bSquared_) * aSquared_), dx);

    const double ex = dx - xE;
    const double ey = dy - yE;
    const bool alongY = std::abs(ex) >= std::abs(ey);
    const double d = alongY ? std::abs(ey) : std::abs(ex);
    const double p = alongY ? std::abs(dy) : std::abs(dx);
    const double q = alongY ? std::abs(yE) : std::abs(xE);

    const double half = Paint().Border / 2.0;
    if (d > half + 0.5) {
        if (p < q && (xE != kNoCrossing || yE != kNoCrossing))
            return TShapeClass{RegionInterior, 0};
        return TShapeClass{RegionOutside, 255};
    }
    if (d > half - 0.5)
        return TShapeClass{p >= q ? RegionOuterEdge : RegionInnerEdge, Trunc(255 * d / (half + 0.5))};
    return TShapeClass{RegionBorder, 0};
}

} // namespace ormel
