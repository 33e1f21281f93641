#pragma once

#include <QAction>
#include <QIcon>
#include <QKeySequence>
#include <QMenu>

namespace ormel {

// A menu command: its object name (for tests and automation), caption, shortcut and the
// status-line hint; added to `menu`.
inline QAction* AddCommand(QMenu* menu, const char* name, const QString& caption, const QKeySequence& shortcut = {},
                           const QString& hint = {}, const QString& themeIcon = {})
{
    QAction* action = menu->addAction(caption);
    // The desktop's icon theme gives tool bar buttons their pictures; without one they show
    // their captions.
    if (!themeIcon.isEmpty())
        action->setIcon(QIcon::fromTheme(themeIcon));
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    action->setStatusTip(hint);
    return action;
}

} // namespace ormel
