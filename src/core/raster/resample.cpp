#include "raster/resample.h"

#include "raster/byte_values.h"
#include "raster/rounding.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace ormel {
namespace {

// Clips both rectangles to their bitmaps; false when there is nothing to draw.
bool ClipBoth(const Raster& source, const Raster& dest, TRect& sourceRect, TRect& destRect)
{
    if (source.empty() || dest.empty())
        return false;
    ClipRectToBitmap(sourceRect, source);
    ClipRectToBitmap(destRect, dest);
    return !sourceRect.IsEmpty() && !destRect.IsEmpty();
}

// Rectangles of equal size. Source and dest may be one raster with overlapping rectangles:
// rows then go in the order that reads each before it is overwritten, each with memmove.
void CopyPixels(const Raster& source, Raster& dest, const TRect& sourceRect, const TRect& destRect)
{
    const std::size_t bytes = static_cast<std::size_t>(sourceRect.Width()) * 3;
    const int height = sourceRect.Height();
    const bool bottomUp = &source == &dest && destRect.Top > sourceRect.Top;
    for (int i = 0; i < height; ++i) {
        const int y = bottomUp ? height - 1 - i : i;
        std::memmove(dest.pixel(destRect.Left, destRect.Top + y), source.pixel(sourceRect.Left, sourceRect.Top + y), bytes);
    }
}

// --- bicubic ---

// The four source positions and their kernel weights for one destination position.
struct CubicTap {
    int index[4];
    double weight[4];
};

// Destination position i samples s = i / ratio + origin; its neighbours are clamped to
// [0, limit - 1], the whole bitmap rather than the source rectangle.
std::vector<CubicTap> CubicTaps(int destCount, int sourceCount, int origin, int limit)
{
    const double ratio = double(destCount) / double(sourceCount);
    std::vector<CubicTap> taps(static_cast<std::size_t>(destCount));
    for (int i = 0; i < destCount; ++i) {
        const double s = i / ratio + origin;
        const int is = Trunc(s);
        const double t = s - is;
        CubicTap& tap = taps[static_cast<std::size_t>(i)];
        for (int k = 0; k < 4; ++k)
            tap.index[k] = ClampInt(is - 1 + k, 0, limit - 1);
        tap.weight[0] = CubicWeight(t + 1);
        tap.weight[1] = CubicWeight(t);
        tap.weight[2] = CubicWeight(t - 1);
        tap.weight[3] = CubicWeight(t - 2);
    }
    return taps;
}

inline std::uint8_t CubicSum(const double w[4], double p0, double p1, double p2, double p3)
{
    return static_cast<std::uint8_t>(ClampTrunc(w[0] * p0 + w[1] * p1 + w[2] * p2 + w[3] * p3, 0, 255));
}

inline std::uint8_t CubicSumOfBytes(const double w[4], std::uint8_t p0, std::uint8_t p1, std::uint8_t p2, std::uint8_t p3)
{
    const double* v = kByteValues.data();
    return CubicSum(w, v[p0], v[p1], v[p2], v[p3]);
}

// --- area average ---

// The destination cell a source position falls in and its share f of that cell; `full` when f
// is exactly 1, where the weights of the neighbouring cells come out exactly 0.
struct AreaTap {
    int cell;
    double f;
    bool full;
};

std::vector<AreaTap> AreaTaps(int sourceCount, int destCount, double r)
{
    std::vector<AreaTap> taps(static_cast<std::size_t>(sourceCount));
    for (int x = 0; x < sourceCount; ++x) {
        // The clamp only guards the accumulator bounds; x / r stays below destCount.
        const int d = ClampInt(Trunc(x / r), 0, destCount - 1);
        double f = (d + 1) * r - x;
        if (f >= 1)
            f = 1;
        taps[static_cast<std::size_t>(x)] = AreaTap{d, f, f == 1};
    }
    return taps;
}

// Consecutive source columns [begin, end) that fall wholly into one cell (a run of full taps),
// or a single column shared with the next cell.
struct AreaRun {
    int cell;
    int begin;
    int end;
    bool full;
    double f;
};

std::vector<AreaRun> AreaRuns(const std::vector<AreaTap>& taps)
{
    std::vector<AreaRun> runs;
    for (int x = 0; x < static_cast<int>(taps.size()); ++x) {
        const AreaTap& tap = taps[static_cast<std::size_t>(x)];
        if (tap.full && !runs.empty() && runs.back().full && runs.back().cell == tap.cell && runs.back().end == x)
            runs.back().end = x + 1;
        else
            runs.push_back(AreaRun{tap.cell, x, x + 1, tap.full, tap.f});
    }
    return runs;
}

// Adds one source row into the accumulator rows `above` (cell row dy) and `below` (dy + 1).
// Each weight is computed exactly as the four-cell formula gives it and the additions into
// each cell keep the order of the source pixels, so every sum is bit for bit the formula's.
// Additions of weights that are exactly 0 are skipped, which changes no sum.
void AccumulateRow(const std::uint8_t* row, const std::vector<AreaRun>& runs, const AreaTap& rowTap, double* above,
                   double* below)
{
    const double fy = rowTap.f;
    const double oneMinusFy = 1 - fy;
    for (const AreaRun& run : runs) {
        double* a = above + 3 * run.cell;
        double* b = below + 3 * run.cell;
        const std::uint8_t* p = row + 3 * run.begin;
        const double* v = kByteValues.data();
        const std::uint8_t* last = row + 3 * run.end;
        if (run.full && rowTap.full) {
            // Weight 1 into this cell only.
            double s0 = a[0], s1 = a[1], s2 = a[2];
            for (; p != last; p += 3) {
                s0 += v[p[0]];
                s1 += v[p[1]];
                s2 += v[p[2]];
            }
            a[0] = s0;
            a[1] = s1;
            a[2] = s2;
        } else if (run.full) {
            // fx = 1: weight fy into this cell, 1 - fy into the one below.
            double s0 = a[0], s1 = a[1], s2 = a[2];
            double t0 = b[0], t1 = b[1], t2 = b[2];
            for (; p != last; p += 3) {
                s0 += v[p[0]] * fy;
                s1 += v[p[1]] * fy;
                s2 += v[p[2]] * fy;
                t0 += v[p[0]] * oneMinusFy;
                t1 += v[p[1]] * oneMinusFy;
                t2 += v[p[2]] * oneMinusFy;
            }
            a[0] = s0;
            a[1] = s1;
            a[2] = s2;
            b[0] = t0;
            b[1] = t1;
            b[2] = t2;
        } else {
            const double fx = run.f;
            const double fxy = fx * fy;
            const double w00 = fxy;
            const double w10 = fy - fxy;
            const double w01 = fx - fxy;
            const double w11 = 1 - fx - fy + fxy;
            for (int k = 0; k < 3; ++k) {
                a[k] += v[p[k]] * w00;
                a[3 + k] += v[p[k]] * w10;
                b[k] += v[p[k]] * w01;
                b[3 + k] += v[p[k]] * w11;
            }
        }
    }
}

void SetWhite(Raster& bitmap, int x, int y)
{
    if (x < 0 || y < 0 || x >= bitmap.width() || y >= bitmap.height())
        return;
    std::uint8_t* p = bitmap.pixel(x, y);
    p[0] = p[1] = p[2] = 255;
}

} // namespace

