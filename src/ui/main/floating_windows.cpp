#include "main/floating_windows.h"

#include "colour/color_panel.h"
#include "dialogs/add_new_image_dialog.h"
#include "dialogs/delete_image_dialog.h"
#include "dialogs/preview_window.h"
#include "document/document_window.h"
#include "history/history_window.h"
#include "library/icon_library_window.h"
#include "main/editor_services.h"
#include "main/main_window.h"
#include "main/view_commands.h"
#include "main/window_placement_keeper.h"
#include "settings/window_placement.h"
#include "tools/drawing_dispatcher.h"
#include "tools/tool_palette.h"

namespace ormel {

namespace {

TRect ToTRect(const QRect& r) { return TRect{r.left(), r.top(), r.right() + 1, r.bottom() + 1}; }

} // namespace

FloatingWindows::FloatingWindows(Tfrm_main& frame, ViewCommands& view) : QObject(&frame), frame_(frame)
{
    EditorServices& services = frame.Services();
    // The colour panel first: the tool palette draws its previews in the panel's colour.
    colourPanel_ = new Tfrm_color_panel(services, &frame);
    services.setColourSource(colourPanel_);
    tools_ = new Tfrm_tools_panel(services, &frame);
    dispatcher_ = new DrawingDispatcher(services, *tools_, this);
    services.setToolDispatcher(dispatcher_);
    history_ = new Tfrm_history(services, &frame);
    preview_ = new Tfrm_preview(services, &frame);
    library_ = new Tfrm_Icon_Lib(frame);
    addImage_ = new Tfrm_add_new_image(services, &frame);
    deleteImage_ = new Tfrm_DeleIconImage(&frame);
    services.setFormatDialogs(addImage_, deleteImage_);

    view.attach(view.historyAction(), history_);
    view.attach(view.previewAction(), preview_);
    view.attach(view.libraryAction(), library_);
    // The preview follows the current image of the active document.
    connect(&services, &EditorServices::currentImageChanged, preview_, [this](Tfrm_childwin* document) {
        if (document != nullptr)
            preview_->ShowPreview(document, document->CurrentIndex());
    });
    connect(&services, &EditorServices::aboutToQuit, this, &FloatingWindows::storeShowing);
}

FloatingWindows::~FloatingWindows()
{
    frame_.Services().setToolDispatcher(nullptr);
    frame_.Services().setColourSource(nullptr);
    delete dispatcher_;
    delete tools_;
    delete colourPanel_;
    delete history_;
    delete preview_;
    delete library_;
    delete addImage_;
    delete deleteImage_;
}

void FloatingWindows::placeAndShow()
{
    const std::string file = frame_.Services().positionFile();
    TPanelSizes sizes;
    sizes.ToolPalette = {tools_->sizeHint().width(), tools_->sizeHint().height()};
    sizes.ColourPanel = {colourPanel_->width(), colourPanel_->height()};
    sizes.History = {history_->width(), history_->height()};
    sizes.Preview = {preview_->width(), preview_->height()};
    sizes.IconLibrary = {library_->width(), library_->height()};
    const TPanelRects places = PlacePanelsRoundFrame(ToTRect(frame_.frameGeometry()), sizes);
    if (!HasStoredPosition(file, tools_->objectName().toStdString()))
        tools_->move(places.ToolPalette.Left, places.ToolPalette.Top);
    tools_->show();
    if (!HasStoredPosition(file, colourPanel_->objectName().toStdString()))
        colourPanel_->move(places.ColourPanel.Left, places.ColourPanel.Top);
    colourPanel_->show();
    if (!HasStoredPosition(file, history_->objectName().toStdString()))
        history_->move(places.History.Left, places.History.Top);
    if (!HasStoredPosition(file, preview_->objectName().toStdString()))
        preview_->move(places.Preview.Left, places.Preview.Top);
    if (!HasStoredPosition(file, library_->objectName().toStdString())) {
        library_->move(places.IconLibrary.Left, places.IconLibrary.Top);
        library_->resize(library_->width(), places.IconLibrary.Height());
    }
    library_->setVisible(ReadShowingState(file, library_->objectName().toStdString(), false));
    history_->setVisible(ReadShowingState(file, history_->objectName().toStdString(), true));
    preview_->setVisible(ReadShowingState(file, preview_->objectName().toStdString(), false));
}

void FloatingWindows::storeShowing() const
{
    const std::string file = frame_.Services().positionFile();
    WriteShowingState(file, history_->objectName().toStdString(), history_->isVisible());
    WriteShowingState(file, preview_->objectName().toStdString(), preview_->isVisible());
    WriteShowingState(file, library_->objectName().toStdString(), library_->isVisible());
}

} // namespace ormel
