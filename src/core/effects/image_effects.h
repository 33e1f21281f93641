#pragma once

#include "effects/effect_backup.h"
#include "effects/filter_table.h"

namespace ormel {

// The computations behind the effect dialogs with a live preview. Each recomputes the effect
// of the given settings from the backup (its true-colour working copy for an indexed image)
// into the whole colour raster of the live image, which is the image the backup was taken
// of; an indexed image is then reduced to a palette of its entry count again. The mask is
// never changed.

void ApplyBrightnessContrast(const TEffectBackup& backup, TIconImage& live, int brightness, int contrast);
// An indexed image keeps its pixels and has its palette offset instead.
void ApplyColorBalance(const TEffectBackup& backup, TIconImage& live, int red, int green, int blue);
void ApplySaturation(const TEffectBackup& backup, TIconImage& live, int saturation);
// The blur control's value: radius value / 20.
void ApplyBlur(const TEffectBackup& backup, TIconImage& live, int value);
// The sharpen control's value: amount value / 25.
void ApplySharpen(const TEffectBackup& backup, TIconImage& live, int value);
void ApplyFilter(const TEffectBackup& backup, TIconImage& live, const TFilter& filter, bool red, bool green, bool blue);

} // namespace ormel
