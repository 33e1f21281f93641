#pragma once

#include "files/icon_image.h"
#include "files/raster.h"

#include <QGroupBox>

#include <vector>

class QCheckBox;
class QToolButton;

namespace ormel {

class EditorServices;
class ImageStrip;
class StripPanel;

// The picture-to-icon dialog's photo frames: "Frame", the frame colour square and a strip of
// the frame pictures found in the data directory's "frames" folder, each shown on a white
// sample in the frame colour. Without frame pictures the strip is empty and "Frame" does
// nothing.
class PhotoFramePanel : public QGroupBox {
    Q_OBJECT

public:
    explicit PhotoFramePanel(EditorServices& services, QWidget* parent = nullptr);

    // Lists the frame pictures again and rebuilds the strip; the selection is kept when it
    // still exists.
    void Rebuild();
    // The picture to frame the images with: null unless "Frame" is ticked and one is loaded.
    const Raster* ActiveFrame() const;
    TColor FrameColour() const { return colour_; }

signals:
    void changed();

private:
    void select(int index);
    void askColour();
    void showColour();
    void buildSamples();

    EditorServices& services_;
    QCheckBox* enabled_;
    QToolButton* colourButton_;
    ImageStrip* strip_;
    StripPanel* panel_;
    std::vector<Raster> pictures_; // empty where a file could not be read
    TIconImageArray samples_;
    int selected_ = 0;
    TColor colour_ = MakeColor(194, 0, 0);
};

} // namespace ormel
