#include "main/view_commands.h"

#include "main/command_action.h"
#include "main/editor_services.h"
#include "main/main_window.h"

#include <QEvent>
#include <QWidget>

namespace ormel {

namespace {
const char* const kWindowProperty = "ormelWindow";
}

ViewCommands::ViewCommands(Tfrm_main& frame, QMenu* menu) : QObject(&frame)
{
    preview_ = AddCommand(menu, "act_PreviewWindow", tr("Preview Window"), {}, tr("Show or hide the preview"));
    history_ = AddCommand(menu, "act_HistoryWindow", tr("History Window"), {}, tr("Show or hide the undo history"));
    library_ = AddCommand(menu, "act_IconLibrary", tr("Icon Library"));
    for (QAction* action : {preview_, history_, library_}) {
        action->setCheckable(true);
        action->setEnabled(false);
    }
    connect(&frame.Services(), &EditorServices::previewToggleRequested, preview_, &QAction::trigger);
}

void ViewCommands::attach(QAction* action, QWidget* window)
{
    action->setEnabled(true);
    action->setChecked(window->isVisible());
    action->setProperty(kWindowProperty, QVariant::fromValue(static_cast<QObject*>(window)));
    window->installEventFilter(this);
    connect(action, &QAction::triggered, window, [action, window](bool checked) {
        window->setVisible(checked);
        action->setChecked(window->isVisible());
    });
}

bool ViewCommands::eventFilter(QObject* watched, QEvent* event)
{
    // A hide that the window system caused (the frame minimised) leaves the tick alone.
    if ((event->type() == QEvent::Show || event->type() == QEvent::Hide) && !event->spontaneous())
        for (QAction* action : {preview_, history_, library_})
            if (action->property(kWindowProperty).value<QObject*>() == watched)
                action->setChecked(event->type() == QEvent::Show);
    return QObject::eventFilter(watched, event);
}

} // namespace ormel
