#include "tools/frame_view.h"

#include <QMouseEvent>

#include <utility>

namespace ormel {

FrameView::FrameView(QWidget* parent) : QWidget(parent) {}

void FrameView::mousePressEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    frame_.MouseEvent(TRotateFrame::Pressed, p.x(), p.y(), event->buttons().testFlag(Qt::LeftButton));
    dragging_ = frame_.ActiveHandle() >= 0;
}

void FrameView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    if (frame_.MouseEvent(TRotateFrame::Moved, p.x(), p.y(), event->buttons().testFlag(Qt::LeftButton)) >= 0)
        emit frameDragged(false);
}

void FrameView::mouseReleaseEvent(QMouseEvent*)
{
    if (std::exchange(dragging_, false))
        emit frameDragged(true);
}

} // namespace ormel
