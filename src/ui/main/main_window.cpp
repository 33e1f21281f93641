#include "main/main_window.h"

#include "document/document_window.h"
#include "document/file_path.h"
#include "files/file_access.h"
#include "main/creator_commands.h"
#include "main/dialog_service.h"
#include "main/edit_commands.h"
#include "main/editor_services.h"
#include "main/effect_commands.h"
#include "main/file_commands.h"
#include "main/floating_windows.h"
#include "main/help_commands.h"
#include "library/icon_library_window.h"
#include "main/view_commands.h"
#include "main/window_commands.h"
#include "main/window_placement_keeper.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QToolBar>

namespace ormel {

namespace {

const QSize kDocumentWindowSize(475, 553);
const QSize kDocumentWindowMinimum(350, 486);
const QSize kDocumentWindowMaximum(1290, 1024);

bool IsLibraryExtension(const QString& suffix)
{
    static const QStringList kLibraries{QStringLiteral("EXE"), QStringLiteral("DLL"), QStringLiteral("ICL"),
                                        QStringLiteral("CPL"), QStringLiteral("OCX")};
    return kLibraries.contains(suffix);
}

} // namespace

Tfrm_main::Tfrm_main(std::unique_ptr<DialogService> dialogs, QWidget* parent)
    : QMainWindow(parent),
      services_(std::make_unique<EditorServices>(
          std::move(dialogs), LocateAppDirectories(QCoreApplication::applicationDirPath().toStdString())))
{
    setObjectName(QStringLiteral("frm_main"));
    setWindowTitle(QStringLiteral("Ormel"));
    setAcceptDrops(true);
    resize(1024, 768);

    mdiArea_ = new QMdiArea;
    mdiArea_->setObjectName(QStringLiteral("mdi_area"));
    mdiArea_->setAccessibleName(tr("Documents"));
    setCentralWidget(mdiArea_);
    services_->setActiveDocumentSource([this] { return ActiveDocument(); });
    new PlacementKeeper(*this, services_->positionFile(), false, true);

    QToolBar* toolBar = addToolBar(tr("Tool Bar"));
    toolBar->setObjectName(QStringLiteral("tlb_main"));
    toolBar->setMovable(false);
    statusBar()->setObjectName(QStringLiteral("stb_main"));
    auto* format = new QLabel;
    format->setObjectName(QStringLiteral("lab_ImageFormat"));
    statusBar()->addPermanentWidget(format);
    connect(services_.get(), &EditorServices::currentImageChanged, format, [this, format] {
        const Tfrm_childwin* document = ActiveDocument();
        const TIconImage* image = ActiveImage();
        format->setText(image == nullptr ? QString()
                                         : tr("%1 x %2, %3 bits, zoom %4")
                                               .arg(image->Width)
                                               .arg(image->Height)
                                               .arg(DepthToBits(image->ColorDepth))
                                               .arg(document->Zoom()));
    });

    fileCommands_ = std::make_unique<FileCommands>(*this, menuBar()->addMenu(tr("&File")));
    editCommands_ = std::make_unique<EditCommands>(*this, menuBar()->addMenu(tr("&Edit")));
    viewCommands_ = std::make_unique<ViewCommands>(*this, menuBar()->addMenu(tr("&View")));
    effectCommands_ = std::make_unique<EffectCommands>(*this, menuBar()->addMenu(tr("Effe&ct")));
    creatorCommands_ = std::make_unique<CreatorCommands>(*this, menuBar()->addMenu(tr("Icon C&reators")));
    windowCommands_ = std::make_unique<WindowCommands>(*this, menuBar()->addMenu(tr("&Window")));
    helpCommands_ = std::make_unique<HelpCommands>(*this, menuBar()->addMenu(tr("&Help")));
    floating_ = new FloatingWindows(*this, *viewCommands_);

    fileCommands_->addToToolBar(*toolBar);
    editCommands_->addToToolBar(*toolBar);
    windowCommands_->addToToolBar(*toolBar);

    connect(mdiArea_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* sub) {
        if (auto* document = sub != nullptr ? qobject_cast<Tfrm_childwin*>(sub->widget()) : nullptr)
            document->RefreshCurrentImage();
        else
            emit services_->currentImageChanged(nullptr);
        emit activeDocumentChanged();
    });
}

// The windows go first: they tell the services (history, recent files) about their end.
Tfrm_main::~Tfrm_main()
{
    // From here on there is no active document, also for the documents' own last words.
    QMdiArea* area = mdiArea_;
    mdiArea_ = nullptr;
    delete area;
    // The floating windows and dialogs hold the services and the menus' commands watch them;
    // they go before both.
    delete floating_;
}

