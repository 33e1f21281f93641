#include "dialogs/icon_property_dialog.h"

#include "document/file_path.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ormel {

namespace {

QString FormatText(int depthCode)
{
    switch (depthCode) {
    case Depth1: return QStringLiteral("2 Colors (1 bit)");
    case Depth4: return QStringLiteral("16 Colors (4 bits)");
    case Depth8: return QStringLiteral("256 Colors (8 bits)");
    case Depth24: return QStringLiteral("True Color (24 bits)");
    default: return QStringLiteral("True Color + Alpha (32 bits)");
    }
}

// The size of the document's file, or "Unknown" when the path names no regular file (never
// saved, deleted since, or a directory).
QString FileSizeText(const TIconDocument& document)
{
    if (document.FileName.empty())
        return QStringLiteral("Unknown");
    const QFileInfo file(FromNativePath(document.FileDir + document.FileName));
    if (!file.isFile())
        return QStringLiteral("Unknown");
    return QString::number(file.size()) + QStringLiteral(" bytes");
}

QLabel* NewValue(const QString& text, const QString& name)
{
    auto* label = new QLabel(text);
    label->setObjectName(name);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    label->setFocusPolicy(Qt::StrongFocus); // the keyboard reaches the values to select and copy them
    return label;
}

} // namespace

Tfrm_IconProperty::Tfrm_IconProperty(const TIconDocument& document, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frm_IconProperty"));
    setWindowTitle(QStringLiteral("Icon Properties"));

    auto* fileBox = new QGroupBox(QStringLiteral("Icon File"));
    auto* facts = new QFormLayout(fileBox);
    facts->addRow(QStringLiteral("File Name:"), NewValue(FromNativePath(document.FileName), QStringLiteral("lab_FileName")));
    facts->addRow(QStringLiteral("Location:"), NewValue(FromNativePath(document.FileDir), QStringLiteral("lab_Location")));
    facts->addRow(QStringLiteral("File Size:"), NewValue(FileSizeText(document), QStringLiteral("lab_FileSize")));

    QStringList lines;
    for (std::size_t i = 0; i < document.Images.size(); ++i) {
        const TIconImage& image = document.Images[i];
        lines << QString::asprintf("%d. %d x %d ", int(i + 1), image.Width, image.Height) + FormatText(image.ColorDepth);
    }
    auto* formatsBox = new QGroupBox(QStringLiteral("Formats"));
    auto* formats = new QPlainTextEdit(lines.join(QLatin1Char('\n')));
    formats->setObjectName(QStringLiteral("mem_Formats"));
    formats->setAccessibleName(QStringLiteral("Formats"));
    formats->setReadOnly(true);
    formats->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* formatsLayout = new QVBoxLayout(formatsBox);
    formatsLayout->addWidget(formats);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setObjectName(QStringLiteral("btn_OK"));
    ok->setAccessibleName(QStringLiteral("OK"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fileBox);
    layout->addWidget(formatsBox);
    layout->addWidget(buttons);
}

} // namespace ormel
