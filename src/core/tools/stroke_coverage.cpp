#include "tools/stroke_coverage.h"

#include "raster/pen.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace ormel {

namespace {

TRect ClippedToBoth(TRect rect, const Raster& a, const Raster& b)
{
    ClipRectToBitmap(rect, a);
    ClipRectToBitmap(rect, b);
    return rect;
}

} // namespace

void DrawStrokeCoverage(Raster& coverage, std::span<const TPoint> points, int width, int hardness)
{
    width = std::max(width, 1);
    if (width <= 2) {
        DrawPolyline(coverage, points, TPen{0, width});
        return;
    }
    const int softness = 255 - std::clamp(hardness, 0, 255);
    const int k = (width - 1) / 2;
    for (int i = 0; i <= k; ++i) {
        const auto grey = static_cast<std::uint8_t>((k - i) * softness / k);
        DrawPolyline(coverage, points, TPen{MakeColor(grey, grey, grey), width - 2 * i});
    }
}

void DarkenCoverage(Raster& dest, const Raster& source, TRect rect)
{
    rect = ClippedToBoth(rect, dest, source);
    if (rect.IsEmpty())
        return;
    const auto count = static_cast<std::size_t>(3 * rect.Width());
    for (int y = rect.Top; y < rect.Bottom; ++y) {
        std::uint8_t* d = dest.pixel(rect.Left, y);
        const std::uint8_t* s = source.pixel(rect.Left, y);
        for (std::size_t i = 0; i < count; ++i)
            d[i] = std::min(d[i], s[i]);
    }
}

void CopyRasterRect(Raster& dest, const Raster& source, TRect rect)
{
    rect = ClippedToBoth(rect, dest, source);
    if (rect.IsEmpty())
        return;
    for (int y = rect.Top; y < rect.Bottom; ++y)
        std::copy_n(source.pixel(rect.Left, y), 3 * rect.Width(), dest.pixel(rect.Left, y));
}

} // namespace ormel
