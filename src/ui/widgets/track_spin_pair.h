#pragma once

#include <QObject>
#include <QString>

class QFormLayout;
class QSlider;
class QSpinBox;

namespace ormel {

// A track bar and a spin box over one range that follow each other, with a label. The pair
// keeps the value last taken and announces only real changes of it, whichever control moved.
class TrackSpinPair : public QObject {
    Q_OBJECT

public:
    // Adds the label, the track bar `trackName` and the spin box `spinName` as one row of
    // `form`; both controls start at `initial`.
    TrackSpinPair(QFormLayout& form, const QString& label, const char* trackName, const char* spinName, int minimum,
                  int maximum, int initial);

    int value() const { return value_; }
    QSlider& track() const { return *track_; }
    QSpinBox& spin() const { return *spin_; }
    // Moves both controls to `value` and takes it, without announcing a change.
    void setValueQuietly(int value);

signals:
    void valueChanged(int value);

private:
    void take(int value);

    QSlider* track_;
    QSpinBox* spin_;
    int value_;
};

} // namespace ormel