double CubicWeight(double t)
{
    const double u = t < 0 ? -t : t;
    if (u < 1)
        return u * u * u - 2 * u * u + 1;
    if (u < 2)
        return -u * u * u + 5 * u * u - 8 * u + 4;
    return 0;
}

int CubicInterpolate(double t, int p0, int p1, int p2, int p3)
{
    const double w[4] = {CubicWeight(t + 1), CubicWeight(t), CubicWeight(t - 1), CubicWeight(t - 2)};
    return CubicSum(w, p0, p1, p2, p3);
}

void StretchBitmapRect(const Raster& source, Raster& dest, TRect sourceRect, TRect destRect)
{
    if (!ClipBoth(source, dest, sourceRect, destRect))
        return;
    if (sourceRect.Width() == destRect.Width() && sourceRect.Height() == destRect.Height())
        CopyPixels(source, dest, sourceRect, destRect);
    else if (sourceRect.Width() >= destRect.Width() && sourceRect.Height() >= destRect.Height())
        ShrinkAreaAverage(source, dest, sourceRect, destRect);
    else
        StretchBicubic(source, dest, sourceRect, destRect);
}

void StretchBitmap(const Raster& source, Raster& dest, int sourceWidth, int sourceHeight, int destWidth,
                   int destHeight)
{
    StretchBitmapRect(source, dest, TRect{0, 0, sourceWidth, sourceHeight}, TRect{0, 0, destWidth, destHeight});
}

