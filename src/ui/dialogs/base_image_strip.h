#pragma once

#include "files/icon_image.h"

#include <QWidget>

namespace ormel {

// The add-image dialog's row of the document's images: 80-pixel cells with a rounded frame
// (red round the selected base image, navy round the others) over the strip background
// colour, the thumbnail and the label "width x height : bits". As wide as its cells, to sit in
// a scroll area. A click picks the cell under the pointer; Left and Right step.
class BaseImageStrip : public QWidget {
    Q_OBJECT

public:
    static constexpr int kCellWidth = 80;
    static constexpr int kHeight = 100;

    explicit BaseImageStrip(QWidget* parent = nullptr);

    // The images shown (not copied; null shows none) and the selected one.
    void setImages(const TIconImageArray* images, int selected, TColor stripBackColor);
    int selected() const { return selected_; }
    int count() const { return images_ != nullptr ? int(images_->size()) : 0; }
    // Selects image `index` when it exists and redraws.
    void select(int index);

signals:
    void selectionChanged(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void compose();

    const TIconImageArray* images_ = nullptr;
    int selected_ = -1;
    TColor stripBackColor_ = MakeColor(255, 255, 255);
    Raster picture_;
};

} // namespace ormel
