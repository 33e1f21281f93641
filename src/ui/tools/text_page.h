#pragma once

#include "tools/text_placement.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace ormel {

class EditorServices;

// The text tool's settings page: the line of text, the font (chosen in the font dialog),
// anti-aliasing, the placement's centre, size and angle as numbers, and a preview of the text
// in the colour panel's colour.
class TextPage : public QWidget {
    Q_OBJECT

public:
    TextPage(EditorServices& services, TextRasterizer& rasterizer, QWidget* parent = nullptr);

    // The text as the page sets it, in the colour (a palette index on an indexed image) and alpha.
    TTextLook Look(TColor colour, int alpha) const;
    // Shows a placement's geometry in the number boxes without reporting an edit.
    void ShowFrame(const TTextGeometry& geometry);
    void Redraw();

signals:
    // The text, its font or its anti-aliasing changed.
    void lookChanged();
    // The user set the centre, size or angle in the number boxes.
    void frameEdited(const TTextGeometry& geometry);

private:
    QSpinBox* addSpin(const char* name, const QString& label, int minimum, int maximum, int value);
    void chooseFont();
    void restoreLook();
    void storeLook() const;
    TTextGeometry frame() const;

    EditorServices& services_;
    TextRasterizer& rasterizer_;
    TFontSpec font_;
    QLineEdit* text_;
    QCheckBox* antiAlias_;
    QSpinBox* x_;
    QSpinBox* y_;
    QSpinBox* width_;
    QSpinBox* height_;
    QSpinBox* angle_;
    QLabel* preview_;
};

} // namespace ormel
