#include "raster/geometry.h"

#include "raster/byte_values.h"
#include "raster/rounding.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <numbers>
#include <utility>
#include <vector>

namespace ormel {
namespace {

constexpr std::uint8_t kWhite[3] = {255, 255, 255};

} // namespace

void FlipBitmapVertical(Raster& bitmap, TRect rect)
{
    ClipRectToBitmap(rect, bitmap);
    if (rect.IsEmpty())
        return;
    const std::size_t bytes = static_cast<std::size_t>(rect.Width()) * 3;
    for (int top = rect.Top, bottom = rect.Bottom - 1; top < bottom; ++top, --bottom)
        std::swap_ranges(bitmap.pixel(rect.Left, top), bitmap.pixel(rect.Left, top) + bytes, bitmap.pixel(rect.Left, bottom));
}

void FlipBitmapHorizontal(Raster& bitmap, TRect rect)
{
    ClipRectToBitmap(rect, bitmap);
    if (rect.IsEmpty())
        return;
    for (int y = rect.Top; y < rect.Bottom; ++y)
        for (int left = rect.Left, right = rect.Right - 1; left < right; ++left, --right)
            std::swap_ranges(bitmap.pixel(left, y), bitmap.pixel(left, y) + 3, bitmap.pixel(right, y));
}

void RotateBilinear(Raster& bitmap, TRect rect, double degrees)
{
    ClipRectToBitmap(rect, bitmap);
    if (rect.IsEmpty())
        return;
    const int width = rect.Width();
    const int height = rect.Height();
    Raster work;
    work.resizeForOverwrite(width, height);
    for (int y = 0; y < height; ++y)
        std::memcpy(work.row(y), bitmap.pixel(rect.Left, rect.Top + y), static_cast<std::size_t>(width) * 3);
    // Held in locals: the byte stores below could otherwise alias the raster's fields.
    const std::uint8_t* const pixels = work.data();
    const std::size_t stride = static_cast<std::size_t>(work.stride());
    const auto at = [&](int x, int y) -> const std::uint8_t* {
        if (x < 0 || y < 0 || x >= width || y >= height)
            return kWhite;
        return pixels + static_cast<std::size_t>(y) * stride + 3 * static_cast<std::size_t>(x);
    };

    const double theta = -degrees * std::numbers::pi / 180;
    const double co = std::cos(theta);
    const double si = std::sin(theta);
    const double cx = width / 2.0;
    const double cy = height / 2.0;
    // The products of the source position formulas, per column and per row; the sums below
    // then give the same values as the formulas written out.
    std::vector<double> columnCo(static_cast<std::size_t>(width));
    std::vector<double> columnSi(columnCo.size());
    for (int x = 0; x < width; ++x) {
        columnCo[static_cast<std::size_t>(x)] = (x - cx) * co;
        columnSi[static_cast<std::size_t>(x)] = (x - cx) * si;
    }
    for (int y = 0; y < height; ++y) {
        const double rowSi = (y - cy) * si;
        const double rowCo = (y - cy) * co;
        std::uint8_t* out = bitmap.pixel(rect.Left, rect.Top + y);
        for (int x = 0; x < width; ++x, out += 3) {
            const double sx = columnCo[static_cast<std::size_t>(x)] + rowSi + cx;
            const double sy = rowCo - columnSi[static_cast<std::size_t>(x)] + cy;
            const int x0 = Trunc(sx);
            const int y0 = Trunc(sy);
            const double x1 = x0 + 1.0;
            const double y1 = y0 + 1.0;
            const double w00 = (x1 - sx) * (y1 - sy);
            const double w10 = (sx - x0) * (y1 - sy);
            const double w01 = (x1 - sx) * (sy - y0);
            const double w11 = (sx - x0) * (sy - y0);
            const std::uint8_t* p00;
            const std::uint8_t* p10;
            const std::uint8_t* p01;
            const std::uint8_t* p11;
            if (x0 >= 0 && y0 >= 0 && x0 + 1 < width && y0 + 1 < height) {
                p00 = pixels + static_cast<std::size_t>(y0) * stride + 3 * static_cast<std::size_t>(x0);
                p10 = p00 + 3;
                p01 = p00 + stride;
                p11 = p01 + 3;
            } else {
                p00 = at(x0, y0);
                p10 = at(x0 + 1, y0);
                p01 = at(x0, y0 + 1);
                p11 = at(x0 + 1, y0 + 1);
            }
            const double* v = kByteValues.data();
            const auto channel = [&](int k) {
                return static_cast<std::uint8_t>(
                    ClampTrunc(v[p00[k]] * w00 + v[p10[k]] * w10 + v[p01[k]] * w01 + v[p11[k]] * w11, 0, 255));
            };
            const std::uint8_t blue = channel(0);
            const std::uint8_t green = channel(1);
            const std::uint8_t red = channel(2);
            out[0] = blue;
            out[1] = green;
            out[2] = red;
        }
    }
}

void RotateNearest(const Raster& source, Raster& dest, TRect rect, double degrees)
{
    const double theta = degrees * std::numbers::pi / 180;
    const double co = std::cos(theta);
    const double si = std::sin(theta);
    const int cx = rect.Width() / 2;
    const int cy = rect.Height() / 2;
    // Built aside, so that source and dest may be one raster.
    Raster result;
    result.resizeForOverwrite(source.width(), source.height());
    for (int y = source.height() - 1; y >= 0; --y) {
        for (int x = source.width() - 1; x >= 0; --x) {
            std::uint8_t* out = result.pixel(x, y);
            const int dx = x - cx;
            const int dy = y - cy;
            const int sx = Round(dx * co - dy * si) + cx;
            const int sy = Round(dx * si + dy * co) + cy;
            if (sx >= 0 && sy >= 0 && sx < source.width() && sy < source.height()) {
                std::memcpy(out, source.pixel(sx, sy), 3);
            } else {
                out[0] = 255; // pure blue: no source pixel
                out[1] = 0;
                out[2] = 0;
            }
        }
    }
    dest = std::move(result);
}

} // namespace ormel
