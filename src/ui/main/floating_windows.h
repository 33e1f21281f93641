#pragma once

#include <QObject>

namespace ormel {

class Tfrm_add_new_image;
class Tfrm_color_panel;
class Tfrm_DeleIconImage;
class DrawingDispatcher;
class Tfrm_history;
class Tfrm_Icon_Lib;
class Tfrm_main;
class Tfrm_preview;
class Tfrm_tools_panel;
class ViewCommands;

// The windows that exist once for the whole run besides the frame: the tool palette, the
// colour panel, the history and preview windows (floating above the frame) and the add-image
// and delete-image dialogs. Created with the frame; placed round it and shown as they were
// when the frame first shows; their "showing" states stored when it closes.
class FloatingWindows : public QObject {
    Q_OBJECT

public:
    FloatingWindows(Tfrm_main& frame, ViewCommands& view);
    // Closes and deletes the windows.
    ~FloatingWindows() override;

    Tfrm_tools_panel& Tools() const { return *tools_; }
    Tfrm_history& History() const { return *history_; }
    Tfrm_preview& Preview() const { return *preview_; }
    Tfrm_color_panel& ColourPanel() const { return *colourPanel_; }
    Tfrm_Icon_Lib& Library() const { return *library_; }
    Tfrm_add_new_image& AddImageDialog() const { return *addImage_; }
    Tfrm_DeleIconImage& DeleteImageDialog() const { return *deleteImage_; }

    // The frame's first show: windows without a stored place go round the frame, and each
    // shows when it was showing at the last end (history by default, preview not).
    void placeAndShow();
    // The frame closes: whether each was showing is stored.
    void storeShowing() const;

private:
    Tfrm_main& frame_;
    Tfrm_tools_panel* tools_;
    DrawingDispatcher* dispatcher_;
    Tfrm_history* history_;
    Tfrm_preview* preview_;
    Tfrm_color_panel* colourPanel_;
    Tfrm_Icon_Lib* library_;
    Tfrm_add_new_image* addImage_;
    Tfrm_DeleIconImage* deleteImage_;
};

} // namespace ormel
