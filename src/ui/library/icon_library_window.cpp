#include "library/icon_library_window.h"

#include "document/document_window.h"
#include "document/file_path.h"
#include "library/library_items.h"
#include "library/library_loader.h"
#include "library/library_store.h"
#include "library/library_writer.h"
#include "library/thumbnail.h"
#include "main/dialog_service.h"
#include "main/editor_services.h"
#include "main/main_window.h"
#include "main/window_placement_keeper.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QMdiArea>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <filesystem>

namespace ormel {

namespace {

const QString kOpenFilter = QStringLiteral("Icon Library(*.exe *.dll *.icl *.cpl *.ocx *.EXE *.DLL *.ICL *.CPL *.OCX)");
const QString kSaveFilter = QStringLiteral("Icon Library(*.icl *.ICL)");

void RemoveTempDir(const std::string& dir)
{
    std::error_code ec;
    if (!dir.empty() && std::filesystem::is_empty(dir, ec))
        std::filesystem::remove(dir, ec);
}

} // namespace

Tfrm_Icon_Lib::Tfrm_Icon_Lib(Tfrm_main& frame) : QWidget(&frame, Qt::Tool), frame_(frame), services_(frame.Services())
{
    setObjectName(QStringLiteral("frm_Icon_Lib"));
    setAccessibleName(QStringLiteral("Icon Library"));
    resize(612, 273);
    new PlacementKeeper(*this, services_.positionFile(), true, true);

    toolBar_ = new QToolBar;
    toolBar_->setObjectName(QStringLiteral("tlb_ico_lib"));
    list_ = new QListWidget;
    list_->setObjectName(QStringLiteral("lsv_Lib"));
    list_->setAccessibleName(QStringLiteral("Icons"));
    list_->setViewMode(QListView::IconMode);
    list_->setIconSize(QSize(kThumbnailSize, kThumbnailSize));
    list_->setGridSize(QSize(96, 72));
    list_->setMovement(QListView::Static);
    list_->setResizeMode(QListView::Adjust);
    list_->setWordWrap(true);
    list_->setUniformItemSizes(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolBar_);
    layout->addWidget(list_);

    popup_ = new QMenu(this);
    popup_->setObjectName(QStringLiteral("pm_icon_lib"));
    open_ = addCommand(popup_, "act_LibOpen", QStringLiteral("&Open Library"), QStringLiteral("Opens an existing icon library"),
                       QKeySequence(Qt::CTRL | Qt::Key_O));
    new_ = addCommand(popup_, "act_LibNew", QStringLiteral("&New Library"), QStringLiteral("Create new icon library"),
                      QKeySequence(Qt::CTRL | Qt::Key_N));
    save_ = addCommand(popup_, "act_LibSave", QStringLiteral("&Save"), QStringLiteral("Save Icon Library"),
                       QKeySequence(Qt::CTRL | Qt::Key_S));
    popup_->addSeparator();
    insert_ = addCommand(popup_, "act_LibInsert", QStringLiteral("&Insert"), QStringLiteral("Insert an icon into library"),
                         QKeySequence(Qt::CTRL | Qt::Key_I));
    edit_ = addCommand(popup_, "act_LibEdit", QStringLiteral("Edit"), QStringLiteral("Edit the icon"), {});
    rename_ = addCommand(popup_, "act_LibRename", QStringLiteral("Rename"), QStringLiteral("Rename one icon"), {});
    delete_ = addCommand(popup_, "act_LibDelete", QStringLiteral("&Delete"), QStringLiteral("Delete an Icon form library"),
                         QKeySequence(Qt::Key_Delete));
    const std::pair<QAction*, const char*> buttons[] = {{new_, "btn_new"},        {open_, "btn_open"},
                                                        {save_, "btn_Save"},      {nullptr, nullptr},
                                                        {rename_, "btn_rename"},  {edit_, "btn_edit"},
                                                        {insert_, "btn_Insert"},  {delete_, "btn_Delete"}};
    for (const auto& [action, name] : buttons) {
        if (action == nullptr) {
            toolBar_->addSeparator();
            continue;
        }
        toolBar_->addAction(action);
        QWidget* button = toolBar_->widgetForAction(action);
        button->setObjectName(QLatin1String(name));
        button->setAccessibleName(action->text().remove(QLatin1Char('&')));
        button->setFocusPolicy(Qt::TabFocus);
    }

    connect(open_, &QAction::triggered, this, &Tfrm_Icon_Lib::OpenCommand);
    connect(new_, &QAction::triggered, this, &Tfrm_Icon_Lib::NewLibrary);
    connect(save_, &QAction::triggered, this, &Tfrm_Icon_Lib::SaveCommand);
    connect(insert_, &QAction::triggered, this, &Tfrm_Icon_Lib::InsertEntry);
    connect(edit_, &QAction::triggered, this, [this] { EditEntry(SelectedIndex()); });
    connect(rename_, &QAction::triggered, this, [this] { RenameEntry(SelectedIndex()); });
    connect(delete_, &QAction::triggered, this, [this] { DeleteEntry(SelectedIndex()); });
    connect(list_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) { EditEntry(list_->row(item)); });
    connect(list_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { popup_->popup(list_->viewport()->mapToGlobal(at)); });

