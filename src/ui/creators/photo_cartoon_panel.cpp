#include "creators/photo_cartoon_panel.h"

#include "creators/cartoon_option_dialog.h"
#include "widgets/track_spin_pair.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>

namespace ormel {

namespace {

QCheckBox* Check(const char* name, const QString& text)
{
    auto* box = new QCheckBox(text);
    box->setObjectName(QLatin1String(name));
    box->setAccessibleName(text);
    return box;
}

void EnablePair(TrackSpinPair& pair, bool enabled)
{
    pair.track().setEnabled(enabled);
    pair.spin().setEnabled(enabled);
}

} // namespace

PhotoCartoonPanel::PhotoCartoonPanel(Tfrm_CartoonOption& options, QWidget* parent)
    : QGroupBox(tr("Cartoon"), parent), options_(options),
      cartoonLike_(Check("chk_CartoonLike", QStringLiteral("Cartoon-like"))),
      drawColor_(Check("chk_DrawColor", QStringLiteral("Color"))),
      drawSketch_(Check("Chk_DrawSketch", QStringLiteral("Line Drawing"))),
      remain_(Check("Chk_Remain", QStringLiteral("Remain Dark Area"))), more_(new QPushButton(tr("More Options")))
{
    more_->setObjectName(QStringLiteral("btn_CartoonMore"));
    more_->setAccessibleName(more_->text());
    auto* form = new QFormLayout(this);
    form->addRow(cartoonLike_, more_);
    form->addRow(drawSketch_);
    detail_ = new TrackSpinPair(*form, tr("Detail:"), "Trc_Detail", "Spn_Detail", 0, 1024, 115);
    darkness_ = new TrackSpinPair(*form, tr("Darkness:"), "Trc_Darkness", "Spn_Darkness", 1, 256, 68);
    form->addRow(remain_);
    threshold_ = new TrackSpinPair(*form, tr("Threshold:"), "Trc_Threshold", "Spn_Threshold", 0, 254, 0);
    form->addRow(drawColor_);
    reducer_ = new TrackSpinPair(*form, tr("Reducer:"), "trc_ColorReducer", "spn_ColorReducer", 1, 254, 1);

    connect(cartoonLike_, &QCheckBox::toggled, this, [this] {
        updateEnabled();
        emit changed();
    });
    for (QCheckBox* box : {drawColor_, drawSketch_, remain_})
        connect(box, &QCheckBox::toggled, this, &PhotoCartoonPanel::store);
    for (TrackSpinPair* pair : {detail_, darkness_, threshold_, reducer_})
        connect(pair, &TrackSpinPair::valueChanged, this, &PhotoCartoonPanel::store);
    connect(more_, &QPushButton::clicked, this, &PhotoCartoonPanel::moreOptionsRequested);
    updateEnabled();
}

bool PhotoCartoonPanel::CartoonLike() const { return cartoonLike_->isChecked(); }

void PhotoCartoonPanel::Start()
{
    CartoonControls controls = options_.Renderer().Controls;
    controls.DrawSketch = true;
    controls.DrawColor = false;
    options_.SetControls(controls);
    ShowOptions();
}

void PhotoCartoonPanel::ShowOptions()
{
    const CartoonControls& c = options_.Renderer().Controls;
    {
        const QSignalBlocker b1(drawColor_);
        const QSignalBlocker b2(drawSketch_);
        const QSignalBlocker b3(remain_);
        drawColor_->setChecked(c.DrawColor);
        drawSketch_->setChecked(c.DrawSketch);
        remain_->setChecked(c.RemainDark);
    }
    detail_->setValueQuietly(c.Detail);
    darkness_->setValueQuietly(c.Darkness);
    threshold_->setValueQuietly(c.Threshold);
    reducer_->setValueQuietly(c.Reducer);
    updateEnabled();
}

void PhotoCartoonPanel::store()
{
    CartoonControls c = options_.Renderer().Controls;
    c.DrawColor = drawColor_->isChecked();
    c.DrawSketch = drawSketch_->isChecked();
    c.RemainDark = remain_->isChecked();
    c.Detail = detail_->value();
    c.Darkness = darkness_->value();
    c.Threshold = threshold_->value();
    c.Reducer = reducer_->value();
    options_.SetControls(c);
    updateEnabled();
    emit changed();
}

void PhotoCartoonPanel::updateEnabled()
{
    const bool on = cartoonLike_->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{drawColor_, drawSketch_, more_})
        w->setEnabled(on);
    const bool sketch = on && drawSketch_->isChecked();
    remain_->setEnabled(sketch);
    EnablePair(*detail_, sketch);
    EnablePair(*darkness_, sketch);
    EnablePair(*threshold_, sketch && remain_->isChecked());
    EnablePair(*reducer_, on && drawColor_->isChecked());
}

} // namespace ormel
