#include "tools/rotate_frame.h"

#include "raster/rounding.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ormel {

namespace {

double SignOrPlus(double value) { return value < 0 ? -1.0 : 1.0; }

double Distance(const TFrameHandle& a, const TFrameHandle& b) { return std::hypot(b.X - a.X, b.Y - a.Y); }

void Place(TFrameHandle& handle, double x, double y)
{
    handle.X = x;
    handle.Y = y;
}

void PlaceMiddle(TFrameHandle& handle, const TFrameHandle& a, const TFrameHandle& b)
{
    Place(handle, (a.X + b.X) / 2, (a.Y + b.Y) / 2);
}

} // namespace

TRotateFrame::TRotateFrame() { Recompute(); }

void TRotateFrame::SetFrame(bool rotatable, double aspect, double angleRadians, double x1, double y1, double x3, double y3)
{
    rotatable_ = rotatable;
    aspect_ = aspect;
    SetCorners(angleRadians, x1, y1, x3, y3);
}

void TRotateFrame::SetFrame(double angleDegrees, double x1, double y1, double x3, double y3)
{
    SetCorners(-angleDegrees * std::numbers::pi / 180, x1, y1, x3, y3);
}

void TRotateFrame::SetCorners(double angleRadians, double x1, double y1, double x3, double y3)
{
    sin_ = std::sin(angleRadians);
    cos_ = std::cos(angleRadians);
    Place(handles_[1], x1, y1);
    Place(handles_[3], x3, y3);
    Recompute();
}

TFrameGeometry TRotateFrame::GetFrame(double scale) const
{
    return TFrameGeometry{Round(handles_[0].X / scale), Round(handles_[0].Y / scale),
                          Round(Distance(handles_[1], handles_[2]) / scale), Round(Distance(handles_[2], handles_[3]) / scale),
                          Round(-std::atan2(sin_, cos_) * 180 / std::numbers::pi)};
}

int TRotateFrame::HitTest(int x, int y) const
{
    for (int i = 0; i < HandleCount; ++i)
        if (Handle(i).Visible && PointInRect(x, y, Handle(i).Square))
            return i;

    // Inside when the point's coordinates along the frame's own axes, measured from corner 1,
    // lie between those of corner 3 and zero.
    const TFrameHandle& first = handles_[1];
    const TFrameHandle& third = handles_[3];
    const auto alongSides = [&](double px, double py) { return (px - first.X) * cos_ + (py - first.Y) * sin_; };
    const auto acrossSides = [&](double px, double py) { return (py - first.Y) * cos_ - (px - first.X) * sin_; };
    const auto between = [](double value, double end) { return end >= 0 ? value >= 0 && value <= end : value <= 0 && value >= end; };
    if (between(alongSides(x, y), alongSides(third.X, third.Y)) && between(acrossSides(x, y), acrossSides(third.X, third.Y)))
        return 0;
    return -1;
}

int TRotateFrame::MouseEvent(int kind, int x, int y, bool leftButtonDown)
{
    int dragged = -1;
    if (kind == Pressed) {
        activeHandle_ = HitTest(x, y);
    } else if (kind == Moved) {
        if (leftButtonDown && activeHandle_ >= 0) {
            Drag(activeHandle_, x, y);
            dragged = activeHandle_;
        }
    } else {
        return -1;
    }
    lastX_ = x;
    lastY_ = y;
    return dragged;
}

void TRotateFrame::Drag(int handle, int x, int y)
{
    if (handle == 0) {
        const double dx = static_cast<double>(x) - lastX_;
        const double dy = static_cast<double>(y) - lastY_;
        for (TFrameHandle* corner : {&handles_[1], &handles_[3]})
            Place(*corner, corner->X + dx, corner->Y + dy);
    } else if (handle >= 1 && handle <= 8) {
        Resize(handle, x, y);
    } else if (handle == 9 || handle == 10) {
        Turn(handle, x, y);
    } else {
        return;
    }
    Recompute();
}

