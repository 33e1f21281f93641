#pragma once

#include "effects/effect_backup.h"

namespace ormel {

// The free rotation effect: `live` becomes the backed-up image turned by `degrees` (counter-clockwise).
// True colour is rotated bilinearly, colour and mask alike, with white transparent corners;
// a 24-bit result is then flattened over white with a two-level mask. Indexed images are
// rotated by nearest neighbour, so their indices and palette stay intact; their new corners
// are index 0 and transparent.
void ApplyFreeRotation(const TEffectBackup& backup, TIconImage& live, int degrees);

} // namespace ormel
