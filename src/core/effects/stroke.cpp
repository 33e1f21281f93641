#include "effects/stroke.h"

#include "raster/rounding.h"

#include <algorithm>
#include <cstring>

namespace ormel {
namespace {

// Eight codes in one word. The byte tests below work on each byte on its own.
using Word = std::uint64_t;
constexpr Word kEveryByte = 0x0101010101010101;
constexpr Word kLowBits = 0x7F7F7F7F7F7F7F7F;
constexpr Word kHighBits = 0x8080808080808080;

inline Word Load(const std::uint8_t* p)
{
    Word w;
    std::memcpy(&w, p, sizeof w);
    return w;
}

inline void Store(std::uint8_t* p, Word w) { std::memcpy(p, &w, sizeof w); }

// 0x80 in each byte of w that equals the byte of `pattern`, 0 in the others: a byte of the
// difference is zero exactly when adding 0x7F to its low seven bits leaves its top bit clear
// and its own top bit is clear too.
inline Word BytesEqual(Word w, Word pattern)
{
    const Word difference = w ^ pattern;
    return ~(((difference & kLowBits) + kLowBits) | difference) & kHighBits;
}

// The bytes flagged 0x80 become the stroke code; the others stay.
static_assert(kStrokePainted == 0x80);
inline Word Paint(Word codes, Word flags)
{
    const Word whole = flags | (flags - (flags >> 7));
    return (codes & ~whole) | flags;
}

// The palette entry nearest to the colour by squared RGB distance; the first among equals.
int NearestPaletteIndex(const TLogPalette& palette, TColor colour)
{
    const int count = std::min<int>(palette.palNumEntries, 256);
    const int red = colour & 255, green = (colour >> 8) & 255, blue = (colour >> 16) & 255;
    int best = 0;
    int bestDistance = -1;
    for (int i = 0; i < count; ++i) {
        const TPaletteEntry& e = palette.palPalEntry[static_cast<std::size_t>(i)];
        const int dr = e.peRed - red, dg = e.peGreen - green, db = e.peBlue - blue;
        const int distance = dr * dr + dg * dg + db * db;
        if (bestDistance < 0 || distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

// Target codes of the growth steps: outward into transparent pixels, inward into inside
// ones, or alternately for the middle, inward first.
std::uint8_t GrowthTarget(int direction, int step)
{
    if (direction == StrokeOuter)
        return kStrokeAway;
    if (direction == StrokeInner)
        return kStrokeInside;
    return step % 2 == 0 ? kStrokeInside : kStrokeAway;
}

} // namespace

TStrokeCodes SeedStrokeCodes(const Raster& mask, int width, int height)
{
    TStrokeCodes codes;
    if (width <= 0 || height <= 0 || mask.width() < width || mask.height() < height)
        return codes;
    codes.Width = width;
    codes.Height = height;
    codes.Codes.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), kStrokeAway);
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* m = mask.row(y);
        std::uint8_t* c = codes.row(y);
        for (int x = 0; x < width; ++x) {
            const int here = m[3 * x];
            if (x + 1 < width && y + 1 < height) {
                const bool clear = here == 255;
                if (clear != (m[3 * (x + 1)] == 255))
                    (clear ? c[x] : c[x + 1]) = kStrokePainted;
                if (clear != (mask.row(y + 1)[3 * x] == 255))
                    (clear ? c[x] : codes.row(y + 1)[x]) = kStrokePainted;
            }
            // Every pixel, the last row and column included, gets its own code: an opaque
            // pixel left "away" would be painted over by an outer stroke.
            if (here > 0 && here < 255)
                c[x] = kStrokePainted;
            if (c[x] != kStrokePainted && here <= 254)
                c[x] = kStrokeInside;
        }
    }
    return codes;
}

bool GrowStroke(const TStrokeCodes& codesIn, TStrokeCodes& codesOut, TRect rect, std::uint8_t target)
{
    if (codesIn.Width <= 0 || codesIn.Height <= 0 ||
        codesIn.Codes.size() < static_cast<std::size_t>(codesIn.Width) * static_cast<std::size_t>(codesIn.Height))
        return false;
    TRect area = rect;
    NormalizeRect(area);
    area.Left = std::max(area.Left, 0);
    area.Top = std::max(area.Top, 0);
    area.Right = std::min(area.Right, codesIn.Width);
    area.Bottom = std::min(area.Bottom, codesIn.Height);
    if (codesOut.Width != codesIn.Width || codesOut.Height != codesIn.Height)
        codesOut = codesIn;
    if (area.IsEmpty())
        return false;
    const std::size_t count = static_cast<std::size_t>(area.Width());
    for (int y = area.Top; y < area.Bottom; ++y)
        std::memcpy(codesOut.row(y) + area.Left, codesIn.row(y) + area.Left, count);

    // Every decision reads codesIn only and writes only stroke codes, so the windows may be
    // taken in any order: eight at a time, one byte each in a 64-bit word.
    const Word target8 = kEveryByte * target;
    const Word stroke8 = kEveryByte * kStrokePainted;
    Word changed = 0;
    const int windows = area.Width() - 1;
    for (int y = area.Top; y + 1 < area.Bottom; ++y) {
        const std::uint8_t* top = codesIn.row(y) + area.Left;
        const std::uint8_t* bottom = codesIn.row(y + 1) + area.Left;
        std::uint8_t* outTop = codesOut.row(y) + area.Left;
        std::uint8_t* outBottom = codesOut.row(y + 1) + area.Left;
        int x = 0;
        for (; x + 8 <= windows; x += 8) {
            const Word tl = Load(top + x), tr = Load(top + x + 1), bl = Load(bottom + x), br = Load(bottom + x + 1);
            const Word strokeTl = BytesEqual(tl, stroke8), strokeTr = BytesEqual(tr, stroke8);
            const Word strokeBl = BytesEqual(bl, stroke8), strokeBr = BytesEqual(br, stroke8);
            const Word growTl = BytesEqual(tl, target8) & (strokeTr | strokeBl | strokeBr);
            const Word growBr = BytesEqual(br, target8) & (strokeTl | strokeTr | strokeBl);
            if ((growTl | growBr) == 0)
                continue;
            Store(outTop + x, Paint(Load(outTop + x), growTl));
            Store(outBottom + x + 1, Paint(Load(outBottom + x + 1), growBr));
            changed |= (growTl & ~strokeTl) | (growBr & ~strokeBr);
        }
        for (; x < windows; ++x) {
            const bool strokeTl = top[x] == kStrokePainted, strokeTr = top[x + 1] == kStrokePainted;
            const bool strokeBl = bottom[x] == kStrokePainted, strokeBr = bottom[x + 1] == kStrokePainted;
            if (top[x] == target && !strokeTl && (strokeTr || strokeBl || strokeBr)) {
                outTop[x] = kStrokePainted;
                changed = 1;
            }
            if (bottom[x + 1] == target && !strokeBr && (strokeTl || strokeTr || strokeBl)) {
                outBottom[x + 1] = kStrokePainted;
                changed = 1;
            }
        }
    }
    return changed != 0;
}

void StrokeImage(const TIconImage& source, TIconImage& dest, TColor colour, int size, int opacity, int direction)
{
    CopyIconImage(source, dest);
    TStrokeCodes codes = SeedStrokeCodes(source.Mask, source.Width, source.Height);
    if (codes.Codes.empty() || source.Bitmap.width() < source.Width || source.Bitmap.height() < source.Height)
        return;
    TStrokeCodes grown = codes;
    const TRect whole{0, 0, source.Width, source.Height};
    // Once two steps in a row change nothing, neither target can change anything any more.
    int idleSteps = 0;
    for (int step = 0; step < size - 1 && idleSteps < 2; ++step) {
        const bool changed = GrowStroke(codes, grown, whole, GrowthTarget(direction, step));
        std::swap(codes, grown);
        idleSteps = changed ? 0 : idleSteps + 1;
    }

    opacity = ClampInt(opacity, 0, 255);
    const bool indexed = IsIndexedDepth(source.ColorDepth);
    const int index = indexed ? NearestPaletteIndex(source.Palette, colour) : 0;
    const int strokeChannel[3] = {static_cast<int>((colour >> 16) & 255) * opacity,
                                  static_cast<int>((colour >> 8) & 255) * opacity,
                                  static_cast<int>(colour & 255) * opacity};
    for (int y = 0; y < source.Height; ++y) {
        const std::uint8_t* c = codes.row(y);
        std::uint8_t* p = dest.Bitmap.row(y);
        std::uint8_t* m = dest.Mask.row(y);
        for (int x = 0; x < source.Width; ++x, p += 3, m += 3) {
            if (c[x] != kStrokePainted)
                continue;
            if (indexed) {
                p[0] = p[1] = p[2] = static_cast<std::uint8_t>(index);
            } else {
                for (int k = 0; k < 3; ++k)
                    p[k] = static_cast<std::uint8_t>((strokeChannel[k] + p[k] * (255 - opacity)) >> 8);
            }
            // The stroke adds its opacity to the pixel's alpha.
            m[0] = static_cast<std::uint8_t>(255 - ClampInt(opacity + (255 - m[0]), 0, 255));
        }
    }
}

void ApplyStroke(const TEffectBackup& backup, TIconImage& live, const TStrokeSettings& settings)
{
    StrokeImage(backup.Backup(), live, settings.Color, settings.Size, settings.Opacity, settings.Direction);
}

} // namespace ormel
