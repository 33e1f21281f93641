#pragma once

#include "files/icon_image.h"
#include "tools/paste_placement.h"
#include "tools/rotate_frame.h"

#include <QWidget>

namespace ormel {

// The paste dialog's view: the target image as it will look with the picture placed, at a
// zoom, with the picture's frame and its handles over it. The mouse moves and resizes the frame.
class PasteView : public QWidget {
    Q_OBJECT

public:
    explicit PasteView(QWidget* parent = nullptr);

    // What to show: the composed result (or null), the picture and the placement.
    void show(const TIconImage* composed, const TPastePicture* picture, const TPasteView& view);
    TRotateFrame& frame() { return frame_; }

signals:
    // The user moved or resized the frame; `finished` once the button is released.
    void frameDragged(bool finished);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    TRotateFrame frame_;
    const TIconImage* composed_ = nullptr;
    const TPastePicture* picture_ = nullptr;
    TPasteView view_;
    Raster shown_;
    bool dragging_ = false;
};

} // namespace ormel
