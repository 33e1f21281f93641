#pragma once

#include "raster/text.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QSpinBox;
class QToolButton;

namespace ormel {

// The text tool's font: the family from the screen's fonts, the size in points, bold, italic
// and underline, with a sample line shown in the font being edited.
class Tfrm_font : public QDialog {
    Q_OBJECT

public:
    explicit Tfrm_font(QWidget* parent = nullptr);

    // Shows the font and the sample text in the controls.
    void Prepare(const TFontSpec& font, const QString& text);
    TFontSpec Font() const;
    QString SampleText() const;

private:
    void showSample();

    QComboBox* family_;
    QSpinBox* size_;
    QToolButton* bold_;
    QToolButton* italic_;
    QToolButton* underline_;
    QLineEdit* sample_;
};

} // namespace ormel
