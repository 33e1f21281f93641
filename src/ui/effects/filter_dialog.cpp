#include "effects/filter_dialog.h"

#include "effects/filter_table.h"
#include "effects/image_effects.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>

namespace ormel {

namespace {

QCheckBox* ChannelBox(const char* name, const QString& caption, QHBoxLayout& row)
{
    auto* box = new QCheckBox(caption);
    box->setObjectName(QLatin1String(name));
    box->setAccessibleName(caption);
    box->setChecked(true);
    row.addWidget(box);
    return box;
}

} // namespace

Tfrm_Filters::Tfrm_Filters(EditorServices& services, QWidget* parent)
    : Tfrm_Effect(services, "frm_Filters", QStringLiteral("Filter"), parent), cbb_filters_(new QComboBox),
      filterName_(BuiltInFilters().front().Name)
{
    cbb_filters_->setObjectName(QStringLiteral("cbb_filters"));
    cbb_filters_->setAccessibleName(QStringLiteral("Filter"));
    for (const TFilter& filter : BuiltInFilters())
        cbb_filters_->addItem(QString::fromUtf8(filter.Name));
    cbb_filters_->setCurrentIndex(0);
    auto* filterLabel = new QLabel(QStringLiteral("Filter"));
    filterLabel->setBuddy(cbb_filters_);
    Controls().addRow(filterLabel, cbb_filters_);

    auto* channels = new QHBoxLayout;
    chk_R_ = ChannelBox("chk_R", QStringLiteral("Red"), *channels);
    chk_G_ = ChannelBox("chk_G", QStringLiteral("Green"), *channels);
    chk_B_ = ChannelBox("chk_B", QStringLiteral("Blue"), *channels);
    Controls().addRow(new QLabel(QStringLiteral("Channels")), channels);

    connect(cbb_filters_, &QComboBox::currentIndexChanged, this, &Tfrm_Filters::filterChosen);
    for (QCheckBox* box : {chk_R_, chk_G_, chk_B_})
        connect(box, &QCheckBox::toggled, this, &Tfrm_Filters::settingChanged);
}

QString Tfrm_Filters::StepCaption() const
{
    return QStringLiteral("Filter: ") + QString::fromUtf8(FilterNamed(filterName_).Name);
}

void Tfrm_Filters::filterChosen(int index)
{
    const auto filters = BuiltInFilters();
    if (index < 0 || std::size_t(index) >= filters.size() || index == filterIndex_)
        return;
    filterIndex_ = index;
    filterName_ = filters[std::size_t(index)].Name;
    settingChanged();
}

void Tfrm_Filters::ApplyEffect(const TEffectBackup& backup, TIconImage& live)
{
    ApplyFilter(backup, live, FilterNamed(filterName_), chk_R_->isChecked(), chk_G_->isChecked(),
                chk_B_->isChecked());
}

} // namespace ormel
