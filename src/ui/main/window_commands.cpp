#include "main/window_commands.h"

#include "main/command_action.h"
#include "main/main_window.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QToolBar>

namespace ormel {

WindowCommands::WindowCommands(Tfrm_main& frame, QMenu* menu) : QObject(&frame), frame_(frame), menu_(menu)
{
    QMdiArea& area = frame_.MdiArea();
    cascade_ = AddCommand(menu, "act_Cascade", tr("&Cascade"), {}, tr("Arrange the icons overlapping"));
    tileHorizontal_ = AddCommand(menu, "act_TileHorizontal", tr("Tile &Horizontal"), {}, tr("Arrange the icons one above the other"));
    tileVertical_ = AddCommand(menu, "act_TileVertical", tr("Tile &Vertical"), {}, tr("Arrange the icons side by side"));
    QAction* minimize = AddCommand(menu, "act_MinimizeAll", tr("&Minimize All"));
    QAction* arrange = AddCommand(menu, "act_ArrangeAll", tr("&Arrange All"));
    listStart_ = menu->addSeparator();

    connect(cascade_, &QAction::triggered, &area, &QMdiArea::cascadeSubWindows);
    connect(tileHorizontal_, &QAction::triggered, this, [this] { tile(Qt::Horizontal); });
    connect(tileVertical_, &QAction::triggered, this, [this] { tile(Qt::Vertical); });
    connect(minimize, &QAction::triggered, this, &WindowCommands::minimizeAll);
    connect(arrange, &QAction::triggered, this, &WindowCommands::arrangeAll);
    connect(menu, &QMenu::aboutToShow, this, &WindowCommands::rebuildList);
}

void WindowCommands::addToToolBar(QToolBar& toolBar)
{
    toolBar.addSeparator();
    toolBar.addAction(cascade_);
    toolBar.addAction(tileHorizontal_);
    toolBar.addAction(tileVertical_);
}

void WindowCommands::tile(Qt::Orientation orientation)
{
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* sub : frame_.MdiArea().subWindowList())
        if (!sub->isMinimized() && sub->isVisible())
            windows.append(sub);
    if (windows.isEmpty())
        return;
    const QRect area = frame_.MdiArea().viewport()->rect();
    const int n = int(windows.size());
    for (int i = 0; i < n; ++i) {
        QMdiSubWindow* sub = windows[i];
        if (sub->isMaximized())
            sub->showNormal();
        QRect cell = orientation == Qt::Horizontal
                         ? QRect(0, area.height() * i / n, area.width(), area.height() * (i + 1) / n - area.height() * i / n)
                         : QRect(area.width() * i / n, 0, area.width() * (i + 1) / n - area.width() * i / n, area.height());
        // Windows keep their minimum and maximum sizes.
        cell.setSize(cell.size().expandedTo(sub->minimumSize()).boundedTo(sub->maximumSize()));
        sub->setGeometry(cell);
    }
}

void WindowCommands::minimizeAll()
{
    for (QMdiSubWindow* sub : frame_.MdiArea().subWindowList())
        sub->showMinimized();
}

void WindowCommands::arrangeAll()
{
    const QRect area = frame_.MdiArea().viewport()->rect();
    int x = 0;
    int y = area.bottom();
    for (QMdiSubWindow* sub : frame_.MdiArea().subWindowList()) {
        if (!sub->isMinimized())
            continue;
        const QSize size = sub->size();
        if (x > 0 && x + size.width() > area.width()) {
            x = 0;
            y -= size.height();
        }
        sub->move(x, y - size.height() + 1);
        x += size.width();
    }
}

void WindowCommands::rebuildList()
{
    qDeleteAll(listed_);
    listed_.clear();
    QMdiArea& area = frame_.MdiArea();
    int index = 0;
    for (QMdiSubWindow* sub : area.subWindowList()) {
        QAction* item = menu_->addAction(QStringLiteral("&%1 %2").arg(++index).arg(sub->windowTitle()));
        item->setObjectName(QStringLiteral("act_Window%1").arg(index));
        item->setCheckable(true);
        item->setChecked(sub == area.currentSubWindow());
        connect(item, &QAction::triggered, &area, [&area, sub = QPointer<QMdiSubWindow>(sub)] {
            if (sub == nullptr)
                return;
            if (sub->isMinimized())
                sub->showNormal();
            area.setActiveSubWindow(sub);
        });
        listed_.append(item);
    }
    listStart_->setVisible(!listed_.isEmpty());
}

} // namespace ormel
