#pragma once

#include "files/icon_document.h"

#include <QWidget>

namespace ormel {

// The document's images as a row of 80-pixel cells: each a rounded frame (red for the current
// image, navy for the others) filled with the strip background colour round a thumbnail, and
// the label "width x height : bits" below it. The strip is 80 pixels per image wide, so every
// image has its cell. A click, or a move with the left button held, picks the cell under the
// pointer.
class ImageStrip : public QWidget {
    Q_OBJECT

public:
    static constexpr int kCellWidth = 80;
    static constexpr int kStripHeight = 100;

    explicit ImageStrip(const TIconDocument& document, QWidget* parent = nullptr);

    void setBackColor(TColor colour);
    // Composes the thumbnails again from the document's images and resizes the strip.
    void rebuild();
    int cellCount() const { return cells_; }

signals:
    // The strip x of the pointer: the cell is x div 80.
    void picked(int x);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    const TIconDocument& document_;
    TColor backColor_;
    Raster thumbnails_; // the thumbnails at their strip positions over the background colour
    int cells_ = 0;
};

// "1 ", "4 ", "8 ", "24", "32": the depth labels of the strip.
QString StripDepthLabel(int depthCode);

} // namespace ormel
