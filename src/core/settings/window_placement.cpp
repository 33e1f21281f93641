#include "settings/window_placement.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>

namespace ormel {

namespace {

constexpr std::int64_t kKeepVisible = 50;
constexpr std::int64_t kSnapDistance = 15;
constexpr std::int64_t kPanelInset = 5;
constexpr std::int64_t kPanelDrop = 80;

// One axis of the rule, in 64 bits: sizes read from a file may be anything.
std::int64_t PlaceOnAxis(std::int64_t pos, std::int64_t size, std::int64_t low, std::int64_t high, bool snap)
{
    pos = std::max(pos, low + kKeepVisible - size);
    pos = std::min(pos, high - kKeepVisible);
    if (snap) {
        if (std::llabs(pos - low) < kSnapDistance)
            pos = low;
        if (std::llabs(pos + size - high) < kSnapDistance)
            pos = high - size;
    }
    return pos;
}

int ToInt(std::int64_t value) { return static_cast<int>(std::clamp<std::int64_t>(value, INT_MIN, INT_MAX)); }

TRect RectAt(std::int64_t left, std::int64_t top, std::int64_t width, std::int64_t height)
{
    return TRect{ToInt(left), ToInt(top), ToInt(left + width), ToInt(top + height)};
}

void WriteIfPresent(TIniFile& ini, const std::string& section, const char* key, const std::optional<int>& value)
{
    if (value)
        ini.WriteInteger(section, key, *value);
}

} // namespace

TWindowPlacement ReadWindowPlacement(const TIniFile& ini, const std::string& section)
{
    return TWindowPlacement{ini.ReadOptionalInteger(section, "left"), ini.ReadOptionalInteger(section, "top"),
                            ini.ReadOptionalInteger(section, "width"), ini.ReadOptionalInteger(section, "height"),
                            ini.ReadOptionalInteger(section, "WindowState")};
}

void WriteWindowPlacement(TIniFile& ini, const std::string& section, const TWindowPlacement& placement)
{
    WriteIfPresent(ini, section, "left", placement.Left);
    WriteIfPresent(ini, section, "top", placement.Top);
    WriteIfPresent(ini, section, "width", placement.Width);
    WriteIfPresent(ini, section, "height", placement.Height);
    WriteIfPresent(ini, section, "WindowState", placement.WindowState);
}

bool ReadShowing(const TIniFile& ini, const std::string& section, bool fallback)
{
    return ini.ReadBool(section, "showing", fallback);
}

void WriteShowing(TIniFile& ini, const std::string& section, bool showing)
{
    ini.WriteBool(section, "showing", showing);
}

TWindowGeometry RestorePlacement(TWindowGeometry own, const TWindowPlacement& stored, bool resizable)
{
    if (stored.WindowState == wsNormal || stored.WindowState == wsMinimized)
        own.WindowState = wsNormal;
    else if (stored.WindowState == wsMaximized)
        own.WindowState = wsMaximized;
    const TRect& r = own.Bounds;
    const std::int64_t left = stored.Left.value_or(r.Left);
    const std::int64_t top = stored.Top.value_or(r.Top);
    const bool storedWidth = resizable && stored.Width.value_or(0) > 0;
    const bool storedHeight = resizable && stored.Height.value_or(0) > 0;
    const std::int64_t width = storedWidth ? *stored.Width : std::int64_t(r.Right) - r.Left;
    const std::int64_t height = storedHeight ? *stored.Height : std::int64_t(r.Bottom) - r.Top;
    own.Bounds = RectAt(left, top, width, height);
    return own;
}

TWindowPlacement PlacementToSave(const TRect& normalBounds, int windowState, bool positionKnown)
{
    TWindowPlacement placement;
    if (positionKnown) {
        placement.Left = normalBounds.Left;
        placement.Top = normalBounds.Top;
    }
    placement.Width = ToInt(std::int64_t(normalBounds.Right) - normalBounds.Left);
    placement.Height = ToInt(std::int64_t(normalBounds.Bottom) - normalBounds.Top);
    placement.WindowState = windowState == wsMaximized ? wsMaximized : wsNormal;
    return placement;
}

TRect KeepOnWorkArea(const TRect& window, const TRect& workArea, bool snapToEdges)
{
    const std::int64_t width = std::int64_t(window.Right) - window.Left;
    const std::int64_t height = std::int64_t(window.Bottom) - window.Top;
    const std::int64_t x = PlaceOnAxis(window.Left, width, workArea.Left, workArea.Right, snapToEdges);
    const std::int64_t y = PlaceOnAxis(window.Top, height, workArea.Top, workArea.Bottom, snapToEdges);
    return RectAt(x, y, width, height);
}

TPanelRects PlacePanelsRoundFrame(const TRect& frame, const TPanelSizes& sizes)
{
    TPanelRects r;
    const std::int64_t top = std::int64_t(frame.Top) + kPanelDrop;
    r.ToolPalette = RectAt(std::int64_t(frame.Left) + kPanelInset, top, sizes.ToolPalette.Width,
                           sizes.ToolPalette.Height);
    r.ColourPanel = RectAt(std::int64_t(frame.Right) - kPanelInset - sizes.ColourPanel.Width, top,
                           sizes.ColourPanel.Width, sizes.ColourPanel.Height);
    r.History = RectAt(r.ColourPanel.Left, r.ColourPanel.Bottom, sizes.History.Width, sizes.History.Height);
    r.IconLibrary = RectAt(std::int64_t(r.History.Left) - sizes.IconLibrary.Width, r.History.Top,
                           sizes.IconLibrary.Width, sizes.History.Height);
    r.Preview = RectAt(frame.Left, r.ToolPalette.Bottom, sizes.Preview.Width, sizes.Preview.Height);
    return r;
}

} // namespace ormel
