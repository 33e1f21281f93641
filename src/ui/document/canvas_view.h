#pragma once

#include "files/icon_image.h"

#include <QImage>
#include <QWidget>

namespace ormel {

// The current image of a document, magnified by a whole-number zoom and drawn over a
// checkerboard so that transparent pixels show, with a pixel grid from zoom 3 on.
class CanvasView : public QWidget {
    Q_OBJECT

public:
    explicit CanvasView(QWidget* parent = nullptr);

    // Shows this image, or nothing for null; the picture is composed once here, so call it
    // again after the image changes.
    void setImage(const TIconImage* image);

    // The largest zoom at which the image fits the widget with 5 pixels to spare on each
    // side; at least 1.
    int Zoom() const { return zoom_; }
    // The canvas in widget coordinates: Width x Zoom + 1 by Height x Zoom + 1 pixels (the
    // last column and row close the grid), centred with the odd pixel going right and down.
    QRect canvasRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void updateZoom();

    QImage picture_;
    int zoom_ = 1;
};

} // namespace ormel