    library_.TempDir = newTempDir();
    setEditable(false);
    SetLibraryModified(false);
}

Tfrm_Icon_Lib::~Tfrm_Icon_Lib()
{
    ClearLibrary(library_);
    RemoveTempDir(library_.TempDir);
}

QAction* Tfrm_Icon_Lib::addCommand(QMenu* menu, const char* name, const QString& caption, const QString& hint,
                                   const QKeySequence& shortcut)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    action->setToolTip(hint);
    action->setStatusTip(hint);
    action->setShortcut(shortcut);
    // The shortcuts act only while this window has the focus; the frame has its own.
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(action);
    return action;
}

std::string Tfrm_Icon_Lib::newTempDir()
{
    // Each library gets its own directory, so a library being read never meets the files of
    // the open one.
    const std::string root = services_.workSubdirectory("tmplib");
    if (root.empty())
        return root;
    const std::string dir = root + "lib" + std::to_string(++loads_) + "/";
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    return dir;
}

QString Tfrm_Icon_Lib::LibraryPath() const
{
    if (library_.LibDir.empty())
        return QString();
    return FromNativePath(library_.LibDir + library_.LibFileName);
}

Tfrm_childwin* Tfrm_Icon_Lib::EntryWindow(int index) const
{
    return index >= 0 && std::size_t(index) < windows_.size() ? openWindow(windows_[std::size_t(index)]) : nullptr;
}

Tfrm_childwin* Tfrm_Icon_Lib::openWindow(const QPointer<Tfrm_childwin>& window) const
{
    return !window.isNull() && window->isVisibleTo(&frame_.MdiArea()) ? window.data() : nullptr;
}

int Tfrm_Icon_Lib::SelectedIndex() const
{
    const QList<QListWidgetItem*> selected = list_->selectedItems();
    return selected.isEmpty() ? -1 : list_->row(selected.first());
}

void Tfrm_Icon_Lib::setEditable(bool editable)
{
    library_.Editable = editable;
    for (QAction* action : {save_, insert_, delete_, rename_})
        action->setEnabled(editable);
}

void Tfrm_Icon_Lib::SetLibraryModified(bool modified)
{
    library_.Modified = modified;
    updateCaption();
}

void Tfrm_Icon_Lib::updateCaption()
{
    QString caption = QStringLiteral("Icon Library");
    if (!library_.LibFileName.empty())
        caption += QStringLiteral(" - ") + FromNativePath(library_.LibFileName);
    if (library_.Modified)
        caption += QStringLiteral(" *");
    setWindowTitle(caption);
}

QListWidgetItem* Tfrm_Icon_Lib::makeItem(const TGroupIcon& entry) const
{
    auto* item = new QListWidgetItem(EntryIcon(entry), EntryCaption(entry, library_.Editable));
    item->setToolTip(UnopenableReason(entry, library_.Editable));
    return item;
}

void Tfrm_Icon_Lib::fillList()
{
    list_->setUpdatesEnabled(false);
    list_->clear();
    for (const TGroupIcon& entry : library_.Groups)
        list_->addItem(makeItem(entry));
    list_->setUpdatesEnabled(true);
}

void Tfrm_Icon_Lib::refreshItem(int index)
{
    QListWidgetItem* item = list_->item(index);
    if (item == nullptr || std::size_t(index) >= library_.Groups.size())
        return;
    const TGroupIcon& entry = library_.Groups[std::size_t(index)];
    item->setIcon(EntryIcon(entry));
    item->setText(EntryCaption(entry, library_.Editable));
    item->setToolTip(UnopenableReason(entry, library_.Editable));
}

void Tfrm_Icon_Lib::closeEntryDocuments()
{
    // The documents were asked about before; one changed since is kept as an ordinary icon.
    // Documents opened from a read-only library are ordinary icons already and stay open.
    for (const QPointer<Tfrm_childwin>& bound : windows_) {
        Tfrm_childwin* window = openWindow(bound);
        if (window == nullptr || !window->IsLibraryDocument())
            continue;
        if (window->Document().Modified)
            window->DetachFromLibrary();
        else if (QWidget* sub = window->parentWidget())
            sub->close();
        else
            window->close();
    }
    windows_.clear();
}

void Tfrm_Icon_Lib::replaceLibrary(TIconLibrary fresh)
{
    closeEntryDocuments();
    ClearLibrary(library_);
    RemoveTempDir(library_.TempDir);
    library_ = std::move(fresh);
    windows_.assign(library_.Groups.size(), nullptr);
    setEditable(library_.Editable);
    fillList();
    SetLibraryModified(false);
}

