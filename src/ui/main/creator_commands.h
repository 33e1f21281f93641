#pragma once

#include <QObject>

class QMenu;

namespace ormel {

class Tfrm_main;

// The Icon Creators menu: the icon mixer, loading from and saving to the icon library. Photo
// to Icon belongs to a window this version does not have: its command is listed and disabled.
class CreatorCommands : public QObject {
    Q_OBJECT

public:
    CreatorCommands(Tfrm_main& frame, QMenu* menu);
};

} // namespace ormel
