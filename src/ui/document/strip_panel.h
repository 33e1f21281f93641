#pragma once

#include <QWidget>

class QScrollArea;
class QTimer;
class QToolButton;

namespace ormel {

class ImageStrip;

// The image strip in its clipping panel with a scroll button at each end. Holding a button
// moves the strip 5 pixels per 10-millisecond tick; scrollToCell glides it 12 pixels per tick
// until the cell's left edge reaches the middle of the visible strip.
class StripPanel : public QWidget {
    Q_OBJECT

public:
    StripPanel(ImageStrip* strip, QWidget* parent = nullptr);

    // The strip picture's left edge in the panel: 0 or negative.
    int stripLeft() const;
    void setStripLeft(int left);
    int visibleWidth() const;
    // Starts gliding toward the target of the cell `index` (of `count`).
    void scrollToCell(int index, int count);
    // Where the strip's left edge goes so that cell `index` of `count` shows in the middle.
    static int ScrollTarget(int visibleWidth, int count, int index);
    bool gliding() const;

private:
    void tick();

    ImageStrip* strip_;
    QScrollArea* area_;
    QToolButton* left_;
    QToolButton* right_;
    QTimer* timer_;
    enum class Mode { Idle, Left, Right, Target } mode_ = Mode::Idle;
    int target_ = 0;
    int count_ = 0;
};

} // namespace ormel
