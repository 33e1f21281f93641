#include "creators/photo_view.h"

#include "dialogs/raster_image.h"
#include "document/rotate_frame_painter.h"

#include <QPainter>

#include <algorithm>

namespace ormel {

PhotoView::PhotoView(QWidget* parent) : FrameView(parent)
{
    setObjectName(QStringLiteral("PaintBox1"));
    setAccessibleName(tr("Placement"));
    setMinimumSize(480, 400);
}

void PhotoView::setPicture(const TPhotoPicture* picture, const TViewRect& square)
{
    picture_ = picture;
    square_ = square;
    update();
}

TViewRect PhotoView::FrameRect() const
{
    const TFrameHandle& a = frame().Handle(1);
    const TFrameHandle& b = frame().Handle(3);
    return {std::min(a.X, b.X), std::min(a.Y, b.Y), std::max(a.X, b.X), std::max(a.Y, b.Y)};
}

void PhotoView::resizeEvent(QResizeEvent* event)
{
    FrameView::resizeEvent(event);
    emit resized();
}

void PhotoView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (picture_ == nullptr || picture_->Empty())
        return;
    const TViewRect f = FrameRect();
    if (f.Width() > 0 && f.Height() > 0)
        painter.drawImage(QRectF(f.Left, f.Top, f.Width(), f.Height()), WrapRaster(picture_->Level(f.Width())));
    DrawRotateFrame(painter, frame());
    painter.setPen(Qt::red);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(square_.Left - 1, square_.Top - 1, square_.Width() + 1, square_.Height() + 1));
}

} // namespace ormel
