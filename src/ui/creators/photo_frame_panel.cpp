#include "creators/photo_frame_panel.h"

#include "creators/photo_frame.h"
#include "document/image_strip.h"
#include "document/strip_panel.h"
#include "main/dialog_service.h"
#include "main/editor_services.h"
#include "pictures/picture_reader.h"
#include "widgets/qt_colour.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPixmap>
#include <QToolButton>
#include <QVBoxLayout>

namespace ormel {

PhotoFramePanel::PhotoFramePanel(EditorServices& services, QWidget* parent)
    : QGroupBox(tr("Photo Frame"), parent), services_(services), enabled_(new QCheckBox(tr("Frame"))),
      colourButton_(new QToolButton), strip_(new ImageStrip(ImageStrip::BitsLabel::None))
{
    enabled_->setObjectName(QStringLiteral("chk_PhotoFrame"));
    enabled_->setAccessibleName(enabled_->text());
    colourButton_->setObjectName(QStringLiteral("shp_FrameColor"));
    colourButton_->setAccessibleName(tr("Frame Color"));
    colourButton_->setToolTip(tr("Frame Color"));
    colourButton_->setIconSize(QSize(32, 16));
    strip_->setObjectName(QStringLiteral("img_frames"));
    strip_->setAccessibleName(tr("Frames"));
    panel_ = new StripPanel(strip_);
    panel_->setMinimumWidth(4 * ImageStrip::kCellWidth);

    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(enabled_);
    top->addWidget(colourButton_);
    top->addStretch(1);
    layout->addLayout(top);
    layout->addWidget(panel_);

    connect(enabled_, &QCheckBox::toggled, this, &PhotoFramePanel::changed);
    connect(colourButton_, &QToolButton::clicked, this, &PhotoFramePanel::askColour);
    connect(strip_, &ImageStrip::picked, this, [this](int index) {
        if (index >= 0 && index < int(pictures_.size()) && index != selected_) {
            select(index);
            emit changed();
        }
    });
    showColour();
}

void PhotoFramePanel::Rebuild()
{
    pictures_.clear();
    for (const auto& file : ListPhotoFrames(services_.directories().DataDir)) {
        const TPictureResult read = ReadPicture(file);
        pictures_.push_back(read.Loaded() ? ComposePicture(read.Picture, MakeColor(255, 255, 255)) : Raster());
    }
    select(selected_ < int(pictures_.size()) ? selected_ : 0);
}

const Raster* PhotoFramePanel::ActiveFrame() const
{
    if (!enabled_->isChecked() || selected_ >= int(pictures_.size()) || pictures_[std::size_t(selected_)].empty())
        return nullptr;
    return &pictures_[std::size_t(selected_)];
}

void PhotoFramePanel::select(int index)
{
    selected_ = index;
    buildSamples();
    strip_->setCurrent(pictures_.empty() ? -1 : selected_);
}

void PhotoFramePanel::buildSamples()
{
    samples_.clear();
    for (const Raster& picture : pictures_)
        samples_.push_back(PhotoFrameSample(picture, colour_));
    strip_->setImages(&samples_, MakeColor(255, 255, 255));
}

void PhotoFramePanel::askColour()
{
    const QColor chosen = services_.dialogs().askColour(this, ToQColor(colour_));
    if (!chosen.isValid())
        return;
    colour_ = FromQColor(chosen);
    showColour();
    buildSamples();
    emit changed();
}

void PhotoFramePanel::showColour()
{
    QPixmap swatch(32, 16);
    swatch.fill(ToQColor(colour_));
    colourButton_->setIcon(QIcon(swatch));
}

} // namespace ormel
