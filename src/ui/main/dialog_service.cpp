#include "main/dialog_service.h"

#include <QFileDialog>
#include <QMessageBox>

namespace ormel {

void DialogService::showMessage(QWidget* parent, const QString& caption, const QString& text)
{
    QMessageBox::information(parent, caption, text);
}

QStringList DialogService::askOpenFiles(QWidget* parent, const QString& title, const QString& filter)
{
    return QFileDialog::getOpenFileNames(parent, title, QString(), filter);
}

QString DialogService::askSaveFile(QWidget* parent, const QString& title, const QString& filter,
                                   const QString& proposedName, const QString& defaultSuffix)
{
    QFileDialog dialog(parent, title, QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.selectFile(proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

} // namespace ormel
