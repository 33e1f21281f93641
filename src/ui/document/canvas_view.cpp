#include "document/canvas_view.h"

#include "document/icon_picture.h"

#include <QPainter>

#include <algorithm>

namespace ormel {

namespace {

constexpr int kMargin = 10;
constexpr int kMinZoomForGrid = 3;
const QColor kGridColour(200, 200, 200);

// 4 x 4 squares of grey 220 and white, grey in the top-left square.
QBrush CheckerBrush()
{
    QImage tile(8, 8, QImage::Format_RGB32);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            const int grey = (y < 4) != (x >= 4) ? 220 : 255;
            tile.setPixel(x, y, qRgb(grey, grey, grey));
        }
    return QBrush(tile);
}

} // namespace

CanvasView::CanvasView(QWidget* parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void CanvasView::setImage(const TIconImage* image)
{
    picture_ = image ? IconImageToPicture(*image) : QImage();
    updateZoom();
    update();
}

QRect CanvasView::canvasRect() const
{
    if (picture_.isNull())
        return QRect();
    const int w = picture_.width() * zoom_ + 1;
    const int h = picture_.height() * zoom_ + 1;
    return QRect((width() - w) / 2, (height() - h) / 2, w, h);
}

void CanvasView::updateZoom()
{
    if (picture_.isNull()) {
        zoom_ = 1;
        return;
    }
    const int fitX = (width() - kMargin) / picture_.width();
    const int fitY = (height() - kMargin) / picture_.height();
    zoom_ = std::max(1, std::min(fitX, fitY));
}

void CanvasView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    updateZoom();
}

void CanvasView::paintEvent(QPaintEvent*)
{
    if (picture_.isNull())
        return;
    const QRect canvas = canvasRect();
    static const QBrush checker = CheckerBrush();
    QPainter painter(this);
    painter.setBrushOrigin(canvas.topLeft());
    painter.fillRect(canvas, checker);
    // Without SmoothPixmapTransform the scaling repeats pixels: each image pixel becomes a
    // Zoom x Zoom square.
    const int w = picture_.width() * zoom_;
    const int h = picture_.height() * zoom_;
    painter.drawImage(QRect(canvas.topLeft(), QSize(w, h)), picture_);

    if (zoom_ < kMinZoomForGrid)
        return;
    painter.setPen(QPen(kGridColour, 0));
    for (int x = 0; x <= w; x += zoom_)
        painter.drawLine(canvas.left() + x, canvas.top(), canvas.left() + x, canvas.top() + h);
    for (int y = 0; y <= h; y += zoom_)
        painter.drawLine(canvas.left(), canvas.top() + y, canvas.left() + w, canvas.top() + y);
}

} // namespace ormel
