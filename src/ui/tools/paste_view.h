#pragma once

#include "files/icon_image.h"
#include "tools/frame_view.h"
#include "tools/paste_placement.h"

namespace ormel {

// The paste dialog's view: the target image as it will look with the picture placed, at a
// zoom, with the picture's frame and its handles over it. The mouse moves and resizes the frame.
class PasteView : public FrameView {
    Q_OBJECT

public:
    explicit PasteView(QWidget* parent = nullptr);

    // What to show: the composed result (or null), the picture and the placement.
    void show(const TIconImage* composed, const TPastePicture* picture, const TPasteView& view);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const TIconImage* composed_ = nullptr;
    const TPastePicture* picture_ = nullptr;
    TPasteView view_;
    Raster shown_;
};

} // namespace ormel
