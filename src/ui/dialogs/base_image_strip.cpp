#include "dialogs/base_image_strip.h"

#include "dialogs/raster_image.h"
#include "raster/composite.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace ormel {

namespace {

const QColor kNavy(0, 0, 128);
const QColor kSelectedFrame(255, 0, 0);

QColor ToQColor(TColor colour) { return QColor(int(colour & 255), int((colour >> 8) & 255), int((colour >> 16) & 255)); }

} // namespace

BaseImageStrip::BaseImageStrip(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("Base image"));
    setFixedSize(kCellWidth, kHeight);
}

void BaseImageStrip::setImages(const TIconImageArray* images, int selected, TColor stripBackColor)
{
    images_ = images;
    stripBackColor_ = stripBackColor;
    selected_ = selected >= 0 && selected < count() ? selected : (count() > 0 ? 0 : -1);
    setFixedSize(std::max(1, count()) * kCellWidth, kHeight);
    compose();
}

void BaseImageStrip::select(int index)
{
    if (index < 0 || index >= count() || index == selected_)
        return;
    selected_ = index;
    compose();
    emit selectionChanged(index);
}

// Frames and labels are drawn with QPainter straight into the raster; the thumbnails are
// composed by the core between the two.
void BaseImageStrip::compose()
{
    const int cells = count();
    picture_.resize(std::max(1, cells) * kCellWidth, kHeight);
    if (cells > 0) {
        QImage image = WrapRaster(picture_);
        QPainter painter(&image);
        painter.setBrush(ToQColor(stripBackColor_));
        for (int i = 0; i < cells; ++i) {
            const int left = kCellWidth * i;
            painter.setPen(QPen(i == selected_ ? kSelectedFrame : kNavy, 3));
            painter.drawRoundedRect(QRect(QPoint(left + 5, 7), QPoint(left + 70, 72)), 7.5, 7.5);
        }
        painter.end();
        for (int i = 0; i < cells; ++i)
            DrawStripCell(picture_, *images_, i, stripBackColor_);
        painter.begin(&image);
        QFont font = painter.font();
        font.setPointSize(8);
        painter.setFont(font);
        painter.setPen(kNavy);
        for (int i = 0; i < cells; ++i) {
            const TIconImage& cell = (*images_)[std::size_t(i)];
            const QString label =
                QStringLiteral("%1 x %2 : %3").arg(cell.Width).arg(cell.Height).arg(DepthToBits(cell.ColorDepth));
            painter.drawText(QRect(kCellWidth * i, 77, kCellWidth, kHeight - 77), Qt::AlignHCenter | Qt::AlignTop, label);
        }
    }
    update();
}

void BaseImageStrip::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.drawImage(event->rect().topLeft(), WrapRaster(std::as_const(picture_)), event->rect());
}

void BaseImageStrip::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && event->position().x() >= 0)
        select(event->position().toPoint().x() / kCellWidth);
}

void BaseImageStrip::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Left)
        select(selected_ - 1);
    else if (event->key() == Qt::Key_Right)
        select(selected_ + 1);
    else
        QWidget::keyPressEvent(event);
}

} // namespace ormel
