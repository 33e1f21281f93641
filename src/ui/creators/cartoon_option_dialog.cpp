#include "creators/cartoon_option_dialog.h"

#include "creators/cartoon_preview.h"
#include "creators/cartoon_settings.h"
#include "dialogs/dialog_buttons.h"
#include "main/dialog_service.h"
#include "main/editor_services.h"
#include "widgets/track_spin_pair.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <filesystem>
#include <string>
#include <utility>

namespace ormel {

namespace {

const char kCaption[] = "More Cartoon Options";

QCheckBox* MakeCheck(const char* name, const QString& caption)
{
    auto* check = new QCheckBox(caption);
    check->setObjectName(QLatin1String(name));
    check->setAccessibleName(caption);
    return check;
}

// The user's copy when there is one, else the shipped file.
std::string SettingsDirectory(const AppDirectories& dirs)
{
    std::error_code ec;
    if (std::filesystem::exists(std::filesystem::path(dirs.ConfigDir) / "cartoon3.set", ec))
        return dirs.ConfigDir;
    return dirs.DataDir;
}

} // namespace

Tfrm_CartoonOption::Tfrm_CartoonOption(EditorServices& services, QWidget* parent)
    : QDialog(parent),
      services_(services),
      chk_drawSketch_(MakeCheck("Chk_DrawSketch", QStringLiteral("Line Drawing"))),
      chk_drawColor_(MakeCheck("Chk_DrawColor", QStringLiteral("Color"))),
      chk_remain_(MakeCheck("Chk_Remain", QStringLiteral("Remain Dark Area"))),
      cmb_iconImage_(new QComboBox),
      preview_view_(new CartoonPreview),
      preview_(1)
{
    setObjectName(QStringLiteral("Tfrm_CartoonOption"));
    setWindowTitle(QLatin1String(kCaption));

    auto* tabs = new QTabWidget;
    tabs->setObjectName(QStringLiteral("PageControl1"));
    tabs->setAccessibleName(QStringLiteral("Options"));
    tabs->tabBar()->setAccessibleName(QStringLiteral("Options"));
    tabs->addTab(buildLinePage(), QStringLiteral("Line Drawing"));
    tabs->addTab(buildColourPage(), QStringLiteral("Coloring"));

    cmb_iconImage_->setObjectName(QStringLiteral("cmb_IconImage"));
    cmb_iconImage_->setAccessibleName(QStringLiteral("Icon image"));
    auto* previewColumn = new QVBoxLayout;
    previewColumn->addWidget(cmb_iconImage_);
    previewColumn->addWidget(preview_view_);
    previewColumn->addStretch(1);

    auto* body = new QHBoxLayout;
    body->addWidget(tabs, 1);
    body->addLayout(previewColumn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addWidget(MakeOkCancelButtons(*this));
    layout->setSizeConstraint(QLayout::SetFixedSize);

    pending_.setSingleShot(true);
    pending_.setInterval(0);
    connect(&pending_, &QTimer::timeout, this, &Tfrm_CartoonOption::renderPreview);

    for (QCheckBox* check : {chk_drawSketch_, chk_drawColor_, chk_remain_})
        connect(check, &QCheckBox::toggled, this, &Tfrm_CartoonOption::takeControls);
    connect(cmb_iconImage_, &QComboBox::currentIndexChanged, this, [this] { pending_.start(); });
    showControls();
}

QWidget* Tfrm_CartoonOption::buildLinePage()
{
    linePage_ = new QWidget;
    auto* form = new QFormLayout;
    addPair(*form, QStringLiteral("Detail:"), "Trc_Detail", "Spn_Detail", 0, 1024, &CartoonControls::Detail);
    addPair(*form, QStringLiteral("Darkness:"), "Trc_Darkness", "Spn_Darkness", 1, 256, &CartoonControls::Darkness);
    addPair(*form, QStringLiteral("Smooth:"), "Trc_SketchSmooth", "Spn_SketchSmooth", 0, 100,
            &CartoonControls::SketchSmooth);
    form->addRow(chk_remain_);
    addPair(*form, QStringLiteral("Threshold:"), "Trc_Threshold", "Spn_Threshold", 0, 254,
            &CartoonControls::Threshold);
    addPair(*form, QStringLiteral("Strength:"), "Trc_Darkness2", "Spn_Darkness2", 0, 255,
            &CartoonControls::DarkStrength);
    linePage_->setLayout(form);

    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    column->addWidget(chk_drawSketch_);
    column->addWidget(linePage_);
    column->addStretch(1);
    return page;
}

QWidget* Tfrm_CartoonOption::buildColourPage()
{
    colourPage_ = new QWidget;
    auto* form = new QFormLayout;
    addPair(*form, QStringLiteral("Brightness:"), "Trc_Brightness", "Spn_Brightness", -255, 255,
            &CartoonControls::Brightness);
    addPair(*form, QStringLiteral("Contrast:"), "Trc_Contrast", "Spn_Contrast", -255, 255, &CartoonControls::Contrast);
    addPair(*form, QStringLiteral("Saturation:"), "Trc_Saturation", "Spn_Saturation", -127, 127,
            &CartoonControls::Saturation);
    addPair(*form, QStringLiteral("Reducer:"), "trc_ColorReducer", "spn_ColorReducer", 1, 254,
            &CartoonControls::Reducer);
    addPair(*form, QStringLiteral("Blur:"), "Trc_BorderBlur", "Spn_BorderBlur", 0, 255, &CartoonControls::BorderBlur);
    addPair(*form, QStringLiteral("Red:"), "Trc_Red", "Spn_Red", -255, 255, &CartoonControls::Red);
    addPair(*form, QStringLiteral("Green:"), "Trc_Green", "Spn_Green", -255, 255, &CartoonControls::Green);
    addPair(*form, QStringLiteral("Blue:"), "Trc_Blue", "Spn_Blue", -255, 255, &CartoonControls::Blue);
    colourPage_->setLayout(form);

    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    column->addWidget(chk_drawColor_);
    column->addWidget(colourPage_);
    column->addStretch(1);
    return page;
}

void Tfrm_CartoonOption::addPair(QFormLayout& form, const QString& label, const char* track, const char* spin,
                                 int minimum, int maximum, int CartoonControls::*field)
{
    auto* pair = new TrackSpinPair(form, label, track, spin, minimum, maximum, CartoonControls{}.*field);
    connect(pair, &TrackSpinPair::valueChanged, this, &Tfrm_CartoonOption::takeControls);
    pairs_.push_back({pair, field});
}

void Tfrm_CartoonOption::ensureLoaded()
{
    if (loaded_)
        return;
    loaded_ = true;
    std::string error;
    if (renderer_.LoadSettings(SettingsDirectory(services_.directories()), error) != 0) {
        renderer_.Settings = ShippedCartoonSettings();
        renderer_.Controls = ControlsFromSettings(renderer_.Settings);
        services_.dialogs().showMessage(parentWidget(), QLatin1String(kCaption), QString::fromStdString(error));
    }
    showControls();
}

TCartoonRenderer& Tfrm_CartoonOption::Renderer()
{
    ensureLoaded();
    return renderer_;
}

void Tfrm_CartoonOption::SetControls(const CartoonControls& controls)
{
    ensureLoaded();
    CartoonSettings held = renderer_.Settings;
    StoreControls(controls, held);
    CartoonControls next = ControlsFromSettings(held);
    next.DrawSketch = controls.DrawSketch;
    next.DrawColor = controls.DrawColor;
    renderer_.Controls = next;
    showControls();
    if (isVisible())
        pending_.start();
}

void Tfrm_CartoonOption::showControls()
{
    const CartoonControls& c = renderer_.Controls;
    for (const Pair& p : pairs_)
        p.pair->setValueQuietly(c.*p.field);
    for (auto [check, value] : {std::pair{chk_drawSketch_, c.DrawSketch}, std::pair{chk_drawColor_, c.DrawColor},
                                std::pair{chk_remain_, c.RemainDark}}) {
        const QSignalBlocker blocker(check);
        check->setChecked(value);
    }
    updateEnabled();
}

void Tfrm_CartoonOption::updateEnabled()
{
    linePage_->setEnabled(chk_drawSketch_->isChecked());
    colourPage_->setEnabled(chk_drawColor_->isChecked());
    for (const Pair& p : pairs_) {
        if (p.field == &CartoonControls::Threshold || p.field == &CartoonControls::DarkStrength) {
            p.pair->track().setEnabled(chk_remain_->isChecked());
            p.pair->spin().setEnabled(chk_remain_->isChecked());
        }
    }
}

void Tfrm_CartoonOption::takeControls()
{
    CartoonControls& c = renderer_.Controls;
    for (const Pair& p : pairs_)
        c.*p.field = p.pair->value();
    c.DrawSketch = chk_drawSketch_->isChecked();
    c.DrawColor = chk_drawColor_->isChecked();
    c.RemainDark = chk_remain_->isChecked();
    updateEnabled();
    if (isVisible())
        pending_.start();
}

bool Tfrm_CartoonOption::Execute(const TIconImageArray& formats, int selected, const Raster& crop,
                                 const TRect& cropRect)
{
    if (formats.empty() || crop.width() != TCartoonRenderer::kSourceSize ||
        crop.height() != TCartoonRenderer::kSourceSize)
        return false;
    ensureLoaded();
    const CartoonControls before = renderer_.Controls;
    formats_ = formats;
    crop_ = crop;
    cropRect_ = cropRect;
    {
        const QSignalBlocker blocker(cmb_iconImage_);
        cmb_iconImage_->clear();
        for (const TIconImage& image : formats_)
            cmb_iconImage_->addItem(
                QString::fromStdString(FormatListLabel(image.Width, image.Height, image.ColorDepth)));
        cmb_iconImage_->setCurrentIndex(selected >= 0 && std::size_t(selected) < formats_.size() ? selected : 0);
    }
    showControls();

    const bool accepted = services_.dialogs().runDialog(*this) == QDialog::Accepted;
    pending_.stop();
    formats_.clear();
    crop_ = Raster();
    if (!accepted) {
        renderer_.Controls = before;
        showControls();
        emit optionsChanged();
        return false;
    }
    StoreControls(renderer_.Controls, renderer_.Settings);
    std::string error;
    std::error_code ec;
    std::filesystem::create_directories(services_.directories().ConfigDir, ec);
    if (SaveCartoonSettings(services_.directories().ConfigDir, renderer_.Settings, error) != 0)
        services_.dialogs().showMessage(this, QLatin1String(kCaption), QString::fromStdString(error));
    return true;
}

void Tfrm_CartoonOption::SetPreviewBackground(TColor colour) { preview_view_->setBackground(colour); }

void Tfrm_CartoonOption::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    pending_.start();
}

void Tfrm_CartoonOption::renderPreview()
{
    const int index = cmb_iconImage_->currentIndex();
    if (!isVisible() || index < 0 || std::size_t(index) >= formats_.size())
        return;
    preview_.assign(1, formats_[std::size_t(index)]);
    renderer_.RenderFormats(preview_, crop_, cropRect_, true);
    preview_view_->setImage(preview_.front().Bitmap);
    emit optionsChanged();
}

} // namespace ormel
