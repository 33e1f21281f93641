#pragma once

#include "files/icon_image.h"

#include <QDialog>

class QLabel;

namespace ormel {

// Asks whether to move an image to the recycle bin, showing it in a 48 x 48 picture with its
// format below. One instance lives for the whole run.
class Tfrm_DeleIconImage : public QDialog {
    Q_OBJECT

public:
    explicit Tfrm_DeleIconImage(QWidget* parent = nullptr);

    // Shows this image; run the dialog afterwards.
    void Prepare(const TIconImage& image);

private:
    QLabel* picture_;
    QLabel* format_;
};

} // namespace ormel
