#include "settings/window_placement.h"

#include <gtest/gtest.h>

#include <climits>

namespace ormel {
namespace {

const TRect kWorkArea{0, 0, 1024, 738};

TEST(WindowPlacement, AbsentKeysLeaveTheWindowsOwnValues)
{
    TIniFile ini;
    ini.WriteInteger("frm_tools", "left", 300);
    ini.WriteInteger("frm_tools", "width", 500);
    ini.WriteInteger("frm_tools", "WindowState", 9);
    const TWindowPlacement stored = ReadWindowPlacement(ini, "frm_tools");
    EXPECT_EQ(stored.Top, -1);

    const TWindowGeometry own{TRect{10, 20, 110, 220}, wsNormal};
    const TWindowGeometry fixed = RestorePlacement(own, stored, false);
    EXPECT_EQ(fixed.Bounds, (TRect{300, 20, 400, 220}));
    EXPECT_EQ(fixed.WindowState, wsNormal);
    EXPECT_EQ(RestorePlacement(own, stored, true).Bounds, (TRect{300, 20, 800, 220}));
    EXPECT_EQ(RestorePlacement(own, TWindowPlacement{}, true).Bounds, own.Bounds);

    EXPECT_TRUE(ReadShowing(ini, "frm_history", true));
    WriteShowing(ini, "frm_history", false);
    EXPECT_FALSE(ReadShowing(ini, "frm_history", true));
}

TEST(WindowPlacement, FiftyPixelsStayOnTheWorkArea)
{
    EXPECT_EQ(KeepOnWorkArea(TRect{-500, -400, -300, -100}, kWorkArea, false), (TRect{-150, -250, 50, 50}));
    EXPECT_EQ(KeepOnWorkArea(TRect{2000, 900, 2200, 1000}, kWorkArea, false), (TRect{974, 688, 1174, 788}));
    EXPECT_EQ(KeepOnWorkArea(TRect{5, 5, 205, 105}, kWorkArea, false), (TRect{5, 5, 205, 105}));
    const TRect huge = KeepOnWorkArea(TRect{INT_MIN, 0, INT_MAX, 10}, kWorkArea, true);
    EXPECT_EQ(huge.Right, INT_MAX); // no overflow for sizes read from a file
}

TEST(WindowPlacement, SnapsWithinFourteenPixelsButNotFifteen)
{
    EXPECT_EQ(KeepOnWorkArea(TRect{14, 300, 114, 400}, kWorkArea, true).Left, 0);
    EXPECT_EQ(KeepOnWorkArea(TRect{15, 300, 115, 400}, kWorkArea, true).Left, 15);
    EXPECT_EQ(KeepOnWorkArea(TRect{14, 300, 114, 400}, kWorkArea, false).Left, 14);
    EXPECT_EQ(KeepOnWorkArea(TRect{910, -14, 1010, 86}, kWorkArea, true), (TRect{924, 0, 1024, 100}));
    EXPECT_EQ(KeepOnWorkArea(TRect{100, 624, 200, 723}, kWorkArea, true).Bottom, 723);
    EXPECT_EQ(KeepOnWorkArea(TRect{100, 625, 200, 724}, kWorkArea, true).Bottom, 738);
}

} // namespace
} // namespace ormel
