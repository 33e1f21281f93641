#include "settings/window_placement.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>

namespace ormel {
namespace {

const TRect kWorkArea{0, 0, 1024, 738};
constexpr std::nullopt_t none = std::nullopt;

TEST(WindowPlacement, WritingLeavesAbsentKeysAsTheFileHasThem)
{
    TIniFile ini;
    WriteWindowPlacement(ini, "frm_main", TWindowPlacement{-1, -20, 640, 480, 0});
    WriteWindowPlacement(ini, "frm_main", PlacementToSave(TRect{0, 0, 800, 500}, wsMinimized, false));
    EXPECT_EQ(ini.Text(), "[frm_main]\nleft=-1\ntop=-20\nwidth=800\nheight=500\nWindowState=0\n\n");
}

TEST(WindowPlacement, RestoreAppliesWhatIsStoredAndSane)
{
    const TWindowGeometry own{TRect{10, 20, 110, 220}, wsNormal};
    struct Case {
        const char* what;
        TWindowPlacement stored;
        bool resizable;
        TRect bounds;
        int state;
    };
    const Case cases[] = {
        {"-1 is a coordinate", {-1, -1, none, none, none}, true, {-1, -1, 99, 199}, wsNormal},
        {"size of a resizable window", {5, 6, 500, 400, none}, true, {5, 6, 505, 406}, wsNormal},
        {"fixed-size dialog keeps its size", {5, 6, 500, 400, none}, false, {5, 6, 105, 206}, wsNormal},
        {"minimised comes back normal", {none, none, none, none, 1}, true, own.Bounds, wsNormal},
        {"huge values clamp", {INT_MAX, INT_MIN, INT_MAX, INT_MAX, none}, true, {INT_MAX, INT_MIN, INT_MAX, -1},
         wsNormal},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const TWindowGeometry restored = RestorePlacement(own, c.stored, c.resizable);
        EXPECT_EQ(restored.Bounds, c.bounds);
        EXPECT_EQ(restored.WindowState, c.state);
    }
}

TEST(WindowPlacement, KeepOnWorkAreaKeepsFiftyPixelsAndSnapsWithinFourteen)
{
    struct Case {
        TRect window;
        bool snap;
        TRect expected;
    };
    const Case cases[] = {
        // Fifty pixels stay inside on every side.
        {{-500, -400, -300, -100}, false, {-150, -250, 50, 50}},
        {{2000, 900, 2200, 1000}, false, {974, 688, 1174, 788}},
        // Snapping: 14 pixels away moves onto the edge, 15 stays.
        {{14, 300, 114, 400}, true, {0, 300, 100, 400}},
        {{15, 300, 115, 400}, true, {15, 300, 115, 400}},
        {{100, 624, 200, 724}, true, {100, 638, 200, 738}},
        // Pulled back first, then snapped: 50 pixels left of the right edge is far from it.
        {{3000, 300, 3100, 400}, true, {974, 300, 1074, 400}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(KeepOnWorkArea(c.window, kWorkArea, c.snap), c.expected)
            << c.window.Left << "," << c.window.Top << " snap " << c.snap;
    const TRect huge = KeepOnWorkArea(TRect{INT_MIN, 0, INT_MAX, 10}, kWorkArea, true);
    EXPECT_EQ(huge.Right, INT_MAX); // no overflow for sizes read from a file
}

} // namespace
} // namespace ormel
