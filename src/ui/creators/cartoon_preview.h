#pragma once

#include "files/icon_image.h"
#include "files/raster.h"

#include <QColor>
#include <QImage>
#include <QWidget>

namespace ormel {

// A 256 x 256 view of one rendered format, centred on a background colour.
class CartoonPreview : public QWidget {
    Q_OBJECT

public:
    static constexpr int kSide = 256;

    explicit CartoonPreview(QWidget* parent = nullptr);

    void setImage(const Raster& bitmap);
    void setBackground(TColor colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage image_;
    QColor background_ = Qt::white;
};

} // namespace ormel
