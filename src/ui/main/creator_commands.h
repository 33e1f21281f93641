#pragma once

#include <QObject>

class QMenu;

namespace ormel {

class Tfrm_CartoonOption;
class Tfrm_PhotoToIcon;
class Tfrm_main;

// The Icon Creators menu: a new icon from a picture, the icon mixer, loading from and saving
// to the icon library.
class CreatorCommands : public QObject {
    Q_OBJECT

public:
    CreatorCommands(Tfrm_main& frame, QMenu* menu);

    // The picture-to-icon dialog and its cartoon options, made on first use and kept for the
    // rest of the run.
    Tfrm_PhotoToIcon& PhotoDialog();

private:
    Tfrm_main& frame_;
    Tfrm_CartoonOption* cartoon_ = nullptr;
    Tfrm_PhotoToIcon* photo_ = nullptr;
};

} // namespace ormel
