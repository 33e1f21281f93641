#pragma once

#include "raster/gradient_nodes.h"
#include "tools/gradient_editor.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QPushButton;
class QSpinBox;

namespace ormel {

class DialogService;
class GradientBox;

// The gradient editor: seven stops on a bar, each with a colour and an enabled flag, moved
// with the mouse or the spin boxes; presets and reversal. One dialog serves both shapes and
// keeps its stops from one opening to the next; Cancel puts them back as they were.
class Tfrm_GradientColor : public QDialog {
    Q_OBJECT

public:
    Tfrm_GradientColor(DialogService& dialogs, QWidget* parent = nullptr);

    // Runs the dialog; true on OK, when Result holds the new gradient.
    bool Execute();
    TNodeArray Result() const { return editor_.Result(); }

private:
    friend class GradientBox;
    // Shows the selected stop in the controls and redraws the bar.
    void refresh();
    void chooseColour(int stop);

    DialogService& dialogs_;
    TGradientEditor editor_;
    GradientBox* box_;
    QSpinBox* handle_;
    QPushButton* colour_;
    QSpinBox* position_;
    QCheckBox* enabled_;
    QComboBox* preset_;
};

} // namespace ormel
