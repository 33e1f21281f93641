#pragma once

#include <QMainWindow>
#include <QStringList>

#include <memory>

class QMdiArea;

namespace ormel {

class DialogService;
class Tfrm_childwin;

// The program's frame: a multi-document window holding one document window per open icon,
// with the File menu's commands.
class Tfrm_main : public QMainWindow {
    Q_OBJECT

public:
    // Every message box and file dialog of the frame and its documents goes through `dialogs`.
    explicit Tfrm_main(std::unique_ptr<DialogService> dialogs, QWidget* parent = nullptr);
    ~Tfrm_main() override;

    // The document window of the active subwindow, or null.
    Tfrm_childwin* ActiveDocument() const;
    QList<Tfrm_childwin*> Documents() const;

    // Opens each path: a path without a directory is taken from the current directory, a
    // path already open only brings its window to the front, and icon files (".ico" in any
    // case) open in a new document window. Other files are not opened.
    void OpenFiles(const QStringList& paths);

private:
    void actOpenExecute();
    void actSaveExecute();
    void actSaveAsExecute();

    // Brings the document window of `path` to the front; false when none has that file.
    bool FindOpenDocument(const QString& path);
    void OpenIconFile(const QString& path);

    std::unique_ptr<DialogService> dialogs_;
    QMdiArea* mdiArea_;
};

} // namespace ormel
