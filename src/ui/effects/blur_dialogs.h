#pragma once

#include "effects/effect_dialog.h"

namespace ormel {

// Blur: a Gaussian blur of radius value / 20, the value 1 to 200 (1 leaves the image as it is).
class Tfrm_Blur : public Tfrm_Effect {
    Q_OBJECT
public:
    explicit Tfrm_Blur(EditorServices& services, QWidget* parent = nullptr);

protected:
    void ApplyEffect(const TEffectBackup& backup, TIconImage& live) override;

private:
    TrackSpinPair* blur_;
};

// Sharpen: a downward sharpen of amount value / 25, the value 0 to 100.
class Tfrm_Sharpen : public Tfrm_Effect {
    Q_OBJECT
public:
    explicit Tfrm_Sharpen(EditorServices& services, QWidget* parent = nullptr);

protected:
    void ApplyEffect(const TEffectBackup& backup, TIconImage& live) override;

private:
    TrackSpinPair* sharpen_;
};

} // namespace ormel
