#include "tools/paste_dialog.h"

#include "creators/photo_placement.h"
#include "dialogs/dialog_buttons.h"
#include "dialogs/raster_image.h"
#include "document/document_window.h"
#include "main/dialog_service.h"
#include "main/editor_services.h"
#include "raster/composite.h"
#include "tools/orm_clipboard.h"
#include "tools/paste_view.h"
#include "widgets/track_spin_pair.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <tuple>

namespace ormel {

namespace {

QPushButton* Button(const char* name, const QString& caption)
{
    auto* button = new QPushButton(caption);
    button->setObjectName(QLatin1String(name));
    button->setAccessibleName(caption);
    return button;
}

QIcon Thumbnail(const TIconImage& image)
{
    Raster shown(image.Width, image.Height);
    CompositeOverColor(image.Bitmap, image.Mask, IsIndexedDepth(image.ColorDepth) ? &image.Palette : nullptr,
                       TRect{0, 0, image.Width, image.Height}, MakeColor(255, 255, 255), shown);
    return QIcon(QPixmap::fromImage(WrapRaster(shown).copy()));
}

} // namespace

Tfrm_Paste::Tfrm_Paste(EditorServices& services, TOrmClipboard& clipboard, QWidget* parent)
    : QDialog(parent), services_(services), clipboard_(clipboard), view_(new PasteView), x_(new QSpinBox),
      y_(new QSpinBox), ratioLock_(new QCheckBox(tr("Ratio Lock"))), variantList_(new QListWidget)
{
    setObjectName(QStringLiteral("frm_Paste"));
    setWindowTitle(tr("Paste from Clipboard"));
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(view_, 1);
    auto* side = new QVBoxLayout;
    auto* form = new QFormLayout;
    for (auto [box, name, label] : {std::tuple{x_, "spn_X", tr("X:")}, std::tuple{y_, "spn_Y", tr("Y:")}}) {
        box->setObjectName(QLatin1String(name));
        box->setRange(-100000, 100000);
        box->setAccessibleName(label.chopped(1));
        form->addRow(label, box);
    }
    wRatio_ = new TrackSpinPair(*form, tr("W Ratio:"), "trc_WRatio", "spn_WRatio", 1, 10000, 1000);
    hRatio_ = new TrackSpinPair(*form, tr("H Ratio:"), "trc_HRatio", "spn_HRatio", 1, 10000, 1000);
    ratioLock_->setObjectName(QStringLiteral("chk_RatioLock"));
    ratioLock_->setChecked(true);
    form->addRow(ratioLock_);
    side->addLayout(form);
    auto* placements = new QHBoxLayout;
    QPushButton* fitWidth = Button("btn_FitWidth", tr("Fit Width"));
    QPushButton* fitHeight = Button("btn_FitHeight", tr("Fit Height"));
    QPushButton* actual = Button("btn_ActualSize", tr("Actual Size"));
    for (QPushButton* b : {fitWidth, fitHeight, actual})
        placements->addWidget(b);
    side->addLayout(placements);
    auto* zooms = new QHBoxLayout;
    QPushButton* zoomIn = Button("btn_ZoomIn", tr("Zoom In"));
    QPushButton* zoomOut = Button("btn_ZoomOut", tr("Zoom Out"));
    zooms->addWidget(zoomIn);
    zooms->addWidget(zoomOut);
    side->addLayout(zooms);
    side->addWidget(new QLabel(tr("Please select one of the following effect:")));
    variantList_->setObjectName(QStringLiteral("Image1"));
    variantList_->setAccessibleName(tr("Effects"));
    variantList_->setViewMode(QListView::IconMode);
    variantList_->setIconSize(QSize(64, 64));
    variantList_->setMinimumWidth(200);
    side->addWidget(variantList_, 1);
    side->addWidget(MakeOkCancelButtons(*this));
    layout->addLayout(side);

    connect(view_, &PasteView::frameDragged, this, [this](bool finished) {
        frameToControls();
        compose();
        if (finished)
            buildVariants();
    });
    for (QSpinBox* box : {x_, y_})
        connect(box, &QSpinBox::valueChanged, this, [this] {
            controlsToFrame();
            compose();
            buildVariants();
        });
    connect(wRatio_, &TrackSpinPair::valueChanged, this, [this](int value) {
        if (ratioLock_->isChecked())
            hRatio_->setValueQuietly(value);
        controlsToFrame();
        compose();
        buildVariants();
    });
    connect(hRatio_, &TrackSpinPair::valueChanged, this, [this] {
        controlsToFrame();
        compose();
        buildVariants();
    });
    connect(ratioLock_, &QCheckBox::toggled, this, [this](bool locked) {
        hRatio_->track().setEnabled(!locked);
        hRatio_->spin().setEnabled(!locked);
        controlsToFrame();
    });
    connect(fitWidth, &QPushButton::clicked, this, [this] { place(TPhotoFit::Width); });
    connect(fitHeight, &QPushButton::clicked, this, [this] { place(TPhotoFit::Height); });
    connect(actual, &QPushButton::clicked, this, [this] { place(TPhotoFit::ActualSize); });
    connect(zoomIn, &QPushButton::clicked, this, [this] { zoomBy(true); });
    connect(zoomOut, &QPushButton::clicked, this, [this] { zoomBy(false); });
    hRatio_->track().setEnabled(false);
    hRatio_->spin().setEnabled(false);
}

bool Tfrm_Paste::Execute(Tfrm_childwin& document)
{
    const TIconImage* image = document.CurrentImage();
    if (image == nullptr)
        return false;
    resize(sizeHint().expandedTo(QSize(860, 480)));
    hasPicture_ = start(*image);
    if (services_.dialogs().runDialog(*this) != QDialog::Accepted || !hasPicture_)
        return false;
    TIconImage* live = document.CurrentImage();
    if (live == nullptr || live->ImageId != target_.ImageId)
        return false;
    const int selected = std::max(0, variantList_->currentRow());
    CommitPaste(*live, composed_, IsIndexedDepth(target_.ColorDepth) ? &variants_[std::size_t(selected)] : nullptr);
    document.RecordChange(QStringLiteral("Paste"));
    return true;
}

double Tfrm_Paste::pictureAspect() const
{
    return picture_.Height() > 0 ? double(picture_.Width()) / picture_.Height() : 0;
}

bool Tfrm_Paste::start(const TIconImage& target)
{
    CopyIconImage(target, target_);
    TRect rect;
    variantList_->clear();
    const bool read = clipboard_.ReadClipboard(picture_.Colour, picture_.Mask, rect) && picture_.Width() > 0 &&
                      picture_.Height() > 0 && target.Width > 0 && target.Height > 0;
    if (!read) {
        view_->show(nullptr, nullptr, TPasteView{});
        return false;
    }
    // The largest whole zoom that leaves 50 pixels round the image; never below 1.
    const QSize box = view_->size().expandedTo(view_->minimumSize());
    zoom_ = std::max(1, std::min((box.width() - 100) / target.Width, (box.height() - 100) / target.Height));
    left_ = std::round((box.width() - target.Width * zoom_) / 2);
    top_ = std::round((box.height() - target.Height * zoom_) / 2);
    view_->frame().SetFrame(false, pictureAspect(), 0, 0, 0, picture_.Width() * zoom_, picture_.Height() * zoom_);
    {
        const QSignalBlocker xBlocker(x_);
        const QSignalBlocker yBlocker(y_);
        x_->setValue(0);
        y_->setValue(0);
    }
    wRatio_->setValueQuietly(1000);
    hRatio_->setValueQuietly(1000);
    ratioLock_->setChecked(true);
    compose();
    buildVariants();
    variantList_->setCurrentRow(0);
    return true;
}

void Tfrm_Paste::frameToControls()
{
    const TFrameGeometry g = view_->frame().GetFrame(1);
    const QSignalBlocker xBlocker(x_);
    const QSignalBlocker yBlocker(y_);
    x_->setValue(g.CentreX - g.Width / 2);
    y_->setValue(g.CentreY - g.Height / 2);
    wRatio_->setValueQuietly(PhotoFrameRatio(g.Width / zoom_, picture_.Width()));
    hRatio_->setValueQuietly(PhotoFrameRatio(g.Height / zoom_, picture_.Height()));
}

void Tfrm_Paste::controlsToFrame()
{
    const double width = wRatio_->value() * picture_.Width() * zoom_ / 1000.0;
    const double height = hRatio_->value() * picture_.Height() * zoom_ / 1000.0;
    view_->frame().SetFrame(false, ratioLock_->isChecked() ? pictureAspect() : 0, 0, x_->value(), y_->value(),
                            x_->value() + width, y_->value() + height);
}

void Tfrm_Paste::compose()
{
    if (picture_.Width() <= 0)
        return;
    const TRotateFrame& frame = view_->frame();
    const TFrameHandle& a = frame.Handle(1);
    const TFrameHandle& b = frame.Handle(3);
    const TRect placed{int(std::lround(std::min(a.X, b.X))), int(std::lround(std::min(a.Y, b.Y))),
                       int(std::lround(std::max(a.X, b.X))), int(std::lround(std::max(a.Y, b.Y)))};
    const TPasteView view{left_, top_, zoom_, placed};
    composed_ = ComposePaste(target_, picture_, view);
    view_->show(&composed_, &picture_, view);
}

void Tfrm_Paste::buildVariants()
{
    if (picture_.Width() <= 0)
        return;
    const int selected = std::max(0, variantList_->currentRow());
    variantList_->clear();
    if (!IsIndexedDepth(target_.ColorDepth)) {
        variantList_->addItem(new QListWidgetItem(Thumbnail(composed_), QString()));
    } else {
        variants_ = PasteVariants(target_, composed_);
        for (std::size_t k = 0; k < variants_.size(); ++k)
            variantList_->addItem(new QListWidgetItem(Thumbnail(variants_[k]), QLatin1String(PasteVariantLabels()[k])));
    }
    variantList_->setCurrentRow(std::min(selected, variantList_->count() - 1));
}

void Tfrm_Paste::place(TPhotoFit how)
{
    if (picture_.Width() <= 0)
        return;
    // The fits work on the image as shown; the actual size is the picture's at the view's zoom.
    const TViewRect shown{left_, top_, left_ + target_.Width * zoom_, top_ + target_.Height * zoom_};
    const TViewRect f = how == TPhotoFit::ActualSize
                            ? TViewRect{left_, top_, left_ + picture_.Width() * zoom_, top_ + picture_.Height() * zoom_}
                            : FitPhotoFrame(how, picture_.Width(), picture_.Height(), shown);
    view_->frame().SetFrame(false, ratioLock_->isChecked() ? pictureAspect() : 0, 0, f.Left, f.Top, f.Right, f.Bottom);
    frameToControls();
    compose();
    buildVariants();
}

void Tfrm_Paste::zoomBy(bool in)
{
    if (picture_.Width() <= 0)
        return;
    zoom_ = in ? PhotoZoomIn(zoom_) : PhotoZoomOut(zoom_);
    const QSize box = view_->size();
    left_ = std::round((box.width() - target_.Width * zoom_) / 2);
    top_ = std::round((box.height() - target_.Height * zoom_) / 2);
    controlsToFrame();
    compose();
}

} // namespace ormel
