#pragma once

#include "tools/rotate_frame.h"

class QPainter;

namespace ormel {

// Draws a placement frame: its outline dotted, the rotation circle when the frame turns, and
// the squares of its visible handles.
void DrawRotateFrame(QPainter& painter, const TRotateFrame& frame);

} // namespace ormel
