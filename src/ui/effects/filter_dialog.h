#pragma once

#include "effects/effect_dialog.h"

#include <string>

class QCheckBox;
class QComboBox;

namespace ormel {

// Filter: one of the built-in convolution filters, chosen from a list, on the channels whose
// boxes are checked. Its step is named after the filter.
class Tfrm_Filters : public Tfrm_Effect {
    Q_OBJECT
public:
    explicit Tfrm_Filters(EditorServices& services, QWidget* parent = nullptr);

    // "Filter: " and the applied filter's name.
    QString StepCaption() const override;

protected:
    void ApplyEffect(const TEffectBackup& backup, TIconImage& live) override;

private:
    void filterChosen(int index);

    QComboBox* cbb_filters_;
    QCheckBox* chk_R_;
    QCheckBox* chk_G_;
    QCheckBox* chk_B_;
    int filterIndex_ = 0;
    std::string filterName_; // the applied filter; unknown names are taken as the first filter
};

} // namespace ormel
