#pragma once

#include "files/icon_image.h"
#include "history/undo_history.h"
#include "settings/app_directories.h"
#include "settings/reopen_list.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

namespace ormel {

class DialogService;
class Tfrm_add_new_image;
class Tfrm_DeleIconImage;
class Tfrm_childwin;
class ToolDispatcher;
class ColourSource;

// What the frame shares with every window: the dialog service, the directories, the undo
// history with its recycle bin, the recent files and the strip background colour. Windows
// hold a reference to it and learn of changes from its signals, so that none of them reaches
// into another.
class EditorServices : public QObject {
    Q_OBJECT

public:
    EditorServices(std::unique_ptr<DialogService> dialogs, AppDirectories directories, QObject* parent = nullptr);
    ~EditorServices() override;

    DialogService& dialogs() const { return *dialogs_; }
    const AppDirectories& directories() const { return directories_; }
    // "position.cfg" and "ormel.cfg" in the configuration directory.
    std::string positionFile() const;
    std::string configFile() const;
    // A subdirectory of the editor's private work directory, made when missing; ends in '/'.
    std::string workSubdirectory(const std::string& name) const { return workDir_.subdirectory(name); }

    TUndoHistory& history() { return *history_; }
    TReopenList& reopenList() { return reopen_; }

    // The colour behind transparent pixels of thumbnails and previews; white at start.
    TColor stripBackColor() const { return stripBackColor_; }
    void setStripBackColor(TColor colour);

    // The frame tells which document window is active; null without one.
    void setActiveDocumentSource(std::function<Tfrm_childwin*()> source) { activeDocument_ = std::move(source); }
    Tfrm_childwin* activeDocument() const { return activeDocument_ ? activeDocument_() : nullptr; }
    // The active document's current image, or null.
    TIconImage* activeImage() const;

    // The tools' entry point; null until a tool palette exists.
    ToolDispatcher* toolDispatcher() const { return toolDispatcher_; }
    void setToolDispatcher(ToolDispatcher* dispatcher) { toolDispatcher_ = dispatcher; }
    // Every command that changes an image, saves or closes a document calls this first, so
    // that work a tool has pending on an image is committed as its own step.
    void finishActiveTool();

    // The colour panel; null until one exists.
    ColourSource* colourSource() const { return colourSource_; }
    void setColourSource(ColourSource* source) { colourSource_ = source; }

    // The add-image and delete-image dialogs, one each for the whole run; the frame makes them.
    void setFormatDialogs(Tfrm_add_new_image* addImage, Tfrm_DeleIconImage* deleteImage)
    {
        addImage_ = addImage;
        deleteImage_ = deleteImage;
    }
    Tfrm_add_new_image* addImageDialog() const { return addImage_; }
    Tfrm_DeleIconImage* deleteImageDialog() const { return deleteImage_; }

    // Records a step of the document's image and announces it. Returns AddStep's result.
    int addStep(Tfrm_childwin& document, TIconImage& image, const QString& caption);
    void addRecentFile(const QString& path);
    void removeRecentFile(const QString& path);

signals:
    // Steps were added, moved or discarded: the history list and the Undo and Redo commands
    // follow.
    void historyChanged();
    void recycleBinChanged();
    // A document's current image was selected or refreshed (null: no document is active).
    void currentImageChanged(Tfrm_childwin* document);
    // A document's selection was made, changed or removed.
    void selectionChanged(Tfrm_childwin* document);
    void stripBackColorChanged();
    // The drawing colour, the alpha, the colour panel's palette or a tool setting changed: the
    // tool palette redraws its preview and the active document takes the panel's palette.
    void coloursChanged();
    // The colour panel finished one edit of its palette (a drag, a key, a typed code): the
    // active document records the palette it took meanwhile as one step.
    void paletteEdited();
    void recentFilesChanged();
    // A document window's preview button: the frame toggles its "Preview Window" command.
    void previewToggleRequested();
    // The frame is closing with every document settled: windows store what they keep.
    void aboutToQuit();

private:
    std::unique_ptr<DialogService> dialogs_;
    AppDirectories directories_;
    PrivateWorkDir workDir_;
    std::unique_ptr<TUndoHistory> history_;
    TReopenList reopen_;
    TColor stripBackColor_;
    std::function<Tfrm_childwin*()> activeDocument_;
    ToolDispatcher* toolDispatcher_ = nullptr;
    ColourSource* colourSource_ = nullptr;
    Tfrm_add_new_image* addImage_ = nullptr;
    Tfrm_DeleIconImage* deleteImage_ = nullptr;
};

} // namespace ormel
