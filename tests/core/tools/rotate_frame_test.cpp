#include "tools/rotate_frame.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

namespace ormel {
namespace {

void ExpectPoint(const TRotateFrame& frame, int handle, double x, double y)
{
    EXPECT_NEAR(frame.Handle(handle).X, x, 1e-9) << "handle " << handle;
    EXPECT_NEAR(frame.Handle(handle).Y, y, 1e-9) << "handle " << handle;
}

TRotateFrame FrameAt(double x1, double y1, double x3, double y3, double aspect = 0, double degrees = 0)
{
    TRotateFrame frame;
    frame.SetFrame(true, aspect, 0, x1, y1, x3, y3);
    frame.SetFrame(degrees, x1, y1, x3, y3);
    return frame;
}

TEST(RotateFrameTest, MovingAndTurningWithTheMouse)
{
    TRotateFrame frame = FrameAt(10, 10, 110, 60);
    EXPECT_EQ(frame.MouseEvent(TRotateFrame::Pressed, 30, 20, true), -1);
    EXPECT_EQ(frame.ActiveHandle(), 0);
    EXPECT_EQ(frame.MouseEvent(TRotateFrame::Moved, 35, 17, true), 0);
    ExpectPoint(frame, 1, 15, 7);
    ExpectPoint(frame, 3, 115, 57);
    EXPECT_EQ(frame.MouseEvent(TRotateFrame::Moved, 45, 17, false), -1);
    frame.MouseEvent(TRotateFrame::Pressed, 200, 200, true); // outside: nothing moves
    EXPECT_EQ(frame.MouseEvent(TRotateFrame::Moved, 220, 200, true), -1);

    // A quarter turn round the rotation circle from handle 10.
    frame = FrameAt(10, 10, 110, 60);
    frame.MouseEvent(TRotateFrame::Pressed, 82, 46, true);
    EXPECT_EQ(frame.MouseEvent(TRotateFrame::Moved, 49, 57, true), 10);
    EXPECT_EQ(frame.GetFrame(1), (TFrameGeometry{60, 35, 100, 50, -90}));
    ExpectPoint(frame, 1, 85, -15);
    ExpectPoint(frame, 3, 35, 85);
}

} // namespace
} // namespace ormel
