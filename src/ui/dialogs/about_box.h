#pragma once

#include <QDialog>

namespace ormel {

// The about box: the program's name, version and build, and what it is for.
class Tfrm_about : public QDialog {
    Q_OBJECT

public:
    explicit Tfrm_about(QWidget* parent = nullptr);
};

} // namespace ormel
