#pragma once

#include <string>

class QWidget;

namespace ormel {

// Keeps the settings controls of a window (spin boxes, check boxes, combo boxes and the
// buttons of exclusive button groups) in a section of a settings file, each under its object
// name, so that they come back at the next start. Values out of a control's range are
// clamped by the control; absent keys leave the control as it is.
void RestoreControls(QWidget& root, const std::string& file, const std::string& section);
// Writes the controls into the file, keeping its other sections. False when it cannot.
bool StoreControls(const QWidget& root, const std::string& file, const std::string& section);

} // namespace ormel
