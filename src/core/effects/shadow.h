#pragma once

#include "effects/effect_backup.h"
#include "files/icon_image.h"
#include "raster/rect.h"

namespace ormel {

// How far the shadow moves for a light from `angle` degrees (0 from the right, counting
// counter-clockwise): 135 degrees and offset 5 give (3, 3), down and to the right.
TPoint ShadowOffset(int angle, int offset);

// dest becomes source with a shadow beneath it: source's silhouette moved by ShadowOffset,
// blurred with `radius`, in `colour`, merged under the picture at opacity 0-255.
void MakeShadow(const TIconImage& source, TIconImage& dest, TColor colour, int offset, int opacity, int angle,
                double radius);

struct TShadowSettings {
    int Size = 40; // the blur radius is Size / 20
    int Opacity = 255;
    int Angle = 135;
    int Offset = 5;
    TColor Color = 0;
};

// The shadow effect for every depth: 32-bit images keep the soft shadow; 24-bit ones are
// flattened over white with a two-level mask; indexed ones are shadowed from their
// true-colour working copy, flattened, and reduced to a palette of their own entry count.
void ApplyShadow(const TEffectBackup& backup, TIconImage& live, const TShadowSettings& settings);

} // namespace ormel
