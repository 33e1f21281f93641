#include "tools/gradient_rect.h"

#include "raster/paint.h"
#include "raster/rounding.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace ormel {

namespace {

// Stands for "no crossing" in the corner test.
constexpr double kNoCrossing = 65535.0;

double WithSignOf(double value, double sign) { return sign < 0 ? -value : value; }

int Channel(TColor colour, int shift) { return static_cast<int>((colour >> shift) & 255); }

// ((255 - weight) x colour + weight x fill) div 255 per channel.
TColor MixBorderIntoFill(TColor colour, TColor fill, int weight)
{
    const auto mix = [&](int shift) {
        return static_cast<std::uint8_t>(((255 - weight) * Channel(colour, shift) + weight * Channel(fill, shift)) / 255);
    };
    return MakeColor(mix(0), mix(8), mix(16));
}

} // namespace

TGradientRect::TGradientRect(const TShapePaint& paint, int depthCode)
    : paint_(paint), depthCode_(depthCode)
{
}

void TGradientRect::LayOutShape(const TRect&) {}

int TGradientRect::EffectiveWeight(int weight) const
{
    if (paint_.AntiAliasing && !IsIndexedDepth(depthCode_))
        return weight;
    return weight < 128 ? 0 : 255;
}

void TGradientRect::Draw(TRect bounds, Raster& bitmap, Raster& mask)
{
    NormalizeRect(bounds);
    LayOutShape(bounds);

    // Cut at the smaller of the two rasters, so that neither is written out of bounds.
    bounds.Left = std::max(bounds.Left, 0);
    bounds.Top = std::max(bounds.Top, 0);
    bounds.Right = std::min({bounds.Right, bitmap.width(), mask.width()});
    bounds.Bottom = std::min({bounds.Bottom, bitmap.height(), mask.height()});
    if (bounds.IsEmpty())
        return;
    bounds_ = bounds;

    const int border = paint_.Border;
    const int r = paint_.CornerRadius;
    innerTop_ = bounds.Top + border;
    innerBottom_ = bounds.Bottom - 1 - border;
    innerLeft_ = bounds.Left + border;
    innerRight_ = bounds.Right - 1 - border;
    centre_ = TPoint{(bounds.Left + bounds.Right) / 2, (bounds.Top + bounds.Bottom) / 2};

    const TPoint topLeft{bounds.Left + r, bounds.Top + r};
    const TPoint bottomRight{bounds.Right - r - 1, bounds.Bottom - r - 1};
    cornerCentres_[0] = topLeft;
    cornerCentres_[1] = TPoint{bottomRight.X, topLeft.Y};
    cornerCentres_[2] = TPoint{topLeft.X, bottomRight.Y};
    cornerCentres_[3] = bottomRight;
    const int leftEnd = std::min(topLeft.X, centre_.X);
    const int topEnd = std::min(topLeft.Y, centre_.Y);
    const int rightStart = std::max(bottomRight.X, centre_.X);
    const int bottomStart = std::max(bottomRight.Y, centre_.Y);
    cornerBoxes_[0] = TRect{bounds.Left, bounds.Top, leftEnd, topEnd};
    cornerBoxes_[1] = TRect{rightStart, bounds.Top, bounds.Right, topEnd};
    cornerBoxes_[2] = TRect{bounds.Left, bottomStart, leftEnd, bounds.Bottom};
    cornerBoxes_[3] = TRect{rightStart, bottomStart, bounds.Right, bounds.Bottom};

    opacity_ = Channel(paint_.Opacity, 16);

    for (int y = bounds.Top; y < bounds.Bottom; ++y)
        for (int x = bounds.Left; x < bounds.Right; ++x)
            PaintPixel(x, y, FillColourAt(x, y), bitmap, mask);
}

TColor TGradientRect::FillColourAt(int x, int y) const
{
    const Raster* strip = paint_.GradientStrip;
    if (paint_.Style < 1 || paint_.Style > 4 || strip == nullptr || strip->empty())
        return paint_.FillColor;

    const long long last = strip->width() - 1;
    const long long dx = x - centre_.X;
    const long long dy = y - centre_.Y;
    long long index = 0;
    switch (paint_.Style) {
    case 1:
        index = last * (y - innerTop_) / std::max(bounds_.Height() - 2 * paint_.Border, 1);
        break;
    case 2:
        index = last * (x - innerLeft_) / std::max(innerRight_ - innerLeft_, 1);
        break;
    case 3: {
        const int halfWidth = std::max((innerRight_ - innerLeft_) / 2, 1);
        const int halfHeight = std::max((innerBottom_ - innerTop_) / 2, 1);
        index = std::max(last * std::llabs(dx) / halfWidth, last * std::llabs(dy) / halfHeight);
        break;
    }
    default: {
        // The farthest corner of the inner box, each difference measured outward from the
        // centre and never negative (the inner box of a thin shape is inverted).
        const long long left = std::max(centre_.X - innerLeft_, 0);
        const long long right = std::max(innerRight_ - centre_.X, 0);
        const long long top = std::max(centre_.Y - innerTop_, 0);
        const long long bottom = std::max(innerBottom_ - centre_.Y, 0);
        const long long wide = std::max(left, right);
        const long long high = std::max(top, bottom);
        const double reach = std::sqrt(static_cast<double>(std::max(wide * wide + high * high, 1LL)));
        index = Round(std::sqrt(static_cast<double>(dx * dx + dy * dy)) * static_cast<double>(last) / reach);
        break;
    }
    }
    index = std::clamp(index, 0LL, last);
    return PackPixel(strip->pixel(static_cast<int>(index), 0));
}

