#pragma once

#include "files/icon_image.h"

#include <QWidget>

namespace ormel {

// A row of images in 80-pixel cells: each a rounded frame (red for the current image, navy for
// the others) filled with the strip background colour round a thumbnail, and the label
// "width x height : bits" below it. The strip is 80 pixels per image wide, to sit in a scroll
// area. A click, a move with the left button held, or Left and Right while it has the focus
// pick a cell. The document window and the add-image dialog both show one.
class ImageStrip : public QWidget {
    Q_OBJECT

public:
    static constexpr int kCellWidth = 80;
    static constexpr int kStripHeight = 100;
    // The bits of the label: the document window pads one digit to two ("4 "), the add-image
    // dialog does not ("4"); the photo frame strip shows no label.
    enum class BitsLabel { Padded, Plain, None };

    explicit ImageStrip(BitsLabel bits, QWidget* parent = nullptr);

    // Shows these images (not copied; null shows none) and composes their thumbnails.
    void setImages(const TIconImageArray* images, TColor backColor);
    void setBackColor(TColor colour);
    // Composes the thumbnails again after the images changed.
    void rebuild();
    // Composes one cell's thumbnail again after its image changed.
    void refreshCell(int index);
    // Frames this cell red; only the frames are redrawn.
    void setCurrent(int index);
    int current() const { return current_; }
    int cellCount() const { return images_ != nullptr ? int(images_->size()) : 0; }

signals:
    // The cell under the pointer (x div 80, which may lie past the last cell), or the one
    // next to the current cell for Left and Right.
    void picked(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    const TIconImageArray* images_ = nullptr;
    BitsLabel bits_;
    int current_ = -1;
    TColor backColor_;
    Raster thumbnails_; // the thumbnails at their strip positions over the background colour
};

// "1 ", "4 ", "8 ", "24", "32": the depth labels of the strip.
QString StripDepthLabel(int depthCode);

} // namespace ormel
