#pragma once

#include "document/canvas_event.h"
#include "text/qt_text_rasterizer.h"
#include "tools/rotate_frame.h"
#include "tools/text_placement.h"

#include <QMetaObject>
#include <QObject>
#include <QPointer>

namespace ormel {

class EditorServices;
class TextPage;
class Tfrm_childwin;

// The text tool: one line of text placed on the active document's current image inside a frame
// that the mouse moves, resizes and turns on the canvas, or that the page's number boxes set.
// The image is rendered afresh from its backup at every change; committing keeps the last
// rendering as one "Text" step. The placement is bound to its image by (document, ImageId,
// depth): another current image, another tool or any command that changes images commits it.
class TextTool : public QObject {
    Q_OBJECT

public:
    TextTool(EditorServices& services, TextPage& page, QObject* parent = nullptr);

    // The tool became current (a placement starts on the active image) or stopped being current
    // (the placement is committed).
    void setSelected(bool selected);
    void canvasEvent(Tfrm_childwin& document, const TCanvasEvent& event);
    // Records the pending placement as a "Text" step and ends it.
    void commit();
    bool placing() const { return placement_.Active(); }

private:
    void start(Tfrm_childwin& document);
    void render();
    // The frame over the canvas follows the placement's geometry at the canvas's zoom.
    void placeFrame();
    void frameEdited(const TTextGeometry& geometry);
    void currentImageChanged(Tfrm_childwin* document);
    TIconImage* targetImage() const;
    void end();

    EditorServices& services_;
    TextPage& page_;
    QtTextRasterizer rasterizer_;
    TTextPlacement placement_;
    TRotateFrame frame_;
    QPointer<Tfrm_childwin> document_;
    int imageId_ = -1;
    int depth_ = 0;
    QMetaObject::Connection zoomWatch_;
    bool selected_ = false;
    bool committing_ = false;
    // The active image last seen, as (document, ImageId, depth): only a real switch moves the
    // placement.
    QPointer<Tfrm_childwin> lastDocument_;
    int lastImageId_ = -1;
    int lastDepth_ = -1;
};

} // namespace ormel
