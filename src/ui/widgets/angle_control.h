#pragma once

#include <QWidget>

namespace ormel {

// The circular angle picker: a 66 x 66 dial with a knob at the angle (0 points right, angles
// grow counter-clockwise) and the angle written in its middle. A click or drag sets the angle
// toward the pointer; the arrow keys turn it by one degree, Page Up and Page Down by 15.
class TOrm_Angle : public QWidget {
    Q_OBJECT

public:
    explicit TOrm_Angle(QWidget* parent = nullptr);

    int Angle() const { return angle_; }
    // Takes the angle modulo 360; repaints and announces it when it changed.
    void SetAngle(int degrees);

    QSize sizeHint() const override;

signals:
    void angleChanged(int angle);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int angle_ = 0;
};

} // namespace ormel
