#pragma once

#include <QObject>

class QMenu;

namespace ormel {

class Tfrm_main;

// The Help menu: the help pages shipped in the data directory, the about box and the
// project's home page.
class HelpCommands : public QObject {
    Q_OBJECT

public:
    HelpCommands(Tfrm_main& frame, QMenu* menu);

private:
    void openHelp();
    void about();
    void homePage();

    Tfrm_main& frame_;
};

} // namespace ormel
