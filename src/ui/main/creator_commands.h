#pragma once

#include <QObject>

class QMenu;

namespace ormel {

class Tfrm_main;

// The Icon Creators menu: loading from and saving to the icon library. Photo to Icon and the
// mixer belong to windows this version does not have: their commands are listed and disabled.
class CreatorCommands : public QObject {
    Q_OBJECT

public:
    CreatorCommands(Tfrm_main& frame, QMenu* menu);
};

} // namespace ormel