void StretchBicubic(const Raster& source, Raster& dest, const TRect& sourceRect, const TRect& destRect)
{
    TRect src = sourceRect;
    TRect dst = destRect;
    if (!ClipBoth(source, dest, src, dst))
        return;
    const int dw = dst.Width();
    const int dh = dst.Height();
    const std::vector<CubicTap> columns = CubicTaps(dw, src.Width(), src.Left, source.width());
    const std::vector<CubicTap> rows = CubicTaps(dh, src.Height(), src.Top, source.height());

    // The horizontal pass of a source row is the same for every destination row that uses it:
    // compute it once for each row some destination row needs.
    std::vector<int> slotOfRow(static_cast<std::size_t>(source.height()), -1);
    std::vector<int> rowOfSlot;
    for (const CubicTap& tap : rows)
        for (int k = 0; k < 4; ++k) {
            int& slot = slotOfRow[static_cast<std::size_t>(tap.index[k])];
            if (slot < 0) {
                slot = static_cast<int>(rowOfSlot.size());
                rowOfSlot.push_back(tap.index[k]);
            }
        }
    const std::size_t rowBytes = static_cast<std::size_t>(dw) * 3;
    std::vector<std::uint8_t> horizontal(rowOfSlot.size() * rowBytes);
    for (std::size_t slot = 0; slot < rowOfSlot.size(); ++slot) {
        const std::uint8_t* in = source.row(rowOfSlot[slot]);
        std::uint8_t* out = horizontal.data() + slot * rowBytes;
        for (const CubicTap& tap : columns) {
            const double w[4] = {tap.weight[0], tap.weight[1], tap.weight[2], tap.weight[3]};
            const std::uint8_t* p0 = in + 3 * tap.index[0];
            const std::uint8_t* p1 = in + 3 * tap.index[1];
            const std::uint8_t* p2 = in + 3 * tap.index[2];
            const std::uint8_t* p3 = in + 3 * tap.index[3];
            for (int k = 0; k < 3; ++k)
                *out++ = CubicSumOfBytes(w, p0[k], p1[k], p2[k], p3[k]);
        }
    }

    for (int y = 0; y < dh; ++y) {
        const CubicTap& tap = rows[static_cast<std::size_t>(y)];
        const std::uint8_t* r[4];
        for (int k = 0; k < 4; ++k)
            r[k] = horizontal.data() + static_cast<std::size_t>(slotOfRow[static_cast<std::size_t>(tap.index[k])]) * rowBytes;
        // Local weights: the byte stores below could otherwise alias them.
        const double w[4] = {tap.weight[0], tap.weight[1], tap.weight[2], tap.weight[3]};
        std::uint8_t* out = dest.pixel(dst.Left, dst.Top + y);
        for (std::size_t i = 0; i < rowBytes; ++i)
            out[i] = CubicSumOfBytes(w, r[0][i], r[1][i], r[2][i], r[3][i]);
    }
}

void ShrinkAreaAverage(const Raster& source, Raster& dest, const TRect& sourceRect, const TRect& destRect)
{
    TRect src = sourceRect;
    TRect dst = destRect;
    if (!ClipBoth(source, dest, src, dst))
        return;
    const int dw = dst.Width();
    const int dh = dst.Height();
    const double rx = double(src.Width()) / dw;
    const double ry = double(src.Height()) / dh;
    const std::vector<AreaRun> columns = AreaRuns(AreaTaps(src.Width(), dw, rx));
    const std::vector<AreaTap> rows = AreaTaps(src.Height(), dh, ry);

    // One extra cell column and row catch the shares that spill past the last cell.
    const std::size_t stride = static_cast<std::size_t>(dw + 1) * 3;
    std::vector<double> accumulator(stride * static_cast<std::size_t>(dh + 1), 0.0);
    for (int y = 0; y < src.Height(); ++y) {
        const AreaTap& row = rows[static_cast<std::size_t>(y)];
        double* above = accumulator.data() + static_cast<std::size_t>(row.cell) * stride;
        AccumulateRow(source.pixel(src.Left, src.Top + y), columns, row, above, above + stride);
    }

    // Every exact average is a multiple of 1 / (source width x source height). Rounding in
    // the sums can leave a whole value just below itself (white would come out as 254 and
    // count as paint in a coverage raster), so half that step is added before truncating:
    // it lifts such values back without moving any exact one.
    const double area = rx * ry;
    const double slack = 0.5 / (double(src.Width()) * double(src.Height()));
    for (int j = 0; j < dh; ++j) {
        const double* a = accumulator.data() + static_cast<std::size_t>(j) * stride;
        std::uint8_t* out = dest.pixel(dst.Left, dst.Top + j);
        for (int i = 0; i < dw * 3; ++i)
            out[i] = static_cast<std::uint8_t>(ClampTrunc(a[i] / area + slack, 0, 255));
    }

    // A white width-1 pen from (right, top) down to (right, bottom) and on to (left, bottom),
    // leaving out the final pixel: a line just right of and just below the rectangle.
    for (int y = dst.Top; y < dst.Bottom; ++y)
        SetWhite(dest, dst.Right, y);
    for (int x = dst.Right; x > dst.Left; --x)
        SetWhite(dest, x, dst.Bottom);
}

