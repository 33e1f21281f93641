#include "tools/drawing_dispatcher.h"

#include "document/canvas_view.h"
#include "document/document_window.h"
#include "main/colour_source.h"
#include "main/editor_services.h"
#include "tools/dropper.h"
#include "tools/text_tool.h"
#include "tools/tool_palette.h"

#include <QCoreApplication>
#include <QEvent>

namespace ormel {

namespace {

std::optional<FreehandTool> FreehandOf(int tool)
{
    switch (tool) {
    case ToolPencil: return FreehandTool::Pencil;
    case ToolBrush: return FreehandTool::Brush;
    case ToolEraser: return FreehandTool::Eraser;
    case ToolLine: return FreehandTool::Line;
    default: return std::nullopt;
    }
}

bool SelectTool(int tool) { return tool == ToolRectSelect || tool == ToolFreeSelect; }

// The image pixel corner nearest the pointer: selections are kept in image corners, so that
// they stay in place when the zoom changes.
TPoint CornerAt(const TIconImage& image, const TCanvasEvent& event)
{
    const TPoint corner = SelectionCorner(image, event.CanvasX, event.CanvasY, event.Zoom);
    return TPoint{corner.X / event.Zoom, corner.Y / event.Zoom};
}

QRect CanvasRect(TRect r)
{
    return QRect(QPoint(r.Left, r.Top), QPoint(r.Right - 1, r.Bottom - 1));
}

} // namespace

DrawingDispatcher::DrawingDispatcher(EditorServices& services, Tfrm_tools_panel& palette, QObject* parent)
    : QObject(parent), services_(services), palette_(palette), text_(new TextTool(services, palette.Text(), this))
{
    // A new tool ends whatever the old one had under way.
    connect(&palette_, &Tfrm_tools_panel::toolChanged, this, [this](int tool) {
        commit();
        text_->setSelected(tool == ToolText);
    });
}

void DrawingDispatcher::finishTool()
{
    text_->commit();
}

DrawingDispatcher::~DrawingDispatcher()
{
    setBusy(nullptr, nullptr);
}

TColor DrawingDispatcher::colour() const
{
    const ColourSource* colours = services_.colourSource();
    return colours != nullptr ? colours->CurrentColor() : 0;
}

int DrawingDispatcher::alpha() const
{
    const ColourSource* colours = services_.colourSource();
    return colours != nullptr ? colours->CurrentAlpha() : 255;
}

void DrawingDispatcher::canvasEvent(Tfrm_childwin& document, const TCanvasEvent& event)
{
    TIconImage* image = document.CurrentImage();
    if (image == nullptr)
        return;
    switch (event.Event) {
    case TCanvasEvent::Pressed:
        if (!Busy() && palette_.CurrentTool() == ToolText)
            text_->canvasEvent(document, event);
        else if (!Busy())
            press(document, *image, event);
        break;
    case TCanvasEvent::Moved:
        palette_.ShowCursorPosition(event.CanvasX / event.Zoom, event.CanvasY / event.Zoom);
        if (!Busy() && palette_.CurrentTool() == ToolText)
            text_->canvasEvent(document, event);
        else if (Busy())
            drag(document, *image, event);
        else
            hover(document, *image, event);
        break;
    case TCanvasEvent::Released:
        if (Busy() && target_.Document == &document)
            commit();
        else if (palette_.CurrentTool() == ToolText)
            text_->canvasEvent(document, event);
        break;
    }
}

void DrawingDispatcher::canvasGrabLost(Tfrm_childwin& document)
{
    if (target_.Document == &document)
        commit();
}

void DrawingDispatcher::press(Tfrm_childwin& document, TIconImage& image, const TCanvasEvent& event)
{
    const int tool = palette_.CurrentTool();
    document.Canvas().setOutline({});
    dragColour_ = colour();
    // A new selection, or a tool that paints, ends the selection there was.
    if (tool != ToolDropper && tool != ToolNone && !document.Selection().Points().empty()) {
        document.Selection().SelectNone();
        document.SelectionChanged();
    }
    if (SelectTool(tool)) {
        const TPoint corner = CornerAt(image, event);
        if (tool == ToolRectSelect)
            document.Selection().RectPress(image, corner.X, corner.Y, 1);
        else
            document.Selection().LassoPress(image, corner.X, corner.Y, 1);
    } else if (const std::optional<FreehandTool> freehand = FreehandOf(tool)) {
        const int width = *freehand == FreehandTool::Pencil  ? palette_.PencilSize()
                          : *freehand == FreehandTool::Brush ? palette_.BrushDiameter()
                          : *freehand == FreehandTool::Eraser ? palette_.EraserSize()
                                                              : palette_.LineSize();
        const TStrokeSettings settings = FreehandSettings(*freehand, width, palette_.BrushGradient(), dragColour_,
                                                          alpha(), palette_.LineAntiAlias());
        const TRect dirty = stroke_.Press(image, event.CanvasX, event.CanvasY, event.Zoom, settings);
        document.Canvas().repaintCanvasRect(CanvasRect(dirty));
    } else if (tool == ToolBucket) {
        if (bucket_.Press(image, event.CanvasX, event.CanvasY, event.Zoom,
                          TBucketSettings{palette_.BucketTolerance(), dragColour_, alpha()}))
            document.Canvas().repaintCanvas();
    } else if (tool == ToolRectangle) {
        rectangle_.Press(image, event.CanvasX, event.CanvasY, event.Zoom);
    } else if (tool == ToolEllipse) {
        ellipse_.Press(image, event.CanvasX, event.CanvasY, event.Zoom);
    } else if (tool == ToolDropper) {
        // The dropper changes no image: it takes the colour and is done.
        const std::optional<TDropperReading> reading = DropperPick(image, event.CanvasX, event.CanvasY, event.Zoom);
        if (ColourSource* colours = services_.colourSource(); colours != nullptr && reading) {
            colours->SetColor(reading->Colour);
            colours->SetAlpha(reading->Alpha);
        }
        return;
    } else {
        return;
    }
    dragTool_ = tool;
    setBusy(&document, &image);
}

void DrawingDispatcher::drag(Tfrm_childwin& document, TIconImage& image, const TCanvasEvent& event)
{
    if (target_.Document != &document || targetImage() != &image)
        return;
    const bool left = event.Buttons.testFlag(Qt::LeftButton);
    if (SelectTool(dragTool_)) {
        const TPoint corner = CornerAt(image, event);
        TRect outline;
        const bool changed = dragTool_ == ToolRectSelect
                                 ? left && document.Selection().RectMove(image, corner.X, corner.Y, 1, outline)
                                 : left && document.Selection().LassoMove(image, corner.X, corner.Y, 1);
        if (changed)
            document.ShowSelectionOutline();
    } else if (FreehandOf(dragTool_)) {
        const TRect dirty = stroke_.Move(image, event.CanvasX, event.CanvasY, event.Zoom, left);
        document.Canvas().repaintCanvasRect(CanvasRect(dirty));
    } else if (dragTool_ == ToolRectangle || dragTool_ == ToolEllipse) {
        const ShapeKind kind = dragTool_ == ToolRectangle ? ShapeKind::Rectangle : ShapeKind::Ellipse;
        TShapeTool& shape = dragTool_ == ToolRectangle ? rectangle_ : ellipse_;
        if (shape.Move(image, event.CanvasX, event.CanvasY, event.Zoom, left,
                       palette_.ShapePaint(kind, dragColour_, alpha())))
            document.Canvas().repaintCanvas();
    }
}

void DrawingDispatcher::hover(Tfrm_childwin& document, const TIconImage& image, const TCanvasEvent& event)
{
    const int tool = palette_.CurrentTool();
    int size = 0;
    switch (tool) {
    case ToolPencil: size = palette_.PencilSize(); break;
    case ToolBrush: size = palette_.BrushDiameter(); break;
    case ToolEraser: size = palette_.EraserSize(); break;
    case ToolLine: size = palette_.LineSize(); break;
    case ToolRectangle:
    case ToolEllipse: size = 1; break;
    case ToolBucket:
        palette_.ShowBucketPreview(bucket_.Preview(image, event.CanvasX, event.CanvasY, event.Zoom,
                                                   TBucketSettings{palette_.BucketTolerance(), colour(), alpha()}));
        break;
    case ToolDropper:
        if (const std::optional<TDropperReading> reading =
                DropperReadout(image, event.CanvasX, event.CanvasY, event.Zoom))
            palette_.ShowDropperColour(reading->Colour, reading->Alpha);
        break;
    default: break;
    }
    // The pointer shows what a press does: a cross for the tools that work on a pixel or a
    // corner, a pointing hand for the dropper, the arrow without a tool.
    const Qt::CursorShape shape = tool == ToolNone      ? Qt::ArrowCursor
                                  : tool == ToolDropper ? Qt::PointingHandCursor
                                                        : Qt::CrossCursor;
    if (document.Canvas().cursor().shape() != shape)
        document.Canvas().setCursor(shape);
    std::vector<TPoint> path;
    if (size > 0 && event.CanvasX >= 0 && event.CanvasY >= 0)
        cursor_.Draw(event.CanvasX, event.CanvasY, event.Zoom, size, path);
    QPolygon outline;
    for (const TPoint& p : path)
        outline << QPoint(p.X, p.Y);
    document.Canvas().setOutline(outline);
}

TIconImage* DrawingDispatcher::targetImage() const
{
    if (target_.Document == nullptr)
        return nullptr;
    TIconImage* image = target_.Document->CurrentImage();
    if (image == nullptr || image->ImageId != target_.ImageId || image->ColorDepth != target_.Depth)
        return nullptr;
    return image;
}

void DrawingDispatcher::commit()
{
    if (!Busy())
        return;
    QPointer<Tfrm_childwin> document = target_.Document;
    TIconImage* image = targetImage();
    const int tool = std::exchange(dragTool_, 0);
    setBusy(nullptr, nullptr);
    static const TIconImage kNoImage;
    const TIconImage& palette = image != nullptr ? *image : kNoImage;
    std::optional<TPaintCommit> step;
    if (SelectTool(tool)) {
        // The selection closes; one without area is removed.
        if (image != nullptr && document != nullptr) {
            Raster region;
            TRect bounds;
            if (tool == ToolRectSelect)
                document->Selection().RectRelease(*image, 1, region, bounds);
            else
                document->Selection().LassoRelease(*image, 1, region, bounds);
            document->SelectionChanged();
        }
        return;
    }
    if (FreehandOf(tool)) {
        step = stroke_.Release(palette);
    } else if (tool == ToolBucket) {
        step = bucket_.Release(palette);
    } else if (tool == ToolRectangle || tool == ToolEllipse) {
        const std::string_view caption = (tool == ToolRectangle ? rectangle_ : ellipse_).Release();
        if (!caption.empty())
            step = TPaintCommit{std::string(caption), PaletteColor(static_cast<int>(dragColour_), palette.Palette)};
    }
    // A drag whose image went away meanwhile records nothing.
    if (!step || image == nullptr || document == nullptr)
        return;
    document->RecordChange(QString::fromStdString(step->StepName));
    if (ColourSource* colours = services_.colourSource())
        colours->AddRecentColor(step->RecentColour);
}

void DrawingDispatcher::setBusy(Tfrm_childwin* document, const TIconImage* image)
{
    const bool wasBusy = Busy();
    target_ = Target{document, image != nullptr ? image->ImageId : -1, image != nullptr ? image->ColorDepth : 0};
    if (Busy() && !wasBusy)
        QCoreApplication::instance()->installEventFilter(this);
    else if (!Busy() && wasBusy)
        QCoreApplication::instance()->removeEventFilter(this);
}

bool DrawingDispatcher::eventFilter(QObject* watched, QEvent* event)
{
    // While a button is down, keys and shortcuts (undo, effects, closing, switching images)
    // wait: the stroke's image must not change under it.
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
        return true;
    default:
        return QObject::eventFilter(watched, event);
    }
}

} // namespace ormel
