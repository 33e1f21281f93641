#pragma once

#include "effects/instant_commands.h"

#include <QList>
#include <QObject>

class QAction;
class QMenu;

namespace ormel {

class Tfrm_main;

// The Effect menu. The instant commands (flips, turns, Invert Color) change the active image
// at once and record their step; the effects with dialogs are listed and disabled until
// their dialogs exist.
class EffectCommands : public QObject {
    Q_OBJECT

public:
    EffectCommands(Tfrm_main& frame, QMenu* menu);

private:
    void run(TInstantCommand command, const QString& caption);
    void updateEnabled();

    Tfrm_main& frame_;
    QList<QAction*> instant_;
};

} // namespace ormel
