#pragma once

#include "raster/rect.h"
#include "settings/ini_file.h"

#include <optional>
#include <string>

namespace ormel {

// The file in the configuration directory that keeps every window's placement, one section
// per window named after it, and whether three panels were showing.
inline constexpr const char* kPositionFileName = "position.cfg";

enum TWindowState { wsNormal = 0, wsMinimized = 1, wsMaximized = 2 };

// A window's section of "position.cfg". Only a missing (or unreadable) key is absent: -1 is a
// real coordinate, a window left of or above the primary screen.
struct TWindowPlacement {
    std::optional<int> Left;
    std::optional<int> Top;
    std::optional<int> Width;
    std::optional<int> Height;
    std::optional<int> WindowState;
};

TWindowPlacement ReadWindowPlacement(const TIniFile& ini, const std::string& section);
// Writes the keys that are present; an absent one keeps whatever the file holds.
void WriteWindowPlacement(TIniFile& ini, const std::string& section, const TWindowPlacement& placement);
// "showing", written as 1 or 0.
bool ReadShowing(const TIniFile& ini, const std::string& section, bool fallback);
void WriteShowing(TIniFile& ini, const std::string& section, bool showing);

struct TWindowGeometry {
    TRect Bounds;
    int WindowState = wsNormal;
};

// The window's own geometry with the stored values applied: the state, then the position,
// then (resizable windows only) the size. An absent value leaves the window's own; so do a
// state other than 0, 1 and 2 and a size below 1, which no window had. A window stored
// minimised comes back normal.
TWindowGeometry RestorePlacement(TWindowGeometry own, const TWindowPlacement& stored, bool resizable);

// What a closing window stores: its normal bounds (those it returns to from maximised) and its
// state, minimised stored as normal. Without a known position (window systems that do not tell
// a window where it is) left and top stay absent, so the stored ones survive.
TWindowPlacement PlacementToSave(const TRect& normalBounds, int windowState, bool positionKnown);

// Where a window about to move to `window` goes instead: at least 50 pixels of it stay inside
// the work area; with snapping, an edge within 15 pixels of the work area's edge moves onto it.
TRect KeepOnWorkArea(const TRect& window, const TRect& workArea, bool snapToEdges);

struct TPanelSize {
    int Width = 0;
    int Height = 0;
};

struct TPanelSizes {
    TPanelSize ToolPalette;
    TPanelSize ColourPanel;
    TPanelSize History;
    TPanelSize IconLibrary; // its height follows the history window's
    TPanelSize Preview;
};

struct TPanelRects {
    TRect ToolPalette;
    TRect ColourPanel;
    TRect History;
    TRect IconLibrary;
    TRect Preview;
};

// The floating windows' first places round the frame: the tool palette 5 pixels in from the
// frame's left and 80 down from its top; the colour panel 80 down with its right edge 5 pixels
// inside the frame's; the history window below the colour panel; the icon library window left
// of the history window at its top and height; the preview window at the frame's left below
// the tool palette.
TPanelRects PlacePanelsRoundFrame(const TRect& frame, const TPanelSizes& sizes);

} // namespace ormel