void StretchBilinear(const Raster& source, Raster& dest, int destWidth, int destHeight, int sourceWidth,
                     int sourceHeight)
{
    if (destWidth <= 0 || destHeight <= 0 || sourceWidth <= 0 || sourceHeight <= 0 || sourceWidth > source.width()
        || sourceHeight > source.height())
        return;
    const double ratioX = double(destWidth) / sourceWidth;
    const double ratioY = double(destHeight) / sourceHeight;
    std::vector<int> ix(static_cast<std::size_t>(destWidth));
    std::vector<int> ix2(ix.size());
    std::vector<double> fx(ix.size());
    for (int x = 0; x < destWidth; ++x) {
        const double sx = x / ratioX;
        const int i = std::min(Trunc(sx), sourceWidth - 1);
        ix[static_cast<std::size_t>(x)] = i;
        ix2[static_cast<std::size_t>(x)] = std::min(i + 1, sourceWidth - 1);
        fx[static_cast<std::size_t>(x)] = sx - i;
    }

    // Built aside, so that source and dest may be one raster.
    Raster result;
    result.resizeForOverwrite(destWidth, destHeight);
    for (int y = 0; y < destHeight; ++y) {
        const double sy = y / ratioY;
        const int iy = std::min(Trunc(sy), sourceHeight - 1);
        const int iy2 = std::min(iy + 1, sourceHeight - 1);
        const double fy = sy - iy;
        const std::uint8_t* upper = source.row(iy);
        const std::uint8_t* lower = source.row(iy2);
        std::uint8_t* out = result.row(y);
        for (int x = 0; x < destWidth; ++x) {
            const std::size_t a = 3 * static_cast<std::size_t>(ix[static_cast<std::size_t>(x)]);
            const std::size_t b = 3 * static_cast<std::size_t>(ix2[static_cast<std::size_t>(x)]);
            const double f = fx[static_cast<std::size_t>(x)];
            for (std::size_t k = 0; k < 3; ++k) {
                const int top = Trunc(f * (upper[b + k] - upper[a + k]) + upper[a + k]);
                const int bottom = Trunc(f * (lower[b + k] - lower[a + k]) + lower[a + k]);
                *out++ = static_cast<std::uint8_t>(Trunc(fy * (bottom - top) + top));
            }
        }
    }
    dest = std::move(result);
}

void StretchNearest(const Raster& source, Raster& dest, TRect sourceRect, TRect destRect)
{
    NormalizeRect(sourceRect);
    NormalizeRect(destRect);
    if (source.empty() || dest.empty() || sourceRect.IsEmpty() || destRect.IsEmpty())
        return;
    // Each destination pixel takes the source pixel under its centre; the mapping is that of
    // the whole rectangles, and pixels outside either bitmap are skipped.
    auto sourceAt = [](int i, int destCount, int sourceCount) {
        return static_cast<int>((2 * std::int64_t(i) + 1) * sourceCount / (2 * std::int64_t(destCount)));
    };
    const int x0 = std::max(destRect.Left, 0);
    const int x1 = std::min(destRect.Right, dest.width());
    const int y0 = std::max(destRect.Top, 0);
    const int y1 = std::min(destRect.Bottom, dest.height());
    if (x0 >= x1 || y0 >= y1)
        return;
    std::vector<int> columns;
    for (int x = x0; x < x1; ++x)
        columns.push_back(sourceRect.Left + sourceAt(x - destRect.Left, destRect.Width(), sourceRect.Width()));

    const Raster copy = &source == &dest ? source : Raster();
    const Raster& from = &source == &dest ? copy : source;
    for (int y = y0; y < y1; ++y) {
        const int sy = sourceRect.Top + sourceAt(y - destRect.Top, destRect.Height(), sourceRect.Height());
        if (sy < 0 || sy >= from.height())
            continue;
        for (int x = x0; x < x1; ++x) {
            const int sx = columns[static_cast<std::size_t>(x - x0)];
            if (sx < 0 || sx >= from.width())
                continue;
            std::memcpy(dest.pixel(x, y), from.pixel(sx, sy), 3);
        }
    }
}

} // namespace ormel
