#pragma once

namespace ormel {

// The drawing tools by their stored codes; 0 when no tool button is down.
enum ToolCode : int {
    ToolNone = 0,
    ToolRectSelect = 1,
    ToolFreeSelect = 3,
    ToolPencil = 5,
    ToolBrush = 6,
    ToolText = 7,
    ToolBucket = 8,
    ToolDropper = 9,
    ToolEraser = 10,
    ToolRectangle = 11,
    ToolEllipse = 12,
    ToolLine = 13,
};

} // namespace ormel
