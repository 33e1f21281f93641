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

TEST(RotateFrameTest, HandlesAndHitTest)
{
    TRotateFrame frame = FrameAt(10, 10, 110, 60);
    const double points[][2] = {{60, 35}, {10, 10}, {110, 10}, {110, 60}, {10, 60}, {60, 10}, {110, 35}, {60, 60}, {10, 35}};
    for (int i = 0; i < 9; ++i)
        ExpectPoint(frame, i, points[i][0], points[i][1]);
    EXPECT_DOUBLE_EQ(frame.Radius(), 25);
    const double unit = 1 / std::sqrt(5.0); // the diagonal is (2, 1) x 50
    ExpectPoint(frame, 9, 60 - 50 * unit, 35 - 25 * unit);
    ExpectPoint(frame, 10, 60 + 50 * unit, 35 + 25 * unit);
    EXPECT_EQ(frame.Handle(1).Square, (TRect{5, 5, 16, 16}));
    EXPECT_EQ(frame.GetFrame(1), (TFrameGeometry{60, 35, 100, 50, 0}));
    EXPECT_EQ(frame.GetFrame(2), (TFrameGeometry{30, 18, 50, 25, 0}));

    for (const auto& [x, y, handle] : {std::tuple{15, 15, 1}, {16, 16, 0}, {85, 45, 10}, {200, 35, -1}})
        EXPECT_EQ(frame.HitTest(x, y), handle) << x << "," << y; // 0: inside, on no handle
    frame.SetFrame(false, 0, 0, 10, 10, 110, 60);
    EXPECT_EQ(frame.HitTest(85, 45), 0);

    // The degree form turns the other way and keeps Rotatable and Aspect: a quarter turn makes
    // side 1-2 run down the screen.
    frame = FrameAt(0, 0, 50, 100, 2, 90);
    EXPECT_EQ(frame.GetFrame(1), (TFrameGeometry{25, 50, 100, 50, 90}));
    ExpectPoint(frame, 2, 0, 100);
    EXPECT_EQ(frame.HitTest(40, 90), 0);
    EXPECT_EQ(frame.HitTest(70, 50), -1);
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

TEST(RotateFrameTest, ResizingFreeAndWithAspect)
{
    // Free: a corner follows the pointer, a side only across its own direction.
    TRotateFrame frame = FrameAt(0, 0, 100, 50);
    frame.Drag(2, 130, -20);
    frame.Drag(7, 999, 80);
    ExpectPoint(frame, 1, 0, -20);
    ExpectPoint(frame, 3, 130, 80);

    // Width / height 2: a corner goes to the nearest point of the diagonal, (150, 60) to
    // (144, 72); a side takes its neighbours along, centred on its middle.
    frame = FrameAt(0, 0, 100, 50, 2);
    frame.Drag(3, 150, 60);
    ExpectPoint(frame, 1, 0, 0);
    ExpectPoint(frame, 3, 144, 72);
    frame = FrameAt(0, 0, 100, 50, 2);
    frame.Drag(1, -50, -10);
    ExpectPoint(frame, 1, -44, -22);
    frame = FrameAt(0, 0, 100, 50, 2);
    frame.Drag(6, 120, 999);
    ExpectPoint(frame, 1, 0, -5);
    ExpectPoint(frame, 3, 120, 55);

    // Turned a quarter, side 2-3 lies at the bottom: the pointer is projected onto the frame's
    // own axes.
    frame = FrameAt(0, 0, 50, 100, 0, 90);
    frame.Drag(6, 37, 130);
    ExpectPoint(frame, 1, 0, 0);
    ExpectPoint(frame, 3, 50, 130);
    frame = FrameAt(0, 0, 50, 100, 2, 90);
    frame.Drag(6, 0, 140);
    ExpectPoint(frame, 1, -10, 0);
    EXPECT_EQ(frame.GetFrame(1), (TFrameGeometry{25, 70, 140, 70, 90}));
}

} // namespace
} // namespace ormel
