#include "effects/blur_dialogs.h"

#include "effects/image_effects.h"
#include "widgets/track_spin_pair.h"

namespace ormel {

Tfrm_Blur::Tfrm_Blur(EditorServices& services, QWidget* parent)
    : Tfrm_Effect(services, "frm_Blur", QStringLiteral("Blur"), parent),
      blur_(AddPair(QStringLiteral("Blur:"), "trc_Blur", "spn_Blur", 1, 200, 1))
{
}

void Tfrm_Blur::ApplyEffect(const TEffectBackup& backup, TIconImage& live) { ApplyBlur(backup, live, blur_->value()); }

Tfrm_Sharpen::Tfrm_Sharpen(EditorServices& services, QWidget* parent)
    : Tfrm_Effect(services, "frm_Sharpen", QStringLiteral("Sharpen"), parent),
      sharpen_(AddPair(QStringLiteral("SharPen:"), "trc_Sharpen", "spn_Sharpen", 0, 100))
{
}

void Tfrm_Sharpen::ApplyEffect(const TEffectBackup& backup, TIconImage& live)
{
    ApplySharpen(backup, live, sharpen_->value());
}

} // namespace ormel
