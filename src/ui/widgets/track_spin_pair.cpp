#include "widgets/track_spin_pair.h"

#include <algorithm>

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>

namespace ormel {

TrackSpinPair::TrackSpinPair(QFormLayout& form, const QString& label, const char* trackName, const char* spinName,
                             int minimum, int maximum, int initial)
    : track_(new QSlider(Qt::Horizontal)), spin_(new QSpinBox), value_(initial)
{
    // The pair goes with its track bar, which the form's widget owns once it is laid out, also
    // when the form has no widget yet.
    setParent(track_);
    QString name = label;
    if (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    track_->setObjectName(QLatin1String(trackName));
    track_->setAccessibleName(name);
    track_->setRange(minimum, maximum);
    track_->setPageStep(std::max(1, (maximum - minimum) / 20));
    track_->setFocusPolicy(Qt::StrongFocus);
    track_->setMinimumWidth(200);
    track_->setValue(initial);
    spin_->setObjectName(QLatin1String(spinName));
    spin_->setAccessibleName(name);
    spin_->setRange(minimum, maximum);
    spin_->setValue(initial);

    auto* row = new QHBoxLayout;
    row->addWidget(track_, 1);
    row->addWidget(spin_);
    auto* caption = new QLabel(label);
    caption->setBuddy(spin_);
    form.addRow(caption, row);

    connect(track_, &QSlider::valueChanged, this, &TrackSpinPair::take);
    // The spin box commits only text that parses as a number in range; anything else waits.
    connect(spin_, &QSpinBox::valueChanged, this, &TrackSpinPair::take);
}

void TrackSpinPair::setValueQuietly(int value)
{
    const QSignalBlocker blocker(this);
    take(value);
}

void TrackSpinPair::take(int value)
{
    if (value == value_)
        return;
    value_ = value;
    const QSignalBlocker trackBlocker(track_);
    const QSignalBlocker spinBlocker(spin_);
    track_->setValue(value);
    spin_->setValue(value);
    emit valueChanged(value);
}

} // namespace ormel
