#pragma once

#include "library/icon_library.h"

#include <QKeySequence>
#include <QPointer>
#include <QWidget>

#include <memory>
#include <vector>

class QAction;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QToolBar;

namespace ormel {

class EditorServices;
class Tfrm_childwin;
class Tfrm_main;

// The floating icon library window: the entries of one library (an ".icl" icon library, or the
// icon groups of a program or module, read-only) as a list of thumbnails. It opens entries as
// documents, and for an editable library inserts, deletes, renames and saves entries; a
// document opened from an entry saves back into that entry, whatever it is called by then.
class Tfrm_Icon_Lib : public QWidget {
    Q_OBJECT

public:
    explicit Tfrm_Icon_Lib(Tfrm_main& frame);
    // Deletes the entries' snapshot files.
    ~Tfrm_Icon_Lib() override;

    const TIconLibrary& Library() const { return library_; }
    QString LastMessage() const { return QString::fromStdString(library_.LastMessage); }
    // LibDir + LibFileName; empty for a library never saved.
    QString LibraryPath() const;
    // The document window open on entry `index`, or null.
    Tfrm_childwin* EntryWindow(int index) const;

    // Reads the file into a new library and, when that succeeds, puts it in place of the open
    // one (closing the documents of its entries) and shows the window. Returns 0; -1 with
    // LastMessage set when the file cannot be read or is not a program or an icon library;
    // 1 when the user cancelled the reading. On -1 and 1 the open library stays as it was.
    int OpenLibrary(const QString& path);
    // Asks about the modified documents of the library's entries (Yes saves into the entry,
    // Cancel stops), then about the library's own unsaved changes (Yes, No, Cancel). 0 to go
    // on, -1 to stop.
    int AskSaveChanges();
    // The frame's way in (Open, dropped files, Reopen, Load from Icon Library): the library
    // already open is only shown; otherwise the changes are asked about and the file opened.
    // The path goes to the recent files on success; a failure is shown and drops it from them.
    void OpenFromFrame(const QString& path);
    // Writes the library (asking for a path when it has none). 0, or -1 when cancelled or
    // failed (the failure shown); the library stays modified after a failure.
    int SaveLibrary();
    void SetLibraryModified(bool modified);
    // "Save to Icon library": the active document's images become a new entry named after its
    // file, and the document that entry's. 0, or -1 with the failure shown.
    int SaveActiveDocument();

    // The commands, also reachable from the tool bar and the pop-up menu.
    void NewLibrary();
    void OpenCommand();
    void SaveCommand();
    void InsertEntry();
    void EditEntry(int index);
    void DeleteEntry(int index);
    void RenameEntry(int index);
    // The selected entry's index, or -1.
    int SelectedIndex() const;

private:
    QAction* addCommand(QMenu* menu, const char* name, const QString& caption, const QString& hint,
                        const QKeySequence& shortcut);
    void setEditable(bool editable);
    void updateCaption();
    void fillList();
    QListWidgetItem* makeItem(const TGroupIcon& entry) const;
    void refreshItem(int index);
    // Puts the new library in place of the open one, closing the documents of its entries.
    void replaceLibrary(TIconLibrary fresh);
    void closeEntryDocuments();
    std::string newTempDir();
    // The window, unless it is gone or closed (a closed window is deleted a moment later).
    Tfrm_childwin* openWindow(const QPointer<Tfrm_childwin>& window) const;
    // Binds a document window to entry `index`.
    void bindDocument(Tfrm_childwin& window, int index);
    int saveDocumentToEntry(Tfrm_childwin* window);
    void refreshDocumentCaptions();
    void showWindowOf(Tfrm_childwin& window);

    Tfrm_main& frame_;
    EditorServices& services_;
    TIconLibrary library_;
    // The document window open on each entry, in the order of the entries.
    std::vector<QPointer<Tfrm_childwin>> windows_;
    int loads_ = 0;
    QToolBar* toolBar_;
    QListWidget* list_;
    QMenu* popup_;
    QAction* open_;
    QAction* new_;
    QAction* save_;
    QAction* delete_;
    QAction* insert_;
    QAction* edit_;
    QAction* rename_;
};

} // namespace ormel
