#include "main/help_commands.h"

#include "build_info.h"
#include "dialogs/about_box.h"
#include "main/command_action.h"
#include "main/dialog_service.h"
#include "main/editor_services.h"
#include "main/main_window.h"

#include <QFileInfo>
#include <QUrl>

namespace ormel {

HelpCommands::HelpCommands(Tfrm_main& frame, QMenu* menu) : QObject(&frame), frame_(frame)
{
    connect(AddCommand(menu, "act_Help", tr("Help"), QKeySequence(Qt::Key_F1), tr("Open the help pages")),
            &QAction::triggered, this, &HelpCommands::openHelp);
    connect(AddCommand(menu, "act_About", tr("&About...")), &QAction::triggered, this, &HelpCommands::about);
    connect(AddCommand(menu, "act_HomePage", tr("Home Page")), &QAction::triggered, this, &HelpCommands::homePage);
}

void HelpCommands::openHelp()
{
    const QString index = QString::fromStdString(frame_.Services().directories().DataDir) + QStringLiteral("/help/index.html");
    DialogService& dialogs = frame_.Services().dialogs();
    if (!QFileInfo(index).isFile() || !dialogs.openUrl(QUrl::fromLocalFile(index)))
        dialogs.showMessage(&frame_, tr("Help"), tr("The help pages could not be opened: %1").arg(index));
}

void HelpCommands::about()
{
    Tfrm_about box(&frame_);
    frame_.Services().dialogs().runDialog(box);
}

void HelpCommands::homePage()
{
    const QString page = QString::fromUtf8(kOrmelHomePage);
    if (page.isEmpty() || !frame_.Services().dialogs().openUrl(QUrl(page)))
        openHelp();
}

} // namespace ormel
