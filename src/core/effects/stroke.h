#pragma once

#include "effects/effect_backup.h"
#include "files/icon_image.h"
#include "raster/rect.h"

#include <cstdint>
#include <vector>

namespace ormel {

// Where the stroke grows from the edge between opaque and transparent pixels.
enum StrokeDirection : int {
    StrokeInner = -1,
    StrokeMiddle = 0,
    StrokeOuter = 1,
};

// One stroke code per pixel, row by row.
constexpr std::uint8_t kStrokeAway = 0;     // transparent, away from the edge
constexpr std::uint8_t kStrokePainted = 128; // stroke
constexpr std::uint8_t kStrokeInside = 255;  // not fully transparent, not yet stroke

struct TStrokeCodes {
    int Width = 0;
    int Height = 0;
    std::vector<std::uint8_t> Codes;

    std::uint8_t* row(int y) { return Codes.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(Width); }
    const std::uint8_t* row(int y) const
    {
        return Codes.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(Width);
    }
};

// The stroke codes of an image's mask before any growth: the fully transparent pixel of each
// pair of horizontal or vertical neighbours that differ in being fully transparent, and every
// partly transparent pixel, are stroke; the other pixels that are not fully transparent are
// inside. Pairs start only at pixels before the last column and row, so the last column's
// vertical pairs and the last row's horizontal ones are not examined.
TStrokeCodes SeedStrokeCodes(const Raster& mask, int width, int height);

// One growth step: `codesOut` takes the codes of `codesIn` over the rectangle (all of them
// when its size differs), and then, in every 2 x 2 window of the
// rectangle, a top-left or bottom-right code equal to `target` whose window holds stroke
// elsewhere becomes stroke. Returns whether any code changed.
bool GrowStroke(const TStrokeCodes& codesIn, TStrokeCodes& codesOut, TRect rect, std::uint8_t target);

// Draws an outline of `colour` (at opacity 0-255) along the edge between transparent and
// not fully transparent pixels of `source` into `dest`, `size` pixels wide in `direction`.
// Stroke pixels mix the colour over the source colour and add the opacity to their alpha.
// Indexed images take the index of the palette entry nearest to the colour instead.
void StrokeImage(const TIconImage& source, TIconImage& dest, TColor colour, int size, int opacity, int direction);

struct TStrokeSettings {
    int Size = 1;        // 1 to 200
    int Opacity = 255;   // 0 to 255; indexed images keep 255
    int Direction = StrokeOuter;
    TColor Color = 0;
};

// The stroke effect, the same for every depth: the backed-up image stroked into `live`.
void ApplyStroke(const TEffectBackup& backup, TIconImage& live, const TStrokeSettings& settings);

} // namespace ormel
