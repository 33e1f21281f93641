#include "raster/pen.h"

#include "raster/paint.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <vector>

namespace ormel {

namespace {

// Boundary tests are inclusive; this absorbs the rounding of square roots and divisions.
constexpr double kTolerance = 1e-9;
constexpr double kInfinity = std::numeric_limits<double>::infinity();

// Writes the colour into pixels first..last of row y, clipped to the bitmap.
void FillSpan(Raster& bitmap, long long y, double first, double last, TColor colour)
{
    if (y < 0 || y >= bitmap.height()) {
        return;
    }
    first = std::max(first, 0.0);
    last = std::min(last, bitmap.width() - 1.0);
    if (first > last) {
        return;
    }
    std::uint8_t* row = bitmap.row(static_cast<int>(y));
    for (int x = static_cast<int>(first); x <= static_cast<int>(last); ++x) {
        StorePixel(row + 3 * x, colour);
    }
}

// Fills the pixels of row y whose centres lie in [low, high].
void FillCentresIn(Raster& bitmap, long long y, double low, double high, TColor colour)
{
    if (low <= high) {
        FillSpan(bitmap, y, std::ceil(low - 0.5 - kTolerance), std::floor(high - 0.5 + kTolerance), colour);
    }
}

// Bresenham from `from` toward `to`, the pixel at `to` left out. Ties of the minor coordinate
// stay on the side of the start. Only the steps whose major coordinate falls inside the
// bitmap are visited.
void DrawThinLine(Raster& bitmap, TPoint from, TPoint to, TColor colour)
{
    const long long dx = static_cast<long long>(to.X) - from.X;
    const long long dy = static_cast<long long>(to.Y) - from.Y;
    const bool xMajor = std::llabs(dx) > std::llabs(dy);
    const long long steps = xMajor ? std::llabs(dx) : std::llabs(dy);
    if (steps == 0) {
        return;
    }
    const long long minorSpan = xMajor ? std::llabs(dy) : std::llabs(dx);
    const long long majorStart = xMajor ? from.X : from.Y;
    const long long minorStart = xMajor ? from.Y : from.X;
    const long long majorDir = (xMajor ? dx : dy) < 0 ? -1 : 1;
    const long long minorDir = (xMajor ? dy : dx) < 0 ? -1 : 1;
    const long long majorLimit = xMajor ? bitmap.width() : bitmap.height();

    long long first = majorDir > 0 ? -majorStart : majorStart - (majorLimit - 1);
    long long last = majorDir > 0 ? majorLimit - 1 - majorStart : majorStart;
    first = std::max(first, 0LL);
    last = std::min(last, steps - 1);
    for (long long i = first; i <= last; ++i) {
        const long long major = majorStart + majorDir * i;
        const long long minor = minorStart + minorDir * ((2 * minorSpan * i + steps - 1) / (2 * steps));
        const long long x = xMajor ? major : minor;
        const long long y = xMajor ? minor : major;
        if (x >= 0 && x < bitmap.width() && y >= 0 && y < bitmap.height()) {
            StorePixel(bitmap.pixel(static_cast<int>(x), static_cast<int>(y)), colour);
        }
    }
}

// Narrows [low, high] to the X where lo <= a X + b <= hi.
void Narrow(double a, double b, double lo, double hi, double& low, double& high)
{
    if (a == 0.0) {
        if (b < lo || b > hi) {
            low = kInfinity;
            high = -kInfinity;
        }
        return;
    }
    double x1 = (lo - b) / a;
    double x2 = (hi - b) / a;
    if (a < 0.0) {
        std::swap(x1, x2);
    }
    low = std::max(low, x1);
    high = std::min(high, x2);
}

// Widens [low, high] by the part of the row at height Y inside the disc.
void AddDiscSpan(double cx, double cy, double radius, double Y, double& low, double& high)
{
    const double dy = Y - cy;
    if (std::abs(dy) > radius) {
        return;
    }
    const double half = std::sqrt(std::max(0.0, radius * radius - dy * dy));
    low = std::min(low, cx - half);
    high = std::max(high, cx + half);
}

// The pixels whose centres lie within `radius` of the segment a-b: per row, the union of the
// two end discs and the band beside the segment, which is one interval since the shape is
// convex.
void FillCapsule(Raster& bitmap, double ax, double ay, double bx, double by, double radius, TColor colour)
{
    radius += kTolerance;
    const double dx = bx - ax;
    const double dy = by - ay;
    const double lengthSquared = dx * dx + dy * dy;
    const double length = std::sqrt(lengthSquared);

    const double top = std::max(std::ceil(std::min(ay, by) - radius - 0.5), 0.0);
    const double bottom = std::min(std::floor(std::max(ay, by) + radius - 0.5), bitmap.height() - 1.0);
    for (double y = top; y <= bottom; ++y) {
        const double Y = y + 0.5;
        double low = kInfinity;
        double high = -kInfinity;
        AddDiscSpan(ax, ay, radius, Y, low, high);
        AddDiscSpan(bx, by, radius, Y, low, high);
        if (length > 0.0) {
            double bandLow = -kInfinity;
            double bandHigh = kInfinity;
            // Projection onto the segment between its ends, distance from its line within radius.
            Narrow(dx, (Y - ay) * dy - ax * dx, 0.0, lengthSquared, bandLow, bandHigh);
            Narrow(-dy, (Y - ay) * dx + ax * dy, -radius * length, radius * length, bandLow, bandHigh);
            if (bandLow <= bandHigh) {
                low = std::min(low, bandLow);
                high = std::max(high, bandHigh);
            }
        }
        FillCentresIn(bitmap, static_cast<long long>(y), low, high, colour);
    }
}

// Where the disc of a pen width sits for point p: the centre of the w x w box that starts at
// p - (w - 1) div 2.
double DiscCentre(int coordinate, int width)
{
    return coordinate - (width - 1) / 2 + width / 2.0;
}

// The columns of row y whose centres lie inside the ellipse of centre (cx, cy) and semi-axes
// a, b; false when there are none.
bool EllipseRow(double cx, double cy, double a, double b, int y, int& first, int& last)
{
    if (a <= 0.0 || b <= 0.0) {
        return false;
    }
    const double t = (y + 0.5 - cy) / b;
    if (std::abs(t) > 1.0 + kTolerance) {
        return false;
    }
    const double half = a * std::sqrt(std::max(0.0, 1.0 - t * t));
    // Clamped so that boxes far beyond the bitmap convert safely; -1 stays left of it.
    first = static_cast<int>(std::clamp(std::ceil(cx - half - 0.5 - kTolerance), -1.0, double(INT_MAX)));
    last = static_cast<int>(std::clamp(std::floor(cx + half - 0.5 + kTolerance), -1.0, double(INT_MAX)));
    return first <= last;
}

bool InSpan(int x, bool present, int first, int last) { return present && x >= first && x <= last; }

} // namespace

void DrawLine(Raster& bitmap, TPoint from, TPoint to, const TPen& pen)
{
    if (pen.Width < 2) {
        DrawThinLine(bitmap, from, to, pen.Colour);
        return;
    }
    FillCapsule(bitmap, DiscCentre(from.X, pen.Width), DiscCentre(from.Y, pen.Width), DiscCentre(to.X, pen.Width),
                DiscCentre(to.Y, pen.Width), pen.Width / 2.0, pen.Colour);
}

void DrawPolyline(Raster& bitmap, std::span<const TPoint> points, const TPen& pen)
{
    for (std::size_t i = 1; i < points.size(); ++i) {
        DrawLine(bitmap, points[i - 1], points[i], pen);
    }
}

void FillPolygon(Raster& bitmap, std::span<const TPoint> points, TColor colour)
{
    if (points.size() < 3 || bitmap.empty()) {
        return;
    }
    long long minY = points[0].Y;
    long long maxY = points[0].Y;
    for (const TPoint& p : points) {
        minY = std::min<long long>(minY, p.Y);
        maxY = std::max<long long>(maxY, p.Y);
    }
    const long long top = std::max(minY, 0LL);
    const long long bottom = std::min<long long>(maxY, bitmap.height()) - 1;
    std::vector<double> crossings;
    for (long long y = top; y <= bottom; ++y) {
        // Row centres sit half-way between whole coordinates, so they never meet a vertex.
        crossings.clear();
        for (std::size_t i = 0; i < points.size(); ++i) {
            const TPoint& a = points[i];
            const TPoint& b = points[(i + 1) % points.size()];
            if ((a.Y <= y && b.Y > y) || (b.Y <= y && a.Y > y)) {
                const double rise = 2.0 * (static_cast<double>(b.Y) - a.Y);
                const double offset = 2.0 * (static_cast<double>(y) - a.Y) + 1.0;
                crossings.push_back(a.X + offset * (static_cast<double>(b.X) - a.X) / rise);
            }
        }
        std::sort(crossings.begin(), crossings.end());
        for (std::size_t k = 0; k + 1 < crossings.size(); k += 2) {
            // Centres in [left crossing, right crossing).
            FillSpan(bitmap, y, std::ceil(crossings[k] - 0.5), std::ceil(crossings[k + 1] - 0.5) - 1.0, colour);
        }
    }
}

namespace {

// The ellipse inscribed in a bounding box (right and bottom exclusive) and the rows of the
// bitmap it may cover.
struct EllipseShape {
    double cx, cy, a, b;
    int top, bottom;

