#include "main/file_commands.h"

#include "dialogs/add_new_image_dialog.h"
#include "dialogs/icon_property_dialog.h"
#include "document/document_window.h"
#include "document/file_path.h"
#include "files/file_access.h"
#include "main/command_action.h"
#include "main/dialog_service.h"
#include "main/editor_services.h"
#include "main/floating_windows.h"
#include "library/icon_library_window.h"
#include "main/main_window.h"

#include <QFileInfo>
#include <QMdiArea>
#include <QToolBar>

namespace ormel {

namespace {

// The Save As filters in their order, with the extension each one writes.
struct SaveFilter {
    const char* filter;
    const char* extension;
};
constexpr SaveFilter kSaveFilters[] = {
    {"Icons (*.ico)", "ico"}, {"Bitmaps (*.bmp)", "bmp"}, {"JPEG (*.jpg)", "jpg"},
    {"PNG (*.png)", "png"},   {"GIF (*.gif)", "gif"},
};

} // namespace

FileCommands::FileCommands(Tfrm_main& frame, QMenu* menu) : QObject(&frame), frame_(frame)
{
    new_ = AddCommand(menu, "act_New", tr("&New"), QKeySequence(Qt::CTRL | Qt::Key_N), tr("Create a new icon"),
                      QStringLiteral("document-new"));
    open_ = AddCommand(menu, "act_Open", tr("&Open"), QKeySequence(Qt::CTRL | Qt::Key_O), tr("Open icons or an icon library"), QStringLiteral("document-open"));
    reopen_ = menu->addMenu(tr("Reopen"));
    reopen_->setObjectName(QStringLiteral("mnu_Reopen"));
    save_ = AddCommand(menu, "act_Save", tr("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S), tr("Save the icon"), QStringLiteral("document-save"));
    saveAs_ = AddCommand(menu, "act_SaveAs", tr("Save &As..."), {}, tr("Save the icon, or its current image as a picture"));
    properties_ = AddCommand(menu, "act_IconProperties", tr("Icon Properties"), {}, tr("The icon's file and formats"));
    menu->addSeparator();
    toLibrary_ = AddCommand(menu, "act_FileSaveToLibrary", tr("Save to Icon library"));
    menu->addSeparator();
    close_ = AddCommand(menu, "act_Close", tr("&Close"), {}, tr("Close the icon"));
    QAction* exit = AddCommand(menu, "act_Exit", tr("E&xit"), {}, tr("Quit Ormel"));

    connect(new_, &QAction::triggered, this,
            [this] { NewDocument(QStringLiteral("Icon%1").arg(frame_.Documents().size() + 1)); });
    connect(open_, &QAction::triggered, this, &FileCommands::open);
    connect(properties_, &QAction::triggered, this, &FileCommands::properties);
    connect(save_, &QAction::triggered, this, &FileCommands::save);
    connect(saveAs_, &QAction::triggered, this, &FileCommands::saveAs);
    connect(close_, &QAction::triggered, this, [this] { frame_.MdiArea().closeActiveSubWindow(); });
    connect(toLibrary_, &QAction::triggered, this, [this] { frame_.Floating().Library().SaveActiveDocument(); });
    connect(exit, &QAction::triggered, &frame_, &QWidget::close);
    connect(&frame_.Services(), &EditorServices::recentFilesChanged, this, &FileCommands::rebuildReopenMenu);
    connect(&frame_, &Tfrm_main::activeDocumentChanged, this, &FileCommands::updateEnabled);
    rebuildReopenMenu();
    updateEnabled();
}

void FileCommands::addToToolBar(QToolBar& toolBar)
{
    if (new_ != nullptr)
        toolBar.addAction(new_);
    toolBar.addAction(open_);
    toolBar.addAction(save_);
}

void FileCommands::updateEnabled()
{
    const bool document = frame_.ActiveDocument() != nullptr;
    for (QAction* action : {save_, saveAs_, close_, properties_, toLibrary_})
        if (action != nullptr)
            action->setEnabled(document);
}

void FileCommands::rebuildReopenMenu()
{
    reopen_->clear();
    int index = 0;
    for (const std::string& file : frame_.Services().reopenList().Files()) {
        const QString path = FromNativePath(file);
        QAction* item = reopen_->addAction(path);
        item->setObjectName(QStringLiteral("act_Reopen%1").arg(index++));
        connect(item, &QAction::triggered, this, [this, path] { frame_.OpenFiles({path}); });
    }
    reopen_->setEnabled(!reopen_->isEmpty());
}

void FileCommands::open()
{
    frame_.OpenFiles(frame_.Services().dialogs().askOpenFiles(
        &frame_, QStringLiteral("Open Icons"),
        QStringLiteral("Icons(*.ico *.ICO);;Icon Library(*.exe *.dll *.icl *.cpl *.ocx *.EXE *.DLL *.ICL *.CPL *.OCX)")));
}

void FileCommands::NewDocument(const QString& name)
{
    Tfrm_add_new_image* dialog = frame_.Services().addImageDialog();
    if (dialog == nullptr)
        return;
    dialog->Prepare(nullptr, -1);
    dialog->Propose(48, 48, Depth32);
    if (frame_.Services().dialogs().runDialog(*dialog) != QDialog::Accepted)
        return;
    TIconDocument document;
    document.FileName = ToNativePath(name);
    document.AddImage(dialog->TakeNewImage());
    frame_.AddDocumentWindow(std::move(document));
}

void FileCommands::properties()
{
    if (Tfrm_childwin* document = frame_.ActiveDocument()) {
        Tfrm_IconProperty dialog(document->Document(), &frame_);
        frame_.Services().dialogs().runDialog(dialog);
    }
}

void FileCommands::save()
{
    if (Tfrm_childwin* document = frame_.ActiveDocument())
        document->SaveDocument();
}

QString FileCommands::ProposedSaveName(const QString& fileName)
{
    const int dot = fileName.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? fileName.left(dot) : fileName;
}

void FileCommands::saveAs()
{
    Tfrm_childwin* document = frame_.ActiveDocument();
    if (document == nullptr)
        return;
    QStringList filters;
    for (const SaveFilter& f : kSaveFilters)
        filters.append(QLatin1String(f.filter));
    QString chosen = filters.first();
    QString path = frame_.Services().dialogs().askSaveFile(
        &frame_, QStringLiteral("Save As"), filters.join(QStringLiteral(";;")),
        ProposedSaveName(FromNativePath(document->Document().FileName)), QStringLiteral("ico"), &chosen);
    if (path.isEmpty())
        return;
    const qsizetype kind = std::max<qsizetype>(0, filters.indexOf(chosen));
    const QString extension = QLatin1Char('.') + QLatin1String(kSaveFilters[kind].extension);
    if (!path.toLower().endsWith(extension))
        path += extension;
    if (kind == 0) {
        document->SaveToPath(path);
        return;
    }
    // Pictures hold the current image only; the document keeps its name.
    const TIconImage* image = document->CurrentImage();
    if (image == nullptr)
        return;
    TIconFileAccess access;
    if (access.SavePicture(ToNativePath(path), *image) != 0)
        frame_.Services().dialogs().showMessage(&frame_, QStringLiteral("Save File"),
                                                QString::fromStdString(access.ErrorText));
}

} // namespace ormel
