#pragma once

#include "creators/photo_placement.h"
#include "files/icon_image.h"

#include <QDialog>

class QCheckBox;
class QSpinBox;

namespace ormel {

class EditorServices;
class ImageStrip;
class PhotoCartoonPanel;
class PhotoFramePanel;
class PhotoView;
class StripPanel;
class Tfrm_CartoonOption;
class TrackSpinPair;

// "Photo To Icon": a picture placed under the icon square, the formats the icon will hold,
// the cartoon look and a photo frame. One object serves the whole run: the format list, the
// cartoon options and the frame carry over from one picture to the next, the placement starts
// afresh. The result images stay in the dialog's list; the caller copies them.
class Tfrm_PhotoToIcon : public QDialog {
    Q_OBJECT

public:
    Tfrm_PhotoToIcon(EditorServices& services, Tfrm_CartoonOption& cartoon, QWidget* parent = nullptr);
    ~Tfrm_PhotoToIcon() override;

    // Reads the picture, recognised by its content; a picture that cannot be read is refused
    // with "<file name> open failed." and the reader's reason.
    bool LoadPicture(const QString& fileName);
    // Places the loaded picture afresh and runs the dialog modally. True on OK with at least
    // one format; the picture is released either way.
    bool Execute();
    const TIconImageArray& Formats() const { return formats_; }
    int SelectedFormat() const { return selected_; }

    // Crops the picture under the icon square, renders every format, frames them and redraws
    // the format strip.
    void RenderAll();

private:
    QWidget* buildPlacement();
    QWidget* buildFormats();
    void start();
    void frameToControls();
    void controlsToFrame();
    void fit(TPhotoFit how);
    void setZoom(double zoom);
    void selectFormat(int index);
    void addFormat();
    void deleteFormat();
    void moreOptions();
    double pictureAspect() const;

    EditorServices& services_;
    Tfrm_CartoonOption& cartoon_;
    PhotoView* view_;
    QSpinBox* x_;
    QSpinBox* y_;
    TrackSpinPair* wRatio_ = nullptr;
    TrackSpinPair* hRatio_ = nullptr;
    QCheckBox* ratioLock_;
    PhotoCartoonPanel* cartoonPanel_;
    PhotoFramePanel* framePanel_;
    ImageStrip* formatStrip_ = nullptr;
    StripPanel* formatPanel_ = nullptr;

    TPhotoPicture picture_;
    TIconImageArray formats_;
    int selected_ = 0;
    double zoom_ = 1;
    TViewRect square_;
    TPhotoCrop crop_;
    TColor previewBack_;
};

} // namespace ormel
