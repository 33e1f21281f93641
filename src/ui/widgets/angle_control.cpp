#include "widgets/angle_control.h"

#include "creators/angle_picker.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace ormel {

namespace {

constexpr int kSide = 66;
constexpr int kKnob = 10;

} // namespace

TOrm_Angle::TOrm_Angle(QWidget* parent) : QWidget(parent)
{
    setFixedSize(kSide, kSide);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

QSize TOrm_Angle::sizeHint() const { return QSize(kSide, kSide); }

void TOrm_Angle::SetAngle(int degrees)
{
    const int angle = NormalizeAngle(degrees);
    if (angle == angle_)
        return;
    angle_ = angle;
    update();
    emit angleChanged(angle_);
}

void TOrm_Angle::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF dial = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    painter.setPen(QPen(Qt::gray, 1));
    painter.drawEllipse(dial);
    painter.setPen(QPen(Qt::black, 2));
    painter.drawEllipse(dial.adjusted(1.5, 1.5, -1.5, -1.5));
    painter.setPen(QPen(Qt::gray, 1));
    painter.drawEllipse(dial.adjusted(3, 3, -3, -3));

    const TPoint knob = AngleKnobCentre(angle_, width());
    painter.setPen(Qt::NoPen);
    painter.setBrush(hasFocus() ? palette().highlight() : palette().windowText());
    painter.drawEllipse(QRectF(knob.X - kKnob / 2.0, knob.Y - kKnob / 2.0, kKnob, kKnob));
    painter.setPen(palette().windowText().color());
    painter.drawText(rect(), Qt::AlignCenter, QString::number(angle_));
}

void TOrm_Angle::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        SetAngle(AngleFromPointer(event->position().toPoint().x(), event->position().toPoint().y(), width()));
}

void TOrm_Angle::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton)
        SetAngle(AngleFromPointer(event->position().toPoint().x(), event->position().toPoint().y(), width()));
}

void TOrm_Angle::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Left:
        SetAngle(angle_ + 1);
        break;
    case Qt::Key_Down:
    case Qt::Key_Right:
        SetAngle(angle_ - 1);
        break;
    case Qt::Key_PageUp:
        SetAngle(angle_ + 15);
        break;
    case Qt::Key_PageDown:
        SetAngle(angle_ - 15);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

} // namespace ormel
