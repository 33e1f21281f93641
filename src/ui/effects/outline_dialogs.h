#pragma once

#include "effects/effect_dialog.h"

class QComboBox;

namespace ormel {

class ColourChoice;
class TOrm_Angle;

// Stroke: an outline of a colour along the edge of the image's transparency, 1 to 200 pixels
// wide, at an opacity (fixed at 255 for indexed images, whose colour comes from their
// palette). Shown with its effect applied.
class Tfrm_Stroke : public Tfrm_Effect {
    Q_OBJECT
public:
    explicit Tfrm_Stroke(EditorServices& services, QWidget* parent = nullptr);

protected:
    void Prepare(const TIconImage& image) override;
    void ApplyEffect(const TEffectBackup& backup, TIconImage& live) override;

private:
    TrackSpinPair* size_;
    TrackSpinPair* opacity_;
    QComboBox* cbb_Position_;
    ColourChoice* colour_;
};

// Shadow: a blurred copy of the image's silhouette beneath it, moved by an offset toward an
// angle, in a colour at an opacity (fixed at 255 for indexed images). Shown with its effect
// applied.
class Tfrm_Shadow : public Tfrm_Effect {
    Q_OBJECT
public:
    explicit Tfrm_Shadow(EditorServices& services, QWidget* parent = nullptr);

protected:
    void Prepare(const TIconImage& image) override;
    void ApplyEffect(const TEffectBackup& backup, TIconImage& live) override;

private:
    TrackSpinPair* size_;
    TrackSpinPair* opacity_;
    TOrm_Angle* ang_angle_;
    TrackSpinPair* offset_;
    ColourChoice* colour_;
};

} // namespace ormel
