#include "document/image_strip.h"

#include "raster/composite.h"
#include "raster/paint.h"
#include "widgets/qt_colour.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace ormel {

namespace {

const QColor kNavy(0, 0, 128);
const QColor kCurrentFrame(255, 0, 0);
constexpr int kThumbLeft = 13;
constexpr int kThumbTop = 15;
constexpr int kThumbSize = 48;
constexpr int kLabelTop = 77;

} // namespace

QString StripDepthLabel(int depthCode)
{
    switch (depthCode) {
    case Depth1: return QStringLiteral("1 ");
    case Depth4: return QStringLiteral("4 ");
    case Depth8: return QStringLiteral("8 ");
    case Depth24: return QStringLiteral("24");
    default: return QStringLiteral("32");
    }
}

ImageStrip::ImageStrip(BitsLabel bits, QWidget* parent)
    : QWidget(parent), bits_(bits), backColor_(MakeColor(255, 255, 255))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    rebuild();
}

void ImageStrip::setImages(const TIconImageArray* images, TColor backColor)
{
    images_ = images;
    backColor_ = backColor;
    rebuild();
}

void ImageStrip::setBackColor(TColor colour)
{
    backColor_ = colour;
    rebuild();
}

void ImageStrip::setCurrent(int index)
{
    if (index == current_)
        return;
    current_ = index;
    update();
}

void ImageStrip::rebuild()
{
    const int cells = cellCount();
    const int width = std::max(1, kCellWidth * cells);
    thumbnails_.resizeForOverwrite(width, kStripHeight);
    FillBitmap(thumbnails_, backColor_);
    for (int i = 0; i < cells; ++i)
        DrawStripCell(thumbnails_, *images_, i, backColor_);
    setFixedSize(width, kStripHeight);
    update();
}

void ImageStrip::refreshCell(int index)
{
    if (index < 0 || index >= cellCount() || thumbnails_.width() < kCellWidth * cellCount()) {
        rebuild();
        return;
    }
    const int left = kCellWidth * index + kThumbLeft;
    FillBitmapRect(thumbnails_, backColor_, TRect{left, kThumbTop, left + kThumbSize, kThumbTop + kThumbSize});
    DrawStripCell(thumbnails_, *images_, index, backColor_);
    update(QRect(kCellWidth * index, 0, kCellWidth, kStripHeight));
}

void ImageStrip::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::white);
    QFont font = painter.font();
    font.setPointSize(8);
    painter.setFont(font);
    const QImage thumbnails(thumbnails_.data(), thumbnails_.width(), thumbnails_.height(), thumbnails_.stride(),
                            QImage::Format_BGR888);

    const int first = std::max(0, event->rect().left() / kCellWidth);
    const int last = std::min(cellCount() - 1, event->rect().right() / kCellWidth);
    for (int i = first; i <= last; ++i) {
        const int left = kCellWidth * i;
        painter.setPen(QPen(i == current_ ? kCurrentFrame : kNavy, 3));
        painter.setBrush(ToQColor(backColor_));
        painter.drawRoundedRect(QRect(QPoint(left + 5, 7), QPoint(left + 70, 72)), 7.5, 7.5);
        const QRect box(left + kThumbLeft, kThumbTop, kThumbSize, kThumbSize);
        painter.drawImage(box.topLeft(), thumbnails, box);

        if (bits_ == BitsLabel::None)
            continue;
        const TIconImage& image = (*images_)[std::size_t(i)];
        const QString bits = bits_ == BitsLabel::Padded ? StripDepthLabel(image.ColorDepth)
                                                        : QString::number(DepthToBits(image.ColorDepth));
        painter.setPen(kNavy);
        painter.drawText(QRect(left, kLabelTop, kCellWidth, kStripHeight - kLabelTop), Qt::AlignHCenter | Qt::AlignTop,
                         QStringLiteral("%1 x %2 : %3").arg(image.Width).arg(image.Height).arg(bits));
    }
}

void ImageStrip::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && event->position().x() >= 0)
        emit picked(event->position().toPoint().x() / kCellWidth);
}

void ImageStrip::mouseMoveEvent(QMouseEvent* event)
{
    if ((event->buttons() & Qt::LeftButton) && event->position().x() >= 0)
        emit picked(event->position().toPoint().x() / kCellWidth);
}

void ImageStrip::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Left && current_ > 0)
        emit picked(current_ - 1);
    else if (event->key() == Qt::Key_Right && current_ + 1 < cellCount())
        emit picked(current_ + 1);
    else
        QWidget::keyPressEvent(event);
}

} // namespace ormel
