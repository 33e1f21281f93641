#include "main/creator_commands.h"

#include "creators/icon_mixer_dialog.h"
#include "library/icon_library_window.h"
#include "main/command_action.h"
#include "main/dialog_service.h"
#include "main/editor_services.h"
#include "main/floating_windows.h"
#include "main/main_window.h"

namespace ormel {

CreatorCommands::CreatorCommands(Tfrm_main& frame, QMenu* menu) : QObject(&frame)
{
    AddCommand(menu, "act_PhotoToIcon", tr("Photo to Icon"))->setEnabled(false);
    QAction* mixer = AddCommand(menu, "act_IconsMixer", tr("Icons Mixer"));
    menu->addSeparator();
    QAction* load = AddCommand(menu, "act_LoadFromLibrary", tr("Load from Icon Library"));
    QAction* save = AddCommand(menu, "act_SaveToLibrary", tr("Save to Icon library"));
    connect(load, &QAction::triggered, this, [&frame] {
        frame.OpenFiles(frame.Services().dialogs().askOpenFiles(
            &frame, QStringLiteral("Open Icons"),
            QStringLiteral("Icon Library(*.exe *.dll *.icl *.cpl *.ocx *.EXE *.DLL *.ICL *.CPL *.OCX)")));
    });
    connect(mixer, &QAction::triggered, this, [&frame] { RunIconMixer(frame); });
    connect(save, &QAction::triggered, this, [&frame] { frame.Floating().Library().SaveActiveDocument(); });
    save->setEnabled(false);
    connect(&frame, &Tfrm_main::activeDocumentChanged, save,
            [&frame, save] { save->setEnabled(frame.ActiveDocument() != nullptr); });
}

} // namespace ormel
