#pragma once

#include "files/icon_image.h"
#include "raster/rect.h"
#include "tools/orm_clipboard.h"
#include "tools/selection.h"

#include <string>

namespace ormel {

// The Edit menu's selection commands, numbered as the frame passes them.
enum class TSelectionCommand { Copy = 1, Cut = 2, Clear = 3 };

// Makes the selected pixels (byte 0 of the region above 254) of the rectangle fully
// transparent by OR-ing the region into both rasters: the blue and green bytes of Mask and
// Bitmap become 255, the red bytes (an indexed image's palette indices) stay.
void ClearSelectedPixels(TIconImage& image, const Raster& region, TRect rect);

// Copy puts the selection on the clipboard; Cut does that and, once the clipboard took it,
// clears it; Clear only clears.
// Gives the undo step to record for a changed image ("Cut", "Clear Selected Area"), empty
// when the image did not change. Without a selection, or with one that covers no pixel,
// nothing happens and the clipboard keeps its content.
std::string CopySelection(TIconImage& image, const TSelection& selection, int zoom, TSelectionCommand mode,
                          TOrmClipboard& clipboard, TColor stripBackColor);

} // namespace ormel
