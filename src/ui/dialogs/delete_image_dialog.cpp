#include "dialogs/delete_image_dialog.h"

#include "dialogs/dialog_buttons.h"
#include "dialogs/raster_image.h"
#include "document/image_strip.h"
#include "raster/composite.h"
#include "raster/picture_placement.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace ormel {

namespace {

constexpr int kPictureSize = 48;

} // namespace

Tfrm_DeleIconImage::Tfrm_DeleIconImage(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frm_DeleIconImage"));
    setWindowTitle(QStringLiteral("Delete an Icon Image"));

    picture_ = new QLabel;
    picture_->setObjectName(QStringLiteral("img_IconImage"));
    picture_->setFixedSize(kPictureSize, kPictureSize);
    format_ = new QLabel;
    format_->setObjectName(QStringLiteral("lab_Format"));
    auto* imageColumn = new QVBoxLayout;
    imageColumn->addWidget(picture_, 0, Qt::AlignHCenter);
    imageColumn->addWidget(format_, 0, Qt::AlignHCenter);

    auto* question = new QLabel(QStringLiteral("Move this Icon Image to the recycle bin?"));
    question->setObjectName(QStringLiteral("lab_Question"));
    auto* hint = new QLabel(QStringLiteral("You can recover it from the history window."));
    hint->setObjectName(QStringLiteral("lab_Hint"));
    auto* texts = new QVBoxLayout;
    texts->addWidget(question);
    texts->addWidget(hint);
    texts->addStretch();

    auto* body = new QHBoxLayout;
    body->addLayout(imageColumn);
    body->addLayout(texts);

    QDialogButtonBox* buttons = MakeOkCancelButtons(*this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void Tfrm_DeleIconImage::Prepare(const TIconImage& image)
{
    Raster picture(kPictureSize, kPictureSize);
    DrawIconImage(picture, PlaceInBox(kPictureSize, kPictureSize, image.Width, image.Height), MakeColor(255, 255, 255),
                  image);
    picture_->setPixmap(QPixmap::fromImage(WrapRaster(std::as_const(picture)).copy()));
    format_->setText(QStringLiteral("%1 x %2 : %3").arg(image.Width).arg(image.Height).arg(StripDepthLabel(image.ColorDepth)));
}

} // namespace ormel
