#pragma once

#include "document/canvas_event.h"
#include "files/icon_image.h"
#include "raster/canvas_compose.h"
#include "tools/rotate_frame.h"

#include <QPolygon>
#include <QTimer>
#include <QWidget>

#include <optional>

namespace ormel {

// The current image of a document, magnified by a whole-number zoom over a checkerboard so
// that transparent pixels show, with a pixel grid from zoom 3 on. Mouse input on the canvas
// comes out as canvas events; moves within one magnified pixel are not reported.
class CanvasView : public QWidget {
    Q_OBJECT

public:
    explicit CanvasView(QWidget* parent = nullptr);

    // Shows this image (null: nothing); it must stay alive while shown. Lays the canvas out
    // and composes it.
    void setImage(const TIconImage* image);
    void setShowGrid(bool showGrid);
    // Composes the whole canvas again from the image and repaints it.
    void repaintCanvas();
    // Composes and repaints the canvas pixels of `rect` only.
    void repaintCanvasRect(const QRect& rect);

    // 0 while the widget is too small for the image at zoom 1 (it is then drawn at zoom 1).
    int fittingZoom() const { return layout_.Zoom; }
    int Zoom() const { return std::max(layout_.Zoom, 1); }
    // The canvas in widget coordinates.
    QRect canvasRect() const;
    // The composed canvas, one pixel per canvas pixel.
    QImage canvasPicture() const;
    // A tool's footprint outline drawn over the canvas: a closed path in canvas pixels (empty:
    // none). It goes away when the pointer leaves the canvas.
    void setOutline(const QPolygon& path);
    const QPolygon& outline() const { return outline_; }
    // The selection's outline, in image pixel corners (empty: none), drawn as a dashed line
    // whose dashes march.
    void setSelection(const QPolygon& corners);
    const QPolygon& selection() const { return selection_; }

    // A placement frame drawn over the canvas, in canvas pixels (none: no frame).
    void setFrame(const std::optional<TRotateFrame>& frame);
    const std::optional<TRotateFrame>& frame() const { return frame_; }

signals:
    void canvasEvent(const TCanvasEvent& event);
    // The pointer moved onto another image pixel.
    void imagePositionChanged(int x, int y);
    void layoutChanged();
    // A button was down when the window lost the pointer (deactivated or hidden): the press
    // gets no release.
    void grabLost();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool event(QEvent* event) override;

private:
    void layOut();
    TCanvasEvent makeEvent(TCanvasEvent::Kind kind, const QMouseEvent& event) const;

    const TIconImage* image_ = nullptr;
    bool showGrid_ = true;
    TCanvasLayout layout_;
    Raster work_;
    QPoint lastImagePosition_{-1, -1};
    bool buttonDown_ = false;
    QPolygon outline_;
    QPolygon selection_;
    std::optional<TRotateFrame> frame_;
    QTimer* march_;
    int dashOffset_ = 0;
};

} // namespace ormel
