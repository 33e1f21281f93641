#include "dialogs/about_box.h"

#include "build_info.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace ormel {

Tfrm_about::Tfrm_about(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frm_about"));
    setWindowTitle(tr("About Ormel"));

    auto* icon = new QLabel;
    icon->setObjectName(QStringLiteral("img_about"));
    icon->setPixmap(QApplication::windowIcon().pixmap(64, 64));
    auto* title = new QLabel(QStringLiteral("<b>Ormel</b> %1").arg(QString::fromUtf8(kOrmelVersion)));
    title->setObjectName(QStringLiteral("lab_version"));
    auto* build = new QLabel(tr("Built %1 with Qt %2").arg(QString::fromUtf8(kOrmelBuildDate), QString::fromLatin1(qVersion())));
    build->setObjectName(QStringLiteral("lab_build"));
    auto* text = new QLabel(tr("An icon editor: open, draw and save icons of every size and colour depth."));
    text->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("btn_OK"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(icon, 0, Qt::AlignHCenter);
    layout->addWidget(title, 0, Qt::AlignHCenter);
    layout->addWidget(build, 0, Qt::AlignHCenter);
    layout->addWidget(text);
    layout->addWidget(buttons);
    setFixedSize(sizeHint().expandedTo(QSize(320, 0)));
}

} // namespace ormel
