#include "main/editor_services.h"

#include "document/canvas_event.h"
#include "document/document_window.h"
#include "document/file_path.h"
#include "main/dialog_service.h"

namespace ormel {

EditorServices::EditorServices(std::unique_ptr<DialogService> dialogs, AppDirectories directories, QObject* parent)
    : QObject(parent),
      dialogs_(std::move(dialogs)),
      directories_(std::move(directories)),
      workDir_(directories_.WorkRoot),
      history_(std::make_unique<TUndoHistory>(workDir_.subdirectory("history"), workDir_.subdirectory("recycle"))),
      reopen_(configFile()),
      stripBackColor_(MakeColor(255, 255, 255))
{
    reopen_.Load();
}

// The history's files go before the private directory that holds them.
EditorServices::~EditorServices() { history_.reset(); }

std::string EditorServices::positionFile() const { return directories_.ConfigDir + "/position.cfg"; }

std::string EditorServices::configFile() const { return directories_.ConfigDir + "/" + kOrmelConfigFileName; }

void EditorServices::setStripBackColor(TColor colour)
{
    if (colour == stripBackColor_)
        return;
    stripBackColor_ = colour;
    emit stripBackColorChanged();
}

TIconImage* EditorServices::activeImage() const
{
    Tfrm_childwin* document = activeDocument();
    return document != nullptr ? document->CurrentImage() : nullptr;
}

int EditorServices::addStep(Tfrm_childwin& document, TIconImage& image, const QString& caption)
{
    const int result = history_->AddStep(image, caption.toStdString());
    if (result != 0 && document.TakeSnapshotFailureReport())
        dialogs_->showMessage(&document, QStringLiteral("Undo History"),
                              QStringLiteral("The undo step could not be written to disk, so this change and "
                                             "later ones of this icon cannot be undone."));
    emit historyChanged();
    return result;
}

void EditorServices::addRecentFile(const QString& path)
{
    if (reopen_.AddRecentFile(ToNativePath(path))) {
        reopen_.Save();
        emit recentFilesChanged();
    }
}

void EditorServices::removeRecentFile(const QString& path)
{
    if (reopen_.RemoveRecentFile(ToNativePath(path))) {
        reopen_.Save();
        emit recentFilesChanged();
    }
}

void EditorServices::finishActiveTool()
{
    if (toolDispatcher_ != nullptr)
        toolDispatcher_->finishTool();
}

} // namespace ormel
