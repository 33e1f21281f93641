#pragma once

#include <Qt>

namespace ormel {

class Tfrm_childwin;

// One mouse event on a document's canvas, as the tools receive it: canvas pixels (not divided
// by the zoom), the image pixel under them, the buttons held and the modifier keys.
struct TCanvasEvent {
    enum Kind { Released = 1, Pressed = 2, Moved = 3 };
    Kind Event = Moved;
    int CanvasX = 0;
    int CanvasY = 0;
    int ImageX = 0;
    int ImageY = 0;
    int Zoom = 1;
    Qt::MouseButton Button = Qt::NoButton; // the button that was pressed or released
    Qt::MouseButtons Buttons;              // the buttons held after the event
    Qt::KeyboardModifiers Modifiers;
};

// Hands canvas events to the selected tool. The document window calls it only while it is
// the active document and has a current image; tools work on that image through the
// document window's operations and never see its widgets.
class ToolDispatcher {
public:
    virtual ~ToolDispatcher() = default;
    virtual void canvasEvent(Tfrm_childwin& document, const TCanvasEvent& event) = 0;
    // The mouse grab was lost mid-drag (another window took the pointer): finish or cancel.
    virtual void canvasGrabLost(Tfrm_childwin& document) = 0;
    // Something else is about to change an image, save or close a document: a tool with work
    // pending on an image (a placed text) commits it first.
    virtual void finishTool() {}
};

} // namespace ormel
