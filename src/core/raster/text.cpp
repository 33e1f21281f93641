#include "raster/text.h"

#include "raster/antialias.h"
#include "raster/geometry.h"
#include "raster/paint.h"
#include "raster/resample.h"
#include "raster/rounding.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace ormel {

namespace {

constexpr TColor kWhite = 0xFFFFFF;
constexpr TColor kBlack = 0;
// Without anti-aliasing the turned text is cut at this value: blue occupies the top byte of a
// colour value, so the cut is at a blue level of 160.
constexpr TColor kTwoLevelCut = 0xA00000;

struct SourceSpan {
    int First = 0;
    int Last = 0; // exclusive
};

// For each of `destCount` pixels along one axis, the source pixels it takes: a run of them when
// shrinking, the one under its centre when enlarging.
std::vector<SourceSpan> SourceSpans(int sourceCount, int destCount)
{
    std::vector<SourceSpan> spans(static_cast<std::size_t>(destCount));
    for (int i = 0; i < destCount; ++i) {
        const long long s = sourceCount;
        const long long d = destCount;
        SourceSpan& span = spans[static_cast<std::size_t>(i)];
        if (sourceCount >= destCount) {
            span.First = static_cast<int>(i * s / d);
            span.Last = static_cast<int>((i + 1) * s / d);
        } else {
            span.First = static_cast<int>((2 * i + 1) * s / (2 * d));
            span.Last = span.First + 1;
        }
    }
    return spans;
}

// The platform's stretching copy as text drawing uses it: rows and columns are repeated to
// enlarge and merged to shrink, a merged pixel keeping the darkest value of each byte. Thin
// black strokes survive a shrink and black on white stays two-level. The source rectangle
// lies inside the source.
void StretchKeepingDark(const Raster& source, const TRect& sourceRect, Raster& dest, const TRect& destRect)
{
    if (sourceRect.IsEmpty() || destRect.IsEmpty()) {
        return;
    }
    const std::vector<SourceSpan> columns = SourceSpans(sourceRect.Width(), destRect.Width());
    const std::vector<SourceSpan> rows = SourceSpans(sourceRect.Height(), destRect.Height());
    for (int j = 0; j < destRect.Height(); ++j) {
        const int y = destRect.Top + j;
        if (y < 0 || y >= dest.height()) {
            continue;
        }
        for (int i = 0; i < destRect.Width(); ++i) {
            const int x = destRect.Left + i;
            if (x < 0 || x >= dest.width()) {
                continue;
            }
            std::uint8_t darkest[3] = {255, 255, 255};
            const SourceSpan& row = rows[static_cast<std::size_t>(j)];
            const SourceSpan& column = columns[static_cast<std::size_t>(i)];
            for (int sy = row.First; sy < row.Last; ++sy) {
                const std::uint8_t* p = source.pixel(sourceRect.Left + column.First, sourceRect.Top + sy);
                for (int sx = column.First; sx < column.Last; ++sx, p += 3) {
                    for (int k = 0; k < 3; ++k) {
                        darkest[k] = std::min(darkest[k], p[k]);
                    }
                }
            }
            std::copy_n(darkest, 3, dest.pixel(x, y));
        }
    }
}

} // namespace

void TextBoxSize(const TFontSpec& font, const std::string& text, TextRasterizer& rasterizer, int& width, int& height)
{
    int textWidth = 0;
    rasterizer.Measure(font, text, textWidth, height);
    width = textWidth + (font.Italic ? font.Size : 1);
}

void RenderText(Raster& dest, const std::string& text, const TFontSpec& font, int width, int height,
                double degrees, bool antialias, TRect& outRect, TextRasterizer& rasterizer)
{
    // The text is drawn at its measured size, supersampled when anti-aliased, and stretched to
    // the requested size.
    TFontSpec drawFont = font;
    if (antialias) {
        drawFont.Size = Round(font.Size / kSupersampling);
    }
    int measuredWidth = 0;
    int measuredHeight = 0;
    TextBoxSize(drawFont, text, rasterizer, measuredWidth, measuredHeight);

    Raster drawn(measuredWidth, measuredHeight);
    if (!drawn.empty()) {
        rasterizer.Draw(drawn, drawFont, text);
    }
    Raster sized(width, height);
    if (antialias) {
        StretchBitmap(drawn, sized, measuredWidth, measuredHeight, width, height);
    } else {
        StretchKeepingDark(drawn, TRect{0, 0, drawn.width(), drawn.height()}, sized, TRect{0, 0, width, height});
    }

    // Centred in a white square with room to turn.
    const int side = std::max({width, height, 0}) + 4;
    if (dest.width() < side || dest.height() < side) {
        dest.resize(std::max(dest.width(), side), std::max(dest.height(), side));
    }
    const TRect square{0, 0, side, side};
    FillBitmapRect(dest, kWhite, square);
    const int left = (side - width) / 2;
    const int top = (side - height) / 2;
    StretchKeepingDark(sized, TRect{0, 0, sized.width(), sized.height()}, dest,
                       TRect{left, top, width + left - 1, height + top - 1});

    RotateBilinear(dest, square, degrees);
    if (!antialias) {
        ReplaceColorWhere(dest, square, 2, kTwoLevelCut, kBlack);
        ReplaceColorWhere(dest, square, 1, kTwoLevelCut, kWhite);
    }
    outRect = square;
}

} // namespace ormel
