#pragma once

#include <QObject>
#include <QPointer>

class QAction;
class QMenu;
class QWidget;

namespace ormel {

class Tfrm_main;

// The View menu: each command shows its floating window when it carries no tick and hides it
// when it does; the tick follows the window's visibility however it changes.
class ViewCommands : public QObject {
    Q_OBJECT

public:
    ViewCommands(Tfrm_main& frame, QMenu* menu);

    QAction* previewAction() const { return preview_; }
    QAction* historyAction() const { return history_; }
    QAction* libraryAction() const { return library_; }
    // Binds a command to its window; commands without a window stay disabled.
    void attach(QAction* action, QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* preview_;
    QAction* history_;
    QAction* library_;
};

} // namespace ormel
