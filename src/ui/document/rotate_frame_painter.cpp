#include "document/rotate_frame_painter.h"

#include <QPainter>
#include <QPolygonF>

namespace ormel {

void DrawRotateFrame(QPainter& painter, const TRotateFrame& frame)
{
    painter.save();
    QPolygonF outline;
    for (int i = 1; i <= 4; ++i)
        outline << QPointF(frame.Handle(i).X, frame.Handle(i).Y);
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(outline);
    if (frame.Rotatable())
        painter.drawEllipse(QPointF(frame.Handle(0).X, frame.Handle(0).Y), frame.Radius(), frame.Radius());
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    for (int i = 1; i < TRotateFrame::HandleCount; ++i) {
        const TFrameHandle& handle = frame.Handle(i);
        if (handle.Visible)
            painter.drawRect(QRect(handle.Square.Left, handle.Square.Top, handle.Square.Width() - 1,
                                   handle.Square.Height() - 1));
    }
    painter.restore();
}

} // namespace ormel
