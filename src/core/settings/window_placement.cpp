#include "settings/window_placement.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>

namespace ormel {

namespace {

constexpr std::int64_t kKeepVisible = 50;
constexpr std::int64_t kSnapDistance = 15;

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

} // namespace

TWindowPlacement ReadWindowPlacement(const TIniFile& ini, const std::string& section)
{
    return TWindowPlacement{ini.ReadInteger(section, "left", -1), ini.ReadInteger(section, "top", -1),
                            ini.ReadInteger(section, "width", -1), ini.ReadInteger(section, "height", -1),
                            ini.ReadInteger(section, "WindowState", -1)};
}

void WriteWindowPlacement(TIniFile& ini, const std::string& section, const TWindowPlacement& placement)
{
    ini.WriteInteger(section, "left", placement.Left);
    ini.WriteInteger(section, "top", placement.Top);
    ini.WriteInteger(section, "width", placement.Width);
    ini.WriteInteger(section, "height", placement.Height);
    ini.WriteInteger(section, "WindowState", placement.WindowState);
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
    if (stored.WindowState >= wsNormal && stored.WindowState <= wsMaximized)
        own.WindowState = stored.WindowState;
    TRect& r = own.Bounds;
    const int width = r.Width(), height = r.Height();
    if (stored.Left != -1)
        r.Left = stored.Left;
    if (stored.Top != -1)
        r.Top = stored.Top;
    r.Right = ToInt(std::int64_t(r.Left) + (resizable && stored.Width > 0 ? stored.Width : width));
    r.Bottom = ToInt(std::int64_t(r.Top) + (resizable && stored.Height > 0 ? stored.Height : height));
    return own;
}

TRect KeepOnWorkArea(const TRect& window, const TRect& workArea, bool snapToEdges)
{
    const std::int64_t width = std::int64_t(window.Right) - window.Left;
    const std::int64_t height = std::int64_t(window.Bottom) - window.Top;
    const std::int64_t x = PlaceOnAxis(window.Left, width, workArea.Left, workArea.Right, snapToEdges);
    const std::int64_t y = PlaceOnAxis(window.Top, height, workArea.Top, workArea.Bottom, snapToEdges);
    return TRect{ToInt(x), ToInt(y), ToInt(x + width), ToInt(y + height)};
}

} // namespace ormel
