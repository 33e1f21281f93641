#pragma once

#include "creators/photo_placement.h"
#include "tools/frame_view.h"

namespace ormel {

// The picture-to-icon dialog's view: on white, the picture stretched into its frame (rows and
// columns dropped or repeated, not blended), the frame's outline and handles, and the icon
// square outlined in red. The mouse moves and resizes the frame.
class PhotoView : public FrameView {
    Q_OBJECT

public:
    explicit PhotoView(QWidget* parent = nullptr);

    // What to show: the picture (null for none; not copied) and the icon square.
    void setPicture(const TPhotoPicture* picture, const TViewRect& square);
    // The frame as a rectangle, from its defining corners.
    TViewRect FrameRect() const;

signals:
    void resized();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    const TPhotoPicture* picture_ = nullptr;
    TViewRect square_;
};

} // namespace ormel
