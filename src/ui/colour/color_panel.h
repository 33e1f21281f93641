#pragma once

#include "colour/colour_choice.h"
#include "files/raster.h"
#include "main/colour_source.h"

#include <QWidget>

#include <array>

class QLineEdit;
class QFormLayout;
class QPushButton;
class QTabWidget;

namespace ormel {

class ColourCellGrid;
class EditorServices;
class PickerMarker;
class PickerPicture;
class RasterView;
class TrackSpinPair;

// The floating "Colors" window: the drawing colour and alpha of every tool. For true-colour
// images an RGB/HSV picker with a hue bar and a saturation/value square; for indexed images
// the image's palette, where the colour is the selected entry and editing the colour edits
// that entry of the current image. It also offers a fixed colour library, the recently used
// colours and a transparent state in which the tools erase.
class Tfrm_color_panel : public QWidget, public ColourSource {
    Q_OBJECT

public:
    Tfrm_color_panel(EditorServices& services, QWidget* frame);
    ~Tfrm_color_panel() override;

    TColor CurrentColor() const override;
    int CurrentAlpha() const override;
    int ColorMode() const override { return mode_; }
    const TLogPalette* CurrentPalette() const override;
    void SetColor(TColor colour) override;
    void SetAlpha(int alpha) override;
    void AddRecentColor(TColor colour) override;

    // Takes the depth code (1..5) and, for an indexed depth with a palette of the same size,
    // the entries of `palette`; the panel switches between the palette grid and the picker.
    void SetColorMode(const TLogPalette* palette, int depthCode);
    int SelectedIndex() const { return selected_; }
    bool IsTransparent() const { return transparent_; }
    const std::vector<TColor>& RecentColours() const { return recent_.colours(); }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildPages();
    void buildControls(QFormLayout& form);
    // Follows the active document's current image.
    void followActiveImage();

    int red() const;
    int green() const;
    int blue() const;
    // Sets the R, G, B controls and the H, S, V controls computed from them, silently.
    void applyRgb(int r, int g, int b);
    void applyHsv(int h, int s, int v);
    // Brings everything that shows the colour up to date after a change and announces it.
    void colourUpdate();
    void rgbChanged();
    void hsvChanged();
    void alphaChanged();
    void htmlCodeEdited(const QString& text);
    void hueAreaPicked(QPoint at);
    void svAreaPicked(QPoint at);
    void paletteCellPicked(int index);
    void libraryCellPicked(int index);
    void recentCellPicked(int index);
    void transparentClicked();
    void pageChanged(int page);
    // Takes a colour from the library or the recent colours.
    void takeColour(TColor colour);
    // Selects palette entry `index` and sets the controls to it.
    void selectEntry(int index);
    // An edit of the palette ends: the active document records it as one step.
    void finishPaletteEdit();
    bool paletteEditOngoing() const;

    void showPaletteGrid();
    void showRecentColours();
    void drawSwatch();
    void placeMarkers();

    EditorServices& services_;
    int mode_ = Depth32;
    bool transparent_ = false;
    QString lastHtmlCode_ = QStringLiteral("000000");
    std::array<TLogPalette, 3> palettes_;
    int selected_ = -1;
    bool paletteEditing_ = true;
    bool paletteEditPending_ = false;
    bool typingCode_ = false; // the colour follows a code being typed
    TRecentColours recent_;
    Raster huePicture_;
    Raster svPicture_;
    int svHue_ = -1;

    QTabWidget* pages_ = nullptr;
    PickerPicture* hueArea_ = nullptr;
    PickerPicture* svArea_ = nullptr;
    PickerMarker* arrow_ = nullptr;
    PickerMarker* cross_ = nullptr;
    ColourCellGrid* paletteGrid_ = nullptr;
    ColourCellGrid* library_ = nullptr;
    ColourCellGrid* recentArea_ = nullptr;
    RasterView* swatch_ = nullptr;
    QPushButton* transparentButton_ = nullptr;
    QLineEdit* htmlCode_ = nullptr;
    QFormLayout* form_ = nullptr;
    int alphaRow_ = 0;
    TrackSpinPair* r_ = nullptr;
    TrackSpinPair* g_ = nullptr;
    TrackSpinPair* b_ = nullptr;
    TrackSpinPair* h_ = nullptr;
    TrackSpinPair* s_ = nullptr;
    TrackSpinPair* v_ = nullptr;
    TrackSpinPair* a_ = nullptr;
};

} // namespace ormel
