#pragma once

#include "raster/gradient_nodes.h"
#include "raster/rect.h"

#include <array>

namespace ormel {

// One stop of the gradient editor and the boxes of its glyph in the editor's paint box, where
// the bar's column 8 + p lies over position p.
struct TGradientHandle {
    static constexpr int Top = 15;
    // The glyph pictures are drawn at this size; the colour and enable boxes lie inside.
    static constexpr int GlyphWidth = 16;
    static constexpr int GlyphHeight = 34;

    TColor Color = 0;
    bool Enabled = false;
    bool Selected = false;
    int Position = 0; // 0..511

    TRect ColourBox() const { return TRect{Position + 4, Top + 15, Position + 11, Top + 21}; }
    TRect EnableBox() const { return TRect{Position + 2, Top + 23, Position + 12, Top + 34}; }
    TRect GlyphBox() const { return TRect{Position, Top, Position + GlyphWidth, Top + GlyphHeight}; }
};

// The gradient editor's model: seven stops on a 512-position scale, one of them selected.
// The enabled stops make the gradient. The dialog draws the stops and forwards its controls
// and paint-box mouse events here.
class TGradientEditor {
public:
    static constexpr int StopCount = 7;
    static constexpr int LastPosition = 511;

    // White at 0 and blue at 511, enabled; five disabled stops between; stop 0 selected.
    TGradientEditor();

    // index 0..6
    const TGradientHandle& Stop(int index) const { return stops_[static_cast<std::size_t>(index)]; }
    // The selected stop, 0 when none is.
    int SelectedStop() const;

    // Indices outside 0..6 are ignored by every operation that takes one.
    void SelectStop(int index);
    // The selected stop's position (clamped to 0..511) and enabled flag. A gradient keeps at
    // least one stop: disabling the last enabled one is refused (false).
    void SetPosition(int position);
    bool SetEnabled(bool enabled);
    void SetColour(int index, TColor colour);
    // Loads preset 0..2 and selects stop 0.
    void ApplyPreset(int index);
    // Reverses the gradient: stop i takes the colour and flag of stop 6 - i at the mirrored
    // position.
    void Inverse();

    // Paint-box mouse. Press selects the first stop whose glyph contains the point; a move
    // with the left button drags the selected stop by the pointer's movement (false when
    // nothing changed); a release after a single click toggles the first stop whose enable box
    // contains the point and returns it (-1 for none, or when that would disable the last
    // enabled stop).
    void Press(int x, int y);
    bool Drag(int x);
    int Release(int x, int y);
    // The first stop whose colour box contains the point (a double click there changes its
    // colour), -1 for none.
    int StopAtColourBox(int x, int y) const;

    // The enabled stops, from stop 6 down to stop 0.
    TNodeArray Result() const;

private:
    bool SetStopEnabled(int index, bool enabled);

    std::array<TGradientHandle, StopCount> stops_;
    int lastX_ = 0;
};

} // namespace ormel
