#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace ormel {

// Every message box and file dialog of the editor goes through one object of this class, so
// that tests can put a subclass in its place, read what the program says and answer for the
// user.
class DialogService {
public:
    virtual ~DialogService() = default;

    // A message box with an OK button.
    virtual void showMessage(QWidget* parent, const QString& caption, const QString& text);
    // An open dialog that allows several files; an empty list when cancelled.
    virtual QStringList askOpenFiles(QWidget* parent, const QString& title, const QString& filter);
    // A save dialog with an overwrite prompt; an empty string when cancelled.
    virtual QString askSaveFile(QWidget* parent, const QString& title, const QString& filter,
                                const QString& proposedName, const QString& defaultSuffix);
};

} // namespace ormel
