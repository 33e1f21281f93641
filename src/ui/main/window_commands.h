#pragma once

#include <QObject>

class QAction;
class QMenu;
class QToolBar;

namespace ormel {

class Tfrm_main;

// The Window menu: the arrangements of the document windows and a list of them.
class WindowCommands : public QObject {
    Q_OBJECT

public:
    WindowCommands(Tfrm_main& frame, QMenu* menu);
    void addToToolBar(QToolBar& toolBar);

private:
    // Lays the windows that are not minimised out as full-width rows (horizontal) or
    // full-height columns (vertical).
    void tile(Qt::Orientation orientation);
    void minimizeAll();
    // Lines the minimised windows up along the bottom of the area.
    void arrangeAll();
    void rebuildList();

    Tfrm_main& frame_;
    QMenu* menu_;
    QAction* cascade_;
    QAction* tileHorizontal_;
    QAction* tileVertical_;
    QAction* listStart_;
    QList<QAction*> listed_;
};

} // namespace ormel
