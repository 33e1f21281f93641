#pragma once

#include <QObject>

class QAction;
class QMenu;
class QToolBar;

namespace ormel {

class Tfrm_main;

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

    Tfrm_main& frame_;
    QAction* cut_;
    QAction* copy_;
    QAction* paste_;
    QAction* undo_;
    QAction* redo_;
};

} // namespace ormel
