#include "raster/paint.h"

#include "raster/rounding.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>

namespace ormel {

namespace {

// The pixels of `rect` that lie inside `bitmap`, without normalising a reversed rectangle.
TRect InsideOf(TRect rect, const Raster& bitmap)
{
    rect.Left = std::max(rect.Left, 0);
    rect.Top = std::max(rect.Top, 0);
    rect.Right = std::min(rect.Right, bitmap.width());
    rect.Bottom = std::min(rect.Bottom, bitmap.height());
    return rect;
}

// The image pixels of rect that have both a colour and a mask pixel and a coverage pixel at
// (x - rect.Left, y - rect.Top).
TRect PaintableArea(const Raster& coverage, const Raster& colourBitmap, const Raster& maskBitmap, TRect rect)
{
    TRect area = InsideOf(InsideOf(rect, colourBitmap), maskBitmap);
    const long long coverageRight = static_cast<long long>(rect.Left) + coverage.width();
    const long long coverageBottom = static_cast<long long>(rect.Top) + coverage.height();
    area.Right = static_cast<int>(std::min<long long>(area.Right, coverageRight));
    area.Bottom = static_cast<int>(std::min<long long>(area.Bottom, coverageBottom));
    return area;
}

constexpr std::uint8_t kUntouched = 255;

// Calls paint(colourPixel, maskPixel, coverageByte) for every covered pixel of the area.
template <typename PaintPixel>
void ForEachCovered(const Raster& coverage, Raster& colourBitmap, Raster& maskBitmap, TRect rect, const PaintPixel& paint)
{
    const TRect area = PaintableArea(coverage, colourBitmap, maskBitmap, rect);
    if (area.IsEmpty())
        return;
    const int count = area.Width();
    for (int y = area.Top; y < area.Bottom; ++y) {
        const std::uint8_t* c = coverage.pixel(area.Left - rect.Left, y - rect.Top);
        std::uint8_t* p = colourBitmap.pixel(area.Left, y);
        std::uint8_t* m = maskBitmap.pixel(area.Left, y);
        for (int i = 0; i < count; ++i, c += 3, p += 3, m += 3)
            if (c[0] != kUntouched)
                paint(p, m, c[0]);
    }
}

// Round for the hot loop, for values whose nearest integer is 0 to 255: adding 1.5 x 2^52
// leaves that integer (halves to even, under the default rounding mode) in the low bits of
// the sum, without a library call or a conversion.
inline std::uint8_t RoundToByte(double value)
{
    constexpr double kShift = 6755399441055744.0;
    return static_cast<std::uint8_t>(std::bit_cast<std::uint64_t>(value + kShift));
}

// (255 - m) / 255 for every mask byte m.
constexpr std::array<double, 256> kAlphaOfMask = [] {
    std::array<double, 256> alpha{};
    for (int m = 0; m < 256; ++m)
        alpha[static_cast<std::size_t>(m)] = (255 - m) / 255.0;
    return alpha;
}();

// What the 32-bit blend needs per coverage byte c, for one colour and opacity: the source
// alpha aS = (255 - c) x S / 65025, 1 - aS, colour channel x aS, and the mask that a fully
// transparent pixel gets. Computed once per call, in the same operations as the pixel
// formula, so the results are bit for bit those of the formula.
struct CoverageStep {
    double sourceAlpha = 0;
    double keep = 0;
    std::array<double, 3> colourPart{}; // blue, green, red
    std::uint8_t maskOverClear = 0;
};

class AlphaBlend {
public:
    AlphaBlend(TColor colour, int strength)
        : colour_{static_cast<std::uint8_t>(colour >> 16), static_cast<std::uint8_t>(colour >> 8),
                  static_cast<std::uint8_t>(colour)}
    {
        for (int c = 0; c < 255; ++c) {
            CoverageStep& step = steps_[static_cast<std::size_t>(c)];
            step.sourceAlpha = (255 - c) * strength / 65025.0;
            step.keep = 1 - step.sourceAlpha;
            for (std::size_t i = 0; i < 3; ++i)
                step.colourPart[i] = colour_[i] * step.sourceAlpha;
            // With aD = 0, aOut = 1 - 1 x (1 - aS).
            step.maskOverClear = RoundToByte(255 - 255 * (1 - step.keep));
        }
    }

