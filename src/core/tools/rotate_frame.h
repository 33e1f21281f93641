#pragma once

#include "raster/rect.h"

#include <array>

namespace ormel {

// One handle of the frame: its point, its square (right and bottom exclusive) and whether it
// is in use.
struct TFrameHandle {
    double X = 0;
    double Y = 0;
    TRect Square;
    bool Visible = true;
};

// What GetFrame reports, each value rounded to the nearest integer.
struct TFrameGeometry {
    int CentreX = 0;
    int CentreY = 0;
    int Width = 0;
    int Height = 0;
    int Angle = 0; // degrees, counter-clockwise on the screen
    bool operator==(const TFrameGeometry&) const = default;
};

// A rectangle that the user moves, resizes and turns through eleven handles, optionally with
// a fixed ratio of width to height. Handle 0 is the centre, 1 to 4 the corners in order round
// the frame, 5 to 8 the middles of the sides 1-2, 2-3, 3-4 and 4-1, 9 and 10 the rotation
// handles on the diagonal at the rotation circle. The frame is defined by corners 1 and 3 and
// the angle; everything else is derived. Coordinates are those of the view it is shown in;
// drawing it is the view's business.
class TRotateFrame {
public:
    static constexpr int HandleSize = 5; // half the side of a handle square
    static constexpr int HandleCount = 11;
    // MouseEvent kinds.
    static constexpr int Pressed = 2;
    static constexpr int Moved = 3;

    TRotateFrame();

    // Corners 1 and 3 and the angle (sine and cosine of angleRadians; positive turns clockwise
    // on the screen).
    void SetFrame(bool rotatable, double aspect, double angleRadians, double x1, double y1, double x3, double y3);
    // The same with the angle in degrees, counter-clockwise on the screen; Rotatable and
    // Aspect stay as they are.
    void SetFrame(double angleDegrees, double x1, double y1, double x3, double y3);
    // Centre and size divided by the scale, and the angle in degrees.
    TFrameGeometry GetFrame(double scale) const;

    // The first visible handle whose square holds the point, else 0 when the point is inside
    // the frame (the whole frame moves), else -1.
    int HitTest(int x, int y) const;
    // A press picks the handle to drag; a move with the left button drags it and returns it.
    // Every other event returns -1.
    int MouseEvent(int kind, int x, int y, bool leftButtonDown);
    // Handle 0 moves the frame by the pointer's movement since the last event; a corner follows
    // the pointer with the opposite corner fixed; a side follows it across its own direction
    // with the opposite side fixed; a rotation handle turns the frame about its centre toward
    // the pointer. With a fixed aspect the frame keeps its ratio.
    void Drag(int handle, int x, int y);

    // index 0..10
    const TFrameHandle& Handle(int index) const { return handles_[static_cast<std::size_t>(index)]; }
    double Sin() const { return sin_; }
    double Cos() const { return cos_; }
    double Radius() const { return radius_; }
    int ActiveHandle() const { return activeHandle_; }
    bool Rotatable() const { return rotatable_; }
    double Aspect() const { return aspect_; }

private:
    void SetCorners(double angleRadians, double x1, double y1, double x3, double y3);
    void Resize(int handle, double x, double y);
    void Turn(int handle, double x, double y);
    void Recompute();

    std::array<TFrameHandle, HandleCount> handles_;
    double sin_ = 0;
    double cos_ = 1;
    double radius_ = 0;
    int activeHandle_ = -1;
    int lastX_ = 0;
    int lastY_ = 0;
    bool rotatable_ = true;
    double aspect_ = 0;
};

} // namespace ormel
