#include "tools/paste_view.h"

#include "dialogs/raster_image.h"
#include "document/rotate_frame_painter.h"
#include "raster/composite.h"

#include <QPainter>

namespace ormel {

PasteView::PasteView(QWidget* parent) : FrameView(parent)
{
    setObjectName(QStringLiteral("PaintBox1"));
    setAccessibleName(tr("Placement"));
    setMinimumSize(420, 320);
}

void PasteView::show(const TIconImage* composed, const TPastePicture* picture, const TPasteView& view)
{
    composed_ = composed;
    picture_ = picture;
    view_ = view;
    // The result over white, composed once per change rather than at every paint.
    if (composed_ != nullptr) {
        shown_.resize(composed_->Width, composed_->Height);
        CompositeOverColor(composed_->Bitmap, composed_->Mask, nullptr,
                           TRect{0, 0, composed_->Width, composed_->Height}, MakeColor(255, 255, 255), shown_);
    }
    update();
}

void PasteView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (composed_ == nullptr || picture_ == nullptr)
        return;
    const TRect f = view_.Frame;
    const QRect frameRect(f.Left, f.Top, f.Width(), f.Height());
    painter.drawImage(frameRect, WrapRaster(picture_->Colour));
    // The result, magnified without smoothing.
    const QRectF imageRect(view_.Left, view_.Top, composed_->Width * view_.Zoom, composed_->Height * view_.Zoom);
    painter.drawImage(imageRect, WrapRaster(shown_));
    painter.setPen(Qt::red);
    painter.drawRect(imageRect.adjusted(-1, -1, 0, 0));
    DrawRotateFrame(painter, frame());
}

} // namespace ormel
