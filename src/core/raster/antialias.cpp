#include "raster/antialias.h"

#include "raster/paint.h"
#include "raster/pen.h"
#include "raster/resample.h"
#include "raster/rounding.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

namespace ormel {

namespace {

constexpr TColor kWhite = 0xFFFFFF;
constexpr TColor kBlack = 0;

// Pixel index and fraction of a coordinate. Flooring rather than truncating keeps coordinates
// left of or above the bitmap off its first column and row.
int PixelOf(double value) { return static_cast<int>(std::floor(value)); }
double FracOf(double value) { return value - std::floor(value); }

// Plots one step of a Wu line given in (major, minor) coordinates.
void PlotStep(bool yMajor, int major, int minor, double coverage, Raster& bitmap)
{
    if (yMajor) {
        PlotCoverage(minor, major, bitmap, coverage);
    } else {
        PlotCoverage(major, minor, bitmap, coverage);
    }
}

int Supersampled(int value) { return Round(value / kSupersampling); }

} // namespace

void PlotCoverage(int x, int y, Raster& bitmap, double coverage)
{
    if (x < 0 || y < 0 || x >= bitmap.width() || y >= bitmap.height()) {
        return;
    }
    const auto value = static_cast<std::uint8_t>(ClampInt(255 - Round(coverage * 255), 0, 255));
    std::uint8_t* p = bitmap.pixel(x, y);
    p[0] = value;
    p[1] = value;
    p[2] = value;
}

void WuLine(double x1, double y1, double x2, double y2, Raster& bitmap)
{
    if (x1 == x2) {
        const int x = Round(x1);
        for (int y = Round(std::min(y1, y2)); y <= Round(std::max(y1, y2)); ++y) {
            PlotCoverage(x, y, bitmap, 1.0);
        }
        return;
    }
    if (y1 == y2) {
        const int y = Round(y1);
        for (int x = Round(std::min(x1, x2)); x <= Round(std::max(x1, x2)); ++x) {
            PlotCoverage(x, y, bitmap, 1.0);
        }
        return;
    }
    const bool yMajor = std::abs(x2 - x1) <= std::abs(y2 - y1);
    double majorStart = yMajor ? y1 : x1;
    double minorStart = yMajor ? x1 : y1;
    double majorEnd = yMajor ? y2 : x2;
    double minorEnd = yMajor ? x2 : y2;
    if (majorEnd < majorStart) {
        std::swap(majorStart, majorEnd);
        std::swap(minorStart, minorEnd);
    }
    const double gradient = (minorEnd - minorStart) / (majorEnd - majorStart);

    const int e1 = Round(majorStart);
    const double c1 = Round(minorStart + gradient * (e1 - majorStart));
    const double gap1 = 1.0 - FracOf(majorStart + 0.5);
    PlotStep(yMajor, e1, PixelOf(c1), (1.0 - FracOf(c1)) * gap1, bitmap);
    PlotStep(yMajor, e1, PixelOf(c1) + 1, FracOf(c1) * gap1, bitmap);

    const int e2 = Round(majorEnd);
    const double c2 = Round(minorEnd + gradient * (e2 - majorEnd));
    const double gap2 = FracOf(majorEnd + 0.5);
    PlotStep(yMajor, e2, PixelOf(c2), (1.0 - FracOf(c2)) * gap2, bitmap);
    PlotStep(yMajor, e2, PixelOf(c2) + 1, FracOf(c2) * gap2, bitmap);

    double cross = c1 + gradient;
    for (int m = e1 + 1; m <= e2 - 1; ++m) {
        PlotStep(yMajor, m, PixelOf(cross), 1.0 - FracOf(cross), bitmap);
        PlotStep(yMajor, m, PixelOf(cross) + 1, FracOf(cross), bitmap);
        cross += gradient;
    }
}

void DrawCoverageLine(int x1, int y1, int x2, int y2, int penWidth, TRect rect, Raster& workBitmap, Raster& dest)
{
    if (penWidth == 1) {
        FillBitmapRect(dest, kWhite, rect);
        WuLine(x1, y1, x2, y2, dest);
        return;
    }
    ClipRectToBitmap(rect, dest);
    if (rect.IsEmpty()) {
        return;
    }
    const TRect scaled{Supersampled(rect.Left), Supersampled(rect.Top), Supersampled(rect.Right),
                       Supersampled(rect.Bottom)};
    // A work bitmap too small for the scaled rectangle is enlarged; its content is scratch.
    if (workBitmap.width() < scaled.Right || workBitmap.height() < scaled.Bottom) {
        workBitmap.resize(std::max(workBitmap.width(), scaled.Right), std::max(workBitmap.height(), scaled.Bottom));
    }
    FillBitmapRect(workBitmap, kWhite, scaled);
    DrawLine(workBitmap, TPoint{Supersampled(x1), Supersampled(y1)}, TPoint{Supersampled(x2), Supersampled(y2)},
             TPen{kBlack, Supersampled(penWidth)});
    ShrinkAreaAverage(workBitmap, dest, scaled, rect);
}

void MakeRoundBrush(Raster& bitmap, int size, int hardness)
{
    const int width = std::min(size, bitmap.width());
    const int height = std::min(size, bitmap.height());
    if (size <= 2) {
        FillBitmapRect(bitmap, kBlack, TRect{0, 0, width, height});
        return;
    }
    const double r = (size - 1) / 2.0;
    const int k = 255 - hardness;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const double d = std::sqrt((x - r) * (x - r) + (y - r) * (y - r));
            int value = 255; // outside the disc
            if (d - 0.4 <= r) {
                value = d >= r ? k : Round(k * d / r);
            }
            const auto byte = static_cast<std::uint8_t>(ClampInt(value, 0, 255));
            std::uint8_t* p = bitmap.pixel(x, y);
            p[0] = byte;
            p[1] = byte;
            p[2] = byte;
        }
    }
}

} // namespace ormel
