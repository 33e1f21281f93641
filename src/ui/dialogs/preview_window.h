#pragma once

#include <QWidget>

namespace ormel {

class EditorServices;
class PreviewPicture;
class StripColourBar;
class Tfrm_childwin;

// A floating tool window that shows one image of a document at its real size over the strip
// background colour, with the colour bar below. It follows the document weakly: once the
// document window is gone, or the index no longer names one of its images, it shows nothing.
class Tfrm_preview : public QWidget {
    Q_OBJECT

public:
    static constexpr int kClientWidth = 257;
    static constexpr int kClientHeight = 272;

    explicit Tfrm_preview(EditorServices& services, QWidget* parent = nullptr);

    // Shows image `index` of the document's images and redraws.
    void ShowPreview(Tfrm_childwin* document, int index);



private:
    PreviewPicture* picture_;
    StripColourBar* colourBar_;
};

} // namespace ormel
