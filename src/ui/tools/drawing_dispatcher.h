#pragma once

#include "document/canvas_event.h"
#include "files/icon_image.h"
#include "tools/bucket_tool.h"
#include "tools/freehand_stroke.h"
#include "tools/shape_tool.h"
#include "tools/vect_cursor.h"

#include <QObject>
#include <QPointer>

namespace ormel {

class EditorServices;
class TextTool;
class Tfrm_tools_panel;

// Hands canvas events to the tool the palette has selected: the pencil, brush, eraser and line
// strokes, the bucket, the dropper, the rectangle and ellipse, the selections and the text. A drag works on the image it
// was pressed on, known by (document, ImageId, depth); while a button is down the keyboard's
// commands are held back, so nothing else changes images under the stroke, and a lost mouse
// grab commits the stroke as a release would.
class DrawingDispatcher : public QObject, public ToolDispatcher {
    Q_OBJECT

public:
    DrawingDispatcher(EditorServices& services, Tfrm_tools_panel& palette, QObject* parent = nullptr);
    ~DrawingDispatcher() override;

    void canvasEvent(Tfrm_childwin& document, const TCanvasEvent& event) override;
    void canvasGrabLost(Tfrm_childwin& document) override;
    void finishTool() override;

    // A button is down on a canvas and its drag not yet committed.
    bool Busy() const { return target_.Document != nullptr; }

private:
    struct Target {
        QPointer<Tfrm_childwin> Document;
        int ImageId = -1;
        int Depth = 0;
    };

    void press(Tfrm_childwin& document, TIconImage& image, const TCanvasEvent& event);
    void drag(Tfrm_childwin& document, TIconImage& image, const TCanvasEvent& event);
    void hover(Tfrm_childwin& document, const TIconImage& image, const TCanvasEvent& event);
    // Ends the drag: records its step when it is still on the image it started on.
    void commit();
    TIconImage* targetImage() const;
    void setBusy(Tfrm_childwin* document, const TIconImage* image);
    bool eventFilter(QObject* watched, QEvent* event) override;
    TColor colour() const;
    int alpha() const;

    EditorServices& services_;
    Tfrm_tools_panel& palette_;
    Target target_;
    int dragTool_ = 0;
    TColor dragColour_ = 0;
    TFreehandStroke stroke_;
    TBucketTool bucket_;
    TShapeTool rectangle_{ShapeKind::Rectangle};
    TShapeTool ellipse_{ShapeKind::Ellipse};
    TVectCursor cursor_;
    TextTool* text_;
};

} // namespace ormel
