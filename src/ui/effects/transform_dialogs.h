#pragma once

#include "effects/effect_dialog.h"

class QComboBox;
class QSpinBox;

namespace ormel {

class TOrm_Angle;

// Rotate Arbitrary: the image turned about its centre by a whole angle, set on the dial or in
// the spin box (0 to 360); the two follow each other. Its step is named "Rotate".
class Tfrm_Rotate : public Tfrm_Effect {
    Q_OBJECT
public:
    explicit Tfrm_Rotate(EditorServices& services, QWidget* parent = nullptr);

    QString StepCaption() const override { return QStringLiteral("Rotate"); }

protected:
    void ApplyEffect(const TEffectBackup& backup, TIconImage& live) override;

private:
    void take(int degrees, bool fromDial);

    TOrm_Angle* ang_angle_;
    QSpinBox* spn_Angle_;
    int angle_ = 0;
};

// Zoom: the content scaled about the centre by a percentage typed or chosen in an editable
// list; only whole numbers from 10 to 259 (with or without "%") are taken.
class Tfrm_Zoom : public Tfrm_Effect {
    Q_OBJECT
public:
    explicit Tfrm_Zoom(EditorServices& services, QWidget* parent = nullptr);

protected:
    void ApplyEffect(const TEffectBackup& backup, TIconImage& live) override;

private:
    void textChanged(const QString& text);

    QComboBox* cbb_zoom_;
    int percent_ = 0; // the percentage last taken; 0 until one is
};

} // namespace ormel
