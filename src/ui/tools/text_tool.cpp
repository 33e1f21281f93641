#include "tools/text_tool.h"

#include "document/canvas_view.h"
#include "document/document_window.h"
#include "main/colour_source.h"
#include "main/editor_services.h"
#include "tools/text_page.h"

namespace ormel {

TextTool::TextTool(EditorServices& services, TextPage& page, QObject* parent)
    : QObject(parent), services_(services), page_(page)
{
    connect(&page_, &TextPage::lookChanged, this, &TextTool::render);
    connect(&page_, &TextPage::frameEdited, this, &TextTool::frameEdited);
    connect(&services_, &EditorServices::coloursChanged, this, &TextTool::render);
    connect(&services_, &EditorServices::currentImageChanged, this, &TextTool::currentImageChanged);
}

void TextTool::setSelected(bool selected)
{
    if (selected == selected_)
        return;
    selected_ = selected;
    commit();
    if (selected_)
        if (Tfrm_childwin* document = services_.activeDocument())
            start(*document);
}

void TextTool::start(Tfrm_childwin& document)
{
    commit();
    TIconImage* image = document.CurrentImage();
    if (image == nullptr)
        return;
    const ColourSource* colours = services_.colourSource();
    placement_.Start(*image, page_.Look(colours != nullptr ? colours->CurrentColor() : 0, 255), rasterizer_);
    document_ = lastDocument_ = &document;
    imageId_ = lastImageId_ = image->ImageId;
    depth_ = lastDepth_ = image->ColorDepth;
    zoomWatch_ = connect(&document.Canvas(), &CanvasView::layoutChanged, this, [this] {
        placeFrame();
        if (document_ != nullptr)
            document_->Canvas().setFrame(frame_);
    });
    placeFrame();
    render();
}

TIconImage* TextTool::targetImage() const
{
    if (document_ == nullptr)
        return nullptr;
    TIconImage* image = document_->CurrentImage();
    return image != nullptr && image->ImageId == imageId_ && image->ColorDepth == depth_ ? image : nullptr;
}

void TextTool::placeFrame()
{
    if (document_ == nullptr)
        return;
    const int zoom = document_->Zoom();
    const TTextGeometry& g = placement_.Geometry();
    const TFrameCorners corners = TextFrameCorners(g, zoom);
    frame_.SetFrame(g.Angle, corners.X1, corners.Y1, corners.X3, corners.Y3);
}

void TextTool::render()
{
    if (!placement_.Active())
        return;
    TIconImage* image = targetImage();
    const ColourSource* colours = services_.colourSource();
    const TTextLook look =
        page_.Look(colours != nullptr ? colours->CurrentColor() : 0, colours != nullptr ? colours->CurrentAlpha() : 255);
    // An image that went away or was changed by something else ends the placement as it stands.
    if (image == nullptr || !placement_.Render(*image, look, rasterizer_)) {
        end();
        return;
    }
    document_->Canvas().repaintCanvas();
    document_->Canvas().setFrame(frame_);
    page_.ShowFrame(placement_.Geometry());
}

void TextTool::frameEdited(const TTextGeometry& geometry)
{
    if (!placement_.Active())
        return;
    placement_.SetGeometry(geometry);
    placeFrame();
    render();
}

void TextTool::canvasEvent(Tfrm_childwin& document, const TCanvasEvent& event)
{
    const bool left = event.Buttons.testFlag(Qt::LeftButton);
    switch (event.Event) {
    case TCanvasEvent::Pressed:
        // A press on another image, or after a command committed the text, places a new one.
        if (&document != document_ || targetImage() == nullptr)
            start(document);
        frame_.MouseEvent(TRotateFrame::Pressed, event.CanvasX, event.CanvasY, left);
        break;
    case TCanvasEvent::Moved: {
        // The pointer shows where a press grabs the frame.
        const Qt::CursorShape shape = &document == document_ && frame_.HitTest(event.CanvasX, event.CanvasY) >= 0
                                          ? Qt::SizeAllCursor
                                          : Qt::ArrowCursor;
        if (document.Canvas().cursor().shape() != shape)
            document.Canvas().setCursor(shape);
        document.Canvas().setOutline({});
        if (&document == document_ && frame_.MouseEvent(TRotateFrame::Moved, event.CanvasX, event.CanvasY, left) >= 0) {
            const TFrameGeometry g = frame_.GetFrame(document.Zoom());
            placement_.SetGeometry(TTextGeometry{g.CentreX, g.CentreY, g.Width, g.Height, g.Angle});
            render();
        }
        break;
    }
    case TCanvasEvent::Released:
        if (&document == document_ && placement_.Active()) {
            // The strip and the preview catch up once the drag is done.
            document.RefreshCurrentImage();
            if (ColourSource* colours = services_.colourSource(); colours != nullptr && targetImage() != nullptr)
                colours->AddRecentColor(
                    PaletteColor(static_cast<int>(colours->CurrentColor()), targetImage()->Palette));
        }
        break;
    }
}

void TextTool::end()
{
    placement_.End();
    disconnect(zoomWatch_);
    if (document_ != nullptr)
        document_->Canvas().setFrame(std::nullopt);
    document_ = nullptr;
}

void TextTool::commit()
{
    if (!placement_.Active() || committing_)
        return;
    const QPointer<Tfrm_childwin> document = document_;
    TIconImage* image = targetImage();
    const bool unchanged = image != nullptr && placement_.Unchanged(*image);
    end();
    // A text whose image was changed by something else is already part of that change.
    if (document != nullptr && unchanged) {
        committing_ = true;
        document->RecordChange(QStringLiteral("Text"));
        committing_ = false;
    }
}

void TextTool::currentImageChanged(Tfrm_childwin* document)
{
    // Windows that are not active refresh too; and while a floating window has the focus the
    // frame may report no document although one is still current.
    if (committing_ || document != services_.activeDocument())
        return;
    const TIconImage* image = document != nullptr ? document->CurrentImage() : nullptr;
    const int imageId = image != nullptr ? image->ImageId : -1;
    const int depth = image != nullptr ? image->ColorDepth : -1;
    if (document == lastDocument_ && imageId == lastImageId_ && depth == lastDepth_)
        return;
    lastDocument_ = document;
    lastImageId_ = imageId;
    lastDepth_ = depth;
    commit();
    if (selected_ && document != nullptr && image != nullptr)
        start(*document);
}

} // namespace ormel
