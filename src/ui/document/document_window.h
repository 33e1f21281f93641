#pragma once

#include "files/icon_document.h"
#include "tools/selection.h"

#include <QPointer>
#include <QWidget>

#include <functional>

class QHBoxLayout;
class QTimer;

namespace ormel {

struct TCanvasEvent;
class CanvasView;
class EditorServices;
class ImageStrip;
class StripPanel;

// The window of one open icon, shown inside a multi-document subwindow: it owns the document,
// shows its images in a strip along the top and the current image magnified below, passes
// canvas mouse events to the tools, and saves the document. The caption is the file name (or
// "ENTRY in LIBRARY library"), followed by " *" while the document is modified.
class Tfrm_childwin : public QWidget {
    Q_OBJECT

public:
    Tfrm_childwin(TIconDocument document, EditorServices& services, QWidget* parent = nullptr);
    // Discards the undo steps of every image.
    ~Tfrm_childwin() override;

    const TIconDocument& Document() const { return document_; }
    TIconDocument& Document() { return document_; }
    // The current image, or null when the document has none.
    TIconImage* CurrentImage() { return document_.CurrentImage(); }
    int CurrentIndex() const { return document_.CurrentIndex; }
    // FileDir + FileName; empty for a document never saved.
    QString FilePath() const;
    // The name the questions about this document use: the library entry name, else FileName.
    QString DocumentName() const;
    int Zoom() const;
    bool ShowGrid() const { return showGrid_; }
    CanvasView& Canvas() const { return *canvas_; }

    // The selection on the current image, in image pixel corners; every new current image, and
    // every refresh of it, starts without one.
    TSelection& Selection() { return selection_; }
    // Shows the selection's outline on the canvas after a change and announces the change.
    void SelectionChanged();
    // Only redraws the outline: for a selection still being dragged, whose read-outs and
    // commands follow when it is done.
    void ShowSelectionOutline();

    // Appends the record as a new image, records its step "New" and makes it current.
    void AddImage(TIconImage record);
    // Makes image `index` current, scrolls the strip to it and refreshes. Nothing happens
    // when the index is out of range or already current.
    void SelectImage(int index);
    // Brings the canvas, the strip and every window that shows the current image up to date.
    void RefreshCurrentImage();
    void RepaintCanvas();
    // How every change to the current image ends: the window is refreshed, one undo step
    // with the caption is recorded and the document is marked modified.
    void RecordChange(const QString& caption);
    void SetModified(bool modified);
    // Copies the colour panel's palette, when it has one of the current image's size and it
    // differs, into the current image and repaints. True when the image changed; the change
    // waits for RecordPaletteEdit.
    bool ImageChangedFromPalette();
    // Records the palette taken since the last record as one "Palette" step.
    void RecordPaletteEdit();

    // The add-image button: a new format, or the existing one of that format selected.
    void AddImageCommand();
    // The delete-image button: the current image moves to the recycle bin.
    void DeleteImageCommand();
    // The grid button: toggles the grid, refused below 3 canvas pixels per image pixel.
    void ToggleGrid();

    // Writes the document to its file; a document never saved asks for a path first.
    // Returns 0, or -1 when nothing was written (cancelled or failed; failures are shown).
    int SaveDocument();
    // Writes every image to `path` as an icon file. On success the path becomes the
    // document's file, the path goes to the recent files and the document is no longer
    // modified; a failure is shown with the caption "Save File". Returns 0 or -1.
    int SaveToPath(const QString& path);
    // Binds the document to an icon library entry: the caption names the entry and the
    // library, and Save hands the images to `save` (0 or -1; it reports its own failures)
    // instead of writing a file.
    void SetLibraryEntry(const QString& entryName, const QString& libraryName, std::function<int()> save);
    // Ends that binding: the document becomes an ordinary icon named after the entry, never
    // saved, keeping its images and its modified state.
    void DetachFromLibrary();
    bool IsLibraryDocument() const { return static_cast<bool>(librarySave_); }

    // Asks about unsaved changes with Yes, No and Cancel. True when the window may close:
    // not modified, saved, or the changes given up.
    bool ConfirmClose();

    // True the first time a snapshot of this document could not be written, so the user is
    // told once per document.
    bool TakeSnapshotFailureReport();

signals:
    void modifiedChanged(bool modified);

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void updateCaption();
    // Shows the current image on the canvas, frames its cell and tells the other windows.
    void showCurrentImage();
    // Tells the user once that the window is too small, when a resize has ended with the
    // image not fitting at zoom 1; again only after it has fitted.
    void checkCanvasFits();
    void dispatchCanvasEvent(const TCanvasEvent& event);

    TIconDocument document_;
    EditorServices& services_;
    ImageStrip* strip_;
    StripPanel* stripPanel_;
    QHBoxLayout* buttons_;
    CanvasView* canvas_;
    TSelection selection_;
    QTimer* tooSmallTimer_;
    std::function<int()> librarySave_;
    bool showGrid_ = true;
    bool snapshotFailureReported_ = false;
    bool tooSmallShown_ = false;
    bool paletteUnrecorded_ = false; // the current image took the panel's palette since its last step
};

} // namespace ormel
