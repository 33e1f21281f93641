#pragma once

#include <QObject>

class QAction;
class QMenu;
class QToolBar;

namespace ormel {

class Tfrm_main;

// The File menu: new, open, reopen, save, save as, properties, close and exit.
class FileCommands : public QObject {
    Q_OBJECT

public:
    FileCommands(Tfrm_main& frame, QMenu* menu);
    void addToToolBar(QToolBar& toolBar);

    // The proposed name of Save As: the file name without its extension, when it has one.
    static QString ProposedSaveName(const QString& fileName);
    // Asks for the first image's format (48 x 48, 32 bits proposed) and opens a new document
    // of that name, not modified.
    void NewDocument(const QString& name);

private:
    void open();
    void save();
    void properties();
    void saveAs();
    void rebuildReopenMenu();
    void updateEnabled();

    Tfrm_main& frame_;
    QAction* new_ = nullptr;
    QAction* open_;
    QMenu* reopen_;
    QAction* save_;
    QAction* saveAs_;
    QAction* properties_ = nullptr;
    QAction* toLibrary_;
    QAction* close_;
};

} // namespace ormel
