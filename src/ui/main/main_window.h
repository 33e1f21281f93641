#pragma once

#include "files/icon_document.h"

#include <QMainWindow>
#include <QStringList>

#include <memory>

class QMdiArea;
class QMimeData;
class QMdiSubWindow;

namespace ormel {

class CreatorCommands;
class DialogService;
class EditCommands;
class EditorServices;
class EffectCommands;
class FileCommands;
class FloatingWindows;
class HelpCommands;
class Tfrm_childwin;
class ViewCommands;
class WindowCommands;

// The program's frame: a multi-document window holding one document window per open icon,
// with the menus, the tool bar and the status line. Each menu's commands live in their own
// class; they reach the documents through the operations below.
class Tfrm_main : public QMainWindow {
    Q_OBJECT

public:
    // Every message box and dialog of the editor goes through `dialogs`.
    explicit Tfrm_main(std::unique_ptr<DialogService> dialogs, QWidget* parent = nullptr);
    ~Tfrm_main() override;

    EditorServices& Services() const { return *services_; }
    FloatingWindows& Floating() const { return *floating_; }
    QMdiArea& MdiArea() const { return *mdiArea_; }

    // The document window of the current subwindow, or null.
    Tfrm_childwin* ActiveDocument() const;
    // Its current image, or null.
    TIconImage* ActiveImage() const;
    void RefreshActiveImage();
    // The depth code of the active image; 5 without one.
    int ActiveImageDepth() const;
    QList<Tfrm_childwin*> Documents() const;

    // Opens each path (a path without a directory is taken from the current directory): a
    // path already open only brings its window to the front; icon files (".ico" in any case)
    // open in a new document window.
    void OpenFiles(const QStringList& paths);
    // Files dropped from the file manager: every local file is opened in one call.
    void OpenDroppedFiles(const QMimeData& data);
    // Shows a new document window for the document and makes it active.
    Tfrm_childwin* AddDocumentWindow(TIconDocument document);

signals:
    // The active document changed, or one was opened or closed.
    void activeDocumentChanged();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Brings the document window of `path` to the front; false when none has that file.
    bool FindOpenDocument(const QString& path);
    void OpenIconFile(const QString& path);

    std::unique_ptr<EditorServices> services_;
    QMdiArea* mdiArea_;
    std::unique_ptr<FileCommands> fileCommands_;
    std::unique_ptr<EditCommands> editCommands_;
    std::unique_ptr<ViewCommands> viewCommands_;
    std::unique_ptr<EffectCommands> effectCommands_;
    std::unique_ptr<CreatorCommands> creatorCommands_;
    std::unique_ptr<WindowCommands> windowCommands_;
    std::unique_ptr<HelpCommands> helpCommands_;
    FloatingWindows* floating_;
    bool shownOnce_ = false;
};

} // namespace ormel
