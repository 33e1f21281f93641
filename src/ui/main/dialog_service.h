#pragma once

#include <QColor>
#include <QMessageBox>
#include <QString>
#include <QStringList>

class QDialog;
class QUrl;
class QWidget;

namespace ormel {

// Every message box, file dialog, colour dialog and modal dialog of the editor goes through
// one object of this class, so that tests can put a subclass in its place, read what the
// program says and answer for the user.
class DialogService {
public:
    virtual ~DialogService() = default;

    // A message box with an OK button.
    virtual void showMessage(QWidget* parent, const QString& caption, const QString& text);
    // A question with the given buttons (Yes/No, Yes/No/Cancel, Ok/Cancel); the button
    // chosen, Cancel (or No without a Cancel button) when the box is closed.
    virtual QMessageBox::StandardButton ask(QWidget* parent, const QString& caption, const QString& text,
                                            QMessageBox::StandardButtons buttons);
    // An open dialog that allows several files; an empty list when cancelled.
    virtual QStringList askOpenFiles(QWidget* parent, const QString& title, const QString& filter);
    // A save dialog with an overwrite prompt. `filter` holds one or more ";;"-separated
    // filters; `selectedFilter` (when given) proposes one and receives the chosen one. An
    // empty string when cancelled.
    virtual QString askSaveFile(QWidget* parent, const QString& title, const QString& filter,
                                const QString& proposedName, const QString& defaultSuffix,
                                QString* selectedFilter = nullptr);
    // A colour dialog; an invalid colour when cancelled.
    virtual QColor askColour(QWidget* parent, const QColor& initial);
    // Opens a web page or a local page in the desktop's browser; false when it could not.
    virtual bool openUrl(const QUrl& url);
    // Runs a modal dialog of the editor and returns its result (QDialog::Accepted or
    // Rejected). Tests set the dialog's controls and press its buttons here.
    virtual int runDialog(QDialog& dialog);
};

} // namespace ormel
