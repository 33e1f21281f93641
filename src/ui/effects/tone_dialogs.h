#pragma once

#include "effects/effect_dialog.h"

namespace ormel {

// The tone and colour dialogs: each pair is a track bar with a spin box, starting at 0.

class Tfrm_Brightness_Contrast : public Tfrm_Effect {
    Q_OBJECT
public:
    explicit Tfrm_Brightness_Contrast(EditorServices& services, QWidget* parent = nullptr);

protected:
    void ApplyEffect(const TEffectBackup& backup, TIconImage& live) override;

private:
    TrackSpinPair* brightness_;
    TrackSpinPair* contrast_;
};

class Tfrm_Saturation : public Tfrm_Effect {
    Q_OBJECT
public:
    explicit Tfrm_Saturation(EditorServices& services, QWidget* parent = nullptr);

protected:
    void ApplyEffect(const TEffectBackup& backup, TIconImage& live) override;

private:
    TrackSpinPair* saturation_;
};

class Tfrm_Color_Balance : public Tfrm_Effect {
    Q_OBJECT
public:
    explicit Tfrm_Color_Balance(EditorServices& services, QWidget* parent = nullptr);

protected:
    void ApplyEffect(const TEffectBackup& backup, TIconImage& live) override;

private:
    TrackSpinPair* red_;
    TrackSpinPair* green_;
    TrackSpinPair* blue_;
};

} // namespace ormel
