#include "effects/tone_dialogs.h"

#include "effects/image_effects.h"
#include "widgets/track_spin_pair.h"

namespace ormel {

Tfrm_Brightness_Contrast::Tfrm_Brightness_Contrast(EditorServices& services, QWidget* parent)
    : Tfrm_Effect(services, "frm_Brightness_Contrast", QStringLiteral("Brightness / Contrast"), parent),
      brightness_(AddPair(QStringLiteral("Brightness:"), "Trc_Brightness", "Spn_Brightness", -255, 255)),
      contrast_(AddPair(QStringLiteral("Contrast:"), "Trc_Contrast", "Spn_Contrast", -255, 255))
{
}

void Tfrm_Brightness_Contrast::ApplyEffect(const TEffectBackup& backup, TIconImage& live)
{
    ApplyBrightnessContrast(backup, live, brightness_->value(), contrast_->value());
}

Tfrm_Saturation::Tfrm_Saturation(EditorServices& services, QWidget* parent)
    : Tfrm_Effect(services, "frm_Saturation", QStringLiteral("Saturation"), parent),
      saturation_(AddPair(QStringLiteral("Saturation:"), "trc_Saturation", "spn_Saturation", -127, 127))
{
}

void Tfrm_Saturation::ApplyEffect(const TEffectBackup& backup, TIconImage& live)
{
    ApplySaturation(backup, live, saturation_->value());
}

Tfrm_Color_Balance::Tfrm_Color_Balance(EditorServices& services, QWidget* parent)
    : Tfrm_Effect(services, "frm_Color_Balance", QStringLiteral("Color Balance"), parent),
      red_(AddPair(QStringLiteral("Red:"), "trc_R", "spn_R", -255, 255)),
      green_(AddPair(QStringLiteral("Green:"), "trc_G", "spn_G", -255, 255)),
      blue_(AddPair(QStringLiteral("Blue:"), "trc_B", "spn_B", -255, 255))
{
}

void Tfrm_Color_Balance::ApplyEffect(const TEffectBackup& backup, TIconImage& live)
{
    ApplyColorBalance(backup, live, red_->value(), green_->value(), blue_->value());
}

} // namespace ormel
