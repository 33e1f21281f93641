#pragma once

#include "tools/gradient_rect.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QSpinBox;
class QToolButton;

namespace ormel {

class EditorServices;
class Tfrm_GradientColor;

// The settings page of the rectangle or the ellipse: what is drawn (border, border and fill,
// fill), border width, corner rounding (rectangle), gradient or plain fill with its swatch,
// gradient style and anti-aliasing, with a preview. Settings an indexed image cannot take are
// refused with a message and reset.
class ShapePage : public QWidget {
    Q_OBJECT

public:
    // The controls are named after the shape ("Rect" or "Ellipse"); `gradients` edits the
    // gradient of either shape.
    ShapePage(EditorServices& services, Tfrm_GradientColor& gradients, bool ellipse, QWidget* parent = nullptr);

    // The paint of the next shape, with the colour panel's colour and alpha.
    TShapePaint Paint(TColor colour, int alpha) const;
    // Applies the colour mode's limits and redraws the swatch and the preview.
    void Redraw();

private:
    int colourMode() const;
    bool indexedMode() const { return colourMode() <= 3; }
    void refuse(QCheckBox* box, const QString& text);
    void typeChosen(int type);
    void swatchClicked();
    void drawSwatch();
    void drawPreview();
    bool eventFilter(QObject* watched, QEvent* event) override;

    EditorServices& services_;
    Tfrm_GradientColor& gradients_;
    bool ellipse_;
    QComboBox* type_;
    QLabel* borderLabel_;
    QSpinBox* border_;
    QSpinBox* round_ = nullptr;
    QCheckBox* gradient_;
    QToolButton* styles_[4];
    QLabel* swatch_;
    QCheckBox* antiAlias_;
    QLabel* preview_;
    TColor fillColour_ = 0xFFFFFF;
    Raster strip_;
};

} // namespace ormel
