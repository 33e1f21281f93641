#include "main/creator_commands.h"

#include "creators/cartoon_option_dialog.h"
#include "creators/icon_mixer_dialog.h"
#include "creators/photo_to_icon_dialog.h"
#include "document/file_path.h"
#include "library/icon_library_window.h"
#include "main/command_action.h"
#include "main/dialog_service.h"
#include "main/editor_services.h"
#include "main/floating_windows.h"
#include "main/main_window.h"

namespace ormel {

namespace {

// Asks for a picture, loads it into the dialog and runs it; OK opens a new document "IconN"
// holding copies of the formats.
void RunPhotoToIcon(Tfrm_main& frame, Tfrm_PhotoToIcon& dialog)
{
    const QStringList files = frame.Services().dialogs().askOpenFiles(
        &frame, QStringLiteral("Open Picture"),
        QStringLiteral("Pictures (*.jpg *.jpeg *.bmp *.png *.gif *.ico *.JPG *.JPEG *.BMP *.PNG *.GIF *.ICO);;"
                       "JPEG Image File (*.jpg *.jpeg *.JPG *.JPEG);;Bitmaps (*.bmp *.BMP);;PNG (*.png *.PNG);;"
                       "GIF (*.gif *.GIF);;Icons (*.ico *.ICO)"));
    if (files.isEmpty() || !dialog.LoadPicture(files.front()) || !dialog.Execute())
        return;
    TIconDocument document;
    // Named after the count of document windows with the new one, plus one.
    const QString name = QStringLiteral("Icon%1").arg(frame.Documents().size() + 2);
    document.FileName = ToNativePath(name);
    for (const TIconImage& image : dialog.Formats())
        document.AddImage(image);
    frame.AddDocumentWindow(std::move(document));
}

} // namespace

CreatorCommands::CreatorCommands(Tfrm_main& frame, QMenu* menu) : QObject(&frame), frame_(frame)
{
    QAction* photo = AddCommand(menu, "act_PhotoToIcon", tr("Photo to Icon"));
    connect(photo, &QAction::triggered, this, [this, &frame] { RunPhotoToIcon(frame, PhotoDialog()); });
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

Tfrm_PhotoToIcon& CreatorCommands::PhotoDialog()
{
    if (photo_ == nullptr) {
        cartoon_ = new Tfrm_CartoonOption(frame_.Services(), &frame_);
        photo_ = new Tfrm_PhotoToIcon(frame_.Services(), *cartoon_, &frame_);
    }
    return *photo_;
}

} // namespace ormel
