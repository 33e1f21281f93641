#pragma once

#include "files/icon_image.h"
#include "tools/selection.h"

#include <QWidget>

class QLabel;

namespace ormel {

// The selection tools' read-out: the selection's position and size and a picture of the
// selected pixels over the checkerboard, fitted into the box.
class SelectionReadout : public QWidget {
    Q_OBJECT

public:
    // The labels and the picture are named after `prefix` ("RectSelect", "FreeSelect").
    explicit SelectionReadout(const QString& prefix, QWidget* parent = nullptr);

    // Shows the selection of the image; an empty read-out without one.
    void Show(const TIconImage& image, const TSelection& selection, TColor background);
    void Clear();

private:
    QLabel* labels_[4];
    QLabel* picture_;
};

} // namespace ormel