Tfrm_childwin* Tfrm_main::ActiveDocument() const
{
    // The current subwindow stays set while a dialog or a floating window has the focus.
    QMdiSubWindow* sub = mdiArea_ != nullptr ? mdiArea_->currentSubWindow() : nullptr;
    return sub != nullptr ? qobject_cast<Tfrm_childwin*>(sub->widget()) : nullptr;
}

TIconImage* Tfrm_main::ActiveImage() const
{
    Tfrm_childwin* document = ActiveDocument();
    return document != nullptr ? document->CurrentImage() : nullptr;
}

void Tfrm_main::RefreshActiveImage()
{
    if (Tfrm_childwin* document = ActiveDocument())
        document->RefreshCurrentImage();
}

int Tfrm_main::ActiveImageDepth() const
{
    const TIconImage* image = ActiveImage();
    return image != nullptr ? image->ColorDepth : Depth32;
}

QList<Tfrm_childwin*> Tfrm_main::Documents() const
{
    QList<Tfrm_childwin*> documents;
    if (mdiArea_ == nullptr)
        return documents;
    for (QMdiSubWindow* sub : mdiArea_->subWindowList())
        if (auto* document = qobject_cast<Tfrm_childwin*>(sub->widget()))
            documents.append(document);
    return documents;
}

void Tfrm_main::OpenFiles(const QStringList& paths)
{
    bool libraryTaken = false;
    for (const QString& given : paths) {
        if (given.isEmpty())
            continue;
        // One spelling per file: "./a.ico" and "a.ico" are the same document.
        const QString path = QDir::cleanPath(QFileInfo(given).absoluteFilePath());
        if (FindOpenDocument(path))
            continue;
        const QString suffix = QFileInfo(path).suffix().toUpper();
        if (suffix == QStringLiteral("ICO")) {
            OpenIconFile(path);
        } else if (IsLibraryExtension(suffix)) {
            if (libraryTaken)
                continue;
            libraryTaken = true;
            floating_->Library().OpenFromFrame(path);
        } else {
            services_->removeRecentFile(path);
        }
    }
}

bool Tfrm_main::FindOpenDocument(const QString& path)
{
    for (QMdiSubWindow* sub : mdiArea_->subWindowList()) {
        const auto* document = qobject_cast<Tfrm_childwin*>(sub->widget());
        if (document != nullptr && !document->FilePath().isEmpty() &&
            QDir::cleanPath(QFileInfo(document->FilePath()).absoluteFilePath()) == path) {
            if (sub->isMinimized())
                sub->showNormal();
            mdiArea_->setActiveSubWindow(sub);
            return true;
        }
    }
    return false;
}

Tfrm_childwin* Tfrm_main::AddDocumentWindow(TIconDocument document)
{
    auto* window = new Tfrm_childwin(std::move(document), *services_);
    QMdiSubWindow* sub = mdiArea_->addSubWindow(window);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->resize(kDocumentWindowSize);
    sub->setMinimumSize(kDocumentWindowMinimum);
    sub->setMaximumSize(kDocumentWindowMaximum);
    sub->show();
    // Activation refreshes the window and tells the others.
    mdiArea_->setActiveSubWindow(sub);
    return window;
}

void Tfrm_main::OpenIconFile(const QString& path)
{
    TIconDocument document;
    TIconFileAccess access;
    const int result = access.OpenIconFile(ToNativePath(path), document);
    // A partly readable file still opens with the images that could be read.
    const bool opened = !document.Images.empty();
    if (opened) {
        AddDocumentWindow(std::move(document));
        services_->addRecentFile(path);
    } else {
        services_->removeRecentFile(path);
    }
    if (result != 0)
        services_->dialogs().showMessage(this, QStringLiteral("Open Icon"), QString::fromStdString(access.ErrorText));
}

void Tfrm_main::closeEvent(QCloseEvent* event)
{
    // The library and the documents of its entries first: their Yes saves into the library.
    if (floating_->Library().AskSaveChanges() != 0) {
        event->ignore();
        return;
    }
    // Every modified document is asked about before anything closes: Cancel, a cancelled
    // save dialog or a failed save keeps the editor running with everything open.
    for (Tfrm_childwin* document : Documents()) {
        if (!document->ConfirmClose()) {
            event->ignore();
            return;
        }
    }
    emit services_->aboutToQuit();
    event->accept();
}

void Tfrm_main::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (shownOnce_)
        return;
    shownOnce_ = true;
    floating_->placeAndShow();
}

void Tfrm_main::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void Tfrm_main::dropEvent(QDropEvent* event)
{
    event->acceptProposedAction();
    OpenDroppedFiles(*event->mimeData());
}

void Tfrm_main::OpenDroppedFiles(const QMimeData& data)
{
    QStringList paths;
    for (const QUrl& url : data.urls())
        if (url.isLocalFile())
            paths.append(url.toLocalFile());
    OpenFiles(paths);
}

} // namespace ormel
