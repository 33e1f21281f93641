// The document window's saving: to its icon file, or into the library entry it came from,
// and the question about unsaved changes when it closes.
#include "document/document_window.h"

#include "document/file_path.h"
#include "files/file_access.h"
#include "main/dialog_service.h"
#include "main/editor_services.h"

#include <QFileInfo>

namespace ormel {

void Tfrm_childwin::SetLibraryEntry(const QString& entryName, const QString& libraryName, std::function<int()> save)
{
    document_.LibEntryName = ToNativePath(entryName);
    document_.LibName = ToNativePath(libraryName);
    librarySave_ = std::move(save);
    updateCaption();
}

void Tfrm_childwin::DetachFromLibrary()
{
    if (!document_.LibEntryName.empty()) {
        document_.FileName = document_.LibEntryName;
        document_.FileDir.clear();
    }
    document_.LibEntryName.clear();
    document_.LibName.clear();
    librarySave_ = nullptr;
    updateCaption();
}

int Tfrm_childwin::SaveDocument()
{
    services_.finishActiveTool();
    if (librarySave_) {
        if (librarySave_() != 0)
            return -1;
        SetModified(false);
        return 0;
    }
    QString path = FilePath();
    if (path.isEmpty()) {
        path = services_.dialogs().askSaveFile(this, QStringLiteral("Save Icon"), QStringLiteral("Icon File(*.ico)"),
                                               FromNativePath(document_.FileName), QStringLiteral("ico"));
        if (path.isEmpty())
            return -1;
        if (QFileInfo(path).suffix().toUpper() != QStringLiteral("ICO"))
            path += QStringLiteral(".ico");
    }
    return SaveToPath(path);
}

int Tfrm_childwin::SaveToPath(const QString& path)
{
    services_.finishActiveTool();
    TIconFileAccess access;
    if (access.SaveIconFile(ToNativePath(path), document_.Images) != 0) {
        services_.dialogs().showMessage(this, QStringLiteral("Save File"), QString::fromStdString(access.ErrorText));
        return -1;
    }
    const QFileInfo info(path);
    document_.FileDir = ToNativePath(info.absolutePath() + QLatin1Char('/'));
    document_.FileName = ToNativePath(info.fileName());
    document_.Modified = true; // so that SetModified refreshes the caption with the new name
    SetModified(false);
    services_.addRecentFile(info.absoluteFilePath());
    return 0;
}

bool Tfrm_childwin::ConfirmClose()
{
    services_.finishActiveTool();
    if (!document_.Modified)
        return true;
    const auto answer = services_.dialogs().ask(
        this, QStringLiteral("Save Icon"),
        QStringLiteral("The icon '%1' has been modified. Do you want to save it?").arg(DocumentName()),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (answer == QMessageBox::Yes)
        return SaveDocument() == 0;
    if (answer == QMessageBox::No) {
        SetModified(false);
        return true;
    }
    return false;
}

} // namespace ormel
