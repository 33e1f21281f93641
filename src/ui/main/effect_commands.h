#pragma once

#include "effects/instant_commands.h"

#include <QList>
#include <QObject>

#include <functional>
#include <memory>

class QAction;
class QMenu;
class QWidget;

namespace ormel {

class EditorServices;
class Tfrm_Effect;
class Tfrm_main;

// The Effect menu. The instant commands (flips, turns, Invert Color) change the active image
// at once and record their step. An effect dialog runs on the active image and, when
// accepted, records one step with the dialog's step caption.
class EffectCommands : public QObject {
    Q_OBJECT

public:
    EffectCommands(Tfrm_main& frame, QMenu* menu);

private:
    void run(TInstantCommand command, const QString& caption);
    void updateEnabled();

    using DialogFactory = std::function<std::unique_ptr<Tfrm_Effect>(EditorServices&, QWidget*)>;
    void addDialogEffect(QMenu* menu, const char* name, const QString& caption, DialogFactory make);
    void runDialog(const DialogFactory& make);

    Tfrm_main& frame_;
    QList<QAction*> imageActions_; // enabled while there is an active image
};

} // namespace ormel