    // aOut = 1 - (1 - aD)(1 - aS), wD = (1 - aS) aD, channel = Round((old wD + colour aS) / aOut),
    // mask = Round(255 - 255 aOut), with aD = (255 - m) / 255. The cases below are that formula
    // where it simplifies exactly.
    void operator()(std::uint8_t* p, std::uint8_t* m, std::uint8_t c) const
    {
        const CoverageStep& step = steps_[c];
        const std::uint8_t transparency = m[0];
        if (step.sourceAlpha == 1.0) {
            // aOut = 1, wD = 0: the colour, opaque.
            StoreColour(p);
            m[0] = 0;
        } else if (transparency == 0) {
            // aD = 1, so aOut = 1 and wD = 1 - aS: no division, and the mask stays 0.
            for (std::size_t i = 0; i < 3; ++i)
                p[i] = RoundToByte(p[i] * step.keep + step.colourPart[i]);
        } else if (transparency == 255) {
            // aD = 0: wD = 0 and aOut equals aS to within far less than half a unit over 255,
            // so every channel rounds to the colour.
            StoreColour(p);
            m[0] = step.maskOverClear;
        } else {
            const double alpha = kAlphaOfMask[transparency];
            const double alphaOut = 1 - (1 - alpha) * step.keep;
            const double weight = step.keep * alpha;
            for (std::size_t i = 0; i < 3; ++i)
                p[i] = RoundToByte((p[i] * weight + step.colourPart[i]) / alphaOut);
            m[0] = RoundToByte(255 - 255 * alphaOut);
        }
    }

private:
    void StoreColour(std::uint8_t* p) const
    {
        p[0] = colour_[0];
        p[1] = colour_[1];
        p[2] = colour_[2];
    }

