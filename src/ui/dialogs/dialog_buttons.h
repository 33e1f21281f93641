#pragma once

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

namespace ormel {

// The OK and Cancel buttons of a dialog ("btn_OK", "btn_Cancel"), wired to accept and reject.
inline QDialogButtonBox* MakeOkCancelButtons(QDialog& dialog)
{
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setObjectName(QStringLiteral("btn_OK"));
    ok->setAccessibleName(QStringLiteral("OK"));
    QPushButton* cancel = buttons->button(QDialogButtonBox::Cancel);
    cancel->setObjectName(QStringLiteral("btn_Cancel"));
    cancel->setAccessibleName(QStringLiteral("Cancel"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    return buttons;
}

} // namespace ormel
