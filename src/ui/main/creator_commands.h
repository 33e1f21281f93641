#pragma once

#include <QObject>

class QMenu;

namespace ormel {

class Tfrm_main;

// The Icon Creators menu. Photo to Icon, the mixer and the icon library belong to windows
// this version does not have: their commands are listed and disabled.
class CreatorCommands : public QObject {
    Q_OBJECT

public:
    CreatorCommands(Tfrm_main& frame, QMenu* menu);
};

} // namespace ormel
