#pragma once

#include "files/icon_image.h"

#include <QObject>

class QComboBox;
class QFormLayout;
class QPushButton;

namespace ormel {

class EditorServices;

// The "Color" row of the stroke and shadow dialogs. For true-colour images a swatch
// ("img_Color") that opens the colour dialog; for indexed images, when the row offers one, a
// list of the palette's entries ("clrbx_color", items "Color 1", "Color 2", ...) instead.
class ColourChoice : public QObject {
    Q_OBJECT

public:
    ColourChoice(EditorServices& services, QFormLayout& form, bool paletteList, TColor initial);

    TColor colour() const { return colour_; }
    // Shows the swatch, or for an indexed image the list of its palette with the entry nearest
    // to the colour selected (the colour becomes that entry's).
    void Prepare(const TIconImage& image);

signals:
    void colourChanged();

private:
    void askForColour();
    void entryChosen(int index);
    void paintSwatch();

    EditorServices& services_;
    QPushButton* img_Color_;
    QComboBox* clrbx_color_ = nullptr;
    TLogPalette palette_;
    TColor colour_;
};

} // namespace ormel
