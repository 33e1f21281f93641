#pragma once

#include "tools/rotate_frame.h"

#include <QWidget>

namespace ormel {

// A view with a placement frame over it that the mouse moves and resizes. Subclasses paint the
// view and the frame.
class FrameView : public QWidget {
    Q_OBJECT

public:
    explicit FrameView(QWidget* parent = nullptr);

    TRotateFrame& frame() { return frame_; }
    const TRotateFrame& frame() const { return frame_; }

signals:
    // The user moved or resized the frame; `finished` once the button is released.
    void frameDragged(bool finished);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    TRotateFrame frame_;
    bool dragging_ = false;
};

} // namespace ormel
