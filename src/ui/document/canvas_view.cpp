#include "document/canvas_view.h"

#include "document/rotate_frame_painter.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <utility>

namespace ormel {

CanvasView::CanvasView(QWidget* parent) : QWidget(parent), march_(new QTimer(this))
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    march_->setInterval(150);
    connect(march_, &QTimer::timeout, this, [this] {
        dashOffset_ = (dashOffset_ + 1) % 6;
        const QRect corners = selection_.boundingRect();
        update(QRect(corners.topLeft() * Zoom(), corners.bottomRight() * Zoom())
                   .translated(canvasRect().topLeft())
                   .adjusted(-1, -1, 2, 2));
    });
}

void CanvasView::setImage(const TIconImage* image)
{
    image_ = image;
    layOut();
}

void CanvasView::setShowGrid(bool showGrid)
{
    showGrid_ = showGrid;
    repaintCanvas();
}

QRect CanvasView::canvasRect() const
{
    if (image_ == nullptr)
        return QRect();
    return QRect(layout_.Left, layout_.Top, layout_.Width, layout_.Height);
}

QImage CanvasView::canvasPicture() const
{
    if (work_.empty())
        return QImage();
    return QImage(work_.data(), work_.width(), work_.height(), work_.stride(), QImage::Format_BGR888).copy();
}

void CanvasView::layOut()
{
    const TCanvasLayout before = layout_;
    layout_ = image_ != nullptr ? LayoutCanvas(width(), height(), image_->Width, image_->Height) : TCanvasLayout{};
    if (work_.width() != layout_.Width || work_.height() != layout_.Height)
        work_.resizeForOverwrite(layout_.Width, layout_.Height);
    repaintCanvas();
    if (before.Zoom != layout_.Zoom || before.Width != layout_.Width || before.Height != layout_.Height)
        emit layoutChanged();
}

void CanvasView::repaintCanvas()
{
    repaintCanvasRect(QRect(0, 0, layout_.Width, layout_.Height));
}

void CanvasView::repaintCanvasRect(const QRect& rect)
{
    if (image_ == nullptr || work_.empty())
        return;
    ComposeCanvas(*image_, Zoom(), showGrid_, TRect{rect.left(), rect.top(), rect.right() + 1, rect.bottom() + 1}, work_);
    update(rect.translated(layout_.Left, layout_.Top));
}

void CanvasView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layOut();
}

void CanvasView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect canvas = canvasRect();
    // Outside the canvas the area shows the window's background.
    const QRegion around = QRegion(event->rect()).subtracted(canvas);
    for (const QRect& r : around)
        painter.fillRect(r, palette().color(QPalette::Window));
    if (canvas.isEmpty() || work_.empty())
        return;
    // One canvas pixel per logical pixel: at a device pixel ratio of 2 each becomes a sharp
    // 2 x 2 block, as no smooth transformation is asked for.
    const QImage picture(work_.data(), work_.width(), work_.height(), work_.stride(), QImage::Format_BGR888);
    const QRect dirty = event->rect().intersected(canvas);
    painter.drawImage(dirty.topLeft(), picture, dirty.translated(-canvas.topLeft()));
    if (!selection_.isEmpty()) {
        // Black dashes over white ones, shifted every tick so that the outline marches.
        QPolygon scaled;
        for (const QPoint& p : selection_)
            scaled << p * Zoom() + canvas.topLeft();
        painter.setPen(QPen(Qt::white, 1));
        painter.drawPolyline(scaled);
        QPen dashes(Qt::black, 1, Qt::CustomDashLine);
        dashes.setDashPattern({3, 3});
        dashes.setDashOffset(dashOffset_);
        painter.setPen(dashes);
        painter.drawPolyline(scaled);
    }
    painter.translate(canvas.topLeft());
    if (!outline_.isEmpty()) {
        painter.setPen(QColor(102, 102, 102));
        painter.drawPolygon(outline_);
    }
    if (frame_)
        DrawRotateFrame(painter, *frame_);
}

void CanvasView::setFrame(const std::optional<TRotateFrame>& frame)
{
    frame_ = frame;
    update();
}

void CanvasView::setSelection(const QPolygon& corners)
{
    if (corners == selection_)
        return;
    selection_ = corners;
    if (selection_.isEmpty())
        march_->stop();
    else if (!march_->isActive())
        march_->start();
    update();
}

void CanvasView::setOutline(const QPolygon& path)
{
    if (path == outline_)
        return;
    const QPoint origin = canvasRect().topLeft();
    if (!outline_.isEmpty())
        update(outline_.boundingRect().adjusted(-1, -1, 2, 2).translated(origin));
    outline_ = path;
    if (!outline_.isEmpty())
        update(outline_.boundingRect().adjusted(-1, -1, 2, 2).translated(origin));
}

void CanvasView::leaveEvent(QEvent* event)
{
    setOutline({});
    lastImagePosition_ = QPoint(-1, -1);
    QWidget::leaveEvent(event);
}

void CanvasView::hideEvent(QHideEvent* event)
{
    if (std::exchange(buttonDown_, false))
        emit grabLost();
    QWidget::hideEvent(event);
}

bool CanvasView::event(QEvent* event)
{
    if (event->type() == QEvent::WindowDeactivate && std::exchange(buttonDown_, false))
        emit grabLost();
    return QWidget::event(event);
}

TCanvasEvent CanvasView::makeEvent(TCanvasEvent::Kind kind, const QMouseEvent& event) const
{
    const QPoint p = event.position().toPoint() - QPoint(layout_.Left, layout_.Top);
    TCanvasEvent e;
    e.Event = kind;
    e.CanvasX = p.x();
    e.CanvasY = p.y();
    // Division toward minus infinity, so that the pixels left of and above the canvas are
    // negative rather than pixel 0.
    const int zoom = Zoom();
    e.ImageX = p.x() >= 0 ? p.x() / zoom : -((-p.x() + zoom - 1) / zoom);
    e.ImageY = p.y() >= 0 ? p.y() / zoom : -((-p.y() + zoom - 1) / zoom);
    e.Zoom = zoom;
    e.Button = event.button();
    e.Buttons = event.buttons();
    e.Modifiers = event.modifiers();
    return e;
}

void CanvasView::mousePressEvent(QMouseEvent* event)
{
    if (image_ == nullptr)
        return;
    buttonDown_ = true;
    emit canvasEvent(makeEvent(TCanvasEvent::Pressed, *event));
}

void CanvasView::mouseMoveEvent(QMouseEvent* event)
{
    if (image_ == nullptr)
        return;
    const TCanvasEvent e = makeEvent(TCanvasEvent::Moved, *event);
    const QPoint position(e.ImageX, e.ImageY);
    if (position == lastImagePosition_)
        return;
    lastImagePosition_ = position;
    emit imagePositionChanged(e.ImageX, e.ImageY);
    emit canvasEvent(e);
}

void CanvasView::mouseReleaseEvent(QMouseEvent* event)
{
    if (!buttonDown_)
        return;
    buttonDown_ = false;
    emit canvasEvent(makeEvent(TCanvasEvent::Released, *event));
}

} // namespace ormel
