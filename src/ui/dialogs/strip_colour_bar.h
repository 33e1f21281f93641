#pragma once

#include "files/icon_image.h"

#include <QWidget>

#include <functional>

namespace ormel {

class EditorServices;

// The 130 x 10 bar that picks the colour behind transparent pixels of thumbnails and previews:
// seven 16-pixel swatches (white, light grey, grey, black, blue, teal, slate blue) and then a
// field that opens the colour dialog. A left click inside the bar picks; with
// setPicksWhileDragging a move with the left button held picks the swatches too. Left and
// Right step through the swatches, Space opens the colour dialog. The colour picked is the
// strip background colour unless another target is given.
class StripColourBar : public QWidget {
    Q_OBJECT

public:
    static constexpr int kWidth = 130;
    static constexpr int kHeight = 10;

    explicit StripColourBar(EditorServices& services, QWidget* parent = nullptr);

    void setPicksWhileDragging(bool picks) { picksWhileDragging_ = picks; }
    // The colour the bar reads and sets instead of the strip background colour.
    void setColourTarget(std::function<TColor()> read, std::function<void(TColor)> write);
    // Acts as a click at bar x: a swatch sets the colour, the last field asks for one.
    void pickAt(int x);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void askForColour();
    void stepSwatch(int step);
    TColor colour() const { return read_(); }

    EditorServices& services_;
    bool picksWhileDragging_ = false;
    std::function<TColor()> read_;
    std::function<void(TColor)> write_;
};

} // namespace ormel
