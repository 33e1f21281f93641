#pragma once

#include "creators/photo_placement.h"
#include "tools/paste_placement.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QListWidget;
class QSpinBox;

namespace ormel {

class EditorServices;
class PasteView;
class TOrmClipboard;
class Tfrm_childwin;
class TrackSpinPair;

// "Paste from Clipboard": the clipboard's picture placed and scaled over the current image of
// a document, and for images of 1, 4 or 8 bits one of four colour reductions chosen. OK puts
// the result into the image as the step "Paste".
class Tfrm_Paste : public QDialog {
    Q_OBJECT

public:
    Tfrm_Paste(EditorServices& services, TOrmClipboard& clipboard, QWidget* parent = nullptr);

    // Runs the dialog on the document's current image. True when OK placed a picture; without
    // one on the clipboard nothing changes.
    bool Execute(Tfrm_childwin& document);

private:
    bool start(const TIconImage& target);
    void frameToControls();
    void controlsToFrame();
    void compose();
    void buildVariants();
    void place(TPhotoFit how);
    void zoomBy(bool in);
    double pictureAspect() const;

    EditorServices& services_;
    TOrmClipboard& clipboard_;
    PasteView* view_;
    QSpinBox* x_;
    QSpinBox* y_;
    TrackSpinPair* wRatio_;
    TrackSpinPair* hRatio_;
    QCheckBox* ratioLock_;
    QListWidget* variantList_;
    TIconImage target_;
    TPastePicture picture_;
    bool hasPicture_ = false;
    TIconImage composed_;
    std::array<TIconImage, 4> variants_;
    double zoom_ = 1;
    double left_ = 0;
    double top_ = 0;
};

} // namespace ormel