// Works in the frame's own axes: u along side 1-2, v along side 2-3, corner 1 at the origin.
// The frame there is the box a1..a3 by b1..b3, and each handle moves some of its edges to the
// pointer's coordinates, which projects the pointer onto the frame's directions.
void TRotateFrame::Resize(int handle, double x, double y)
{
    const double originX = handles_[1].X;
    const double originY = handles_[1].Y;
    const auto alongU = [&](double px, double py) { return (px - originX) * cos_ + (py - originY) * sin_; };
    const auto alongV = [&](double px, double py) { return (py - originY) * cos_ - (px - originX) * sin_; };

    double a1 = 0;
    double b1 = 0;
    double a3 = alongU(handles_[3].X, handles_[3].Y);
    double b3 = alongV(handles_[3].X, handles_[3].Y);
    const double signA = SignOrPlus(a3 - a1);
    const double signB = SignOrPlus(b3 - b1);

    const bool movesA1 = handle == 1 || handle == 4 || handle == 8;
    const bool movesA3 = handle == 2 || handle == 3 || handle == 6;
    const bool movesB1 = handle == 1 || handle == 2 || handle == 5;
    const bool movesB3 = handle == 3 || handle == 4 || handle == 7;
    const double pointerA = alongU(x, y);
    const double pointerB = alongV(x, y);
    if (movesA1)
        a1 = pointerA;
    if (movesA3)
        a3 = pointerA;
    if (movesB1)
        b1 = pointerB;
    if (movesB3)
        b3 = pointerB;

    const bool movesA = movesA1 || movesA3;
    const bool movesB = movesB1 || movesB3;
    if (aspect_ > 0 && movesA && movesB) {
        // The dragged corner goes to the nearest point of the diagonal of the fixed ratio
        // through the opposite corner.
        const double directionA = signA * aspect_;
        const double directionB = signB;
        const double t = ((a3 - a1) * directionA + (b3 - b1) * directionB) / (directionA * directionA + directionB * directionB);
        if (movesA1)
            a1 = a3 - t * directionA;
        else
            a3 = a1 + t * directionA;
        if (movesB1)
            b1 = b3 - t * directionB;
        else
            b3 = b1 + t * directionB;
    } else if (aspect_ > 0 && movesA) {
        // The neighbouring sides follow, centred on the dragged side's middle.
        const double height = signB * std::abs(a3 - a1) / aspect_;
        const double middle = (b1 + b3) / 2;
        b1 = middle - height / 2;
        b3 = middle + height / 2;
    } else if (aspect_ > 0 && movesB) {
        const double width = signA * std::abs(b3 - b1) * aspect_;
        const double middle = (a1 + a3) / 2;
        a1 = middle - width / 2;
        a3 = middle + width / 2;
    }

    Place(handles_[1], originX + a1 * cos_ - b1 * sin_, originY + a1 * sin_ + b1 * cos_);
    Place(handles_[3], originX + a3 * cos_ - b3 * sin_, originY + a3 * sin_ + b3 * cos_);
}

// Turns by the angle from the handle's direction to the pointer's, both seen from the centre.
void TRotateFrame::Turn(int handle, double x, double y)
{
    const TFrameHandle& centre = handles_[0];
    const double hx = Handle(handle).X - centre.X;
    const double hy = Handle(handle).Y - centre.Y;
    const double px = x - centre.X;
    const double py = y - centre.Y;
    const double turn = std::atan2(hx * py - hy * px, hx * px + hy * py);
    const double turnSin = std::sin(turn);
    const double turnCos = std::cos(turn);

    const double newSin = sin_ * turnCos + cos_ * turnSin;
    cos_ = cos_ * turnCos - sin_ * turnSin;
    sin_ = newSin;
    const double cx = centre.X;
    const double cy = centre.Y;
    for (TFrameHandle* corner : {&handles_[1], &handles_[3]}) {
        const double dx = corner->X - cx;
        const double dy = corner->Y - cy;
        Place(*corner, Round(cx + dx * turnCos - dy * turnSin), Round(cy + dx * turnSin + dy * turnCos));
    }
}

void TRotateFrame::Recompute()
{
    TFrameHandle& first = handles_[1];
    TFrameHandle& third = handles_[3];
    const double dx = third.X - first.X;
    const double dy = third.Y - first.Y;
    const double along = dx * cos_ + dy * sin_;
    const double across = dy * cos_ - dx * sin_;
    Place(handles_[4], third.X - along * cos_, third.Y - along * sin_);
    Place(handles_[2], third.X + across * sin_, third.Y - across * cos_);

    PlaceMiddle(handles_[0], first, third);
    radius_ = std::min(Distance(first, handles_[2]), Distance(handles_[2], third)) / 2;
    const double diagonal = std::hypot(dx, dy);
    const double unitX = diagonal > 0 ? dx / diagonal : 0;
    const double unitY = diagonal > 0 ? dy / diagonal : 0;
    Place(handles_[9], handles_[0].X - radius_ * unitX, handles_[0].Y - radius_ * unitY);
    Place(handles_[10], handles_[0].X + radius_ * unitX, handles_[0].Y + radius_ * unitY);

    PlaceMiddle(handles_[5], first, handles_[2]);
    PlaceMiddle(handles_[6], handles_[2], third);
    PlaceMiddle(handles_[7], third, handles_[4]);
    PlaceMiddle(handles_[8], handles_[4], first);

    for (TFrameHandle& handle : handles_)
        handle.Square = TRect{Round(handle.X - HandleSize), Round(handle.Y - HandleSize), Round(handle.X + HandleSize + 1),
                              Round(handle.Y + HandleSize + 1)};
    handles_[9].Visible = rotatable_;
    handles_[10].Visible = rotatable_;
}

} // namespace ormel
