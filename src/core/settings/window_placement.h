#pragma once

#include "raster/rect.h"
#include "settings/ini_file.h"

#include <string>

namespace ormel {

// The file in the configuration directory that keeps every window's placement, one section
// per window named after it, and whether three panels were showing.
inline constexpr const char* kPositionFileName = "position.cfg";

enum TWindowState { wsNormal = 0, wsMinimized = 1, wsMaximized = 2 };

// A window's section of "position.cfg"; -1 stands for an absent key.
struct TWindowPlacement {
    int Left = -1;
    int Top = -1;
    int Width = -1;
    int Height = -1;
    int WindowState = -1;
};

TWindowPlacement ReadWindowPlacement(const TIniFile& ini, const std::string& section);
void WriteWindowPlacement(TIniFile& ini, const std::string& section, const TWindowPlacement& placement);
// "showing", written as 1 or 0.
bool ReadShowing(const TIniFile& ini, const std::string& section, bool fallback);
void WriteShowing(TIniFile& ini, const std::string& section, bool showing);

struct TWindowGeometry {
    TRect Bounds;
    int WindowState = wsNormal;
};

// The window's own geometry with the stored values applied: the state, then the position,
// then (resizable windows only) the size. A value of -1 leaves the window's own; so do a
// state other than 0, 1 and 2 and a size below 1, which no window had.
TWindowGeometry RestorePlacement(TWindowGeometry own, const TWindowPlacement& stored, bool resizable);

// Where a window about to move to `window` goes instead: at least 50 pixels of it stay inside
// the work area; with snapping, an edge within 15 pixels of the work area's edge moves onto it.
TRect KeepOnWorkArea(const TRect& window, const TRect& workArea, bool snapToEdges);

} // namespace ormel
