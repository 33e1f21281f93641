#pragma once

#include "files/icon_image.h"

#include <QDialog>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QScrollArea;
class QSpinBox;

namespace ormel {

class DialogService;
class ImageStrip;
class EditorServices;

// Chooses the size and colour depth of a new image and can derive it from one of the
// document's images. One instance lives for the whole run, so it proposes the last choice
// again. The caller prepares it, runs it through the dialog service and, when accepted, takes
// the new image record.
class Tfrm_add_new_image : public QDialog {
    Q_OBJECT

public:
    explicit Tfrm_add_new_image(EditorServices& services, QWidget* parent = nullptr);

    // The document's images (null for a new document: derivation is then off) and the image
    // proposed as the base. The images are only read while the dialog runs.
    void Prepare(const TIconImageArray* images, int baseIndex);
    // Proposes a format; the controls show it.
    void Propose(int width, int height, int depthCode);
    // After OK: the new record, with rasters when derived from a base image, without otherwise.
    TIconImage TakeNewImage();

    void accept() override;
    void done(int result) override;

private:
    QWidget* buildSizeGroup();
    QWidget* buildColourGroup();
    QWidget* buildBaseGroup();
    void showProposal();
    void scrollStrip(int step);
    void revealCell(int index);

    EditorServices& services_;
    int proposedWidth_ = 16;
    int proposedHeight_ = 16;
    int proposedDepth_ = Depth24;
    const TIconImageArray* images_ = nullptr;
    TIconImage newImage_;

    QButtonGroup* sizeGroup_ = nullptr;
    QButtonGroup* colourGroup_ = nullptr;
    QSpinBox* customWidth_ = nullptr;
    QSpinBox* customHeight_ = nullptr;
    QCheckBox* basedOn_ = nullptr;
    QScrollArea* stripArea_ = nullptr;
    ImageStrip* strip_ = nullptr;
};

// When `images` hold the record's format (width, height and depth) already, asks captioned "Add
// a new image format" whether to switch to that image: its index when the user chose OK, -1
// when they did not. kNewFormat when no image has the format.
inline constexpr int kNewFormat = -2;
int AskSwitchToExistingFormat(DialogService& dialogs, QWidget* parent, const TIconImageArray& images,
                              const TIconImage& record);

} // namespace ormel
