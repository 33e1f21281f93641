#include "main/dialog_service.h"

#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>

namespace ormel {

void DialogService::showMessage(QWidget* parent, const QString& caption, const QString& text)
{
    QMessageBox::information(parent, caption, text);
}

QMessageBox::StandardButton DialogService::ask(QWidget* parent, const QString& caption, const QString& text,
                                               QMessageBox::StandardButtons buttons)
{
    QMessageBox box(QMessageBox::Question, caption, text, buttons, parent);
    const int answer = box.exec();
    if (answer == QMessageBox::NoButton || !(buttons & QMessageBox::StandardButton(answer)))
        return buttons & QMessageBox::Cancel ? QMessageBox::Cancel : QMessageBox::No;
    return QMessageBox::StandardButton(answer);
}

QStringList DialogService::askOpenFiles(QWidget* parent, const QString& title, const QString& filter)
{
    QFileDialog dialog(parent, title, QString(), filter);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setOption(QFileDialog::DontUseNativeDialog, false);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles();
}

QString DialogService::askSaveFile(QWidget* parent, const QString& title, const QString& filter,
                                   const QString& proposedName, const QString& defaultSuffix,
                                   QString* selectedFilter)
{
    QFileDialog dialog(parent, title, QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    if (selectedFilter != nullptr && !selectedFilter->isEmpty())
        dialog.selectNameFilter(*selectedFilter);
    dialog.selectFile(proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    if (selectedFilter != nullptr)
        *selectedFilter = dialog.selectedNameFilter();
    return dialog.selectedFiles().constFirst();
}

QColor DialogService::askColour(QWidget* parent, const QColor& initial)
{
    return QColorDialog::getColor(initial, parent);
}

bool DialogService::openUrl(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}

int DialogService::runDialog(QDialog& dialog)
{
    return dialog.exec();
}

} // namespace ormel
