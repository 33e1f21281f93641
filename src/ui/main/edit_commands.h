#pragma once

#include "tools/orm_clipboard.h"
#include "tools/system_clipboard.h"

#include <QObject>

class QAction;
class QMenu;
class QToolBar;

namespace ormel {

class Tfrm_main;
class Tfrm_Paste;

// The Edit menu: the selection and clipboard commands, Undo and Redo.
class EditCommands : public QObject {
    Q_OBJECT

public:
    EditCommands(Tfrm_main& frame, QMenu* menu);
    void addToToolBar(QToolBar& toolBar);

private:
    void undo();
    void redo();
    void updateUndoRedo();
    // Cut, Copy and Clear follow the active document's selection.
    void updateSelection();
    void updatePaste();

    Tfrm_main& frame_;
    QAction* cut_;
    QAction* copy_;
    QAction* paste_;
    QAction* clear_;
    QAction* selectAll_;
    QAction* selectNone_;
    QAction* undo_;
    QAction* redo_;
    QtSystemClipboard systemClipboard_;
    TOrmClipboard clipboard_{systemClipboard_};
    Tfrm_Paste* pasteDialog_ = nullptr;
};

} // namespace ormel
