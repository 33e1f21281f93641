#include "creators/cartoon_preview.h"

#include "dialogs/raster_image.h"
#include "widgets/qt_colour.h"

#include <QPainter>

namespace ormel {

CartoonPreview::CartoonPreview(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Image1"));
    setFixedSize(kSide, kSide);
}

void CartoonPreview::setImage(const Raster& bitmap)
{
    image_ = WrapRaster(bitmap).copy();
    update();
}

void CartoonPreview::setBackground(TColor colour)
{
    background_ = ToQColor(colour);
    update();
}

void CartoonPreview::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), background_);
    if (!image_.isNull())
        painter.drawImage(QPoint((width() - image_.width()) / 2, (height() - image_.height()) / 2), image_);
}

} // namespace ormel