    std::array<std::uint8_t, 3> colour_; // blue, green, red
    std::array<CoverageStep, 255> steps_;
};

void FillArea(Raster& bitmap, TColor colour, TRect area)
{
    if (area.IsEmpty())
        return;
    for (int y = area.Top; y < area.Bottom; ++y) {
        std::uint8_t* p = bitmap.pixel(area.Left, y);
        for (int x = area.Left; x < area.Right; ++x, p += 3)
            StorePixel(p, colour);
    }
}

} // namespace

void PaintThroughCoverage(const Raster& coverage, Raster& colourBitmap, Raster& maskBitmap, TRect rect,
                          TColor colour, TColor opacity, int depthCode)
{
    if (opacity == 0) {
        ForEachCovered(coverage, colourBitmap, maskBitmap, rect, [](std::uint8_t* p, std::uint8_t* m, std::uint8_t) {
            p[0] = p[1] = p[2] = 0;
            m[0] = 255;
        });
    } else if (IsIndexedDepth(depthCode)) {
        ForEachCovered(coverage, colourBitmap, maskBitmap, rect, [colour](std::uint8_t* p, std::uint8_t* m, std::uint8_t) {
            StorePixel(p, colour);
            m[0] = 0;
        });
    } else if (depthCode == Depth24) {
        const int blue = (colour >> 16) & 255, green = (colour >> 8) & 255, red = colour & 255;
        ForEachCovered(coverage, colourBitmap, maskBitmap, rect, [=](std::uint8_t* p, std::uint8_t* m, std::uint8_t c) {
            // A transparent pixel blends with white, not with its stored colour.
            const bool clear = m[0] == 255;
            const int rest = 255 - c;
            p[0] = static_cast<std::uint8_t>((c * (clear ? 255 : p[0]) + rest * blue) / 255);
            p[1] = static_cast<std::uint8_t>((c * (clear ? 255 : p[1]) + rest * green) / 255);
            p[2] = static_cast<std::uint8_t>((c * (clear ? 255 : p[2]) + rest * red) / 255);
            m[0] = 0;
        });
    } else if (depthCode == Depth32) {
        // An opacity with no blue part has aS = 0: nothing changes (and a fully transparent
        // pixel would divide 0 by 0).
        const int strength = (opacity >> 16) & 255;
        if (strength == 0)
            return;
        ForEachCovered(coverage, colourBitmap, maskBitmap, rect, AlphaBlend(colour, strength));
    }
}

void MergeImageUnder(TIconImage& dest, const TIconImage& source, TRect rect, int opacity)
{
    TRect area = rect;
    ClipRectToBitmap(area, dest.Bitmap);
    ClipRectToBitmap(area, dest.Mask);
    ClipRectToBitmap(area, source.Bitmap);
    ClipRectToBitmap(area, source.Mask);
    if (area.IsEmpty())
        return;
    const double op = ClampInt(opacity, 0, 255) / 255.0;
    for (int y = area.Top; y < area.Bottom; ++y) {
        std::uint8_t* d = dest.Bitmap.pixel(area.Left, y);
        std::uint8_t* dm = dest.Mask.pixel(area.Left, y);
        const std::uint8_t* s = source.Bitmap.pixel(area.Left, y);
        const std::uint8_t* sm = source.Mask.pixel(area.Left, y);
        for (int x = area.Left; x < area.Right; ++x, d += 3, dm += 3, s += 3, sm += 3) {
            const double aD = (255 - dm[0]) / 255.0;
            const double aS = (255 - sm[0]) / 255.0;
            dm[0] = static_cast<std::uint8_t>(Trunc(255 - 255 * (1 - (1 - aS * op) * (1 - aD))));
            // The colour mix ignores the opacity.
            const double a = 1 - (1 - aS) * (1 - aD);
            if (a == 0) {
                d[0] = s[0];
                d[1] = s[1];
                d[2] = s[2];
                continue;
            }
            for (int i = 0; i < 3; ++i)
                d[i] = static_cast<std::uint8_t>(Trunc((s[i] * aS * (1 - aD) + d[i] * aD) / a));
        }
    }
}

void ReplaceColorWhere(Raster& bitmap, TRect rect, int test, TColor reference, TColor newColour)
{
    ClipRectToBitmap(rect, bitmap);
    const auto signedReference = static_cast<std::int32_t>(reference);
    if (rect.IsEmpty())
        return;
    for (int y = rect.Top; y < rect.Bottom; ++y) {
        std::uint8_t* p = bitmap.pixel(rect.Left, y);
        for (int x = rect.Left; x < rect.Right; ++x, p += 3) {
            const auto value = static_cast<std::int32_t>(PackPixel(p));
            const bool holds = (test == 0 && value == signedReference) || (test == 1 && value > signedReference) ||
                               (test == 2 && value < signedReference) || (test == 3 && value != signedReference);
            if (holds)
                StorePixel(p, newColour);
        }
    }
}

void WhiteOutTransparent(Raster& colourBitmap, const Raster& maskBitmap, TRect rect)
{
    ClipRectToBitmap(rect, colourBitmap);
    ClipRectToBitmap(rect, maskBitmap);
    if (rect.IsEmpty())
        return;
    for (int y = rect.Top; y < rect.Bottom; ++y) {
        std::uint8_t* p = colourBitmap.pixel(rect.Left, y);
        const std::uint8_t* m = maskBitmap.pixel(rect.Left, y);
        for (int x = rect.Left; x < rect.Right; ++x, p += 3, m += 3)
            if (m[0] > 254)
                p[0] = p[1] = p[2] = 255;
    }
}

void ApplyPalette(Raster& bitmap, TRect rect, const TLogPalette* palette)
{
    if (!palette)
        return;
    ClipRectToBitmap(rect, bitmap);
    if (rect.IsEmpty())
        return;
    for (int y = rect.Top; y < rect.Bottom; ++y) {
        std::uint8_t* p = bitmap.pixel(rect.Left, y);
        for (int x = rect.Left; x < rect.Right; ++x, p += 3)
            StorePixel(p, PaletteColor(static_cast<int>(PackPixel(p)), *palette));
    }
}

void FillBitmap(Raster& bitmap, TColor colour) { FillArea(bitmap, colour, TRect{0, 0, bitmap.width(), bitmap.height()}); }

void FillBitmapRect(Raster& bitmap, TColor colour, TRect rect)
{
    ClipRectToBitmap(rect, bitmap);
    FillArea(bitmap, colour, rect);
}

void OffsetRectContent(Raster& bitmap, TRect rect, int dx, int dy, TColor fillColour)
{
    if (dx == 0 && dy == 0)
        return;
    ClipRectToBitmap(rect, bitmap);
    if (rect.IsEmpty())
        return;
    Raster saved;
    saved.resizeForOverwrite(rect.Width(), rect.Height());
    for (int y = rect.Top; y < rect.Bottom; ++y)
        std::copy_n(bitmap.pixel(rect.Left, y), 3 * rect.Width(), saved.row(y - rect.Top));
    FillArea(bitmap, fillColour, rect);

    // Where the saved pixels land, clipped by the bitmap.
    const long long left = std::max<long long>(static_cast<long long>(rect.Left) + dx, 0);
    const long long top = std::max<long long>(static_cast<long long>(rect.Top) + dy, 0);
    const long long right = std::min<long long>(static_cast<long long>(rect.Right) + dx, bitmap.width());
    const long long bottom = std::min<long long>(static_cast<long long>(rect.Bottom) + dy, bitmap.height());
    if (right <= left || bottom <= top)
        return;
    const int width = static_cast<int>(right - left);
    for (long long y = top; y < bottom; ++y) {
        const std::uint8_t* from = saved.pixel(static_cast<int>(left - rect.Left - dx), static_cast<int>(y - rect.Top - dy));
        std::copy_n(from, 3 * width, bitmap.pixel(static_cast<int>(left), static_cast<int>(y)));
    }
}

} // namespace ormel
