#pragma once

#include "files/icon_image.h"

#include <optional>

namespace ormel {

struct TDropperReading {
    TColor Colour = 0;
    int Alpha = 255;
};

// What a dropper press takes into the colour panel from the pixel under the cursor: in an
// indexed image the palette index stored there, else the pixel's colour; the alpha is 255 minus
// the transparency. Nothing outside the image.
std::optional<TDropperReading> DropperPick(const TIconImage& image, int canvasX, int canvasY, int zoom);

// What the tool palette's read-out shows while the dropper hovers: the colour on screen (an
// index passed through the palette) and the alpha.
std::optional<TDropperReading> DropperReadout(const TIconImage& image, int canvasX, int canvasY, int zoom);

} // namespace ormel
