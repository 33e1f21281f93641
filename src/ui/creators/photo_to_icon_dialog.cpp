#include "creators/photo_to_icon_dialog.h"

#include "creators/cartoon_option_dialog.h"
#include "creators/photo_cartoon_panel.h"
#include "creators/photo_frame.h"
#include "creators/photo_frame_panel.h"
#include "creators/photo_view.h"
#include "dialogs/add_new_image_dialog.h"
#include "dialogs/delete_image_dialog.h"
#include "dialogs/dialog_buttons.h"
#include "dialogs/strip_colour_bar.h"
#include "document/file_path.h"
#include "document/image_strip.h"
#include "document/strip_panel.h"
#include "main/dialog_service.h"
#include "main/editor_services.h"
#include "pictures/picture_reader.h"
#include "widgets/track_spin_pair.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

#include <tuple>

namespace ormel {

namespace {

// Pictures are decoded no larger than needed: JPEGs at the smallest reduced scale whose longer
// side keeps this many pixels, enough for the view and for a crop of an eighth of the picture.
constexpr int kDecodeLongSide = 2048;
constexpr int kStartCorner = 10;

QPushButton* Button(const char* name, const QString& caption)
{
    auto* button = new QPushButton(caption);
    button->setObjectName(QLatin1String(name));
    button->setAccessibleName(caption);
    return button;
}

TIconImage FreshFormat(int width, int height, int depthCode)
{
    TIconImage image;
    NewIconImage(image, width, height, -1, depthCode);
    return image;
}

} // namespace

Tfrm_PhotoToIcon::Tfrm_PhotoToIcon(EditorServices& services, Tfrm_CartoonOption& cartoon, QWidget* parent)
    : QDialog(parent), services_(services), cartoon_(cartoon), view_(new PhotoView), x_(new QSpinBox),
      y_(new QSpinBox), ratioLock_(new QCheckBox(tr("Ratio Lock"))), cartoonPanel_(new PhotoCartoonPanel(cartoon)),
      framePanel_(new PhotoFramePanel(services)), previewBack_(MakeColor(255, 255, 255))
{
    setObjectName(QStringLiteral("frm_PhotoToIcon"));
    setWindowTitle(QStringLiteral("Photo To Icon"));
    for (int side : {24, 32, 48, 256})
        formats_.push_back(FreshFormat(side, side, Depth32));

    auto* layout = new QGridLayout(this);
    layout->addWidget(view_, 0, 0);
    auto* side = new QVBoxLayout;
    side->addWidget(buildPlacement());
    side->addWidget(cartoonPanel_);
    side->addWidget(framePanel_);
    side->addStretch(1);
    layout->addLayout(side, 0, 1, 2, 1);
    layout->addWidget(buildFormats(), 1, 0);
    layout->addWidget(MakeOkCancelButtons(*this), 2, 0, 1, 2);
    layout->setColumnStretch(0, 1);
    layout->setRowStretch(0, 1);

    connect(view_, &PhotoView::frameDragged, this, [this] {
        frameToControls();
        RenderAll();
    });
    connect(view_, &PhotoView::resized, this, [this] {
        if (!picture_.Empty())
            setZoom(zoom_);
    });
    connect(cartoonPanel_, &PhotoCartoonPanel::changed, this, &Tfrm_PhotoToIcon::RenderAll);
    connect(cartoonPanel_, &PhotoCartoonPanel::moreOptionsRequested, this, &Tfrm_PhotoToIcon::moreOptions);
    connect(framePanel_, &PhotoFramePanel::changed, this, &Tfrm_PhotoToIcon::RenderAll);
    connect(&cartoon_, &Tfrm_CartoonOption::optionsChanged, this, [this] {
        if (isVisible())
            RenderAll();
    });
}

Tfrm_PhotoToIcon::~Tfrm_PhotoToIcon() = default;

QWidget* Tfrm_PhotoToIcon::buildPlacement()
{
    auto* box = new QWidget;
    auto* form = new QFormLayout(box);
    form->setContentsMargins(0, 0, 0, 0);
    for (auto [spin, name, label] : {std::tuple{x_, "spn_X", tr("X:")}, std::tuple{y_, "spn_Y", tr("Y:")}}) {
        spin->setObjectName(QLatin1String(name));
        spin->setRange(-100000, 100000);
        spin->setAccessibleName(label.chopped(1));
        form->addRow(label, spin);
        connect(spin, &QSpinBox::valueChanged, this, [this] {
            controlsToFrame();
            RenderAll();
        });
    }
    wRatio_ = new TrackSpinPair(*form, tr("W Ratio:"), "trc_WRatio", "spn_WRatio", 1, 2000, 1000);
    hRatio_ = new TrackSpinPair(*form, tr("H Ratio:"), "trc_HRatio", "spn_HRatio", 1, 2000, 1000);
    ratioLock_->setObjectName(QStringLiteral("chk_RatioLock"));
    ratioLock_->setAccessibleName(ratioLock_->text());
    form->addRow(ratioLock_);
    connect(wRatio_, &TrackSpinPair::valueChanged, this, [this](int value) {
        if (ratioLock_->isChecked())
            hRatio_->setValueQuietly(value);
        controlsToFrame();
        RenderAll();
    });
    connect(hRatio_, &TrackSpinPair::valueChanged, this, [this] {
        controlsToFrame();
        RenderAll();
    });
    connect(ratioLock_, &QCheckBox::toggled, this, [this](bool locked) {
        hRatio_->track().setEnabled(!locked);
        hRatio_->spin().setEnabled(!locked);
        if (locked)
            hRatio_->setValueQuietly(wRatio_->value());
        controlsToFrame();
        RenderAll();
    });

    auto* buttons = new QGridLayout;
    const std::tuple<const char*, QString, TPhotoFit> fits[] = {{"btn_FitWidth", tr("Fit Width"), TPhotoFit::Width},
                                                                {"btn_FitHeight", tr("Fit Height"), TPhotoFit::Height},
                                                                {"btn_ActualSize", tr("Actual Size"), TPhotoFit::ActualSize}};
    int column = 0;
    for (const auto& [name, caption, how] : fits) {
        QPushButton* button = Button(name, caption);
        buttons->addWidget(button, 0, column++);
        connect(button, &QPushButton::clicked, this, [this, how = how] { fit(how); });
    }
    QPushButton* zoomIn = Button("btn_ZoomIn", tr("Zoom In"));
    QPushButton* zoomOut = Button("btn_ZoomOut", tr("Zoom Out"));
    buttons->addWidget(zoomIn, 1, 0);
    buttons->addWidget(zoomOut, 1, 1);
    connect(zoomIn, &QPushButton::clicked, this, [this] { setZoom(PhotoZoomIn(zoom_)); });
    connect(zoomOut, &QPushButton::clicked, this, [this] { setZoom(PhotoZoomOut(zoom_)); });
    form->addRow(buttons);
    return box;
}

QWidget* Tfrm_PhotoToIcon::buildFormats()
{
    auto* box = new QWidget;
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    formatStrip_ = new ImageStrip(ImageStrip::BitsLabel::Padded);
    formatStrip_->setObjectName(QStringLiteral("img_preview"));
    formatStrip_->setAccessibleName(tr("Formats"));
    formatStrip_->setImages(&formats_, previewBack_);
    formatStrip_->setCurrent(selected_);
    formatPanel_ = new StripPanel(formatStrip_);
    row->addWidget(formatPanel_, 1);

    auto* side = new QVBoxLayout;
    auto* background = new StripColourBar(services_);
    background->setObjectName(QStringLiteral("Image1"));
    background->setColourTarget([this] { return previewBack_; },
                                [this](TColor colour) {
                                    previewBack_ = colour;
                                    formatStrip_->setBackColor(colour);
                                    cartoon_.SetPreviewBackground(colour);
                                });
    QPushButton* add = Button("btn_AddImage", tr("Add"));
    QPushButton* remove = Button("btn_deleImage", tr("Delete"));
    side->addWidget(background);
    side->addWidget(add);
    side->addWidget(remove);
    row->addLayout(side);

    connect(formatStrip_, &ImageStrip::picked, this, &Tfrm_PhotoToIcon::selectFormat);
    connect(add, &QPushButton::clicked, this, &Tfrm_PhotoToIcon::addFormat);
    connect(remove, &QPushButton::clicked, this, &Tfrm_PhotoToIcon::deleteFormat);
    return box;
}

bool Tfrm_PhotoToIcon::LoadPicture(const QString& fileName)
{
    TPictureReadOptions options;
    options.MaxLongSide = kDecodeLongSide;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const TPictureResult read = ReadPicture(ToNativePath(fileName), options);
    if (read.Loaded())
        picture_.Assign(read.Picture, read.FullWidth, read.FullHeight);
    QApplication::restoreOverrideCursor();
    if (read.Loaded())
        return true;
    picture_.Clear();
    QString text = QFileInfo(fileName).fileName() + QStringLiteral(" open failed.");
    if (!read.Message.empty())
        text += QLatin1Char('\n') + QString::fromStdString(read.Message);
    services_.dialogs().showMessage(parentWidget(), QStringLiteral("Open Picture"), text);
    return false;
}

bool Tfrm_PhotoToIcon::Execute()
{
    if (picture_.Empty())
        return false;
    resize(sizeHint().expandedTo(QSize(772, 561)));
    layout()->activate();
    start();
    const bool accepted = services_.dialogs().runDialog(*this) == QDialog::Accepted;
    picture_.Clear();
    crop_ = TPhotoCrop{};
    view_->setPicture(nullptr, square_);
    return accepted && !formats_.empty();
}

double Tfrm_PhotoToIcon::pictureAspect() const
{
    return picture_.Height() > 0 ? double(picture_.Width()) / picture_.Height() : 0;
}

void Tfrm_PhotoToIcon::start()
{
    cartoonPanel_->Start();
    framePanel_->Rebuild();
    zoom_ = PhotoStartZoom(view_->width(), view_->height());
    square_ = IconSquare(view_->width(), view_->height(), zoom_);
    {
        const QSignalBlocker xBlocker(x_);
        const QSignalBlocker yBlocker(y_);
        const QSignalBlocker lockBlocker(ratioLock_);
        x_->setValue(kStartCorner);
        y_->setValue(kStartCorner);
        ratioLock_->setChecked(true);
    }
    wRatio_->setValueQuietly(1000);
    hRatio_->setValueQuietly(1000);
    hRatio_->track().setEnabled(false);
    hRatio_->spin().setEnabled(false);
    selectFormat(selected_ < int(formats_.size()) ? selected_ : 0);
    controlsToFrame();
    RenderAll();
}

void Tfrm_PhotoToIcon::frameToControls()
{
    const TFrameGeometry g = view_->frame().GetFrame(1);
    {
        const QSignalBlocker xBlocker(x_);
        const QSignalBlocker yBlocker(y_);
        x_->setValue(g.CentreX - g.Width / 2);
        y_->setValue(g.CentreY - g.Height / 2);
    }
    wRatio_->setValueQuietly(PhotoFrameRatio(g.Width, picture_.Width()));
    hRatio_->setValueQuietly(PhotoFrameRatio(g.Height, picture_.Height()));
}

void Tfrm_PhotoToIcon::controlsToFrame()
{
    const double width = picture_.Width() * wRatio_->value() / 1000.0;
    const double height = picture_.Height() * hRatio_->value() / 1000.0;
    view_->frame().SetFrame(false, ratioLock_->isChecked() ? pictureAspect() : 0, 0, x_->value(), y_->value(),
                            x_->value() + width, y_->value() + height);
    view_->setPicture(&picture_, square_);
}

void Tfrm_PhotoToIcon::fit(TPhotoFit how)
{
    if (picture_.Empty())
        return;
    const TViewRect f = FitPhotoFrame(how, picture_.Width(), picture_.Height(), square_);
    view_->frame().SetFrame(false, ratioLock_->isChecked() ? pictureAspect() : 0, 0, f.Left, f.Top, f.Right, f.Bottom);
    frameToControls();
    view_->setPicture(&picture_, square_);
    RenderAll();
}

void Tfrm_PhotoToIcon::setZoom(double zoom)
{
    zoom_ = zoom;
    square_ = IconSquare(view_->width(), view_->height(), zoom_);
    view_->setPicture(&picture_, square_);
    RenderAll();
}

void Tfrm_PhotoToIcon::RenderAll()
{
    if (!picture_.Empty()) {
        CropPhoto(picture_, view_->FrameRect(), square_, crop_);
        cartoon_.Renderer().RenderFormats(formats_, crop_.Source, crop_.Rect, cartoonPanel_->CartoonLike());
        if (const Raster* frame = framePanel_->ActiveFrame())
            for (TIconImage& image : formats_)
                ApplyPhotoFrame(*frame, image, framePanel_->FrameColour());
    }
    formatStrip_->rebuild();
}

void Tfrm_PhotoToIcon::selectFormat(int index)
{
    if (index < 0 || index >= int(formats_.size()))
        return;
    selected_ = index;
    formatStrip_->setCurrent(index);
    formatPanel_->scrollToCell(index, int(formats_.size()));
}

void Tfrm_PhotoToIcon::addFormat()
{
    Tfrm_add_new_image* dialog = services_.addImageDialog();
    if (dialog == nullptr)
        return;
    dialog->Prepare(&formats_, selected_);
    if (services_.dialogs().runDialog(*dialog) != QDialog::Accepted)
        return;
    const TIconImage chosen = dialog->TakeNewImage();
    if (const int existing = AskSwitchToExistingFormat(services_.dialogs(), this, formats_, chosen);
        existing != kNewFormat) {
        selectFormat(existing);
        return;
    }
    TIconImage added = FreshFormat(chosen.Width, chosen.Height, chosen.ColorDepth);
    if (chosen.Palette.palNumEntries > 0)
        added.Palette = chosen.Palette;
    formats_.push_back(std::move(added));
    formatStrip_->setImages(&formats_, previewBack_);
    RenderAll();
    selectFormat(int(formats_.size()) - 1);
}

void Tfrm_PhotoToIcon::deleteFormat()
{
    if (formats_.size() < 2) {
        services_.dialogs().showMessage(this, QStringLiteral("Error"),
                                        QStringLiteral("At least one icon image should be reserved."));
        return;
    }
    Tfrm_DeleIconImage* dialog = services_.deleteImageDialog();
    if (dialog == nullptr || selected_ >= int(formats_.size()))
        return;
    dialog->Prepare(formats_[std::size_t(selected_)]);
    if (services_.dialogs().runDialog(*dialog) != QDialog::Accepted)
        return;
    formats_.erase(formats_.begin() + selected_);
    formatStrip_->setImages(&formats_, previewBack_);
    selectFormat(0);
}

void Tfrm_PhotoToIcon::moreOptions()
{
    cartoon_.Execute(formats_, selected_, crop_.Source, crop_.Rect);
    cartoonPanel_->ShowOptions();
    RenderAll();
}

} // namespace ormel
