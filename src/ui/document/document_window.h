#pragma once

#include "files/icon_document.h"

#include <QWidget>

class QScrollArea;

namespace ormel {

class CanvasView;
class DialogService;
class ImageStrip;

// The window of one open icon, shown inside a multi-document subwindow: it owns the document,
// shows its images in a strip along the top and the current image magnified below, and saves
// the document. The caption is the file name, followed by " *" while the document is modified.
class Tfrm_childwin : public QWidget {
    Q_OBJECT

public:
    Tfrm_childwin(TIconDocument document, DialogService& dialogs, QWidget* parent = nullptr);

    const TIconDocument& Document() const { return document_; }
    // FileDir + FileName; empty for a document never saved.
    QString FilePath() const;

    // Makes image `index` current and shows it. Nothing happens when the index is out of
    // range or already current.
    void SelectImage(int index);
    // Brings the strip and the canvas up to date with the current image.
    void RefreshCurrentImage();
    void SetModified(bool modified);

    // Writes the document to its file; a document never saved asks for a path first.
    // Returns 0, or -1 when nothing was written.
    int SaveDocument();
    // Writes every image to `path` as an icon file. On success the path becomes the
    // document's file and the document is no longer modified; a failure is shown with the
    // caption "Save File". Returns 0 or -1.
    int SaveToPath(const QString& path);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void updateCaption();
    void scrollStripToCurrent();

    TIconDocument document_;
    DialogService& dialogs_;
    QScrollArea* stripArea_;
    ImageStrip* strip_;
    CanvasView* canvas_;
};

} // namespace ormel
