// The commands of the icon library window that work on entries, and the documents opened on them.
#include "library/icon_library_window.h"

#include "dialogs/add_new_image_dialog.h"
#include "document/document_window.h"
#include "document/file_path.h"
#include "files/file_access.h"
#include "library/entry_name.h"
#include "library/format_image.h"
#include "library/library_items.h"
#include "library/library_store.h"
#include "library/thumbnail.h"
#include "library/unique_name.h"
#include "main/dialog_service.h"
#include "main/editor_services.h"
#include "main/main_window.h"

#include <QFileInfo>
#include <QInputDialog>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace ormel {

void Tfrm_Icon_Lib::InsertEntry()
{
    if (!library_.Editable)
        return;
    TGroupIcon entry;
    entry.Name = "New Icon";
    entry.Thumbnail.resize(kThumbnailSize, kThumbnailSize);
    entry.Thumbnail.fill(255, 255, 255);
    library_.Groups.push_back(std::move(entry));
    MakeUniqueName(library_.Groups, library_.Groups.size() - 1);
    windows_.emplace_back();
    list_->addItem(makeItem(library_.Groups.back()));
}

void Tfrm_Icon_Lib::showWindowOf(Tfrm_childwin& window)
{
    if (auto* sub = qobject_cast<QMdiSubWindow*>(window.parentWidget())) {
        if (sub->isMinimized())
            sub->showNormal();
        frame_.MdiArea().setActiveSubWindow(sub);
    }
}

void Tfrm_Icon_Lib::EditEntry(int index)
{
    if (index < 0 || std::size_t(index) >= library_.Groups.size())
        return;
    if (Tfrm_childwin* open = EntryWindow(index)) {
        showWindowOf(*open);
        return;
    }
    const TGroupIcon& entry = library_.Groups[std::size_t(index)];
    const QString name = QString::fromStdString(entry.Name);
    if (const QString reason = UnopenableReason(entry, library_.Editable); !reason.isEmpty()) {
        services_.dialogs().showMessage(this, QStringLiteral("Open Icon"),
                                        QStringLiteral("The icon '%1' cannot be opened. %2").arg(name, reason));
        return;
    }
    TIconDocument document;
    if (entry.Count > 0) {
        TIconFileAccess access;
        for (const TIconFormat& format : entry.Formats) {
            TIconImage image;
            if (LoadFormatImage(format, image, access) == 0)
                document.AddImage(std::move(image));
        }
        const int loaded = int(document.Images.size());
        if (loaded == 0) {
            services_.dialogs().showMessage(this, QStringLiteral("Open Icon"),
                                            QStringLiteral("The icon '%1' cannot be opened. Its images cannot be read.").arg(name));
            return;
        }
        if (loaded != entry.Count) {
            library_.LastMessage =
                QStringLiteral("%1 documents, which opens up %2.").arg(entry.Count).arg(loaded).toStdString();
            services_.dialogs().showMessage(this, QStringLiteral("Open Icon"), LastMessage());
        }
        if (!library_.Editable)
            document.FileName = entry.Name;
    } else {
        Tfrm_add_new_image* dialog = services_.addImageDialog();
        if (dialog == nullptr)
            return;
        dialog->Prepare(nullptr, -1);
        dialog->Propose(48, 48, Depth32);
        if (services_.dialogs().runDialog(*dialog) != QDialog::Accepted)
            return;
        document.AddImage(dialog->TakeNewImage());
    }
    Tfrm_childwin* window = frame_.AddDocumentWindow(std::move(document));
    windows_[std::size_t(index)] = window;
    if (library_.Editable)
        bindDocument(*window, index);
}

void Tfrm_Icon_Lib::bindDocument(Tfrm_childwin& window, int index)
{
    windows_[std::size_t(index)] = &window;
    QPointer<Tfrm_childwin> guarded(&window);
    QPointer<Tfrm_Icon_Lib> library(this);
    window.SetLibraryEntry(QString::fromStdString(library_.Groups[std::size_t(index)].Name),
                           FromNativePath(library_.LibFileName), [library, guarded] {
                               return library.isNull() || guarded.isNull() ? -1
                                                                           : library->saveDocumentToEntry(guarded.data());
                           });
}