    EllipseShape(TRect box, const Raster& bitmap)
    {
        NormalizeRect(box);
        cx = (box.Left + static_cast<double>(box.Right)) / 2.0;
        cy = (box.Top + static_cast<double>(box.Bottom)) / 2.0;
        a = (static_cast<double>(box.Right) - box.Left) / 2.0;
        b = (static_cast<double>(box.Bottom) - box.Top) / 2.0;
        top = std::max(box.Top, 0);
        bottom = std::min(box.Bottom, bitmap.height());
    }
};

} // namespace

void FillEllipse(Raster& bitmap, TRect box, TColor colour)
{
    const EllipseShape e(box, bitmap);
    for (int y = e.top; y < e.bottom; ++y) {
        int first = 0;
        int last = 0;
        if (EllipseRow(e.cx, e.cy, e.a, e.b, y, first, last)) {
            FillSpan(bitmap, y, first, last, colour);
        }
    }
}

void DrawEllipse(Raster& bitmap, TRect box, const TPen& pen)
{
    const EllipseShape e(box, bitmap);
    const double cx = e.cx, cy = e.cy, a = e.a, b = e.b;
    const int width = std::max(pen.Width, 1);
    for (int y = e.top; y < e.bottom; ++y) {
        int first = 0;
        int last = 0;
        if (!EllipseRow(cx, cy, a, b, y, first, last)) {
            continue;
        }
        int aboveFirst = 0, aboveLast = 0, belowFirst = 0, belowLast = 0, innerFirst = 0, innerLast = 0;
        const bool above = EllipseRow(cx, cy, a, b, y - 1, aboveFirst, aboveLast);
        const bool below = EllipseRow(cx, cy, a, b, y + 1, belowFirst, belowLast);
        const bool inner = width < 2 || EllipseRow(cx, cy, a - width, b - width, y, innerFirst, innerLast);
        std::uint8_t* row = bitmap.row(y);
        for (int x = std::max(first, 0); x <= std::min(last, bitmap.width() - 1); ++x) {
            const bool edge = x == first || x == last || !InSpan(x, above, aboveFirst, aboveLast) ||
                              !InSpan(x, below, belowFirst, belowLast);
            const bool outsideInner = width >= 2 && !InSpan(x, inner, innerFirst, innerLast);
            if (edge || outsideInner) {
                StorePixel(row + 3 * x, pen.Colour);
            }
        }
    }
}

void DrawRectangle(Raster& bitmap, TRect rect, const TPen& pen)
{
    NormalizeRect(rect);
    const long long width = std::max(pen.Width, 1);
    const long long left = rect.Left;
    const long long right = rect.Right;
    const int top = std::max(rect.Top, 0);
    const int bottom = std::min(rect.Bottom, bitmap.height());
    for (int y = top; y < bottom; ++y) {
        const bool band = y < rect.Top + width || y >= rect.Bottom - width;
        if (band || 2 * width >= right - left) {
            FillSpan(bitmap, y, static_cast<double>(left), static_cast<double>(right - 1), pen.Colour);
        } else {
            FillSpan(bitmap, y, static_cast<double>(left), static_cast<double>(left + width - 1), pen.Colour);
            FillSpan(bitmap, y, static_cast<double>(right - width), static_cast<double>(right - 1), pen.Colour);
        }
    }
}

} // namespace ormel
