#pragma once

#include "files/icon_image.h"

namespace ormel {

// The drawing colour every tool reads and the dropper and the tools' commits write. The colour
// panel implements it; the frame registers it with EditorServices, which announces every change
// through its coloursChanged signal.
class ColourSource {
public:
    virtual ~ColourSource() = default;

    // In an indexed mode the selected palette index; in the transparent state 0; otherwise the
    // colour value.
    virtual TColor CurrentColor() const = 0;
    // 0..255; 0 in the transparent state, which makes the painting tools erase.
    virtual int CurrentAlpha() const = 0;
    // The depth code of the current image (1..5); 5 without a document.
    virtual int ColorMode() const = 0;
    // The panel's palette in modes 1..3, else null.
    virtual const TLogPalette* CurrentPalette() const = 0;

    // The dropper: a palette index in modes 1..3, else a colour value.
    virtual void SetColor(TColor colour) = 0;
    virtual void SetAlpha(int alpha) = 0;
    // A tool committed a step painted in this colour: a colour value, also in an indexed mode
    // (the tools pass a palette index through the image's palette).
    virtual void AddRecentColor(TColor colour) = 0;
};

} // namespace ormel
