#include "document/image_strip.h"

#include "document/icon_picture.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace ormel {

namespace {

// The colour behind transparent thumbnail pixels.
const QColor kStripBackColor = Qt::white;
const QColor kNavy(0, 0, 128);
const QColor kCurrentFrame(255, 0, 0);
constexpr int kThumbBox = 48;

// Where a thumbnail of this size goes inside the 48 x 48 box at `box`: real size when it
// fits, otherwise scaled so that the longer side is 48; centred either way.
QRect ThumbnailRect(QPoint box, int width, int height)
{
    int w = width;
    int h = height;
    if (w > kThumbBox || h > kThumbBox) {
        const int longer = std::max(w, h);
        w = kThumbBox * w / longer;
        h = kThumbBox * h / longer;
    }
    return QRect(box.x() + (kThumbBox - w) / 2, box.y() + (kThumbBox - h) / 2, w, h);
}

QString DepthLabel(int depthCode)
{
    switch (depthCode) {
    case Depth1: return QStringLiteral("1 ");
    case Depth4: return QStringLiteral("4 ");
    case Depth8: return QStringLiteral("8 ");
    case Depth24: return QStringLiteral("24");
    default: return QStringLiteral("32");
    }
}

} // namespace

ImageStrip::ImageStrip(const TIconDocument& document, QWidget* parent) : QWidget(parent), document_(document)
{
    rebuildThumbnails();
}

void ImageStrip::rebuildThumbnails()
{
    thumbnails_.clear();
    for (const TIconImage& image : document_.Images)
        thumbnails_.append(IconImageToPicture(image));
    setFixedSize(std::max(1, kCellWidth * cellCount()), kStripHeight);
    update();
}

void ImageStrip::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    QFont font = painter.font();
    font.setPointSize(8);
    painter.setFont(font);

    const int cells = std::min(cellCount(), int(document_.Images.size()));
    for (int i = 0; i < cells; ++i) {
        const int left = kCellWidth * i;
        painter.setPen(QPen(i == document_.CurrentIndex ? kCurrentFrame : kNavy, 3));
        painter.setBrush(kStripBackColor);
        painter.drawRoundedRect(QRect(QPoint(left + 5, 7), QPoint(left + 70, 72)), 7.5, 7.5);

        const QImage& thumbnail = thumbnails_[i];
        if (!thumbnail.isNull())
            painter.drawImage(ThumbnailRect(QPoint(left + 13, 15), thumbnail.width(), thumbnail.height()), thumbnail);

        const TIconImage& image = document_.Images[std::size_t(i)];
        const QString label = QStringLiteral("%1 x %2 : %3").arg(image.Width).arg(image.Height).arg(DepthLabel(image.ColorDepth));
        painter.setPen(kNavy);
        painter.drawText(QRect(left, 77, kCellWidth, kStripHeight - 77), Qt::AlignHCenter | Qt::AlignTop, label);
    }
}

void ImageStrip::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit cellPicked(event->position().toPoint().x() / kCellWidth);
}

void ImageStrip::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton)
        emit cellPicked(event->position().toPoint().x() / kCellWidth);
}

} // namespace ormel