int Tfrm_Icon_Lib::OpenLibrary(const QString& path)
{
    const QFileInfo info(path);
    TIconLibrary fresh;
    fresh.TempDir = newTempDir();
    const LibraryReadResult result = LibraryLoader::Read(this, fresh, info.absoluteFilePath());
    if (result != LibraryReadResult::Read) {
        ClearLibrary(fresh);
        RemoveTempDir(fresh.TempDir);
        if (result == LibraryReadResult::Stopped) {
            library_.LastMessage.clear();
            return 1;
        }
        library_.LastMessage = (result == LibraryReadResult::CannotRead
                                    ? QStringLiteral("Can't read the file '%1'.")
                                    : QStringLiteral("The file '%1' is neither a program nor an icon library."))
                                   .arg(QDir::toNativeSeparators(info.absoluteFilePath()))
                                   .toStdString();
        return -1;
    }
    // Only an icon library can be written back; programs and modules are read-only.
    fresh.Editable = info.suffix().toUpper() == QStringLiteral("ICL");
    fresh.LibFileName = ToNativePath(info.fileName());
    fresh.LibDir = ToNativePath(info.absolutePath() + QLatin1Char('/'));
    replaceLibrary(std::move(fresh));
    show();
    raise();
    return 0;
}

int Tfrm_Icon_Lib::AskSaveChanges()
{
    for (const QPointer<Tfrm_childwin>& bound : windows_) {
        Tfrm_childwin* window = openWindow(bound);
        if (window != nullptr && window->IsLibraryDocument() && window->Document().Modified && !window->ConfirmClose())
            return -1;
    }
    if (!library_.Editable || !library_.Modified)
        return 0;
    const auto answer = services_.dialogs().ask(
        this, QStringLiteral("Save Library"),
        QStringLiteral("The library '%1' has been modified. Do you want to save it?").arg(FromNativePath(library_.LibFileName)),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (answer == QMessageBox::Yes)
        return SaveLibrary();
    return answer == QMessageBox::No ? 0 : -1;
}

void Tfrm_Icon_Lib::OpenFromFrame(const QString& path)
{
    const QString clean = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    if (!LibraryPath().isEmpty() && QDir::cleanPath(LibraryPath()) == clean) {
        show();
        raise();
        return;
    }
    if (AskSaveChanges() != 0)
        return;
    const int result = OpenLibrary(clean);
    if (result == 0) {
        services_.addRecentFile(clean);
    } else if (result < 0) {
        services_.dialogs().showMessage(&frame_, QStringLiteral("Open Icon Library"), LastMessage());
        services_.removeRecentFile(clean);
    }
}

void Tfrm_Icon_Lib::OpenCommand()
{
    if (AskSaveChanges() != 0)
        return;
    const QStringList files = services_.dialogs().askOpenFiles(this, QStringLiteral("Open Icon Library"), kOpenFilter);
    if (files.isEmpty())
        return;
    if (OpenLibrary(files.first()) < 0)
        services_.dialogs().showMessage(this, QStringLiteral("Open Icon Library"), LastMessage());
}

void Tfrm_Icon_Lib::NewLibrary()
{
    if (AskSaveChanges() != 0)
        return;
    TIconLibrary fresh;
    fresh.TempDir = newTempDir();
    fresh.Editable = true;
    fresh.LibFileName = "New Icon Lib";
    TGroupIcon entry;
    entry.Name = "New Icon";
    entry.Formats.resize(1);
    entry.Formats[0].ID = 1;
    entry.Thumbnail.resize(kThumbnailSize, kThumbnailSize);
    entry.Thumbnail.fill(255, 255, 255);
    fresh.Groups.push_back(std::move(entry));
    replaceLibrary(std::move(fresh));
}

void Tfrm_Icon_Lib::SaveCommand()
{
    if (library_.Editable)
        SaveLibrary();
}

int Tfrm_Icon_Lib::SaveLibrary()
{
    QString path = LibraryPath();
    if (path.isEmpty()) {
        path = services_.dialogs().askSaveFile(this, QStringLiteral("Save Icon Library"), kSaveFilter,
                                               FromNativePath(library_.LibFileName), QStringLiteral("icl"));
        if (path.isEmpty())
            return -1;
        if (QFileInfo(path).suffix().toUpper() != QStringLiteral("ICL")) {
            // The name the library is written under is the one asked about.
            path += QStringLiteral(".icl");
            if (QFileInfo::exists(path) &&
                services_.dialogs().ask(this, QStringLiteral("Save Icon Library"),
                                        QStringLiteral("%1 already exists.\nDo you want to replace it?")
                                            .arg(QDir::toNativeSeparators(path)),
                                        QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
                return -1;
        }
    }
    if (WriteLibraryFile(library_, ToNativePath(path)) != 0) {
        services_.dialogs().showMessage(this, QStringLiteral("Save Library"), LastMessage());
        return -1;
    }
    const QFileInfo info(path);
    const bool named = library_.LibDir.empty();
    library_.LibDir = ToNativePath(info.absolutePath() + QLatin1Char('/'));
    library_.LibFileName = ToNativePath(info.fileName());
    if (named)
        services_.addRecentFile(info.absoluteFilePath());
    SetLibraryModified(false);
    refreshDocumentCaptions();
    return 0;
}

} // namespace ormel
