#include "dialogs/preview_picture.h"

#include "dialogs/raster_image.h"
#include "document/document_window.h"
#include "main/editor_services.h"
#include "raster/composite.h"
#include "raster/picture_placement.h"

#include <QPainter>

namespace ormel {

PreviewPicture::PreviewPicture(EditorServices& services, QWidget* parent) : QWidget(parent), services_(services)
{
    setFixedSize(kSize, kSize);
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(&services_, &EditorServices::stripBackColorChanged, this, qOverload<>(&QWidget::update));
}

void PreviewPicture::setImage(Tfrm_childwin* document, int index)
{
    if (document_ != document) {
        if (document_)
            disconnect(document_, nullptr, this, nullptr);
        if (document != nullptr)
            connect(document, &QObject::destroyed, this, qOverload<>(&QWidget::update));
    }
    document_ = document;
    index_ = index;
    update();
}

const TIconImage* PreviewPicture::shownImage() const
{
    if (!document_)
        return nullptr;
    const TIconImageArray& images = document_->Document().Images;
    if (index_ < 0 || index_ >= int(images.size()))
        return nullptr;
    return &images[std::size_t(index_)];
}

void PreviewPicture::paintEvent(QPaintEvent*)
{
    Raster picture(kSize, kSize);
    if (const TIconImage* image = shownImage())
        DrawIconImage(picture, PlaceInBox(kSize, kSize, image->Width, image->Height), services_.stripBackColor(), *image);
    QPainter painter(this);
    painter.drawImage(0, 0, WrapRaster(std::as_const(picture)));
}

} // namespace ormel
