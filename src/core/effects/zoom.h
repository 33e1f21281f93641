#pragma once

#include "effects/effect_backup.h"

#include <optional>
#include <string_view>

namespace ormel {

constexpr int kZoomMinPercent = 10;
constexpr int kZoomMaxPercent = 259;

// The percentage typed into the zoom box: every "%" is dropped, and what is left must be a
// signed decimal integer from 10 to 259.
std::optional<int> ZoomPercentFromText(std::string_view text);

// The zoom effect: `live` becomes the backed-up image's content scaled by `percent` about the image
// centre, in an image of the same size. Enlarging keeps the middle; reducing leaves a white,
// transparent border. The mask follows by nearest-pixel stretching, so it stays two-level
// where it was. Indexed images are stretched by nearest pixel too, which keeps their indices.
void ApplyZoom(const TEffectBackup& backup, TIconImage& live, int percent);

} // namespace ormel
