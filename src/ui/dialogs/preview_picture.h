#pragma once

#include "files/icon_image.h"

#include <QPointer>
#include <QWidget>

namespace ormel {

class EditorServices;
class Tfrm_childwin;

// The preview's 256 x 256 picture: white, with the image centred at its real size (larger
// ones stretched over the picture) and composed over the strip background colour. Looks the
// image up on every paint, so a document that changed or went away is never read stale.
class PreviewPicture : public QWidget {
    Q_OBJECT

public:
    static constexpr int kSize = 256;

    explicit PreviewPicture(EditorServices& services, QWidget* parent = nullptr);

    void setImage(Tfrm_childwin* document, int index);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const TIconImage* shownImage() const;

    EditorServices& services_;
    QPointer<Tfrm_childwin> document_;
    int index_ = -1;
};

} // namespace ormel
