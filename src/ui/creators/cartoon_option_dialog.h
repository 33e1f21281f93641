#pragma once

#include "creators/cartoon_render.h"
#include "files/icon_image.h"
#include "files/raster.h"
#include "raster/rect.h"

#include <QDialog>
#include <QTimer>

#include <vector>

class QCheckBox;
class QComboBox;
class QFormLayout;
class QWidget;

namespace ormel {

class CartoonPreview;
class EditorServices;
class TrackSpinPair;

// The cartoon options: the line drawing and colour stage settings with a live preview of one
// format of the icon being made. One object serves the whole run; it holds the renderer (the
// settings and the controls' positions) that the picture-to-icon dialog renders its formats
// with. The options are read from "cartoon3.set" on first use (a user copy in the
// configuration directory, else the shipped one); OK writes them to the user copy.
class Tfrm_CartoonOption : public QDialog {
    Q_OBJECT

public:
    explicit Tfrm_CartoonOption(EditorServices& services, QWidget* parent = nullptr);

    // The renderer with the current options. The first call reads the settings file; when it
    // is missing or short, a message says so once and the shipped defaults are used.
    TCartoonRenderer& Renderer();

    // Moves the controls to `controls` (each held to its range) without writing the file.
    void SetControls(const CartoonControls& controls);

    // Shows the dialog modally over the 256 x 256 crop, whose cropRect holds the picture, with
    // `formats` listed and the one at `selected` previewed. OK keeps the options and writes
    // them; Cancel puts back those it started with. True on OK. False without running when
    // the crop is not 256 x 256 or there is no format.
    bool Execute(const TIconImageArray& formats, int selected, const Raster& crop, const TRect& cropRect);

    // The colour behind the preview's format; white at start.
    void SetPreviewBackground(TColor colour);

    // The previewed format as last rendered; empty before the first rendering.
    const TIconImage& PreviewImage() const { return preview_.front(); }

signals:
    // The options changed: once per burst of changes while the dialog is shown (after the
    // preview is rendered with them), and when Cancel puts the earlier options back.
    void optionsChanged();

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct Pair {
        TrackSpinPair* pair;
        int CartoonControls::*field;
    };

    QWidget* buildLinePage();
    QWidget* buildColourPage();
    void addPair(QFormLayout& form, const QString& label, const char* track, const char* spin, int minimum,
                 int maximum, int CartoonControls::*field);
    void ensureLoaded();
    void showControls();
    void updateEnabled();
    void takeControls();
    void renderPreview();

    EditorServices& services_;
    TCartoonRenderer renderer_;
    bool loaded_ = false;
    std::vector<Pair> pairs_;
    QCheckBox* chk_drawSketch_;
    QCheckBox* chk_drawColor_;
    QCheckBox* chk_remain_;
    QComboBox* cmb_iconImage_;
    CartoonPreview* preview_view_;
    QWidget* linePage_ = nullptr;
    QWidget* colourPage_ = nullptr;
    TIconImageArray formats_;
    TIconImageArray preview_;
    Raster crop_;
    TRect cropRect_;
    QTimer pending_; // one coalesced re-render; the latest settings win
};

} // namespace ormel
