#include "main/creator_commands.h"

#include "main/command_action.h"
#include "main/main_window.h"

namespace ormel {

CreatorCommands::CreatorCommands(Tfrm_main& frame, QMenu* menu) : QObject(&frame)
{
    AddCommand(menu, "act_PhotoToIcon", tr("Photo to Icon"))->setEnabled(false);
    AddCommand(menu, "act_IconsMixer", tr("Icons Mixer"))->setEnabled(false);
    menu->addSeparator();
    AddCommand(menu, "act_LoadFromLibrary", tr("Load from Icon Library"))->setEnabled(false);
    AddCommand(menu, "act_SaveToLibrary", tr("Save to Icon library"))->setEnabled(false);
}

} // namespace ormel
