#include "effects/transform_dialogs.h"

#include "effects/free_rotation.h"
#include "effects/zoom.h"
#include "widgets/angle_control.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>

namespace ormel {

Tfrm_Rotate::Tfrm_Rotate(EditorServices& services, QWidget* parent)
    : Tfrm_Effect(services, "frm_Rotate", QStringLiteral("Rotate Arbitrary"), parent), ang_angle_(new TOrm_Angle),
      spn_Angle_(new QSpinBox)
{
    ang_angle_->setObjectName(QStringLiteral("ang_angle"));
    ang_angle_->setAccessibleName(QStringLiteral("Angle"));
    spn_Angle_->setObjectName(QStringLiteral("spn_Angle"));
    spn_Angle_->setAccessibleName(QStringLiteral("Angle"));
    spn_Angle_->setRange(0, 360);
    auto* row = new QHBoxLayout;
    row->addWidget(ang_angle_);
    row->addWidget(spn_Angle_);
    auto* label = new QLabel(QStringLiteral("Angle"));
    label->setBuddy(spn_Angle_);
    Controls().addRow(label, row);

    connect(ang_angle_, &TOrm_Angle::angleChanged, this, [this](int degrees) { take(degrees, true); });
    connect(spn_Angle_, &QSpinBox::valueChanged, this, [this](int degrees) { take(degrees, false); });
}

void Tfrm_Rotate::take(int degrees, bool fromDial)
{
    if (degrees == angle_)
        return;
    angle_ = degrees;
    // The other control only follows; 360 in the spin box shows as 0 on the dial.
    if (fromDial) {
        const QSignalBlocker blocker(spn_Angle_);
        spn_Angle_->setValue(degrees);
    } else {
        const QSignalBlocker blocker(ang_angle_);
        ang_angle_->SetAngle(degrees);
    }
    settingChanged();
}

void Tfrm_Rotate::ApplyEffect(const TEffectBackup& backup, TIconImage& live)
{
    ApplyFreeRotation(backup, live, angle_);
}

Tfrm_Zoom::Tfrm_Zoom(EditorServices& services, QWidget* parent)
    : Tfrm_Effect(services, "frm_Zoom", QStringLiteral("Zoom"), parent), cbb_zoom_(new QComboBox)
{
    cbb_zoom_->setObjectName(QStringLiteral("cbb_zoom"));
    cbb_zoom_->setAccessibleName(QStringLiteral("Zoom"));
    cbb_zoom_->setEditable(true);
    cbb_zoom_->setInsertPolicy(QComboBox::NoInsert);
    for (const char* item : {"250%", "200%", "180%", "150%", "120%", "100%", "90%", "80%", "70%", "60%", "50%", "40%",
                             "30%", "20%", "10%"})
        cbb_zoom_->addItem(QLatin1String(item));
    cbb_zoom_->setCurrentIndex(cbb_zoom_->findText(QStringLiteral("100%")));
    cbb_zoom_->lineEdit()->setAccessibleName(QStringLiteral("Zoom"));
    auto* label = new QLabel(QStringLiteral("Zoom:"));
    label->setBuddy(cbb_zoom_);
    Controls().addRow(label, cbb_zoom_);

    connect(cbb_zoom_, &QComboBox::editTextChanged, this, &Tfrm_Zoom::textChanged);
}

void Tfrm_Zoom::textChanged(const QString& text)
{
    const std::optional<int> percent = ZoomPercentFromText(text.toStdString());
    if (!percent || *percent == percent_)
        return;
    percent_ = *percent;
    settingChanged();
}

void Tfrm_Zoom::ApplyEffect(const TEffectBackup& backup, TIconImage& live)
{
    // Until a percentage is taken the content keeps its size.
    ApplyZoom(backup, live, percent_ == 0 ? 100 : percent_);
}

} // namespace ormel
