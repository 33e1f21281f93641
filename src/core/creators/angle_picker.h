#pragma once

#include "raster/rect.h"

namespace ormel {

// The arithmetic of the circular angle picker: angle 0 points right and angles grow
// counter-clockwise; the control is square and its centre is at half its width.

// 0 to 359 for any whole number of degrees.
int NormalizeAngle(int degrees);

// The angle a click or drag at (x, y) in the control sets: whole degrees of the direction from
// the centre, straight above 90, to the left 180, straight below 270; the centre itself gives
// 270.
int AngleFromPointer(int x, int y, int controlWidth);

// Where the knob's centre is drawn for an angle: on a circle 8 pixels inside the rim.
TPoint AngleKnobCentre(int angle, int controlWidth);

} // namespace ormel
