#include "document/document_window.h"

#include "dialogs/add_new_image_dialog.h"
#include "dialogs/delete_image_dialog.h"
#include "dialogs/strip_colour_bar.h"
#include "document/canvas_view.h"
#include "document/file_path.h"
#include "document/image_strip.h"
#include "document/strip_panel.h"
#include "main/colour_source.h"
#include "main/dialog_service.h"
#include "main/editor_services.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace ormel {

namespace {

QPushButton* MakeButton(const char* name, const QString& caption)
{
    auto* button = new QPushButton(caption);
    button->setObjectName(QLatin1String(name));
    button->setAccessibleName(caption);
    return button;
}

} // namespace

Tfrm_childwin::Tfrm_childwin(TIconDocument document, EditorServices& services, QWidget* parent)
    : QWidget(parent), document_(std::move(document)), services_(services)
{
    setObjectName(QStringLiteral("frm_childwin"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFocusPolicy(Qt::StrongFocus);

    strip_ = new ImageStrip(ImageStrip::BitsLabel::Padded);
    strip_->setObjectName(QStringLiteral("img_strip"));
    strip_->setImages(&document_.Images, services_.stripBackColor());
    stripPanel_ = new StripPanel(strip_);

    auto* grid = MakeButton("btn_Grid", tr("Grid"));
    auto* colourBar = new StripColourBar(services_);
    colourBar->setObjectName(QStringLiteral("img_StripColor"));
    colourBar->setAccessibleName(tr("Strip background colour"));
    colourBar->setPicksWhileDragging(true);
    auto* preview = MakeButton("btn_Preview", tr("Preview"));
    auto* add = MakeButton("btn_AddImage", tr("Add Image"));
    auto* remove = MakeButton("btn_DeleteImage", tr("Delete Image"));
    connect(grid, &QPushButton::clicked, this, &Tfrm_childwin::ToggleGrid);
    connect(preview, &QPushButton::clicked, &services_, &EditorServices::previewToggleRequested);
    connect(add, &QPushButton::clicked, this, &Tfrm_childwin::AddImageCommand);
    connect(remove, &QPushButton::clicked, this, &Tfrm_childwin::DeleteImageCommand);
    buttons_ = new QHBoxLayout;
    buttons_->setContentsMargins(4, 2, 4, 2);
    buttons_->addWidget(grid);
    buttons_->addWidget(colourBar, 0, Qt::AlignVCenter);
    buttons_->addStretch(1);
    buttons_->addWidget(preview);
    buttons_->addWidget(add);
    buttons_->addWidget(remove);

    canvas_ = new CanvasView;
    canvas_->setObjectName(QStringLiteral("img_canvas"));
    canvas_->setAccessibleName(tr("Canvas"));
    canvas_->setFocusPolicy(Qt::ClickFocus);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(stripPanel_);
    layout->addLayout(buttons_);
    layout->addWidget(canvas_, 1);

    tooSmallTimer_ = new QTimer(this);
    tooSmallTimer_->setSingleShot(true);
    tooSmallTimer_->setInterval(300);
    connect(tooSmallTimer_, &QTimer::timeout, this, &Tfrm_childwin::checkCanvasFits);
    connect(canvas_, &CanvasView::layoutChanged, this, [this] {
        if (canvas_->fittingZoom() > 0)
            tooSmallShown_ = false;
        tooSmallTimer_->start();
    });
    connect(canvas_, &CanvasView::canvasEvent, this, &Tfrm_childwin::dispatchCanvasEvent);
    connect(canvas_, &CanvasView::grabLost, this, [this] {
        if (ToolDispatcher* dispatcher = services_.toolDispatcher())
            dispatcher->canvasGrabLost(*this);
    });
    connect(strip_, &ImageStrip::picked, this, &Tfrm_childwin::SelectImage);
    connect(&services_, &EditorServices::stripBackColorChanged, this,
            [this] { strip_->setBackColor(services_.stripBackColor()); });
    // The colour panel's palette edits go to the active document.
    connect(&services_, &EditorServices::coloursChanged, this, [this] {
        if (services_.activeDocument() == this)
            ImageChangedFromPalette();
    });
    connect(&services_, &EditorServices::paletteEdited, this, [this] {
        if (services_.activeDocument() == this)
            RecordPaletteEdit();
    });

    // Every image the document came with gets its ImageId and its first step "New".
    for (TIconImage& image : document_.Images)
        services_.addStep(*this, image, QStringLiteral("New"));
    updateCaption();
    canvas_->setImage(document_.CurrentImage());
    strip_->setCurrent(document_.CurrentIndex);
}

Tfrm_childwin::~Tfrm_childwin()
{
    for (const TIconImage& image : document_.Images)
        services_.history().DiscardImageHistory(image);
    emit services_.historyChanged();
}

QString Tfrm_childwin::FilePath() const
{
    if (document_.FileDir.empty())
        return QString();
    return FromNativePath(document_.FileDir + document_.FileName);
}

QString Tfrm_childwin::DocumentName() const
{
    return FromNativePath(!document_.LibEntryName.empty() ? document_.LibEntryName : document_.FileName);
}

int Tfrm_childwin::Zoom() const { return canvas_->Zoom(); }

void Tfrm_childwin::AddImage(TIconImage record)
{
    services_.finishActiveTool();
    document_.AddImage(std::move(record));
    services_.addStep(*this, *document_.CurrentImage(), QStringLiteral("New"));
    RefreshCurrentImage();
    stripPanel_->scrollToCell(document_.CurrentIndex, int(document_.Images.size()));
}

void Tfrm_childwin::SelectImage(int index)
{
    if (index < 0 || index >= int(document_.Images.size()) || index == document_.CurrentIndex)
        return;
    services_.finishActiveTool();
    RecordPaletteEdit();
    document_.CurrentIndex = index;
    stripPanel_->scrollToCell(index, int(document_.Images.size()));
    // The thumbnails are as they were: only the frames, the canvas and the other windows change.
    showCurrentImage();
}

void Tfrm_childwin::RefreshCurrentImage()
{
    strip_->rebuild();
    showCurrentImage();
}

void Tfrm_childwin::ShowSelectionOutline()
{
    QPolygon outline;
    for (const TPoint& p : selection_.Points())
        outline << QPoint(p.X, p.Y);
    canvas_->setSelection(outline);
}

void Tfrm_childwin::SelectionChanged()
{
    ShowSelectionOutline();
    emit services_.selectionChanged(this);
}

void Tfrm_childwin::showCurrentImage()
{
    if (!selection_.Points().empty()) {
        selection_.SelectNone();
        SelectionChanged();
    }
    canvas_->setImage(document_.CurrentImage());
    strip_->setCurrent(document_.CurrentIndex);
    emit services_.currentImageChanged(this);
}

void Tfrm_childwin::RepaintCanvas() { canvas_->repaintCanvas(); }

void Tfrm_childwin::RecordChange(const QString& caption)
{
    TIconImage* image = document_.CurrentImage();
    if (image == nullptr)
        return;
    // Only the current image changed: its cell is composed again, the others stay.
    strip_->refreshCell(document_.CurrentIndex);
    showCurrentImage();
    services_.addStep(*this, *image, caption);
    SetModified(true);
}

bool Tfrm_childwin::ImageChangedFromPalette()
{
    TIconImage* image = document_.CurrentImage();
    const ColourSource* colours = services_.colourSource();
    const TLogPalette* palette = colours != nullptr ? colours->CurrentPalette() : nullptr;
    if (image == nullptr || palette == nullptr || !IsIndexedDepth(image->ColorDepth) ||
        palette->palNumEntries != image->Palette.palNumEntries ||
        std::equal(palette->palPalEntry.begin(), palette->palPalEntry.begin() + palette->palNumEntries,
                   image->Palette.palPalEntry.begin()))
        return false;
    services_.finishActiveTool();
    std::copy_n(palette->palPalEntry.begin(), palette->palNumEntries, image->Palette.palPalEntry.begin());
    paletteUnrecorded_ = true;
    strip_->refreshCell(document_.CurrentIndex);
    RepaintCanvas();
    return true;
}

void Tfrm_childwin::RecordPaletteEdit()
{
    if (!paletteUnrecorded_)
        return;
    paletteUnrecorded_ = false;
    RecordChange(QStringLiteral("Palette"));
}

void Tfrm_childwin::SetModified(bool modified)
{
    if (document_.Modified == modified)
        return;
    document_.Modified = modified;
    updateCaption();
    emit modifiedChanged(modified);
}

void Tfrm_childwin::updateCaption()
{
    QString caption = !document_.LibEntryName.empty()
                          ? QStringLiteral("%1 in %2 library")
                                .arg(FromNativePath(document_.LibEntryName), FromNativePath(document_.LibName))
                          : FromNativePath(document_.FileName);
    if (document_.Modified)
        caption += QStringLiteral(" *");
    setWindowTitle(caption);
    setAccessibleName(caption);
}

void Tfrm_childwin::ToggleGrid()
{
    const TIconImage* image = document_.CurrentImage();
    if (image == nullptr)
        return;
    const QRect canvas = canvas_->canvasRect();
    if (canvas.width() / image->Width < kMinGridZoom || canvas.height() / image->Height < kMinGridZoom) {
        services_.dialogs().showMessage(this, QStringLiteral("Show Grid"),
                                        QStringLiteral("Grid size less than 3 pixels, can not show grid."));
        return;
    }
    showGrid_ = !showGrid_;
    canvas_->setShowGrid(showGrid_);
}

void Tfrm_childwin::AddImageCommand()
{
    services_.finishActiveTool();
    Tfrm_add_new_image* dialog = services_.addImageDialog();
    if (dialog == nullptr)
        return;
    dialog->Prepare(&document_.Images, document_.CurrentIndex);
    if (services_.dialogs().runDialog(*dialog) != QDialog::Accepted)
        return;
    TIconImage record = dialog->TakeNewImage();
    if (const int existing = AskSwitchToExistingFormat(services_.dialogs(), this, document_.Images, record);
        existing != kNewFormat) {
        SelectImage(existing);
        return;
    }
    AddImage(std::move(record));
    SetModified(true);
}

void Tfrm_childwin::DeleteImageCommand()
{
    services_.finishActiveTool();
    TIconImage* image = document_.CurrentImage();
    Tfrm_DeleIconImage* dialog = services_.deleteImageDialog();
    if (image == nullptr || dialog == nullptr)
        return;
    if (document_.Images.size() < 2) {
        services_.dialogs().showMessage(this, QStringLiteral("Error"), QStringLiteral("At least one icon image should be reserved."));
        return;
    }
    dialog->Prepare(*image);
    if (services_.dialogs().runDialog(*dialog) != QDialog::Accepted)
        return;
    // The image is removed only once the recycle bin holds it, so nothing is lost.
    if (services_.history().RecycleImage(*image) != 0) {
        services_.dialogs().showMessage(this, QStringLiteral("Error"),
                                        tr("The image could not be moved to the recycle bin, so it was not deleted."));
        return;
    }
    emit services_.recycleBinChanged();
    document_.DeleteImage();
    stripPanel_->setStripLeft(0);
    RefreshCurrentImage();
    document_.Modified = false; // DeleteImage marked the data; the caption follows here
    SetModified(true);
}

void Tfrm_childwin::checkCanvasFits()
{
    if (document_.CurrentImage() == nullptr || canvas_->fittingZoom() > 0 || tooSmallShown_)
        return;
    tooSmallShown_ = true;
    services_.dialogs().showMessage(this, QStringLiteral("Error"), QStringLiteral("The window is too small, make it bigger."));
}

void Tfrm_childwin::dispatchCanvasEvent(const TCanvasEvent& event)
{
    ToolDispatcher* dispatcher = services_.toolDispatcher();
    if (dispatcher == nullptr || services_.activeDocument() != this || document_.CurrentIndex < 0)
        return;
    dispatcher->canvasEvent(*this, event);
}

void Tfrm_childwin::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Left && event->modifiers() == Qt::NoModifier) {
        if (document_.CurrentIndex > 0)
            SelectImage(document_.CurrentIndex - 1);
        return;
    }
    if (event->key() == Qt::Key_Right && event->modifiers() == Qt::NoModifier) {
        SelectImage(document_.CurrentIndex + 1);
        return;
    }
    QWidget::keyPressEvent(event);
}

void Tfrm_childwin::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // The strip's visible width is known only once the window is laid out.
    stripPanel_->setStripLeft(StripPanel::ScrollTarget(stripPanel_->visibleWidth(), int(document_.Images.size()),
                                                       document_.CurrentIndex));
}

void Tfrm_childwin::closeEvent(QCloseEvent* event)
{
    if (ConfirmClose())
        event->accept();
    else
        event->ignore();
}

bool Tfrm_childwin::TakeSnapshotFailureReport()
{
    if (snapshotFailureReported_)
        return false;
    snapshotFailureReported_ = true;
    return true;
}

} // namespace ormel
