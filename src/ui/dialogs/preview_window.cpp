#include "dialogs/preview_window.h"

#include "main/editor_services.h"
#include "main/window_placement_keeper.h"

#include "dialogs/preview_picture.h"
#include "dialogs/strip_colour_bar.h"

#include <QShowEvent>

namespace ormel {

Tfrm_preview::Tfrm_preview(EditorServices& services, QWidget* parent) : QWidget(parent, Qt::Tool)
{
    setObjectName(QStringLiteral("frm_preview"));
    new PlacementKeeper(*this, services.positionFile(), true, false);
    setWindowTitle(QStringLiteral("Preview"));
    setFixedSize(kClientWidth, kClientHeight);

    picture_ = new PreviewPicture(services, this);
    picture_->setObjectName(QStringLiteral("img_preview"));
    picture_->move(0, 0);

    colourBar_ = new StripColourBar(services, this);
    colourBar_->setObjectName(QStringLiteral("img_PreviewColor"));
    colourBar_->move(0, PreviewPicture::kSize + (kClientHeight - PreviewPicture::kSize - StripColourBar::kHeight) / 2);
}

void Tfrm_preview::ShowPreview(Tfrm_childwin* document, int index) { picture_->setImage(document, index); }

} // namespace ormel