int Tfrm_Icon_Lib::saveDocumentToEntry(Tfrm_childwin* window)
{
    // The entry is found by the window bound to it, so a rename cannot send the images elsewhere.
    int index = -1;
    for (std::size_t i = 0; i < windows_.size(); ++i)
        if (windows_[i] == window)
            index = int(i);
    const int result = index < 0 ? -1 : ReplaceEntryImages(library_, std::size_t(index), window->Document().Images);
    if (index < 0)
        library_.LastMessage = "Can't find icon in library";
    if (result != 0) {
        services_.dialogs().showMessage(window, QStringLiteral("Save File"), LastMessage());
        return -1;
    }
    refreshItem(index);
    SetLibraryModified(true);
    return 0;
}

void Tfrm_Icon_Lib::refreshDocumentCaptions()
{
    for (std::size_t i = 0; i < windows_.size(); ++i)
        if (Tfrm_childwin* window = openWindow(windows_[i]); window != nullptr && window->IsLibraryDocument())
            bindDocument(*window, int(i));
}

void Tfrm_Icon_Lib::DeleteEntry(int index)
{
    if (!library_.Editable || index < 0 || std::size_t(index) >= library_.Groups.size())
        return;
    const QString name = QString::fromStdString(library_.Groups[std::size_t(index)].Name);
    if (services_.dialogs().ask(this, QStringLiteral("Delete icon"),
                                QStringLiteral("Are you sure delete the icon '%1'?, It can not resume.").arg(name),
                                QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    // The entry's document closes; one with unsaved changes stays open as an ordinary icon.
    if (Tfrm_childwin* window = EntryWindow(index)) {
        windows_[std::size_t(index)] = nullptr;
        if (window->Document().Modified)
            window->DetachFromLibrary();
        else if (QWidget* sub = window->parentWidget())
            sub->close();
    }
    ormel::DeleteEntry(library_, std::size_t(index));
    windows_.erase(windows_.begin() + index);
    delete list_->takeItem(index);
    SetLibraryModified(true);
}

void Tfrm_Icon_Lib::RenameEntry(int index)
{
    if (!library_.Editable || index < 0 || std::size_t(index) >= library_.Groups.size())
        return;
    const std::string current = library_.Groups[std::size_t(index)].Name;
    QInputDialog dialog(this);
    dialog.setObjectName(QStringLiteral("dlg_Rename"));
    dialog.setWindowTitle(QStringLiteral("Rename"));
    dialog.setLabelText(QStringLiteral("Please enter a new name"));
    dialog.setTextValue(QString::fromStdString(current));
    if (services_.dialogs().runDialog(dialog) != QDialog::Accepted)
        return;
    const std::string answer = dialog.textValue().toStdString();
    if (IsBlankName(answer) || CutEntryName(answer) == current)
        return;
    if (ormel::RenameEntry(library_, std::size_t(index), answer) != 0) {
        services_.dialogs().showMessage(this, QStringLiteral("Rename icon"), LastMessage());
        return;
    }
    refreshItem(index);
    if (Tfrm_childwin* window = EntryWindow(index))
        bindDocument(*window, index);
    SetLibraryModified(true);
}

int Tfrm_Icon_Lib::SaveActiveDocument()
{
    Tfrm_childwin* window = frame_.ActiveDocument();
    if (window == nullptr)
        return -1;
    const QString fileName = FromNativePath(window->Document().FileName);
    const QString name = QFileInfo(fileName).completeBaseName();
    if (AddToLibrary(library_, ToNativePath(name.isEmpty() ? fileName : name), window->Document().Images) != 0) {
        services_.dialogs().showMessage(&frame_, QStringLiteral("Save File"), LastMessage());
        return -1;
    }
    // A document already bound to an entry now belongs to the new one.
    for (QPointer<Tfrm_childwin>& bound : windows_)
        if (bound == window)
            bound = nullptr;
    windows_.emplace_back();
    list_->addItem(makeItem(library_.Groups.back()));
    bindDocument(*window, int(library_.Groups.size()) - 1);
    SetLibraryModified(true);
    show();
    return 0;
}

} // namespace ormel