TShapeClass TGradientRect::Classify(int x, int y) const
{
    for (int i = 0; i < 4; ++i)
        if (PointInRect(x, y, cornerBoxes_[i]))
            return ClassifyCorner(x, y, cornerCentres_[i]);
    if (y >= innerTop_ && y <= innerBottom_ && x >= innerLeft_ && x <= innerRight_)
        return TShapeClass{RegionInterior, 0};
    return TShapeClass{RegionBorder, 0};
}

// The border band of a rounded corner reaches the border width on each side of the circle.
TShapeClass TGradientRect::ClassifyCorner(int x, int y, TPoint centre) const
{
    const double radius = paint_.CornerRadius;
    const double radiusSquared = radius * radius;
    const double border = paint_.Border;
    const double dx = x - centre.X;
    const double dy = y - centre.Y;

    // Where the circle crosses this pixel's column (yC) and row (xC), on the pixel's side.
    double yC = kNoCrossing;
    if (std::abs(dx) <= radius)
        yC = WithSignOf(std::sqrt(radiusSquared - dx * dx), dy);
    double xC = kNoCrossing;
    if (std::abs(dy) <= radius)
        xC = WithSignOf(std::sqrt(radiusSquared - dy * dy), dx);

    const double ex = dx - xC;
    const double ey = dy - yC;
    const bool alongX = std::abs(ex) < std::abs(ey);
    const double d = alongX ? std::abs(ex) : std::abs(ey);
    const double p = alongX ? std::abs(dx) : std::abs(dy);
    const double q = alongX ? std::abs(xC) : std::abs(yC);

    if (d <= border) {
        if (d <= border - 1)
            return TShapeClass{RegionBorder, 0};
        return TShapeClass{p >= q ? RegionOuterEdge : RegionInnerEdge, Trunc(255 * d / border)};
    }
    if ((xC == kNoCrossing && yC == kNoCrossing) || p >= q)
        return TShapeClass{RegionOutside, 255};
    return TShapeClass{RegionInterior, 0};
}

void TGradientRect::PaintPixel(int x, int y, TColor fill, Raster& bitmap, Raster& mask) const
{
    const TShapeClass shape = Classify(x, y);
    const int weight = EffectiveWeight(shape.Weight);
    const int type = paint_.Type;
    if (type < 0 || type > 2)
        return;

    TColor colour = paint_.Color;
    int coverage = 0;
    switch (shape.Region) {
    case RegionInterior:
        if (type == 0)
            return;
        colour = fill;
        break;
    case RegionBorder:
        if (type == 2)
            colour = fill;
        break;
    case RegionOuterEdge:
        if (type == 2)
            colour = fill;
        coverage = weight;
        break;
    case RegionInnerEdge:
        if (type == 0)
            coverage = weight;
        else if (type == 1)
            colour = MixBorderIntoFill(paint_.Color, fill, weight);
        else
            colour = fill;
        break;
    default:
        return;
    }
    if (coverage >= 255)
        return;

    std::uint8_t* pixel = bitmap.pixel(x, y);
    std::uint8_t* transparency = mask.pixel(x, y);
    if (IsIndexedDepth(depthCode_)) {
        StorePixel(pixel, colour);
        transparency[0] = transparency[1] = transparency[2] = 0;
    } else if (depthCode_ == Depth24) {
        // Blends with the stored colour even where the pixel was transparent.
        const auto blend = [&](int shift, std::uint8_t old) {
            return static_cast<std::uint8_t>(((255 - coverage) * Channel(colour, shift) + coverage * old) / 255);
        };
        StorePixel(pixel, MakeColor(blend(0, pixel[2]), blend(8, pixel[1]), blend(16, pixel[0])));
        transparency[0] = transparency[1] = transparency[2] = 0;
    } else if (opacity_ >= 1) {
        // Source over destination with straight alpha.
        const double alphaDest = (255 - transparency[0]) / 255.0;
        const double alphaSource = opacity_ * (255 - coverage) / 65025.0;
        const double alphaOut = 1 - (1 - alphaDest) * (1 - alphaSource);
        const double weightDest = (1 - alphaSource) * alphaDest;
        const auto blend = [&](int shift, std::uint8_t old) {
            return static_cast<std::uint8_t>(ClampInt(Round((old * weightDest + Channel(colour, shift) * alphaSource) / alphaOut), 0, 255));
        };
        StorePixel(pixel, MakeColor(blend(0, pixel[2]), blend(8, pixel[1]), blend(16, pixel[0])));
        transparency[0] = transparency[1] = transparency[2] = static_cast<std::uint8_t>(ClampInt(Round(255 - 255 * alphaOut), 0, 255));
    } else {
        pixel[0] = pixel[1] = pixel[2] = 255;
        transparency[0] = transparency[1] = transparency[2] = 255;
    }
}

} // namespace ormel
