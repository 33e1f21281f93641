#pragma once

#include "files/icon_document.h"

#include <QDialog>

namespace ormel {

// Lists an icon's file name, location and size, and one line per image format. Created for
// each use; it reads the document only while it is built.
class Tfrm_IconProperty : public QDialog {
    Q_OBJECT

public:
    Tfrm_IconProperty(const TIconDocument& document, QWidget* parent = nullptr);
};

} // namespace ormel
