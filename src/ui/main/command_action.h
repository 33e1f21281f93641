#pragma once

#include <QAction>
#include <QKeySequence>
#include <QMenu>

namespace ormel {

// A menu command: its object name (for tests and automation), caption, shortcut and the
// status-line hint; added to `menu`.
inline QAction* AddCommand(QMenu* menu, const char* name, const QString& caption, const QKeySequence& shortcut = {},
                           const QString& hint = {})
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    action->setStatusTip(hint);
    return action;
}

} // namespace ormel
