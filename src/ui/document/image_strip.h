#pragma once

#include "files/icon_document.h"

#include <QImage>
#include <QList>
#include <QWidget>

namespace ormel {

// The document's images as a row of 80-pixel cells: each a rounded frame (red for the current
// image, navy for the others) round a thumbnail over the strip background colour, and the
// label "width x height : bits" below it. A click, or a move with the left button held,
// picks the cell under the pointer.
class ImageStrip : public QWidget {
    Q_OBJECT

public:
    static constexpr int kCellWidth = 80;
    static constexpr int kStripHeight = 100;

    explicit ImageStrip(const TIconDocument& document, QWidget* parent = nullptr);

    // Composes the thumbnails again from the document's images and resizes the strip.
    void rebuildThumbnails();
    int cellCount() const { return int(thumbnails_.size()); }

signals:
    void cellPicked(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    const TIconDocument& document_;
    QList<QImage> thumbnails_;
};

} // namespace ormel
