#pragma once

#include "tools/selection_edit.h"

namespace ormel {

class Tfrm_childwin;

// The Edit menu's selection commands on a document window's current image.
void SelectAllPixels(Tfrm_childwin& document);
void SelectNoPixels(Tfrm_childwin& document);
// Copy, Cut or Clear the selection; Cut and Clear record their step, which also removes the
// selection. Nothing happens without a selection.
void EditSelection(Tfrm_childwin& document, TSelectionCommand mode, TOrmClipboard& clipboard, TColor stripBackColor);

} // namespace ormel
