#include "document/strip_panel.h"

#include "document/image_strip.h"

#include <QHBoxLayout>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>

#include <algorithm>

namespace ormel {

namespace {
constexpr int kTickMs = 10;
constexpr int kButtonStep = 5;
constexpr int kGlideStep = 12;
} // namespace

StripPanel::StripPanel(ImageStrip* strip, QWidget* parent) : QWidget(parent), strip_(strip)
{
    area_ = new QScrollArea;
    area_->setObjectName(QStringLiteral("pan_strip"));
    area_->setWidget(strip_);
    area_->setFrameShape(QFrame::NoFrame);
    area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area_->setFixedHeight(ImageStrip::kStripHeight);
    area_->setFocusPolicy(Qt::NoFocus);

    const auto makeButton = [this](const char* name, Qt::ArrowType arrow, const QString& accessible) {
        auto* button = new QToolButton;
        button->setObjectName(QLatin1String(name));
        button->setArrowType(arrow);
        button->setAccessibleName(accessible);
        button->setToolTip(accessible);
        button->setFixedHeight(ImageStrip::kStripHeight);
        return button;
    };
    left_ = makeButton("btn_ScrollLeft", Qt::LeftArrow, tr("Scroll Left"));
    right_ = makeButton("btn_ScrollRight", Qt::RightArrow, tr("Scroll Right"));

    timer_ = new QTimer(this);
    timer_->setInterval(kTickMs);
    connect(timer_, &QTimer::timeout, this, &StripPanel::tick);
    connect(left_, &QToolButton::pressed, this, [this] { mode_ = Mode::Left, timer_->start(); });
    connect(right_, &QToolButton::pressed, this, [this] { mode_ = Mode::Right, timer_->start(); });
    for (QToolButton* button : {left_, right_})
        connect(button, &QToolButton::released, this, [this] { mode_ = Mode::Idle, timer_->stop(); });

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(left_);
    layout->addWidget(area_, 1);
    layout->addWidget(right_);
}

int StripPanel::stripLeft() const { return -area_->horizontalScrollBar()->value(); }

void StripPanel::setStripLeft(int left) { area_->horizontalScrollBar()->setValue(-left); }

int StripPanel::visibleWidth() const { return area_->viewport()->width(); }

bool StripPanel::gliding() const { return mode_ == Mode::Target; }

int StripPanel::ScrollTarget(int visibleWidth, int count, int index)
{
    int target = visibleWidth / 2 - ImageStrip::kCellWidth * index;
    if (ImageStrip::kCellWidth * count + target < visibleWidth)
        target = visibleWidth - ImageStrip::kCellWidth * count;
    return std::min(target, 0);
}

void StripPanel::scrollToCell(int index, int count)
{
    count_ = count;
    target_ = ScrollTarget(visibleWidth(), count, index);
    mode_ = Mode::Target;
    timer_->start();
}

void StripPanel::tick()
{
    const int left = stripLeft();
    const int count = strip_->cellCount();
    switch (mode_) {
    case Mode::Left:
        if (left < 0)
            setStripLeft(std::min(0, left + kButtonStep));
        break;
    case Mode::Right:
        if (ImageStrip::kCellWidth * count + left > visibleWidth())
            setStripLeft(left - kButtonStep);
        break;
    case Mode::Target: {
        const int distance = target_ - left;
        setStripLeft(std::abs(distance) <= kGlideStep ? target_ : left + (distance > 0 ? kGlideStep : -kGlideStep));
        // The scroll bar cannot go past the strip's ends; stop where it stays.
        if (stripLeft() == target_ || stripLeft() == left) {
            mode_ = Mode::Idle;
            timer_->stop();
        }
        break;
    }
    case Mode::Idle:
        timer_->stop();
        break;
    }
}

} // namespace ormel
