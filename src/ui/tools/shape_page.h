#pragma once

#include "raster/gradient_nodes.h"
#include "tools/gradient_rect.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QSpinBox;
class QToolButton;

namespace ormel {

class EditorServices;

// The settings page of the rectangle or the ellipse: what is drawn (border, border and fill,
// fill), border width, corner rounding (rectangle), gradient or plain fill with its swatch,
// gradient style and anti-aliasing, with a preview. Settings an indexed image cannot take are
// refused with a message and reset.
class ShapePage : public QWidget {
    Q_OBJECT

public:
    // `prefix` is "Rect" or "Ellipse": the controls are named after it.
    ShapePage(EditorServices& services, bool ellipse, QWidget* parent = nullptr);

    // The paint of the next shape, with the colour panel's colour and alpha.
    TShapePaint Paint(TColor colour, int alpha) const;
    // Applies the colour mode's limits and redraws the swatch and the preview.
    void Redraw();

signals:
    void settingsChanged();

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
    TNodeArray stops_;
    Raster strip_;
};

} // namespace ormel
