#include "tools/selection_readout.h"

#include "dialogs/raster_image.h"
#include "tools/orm_clipboard.h"
#include "tools/tool_previews.h"

#include <QGridLayout>
#include <QLabel>

namespace ormel {

namespace {

constexpr int kPictureSize = 100;

} // namespace

SelectionReadout::SelectionReadout(const QString& prefix, QWidget* parent) : QWidget(parent), picture_(new QLabel)
{
    auto* layout = new QGridLayout(this);
    const char* names[4] = {"X", "Y", "W", "H"};
    for (int i = 0; i < 4; ++i) {
        labels_[i] = new QLabel;
        labels_[i]->setObjectName(QStringLiteral("lbl_%1%2").arg(prefix, QLatin1String(names[i])));
        layout->addWidget(labels_[i], i / 2, i % 2);
    }
    picture_->setObjectName(QStringLiteral("img_%1").arg(prefix));
    picture_->setFixedSize(kPictureSize, kPictureSize);
    layout->addWidget(picture_, 2, 0, 1, 2);
    Clear();
}

void SelectionReadout::Clear()
{
    for (QLabel* label : labels_)
        label->clear();
    picture_->clear();
}

void SelectionReadout::Show(const TIconImage& image, const TSelection& selection, TColor background)
{
    Raster region;
    const TRect bounds = BuildSelectionRegion(selection.Points(), 1, image.Width, image.Height, region);
    if (!selection.HasSelection() || bounds.Width() < 1 || bounds.Height() < 1) {
        Clear();
        return;
    }
    labels_[0]->setText(QStringLiteral("X: %1").arg(bounds.Left));
    labels_[1]->setText(QStringLiteral("Y: %1").arg(bounds.Top));
    labels_[2]->setText(QStringLiteral("W: %1").arg(bounds.Width()));
    labels_[3]->setText(QStringLiteral("H: %1").arg(bounds.Height()));
    // The selected pixels as an image of their own: colour and transparency.
    TIconImage selected;
    Raster composite;
    ExtractSelection(image, region, background, bounds, composite, selected.Mask, selected.Bitmap);
    selected.Width = selected.Bitmap.width();
    selected.Height = selected.Bitmap.height();
    selected.ColorDepth = Depth32;
    picture_->setPixmap(QPixmap::fromImage(WrapRaster(FittedImagePreview(selected, kPictureSize, kPictureSize)).copy()));
}

} // namespace ormel
