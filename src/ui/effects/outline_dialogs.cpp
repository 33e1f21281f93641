#include "effects/outline_dialogs.h"

#include "effects/colour_choice.h"
#include "effects/shadow.h"
#include "effects/stroke.h"
#include "widgets/angle_control.h"
#include "widgets/track_spin_pair.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QSlider>
#include <QSpinBox>

#include <algorithm>

namespace ormel {

namespace {

// Indexed images keep a full opacity: their colours come from the palette.
void FitOpacity(TrackSpinPair& opacity, const TIconImage& image)
{
    const bool enabled = !IsIndexedDepth(image.ColorDepth);
    opacity.track().setEnabled(enabled);
    opacity.spin().setEnabled(enabled);
}

constexpr int kStrokeDirections[] = {StrokeOuter, StrokeInner, StrokeMiddle};

} // namespace

Tfrm_Stroke::Tfrm_Stroke(EditorServices& services, QWidget* parent)
    : Tfrm_Effect(services, "frm_Stroke", QStringLiteral("Stroke"), parent),
      size_(AddPair(QStringLiteral("Size"), "trc_Size", "spn_Size", 1, 200, 1)),
      opacity_(AddPair(QStringLiteral("Opacity"), "trc_Opacity", "spn_Opacity", 0, 255, 255)),
      cbb_Position_(new QComboBox)
{
    // The position list is kept out of sight: strokes grow outward.
    cbb_Position_->setObjectName(QStringLiteral("cbb_Position"));
    cbb_Position_->setAccessibleName(QStringLiteral("Position"));
    cbb_Position_->addItems({QStringLiteral("Outer"), QStringLiteral("Inner"), QStringLiteral("Middle")});
    Controls().addRow(QStringLiteral("Position"), cbb_Position_);
    Controls().setRowVisible(cbb_Position_, false);
    connect(cbb_Position_, &QComboBox::currentIndexChanged, this, &Tfrm_Stroke::settingChanged);

    colour_ = new ColourChoice(services, Controls(), true, MakeColor(0, 0, 0));
    connect(colour_, &ColourChoice::colourChanged, this, &Tfrm_Stroke::settingChanged);
    ApplyWhenShown();
}

void Tfrm_Stroke::Prepare(const TIconImage& image)
{
    FitOpacity(*opacity_, image);
    colour_->Prepare(image);
}

void Tfrm_Stroke::ApplyEffect(const TEffectBackup& backup, TIconImage& live)
{
    const int position = std::clamp(cbb_Position_->currentIndex(), 0, 2);
    const int opacity = backup.Indexed() ? 255 : opacity_->value();
    ApplyStroke(backup, live, TStrokeSettings{size_->value(), opacity, kStrokeDirections[position], colour_->colour()});
}

Tfrm_Shadow::Tfrm_Shadow(EditorServices& services, QWidget* parent)
    : Tfrm_Effect(services, "frm_Shadow", QStringLiteral("Shadow"), parent),
      size_(AddPair(QStringLiteral("Size"), "trc_Size", "spn_Size", 1, 200, 40))
{
    // The blur size stays at its start, out of sight.
    Controls().setRowVisible(Controls().rowCount() - 1, false);
    opacity_ = AddPair(QStringLiteral("Opacity"), "trc_Opacity", "spn_Opacity", 0, 255, 255);

    ang_angle_ = new TOrm_Angle;
    ang_angle_->setObjectName(QStringLiteral("ang_angle"));
    ang_angle_->setAccessibleName(QStringLiteral("Angle"));
    ang_angle_->SetAngle(135);
    Controls().addRow(QStringLiteral("Angle"), ang_angle_);
    connect(ang_angle_, &TOrm_Angle::angleChanged, this, &Tfrm_Shadow::settingChanged);

    offset_ = AddPair(QStringLiteral("Offset"), "trc_offset", "spn_offset", 1, 255, 5);
    colour_ = new ColourChoice(services, Controls(), false, MakeColor(0, 0, 0));
    connect(colour_, &ColourChoice::colourChanged, this, &Tfrm_Shadow::settingChanged);
    ApplyWhenShown();
}

void Tfrm_Shadow::Prepare(const TIconImage& image) { FitOpacity(*opacity_, image); }

void Tfrm_Shadow::ApplyEffect(const TEffectBackup& backup, TIconImage& live)
{
    const int opacity = backup.Indexed() ? 255 : opacity_->value();
    ApplyShadow(backup, live,
                TShadowSettings{size_->value(), opacity, ang_angle_->Angle(), offset_->value(), colour_->colour()});
}

} // namespace ormel
