#include "tools/font_dialog.h"

#include "dialogs/dialog_buttons.h"
#include "text/qt_text_rasterizer.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace ormel {

namespace {

QToolButton* StyleButton(const char* name, const QString& glyph, const QString& accessibleName)
{
    auto* button = new QToolButton;
    button->setObjectName(QLatin1String(name));
    button->setCheckable(true);
    button->setText(glyph);
    button->setAccessibleName(accessibleName);
    button->setToolTip(accessibleName);
    return button;
}

} // namespace

Tfrm_font::Tfrm_font(QWidget* parent)
    : QDialog(parent), family_(new QComboBox), size_(new QSpinBox), bold_(StyleButton("btn_TextB", tr("B"), tr("Bold"))),
      italic_(StyleButton("btn_TextI", tr("I"), tr("Italic"))),
      underline_(StyleButton("btn_TextU", tr("U"), tr("Underline"))), sample_(new QLineEdit)
{
    setObjectName(QStringLiteral("frm_font"));
    setWindowTitle(QString());
    family_->setObjectName(QStringLiteral("cmb_TextFont"));
    QStringList families = QFontDatabase::families();
    families.sort(Qt::CaseInsensitive);
    family_->addItems(families);
    size_->setObjectName(QStringLiteral("spn_TextSize"));
    size_->setRange(3, 999);
    size_->setValue(8);
    sample_->setObjectName(QStringLiteral("edt_FontSample"));
    sample_->setAccessibleName(tr("Sample"));
    sample_->setText(QStringLiteral("Hello"));
    sample_->setMinimumWidth(260);

    QFont bold = bold_->font();
    bold.setBold(true);
    bold_->setFont(bold);
    QFont italic = italic_->font();
    italic.setItalic(true);
    italic_->setFont(italic);
    QFont underline = underline_->font();
    underline.setUnderline(true);
    underline_->setFont(underline);

    auto* styles = new QHBoxLayout;
    styles->addWidget(bold_);
    styles->addWidget(italic_);
    styles->addWidget(underline_);
    styles->addStretch();
    auto* form = new QFormLayout;
    form->addRow(tr("Font:"), family_);
    form->addRow(tr("Size:"), size_);
    form->addRow(styles);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(sample_);
    layout->addWidget(MakeOkCancelButtons(*this));

    connect(family_, &QComboBox::currentTextChanged, this, &Tfrm_font::showSample);
    connect(size_, &QSpinBox::valueChanged, this, &Tfrm_font::showSample);
    for (QToolButton* button : {bold_, italic_, underline_})
        connect(button, &QToolButton::toggled, this, &Tfrm_font::showSample);
}

void Tfrm_font::Prepare(const TFontSpec& font, const QString& text)
{
    const int index = family_->findText(QString::fromStdString(font.Name), Qt::MatchFixedString);
    if (index >= 0)
        family_->setCurrentIndex(index);
    size_->setValue(font.Size);
    bold_->setChecked(font.Bold);
    italic_->setChecked(font.Italic);
    underline_->setChecked(font.Underline);
    sample_->setText(text);
    showSample();
}

TFontSpec Tfrm_font::Font() const
{
    TFontSpec font;
    font.Name = family_->currentText().toStdString();
    font.Size = size_->value();
    font.Bold = bold_->isChecked();
    font.Italic = italic_->isChecked();
    font.Underline = underline_->isChecked();
    return font;
}

QString Tfrm_font::SampleText() const { return sample_->text(); }

void Tfrm_font::showSample()
{
    // Large sizes are shown at a size the dialog can hold.
    QFont font = ToQFont(Font());
    font.setPixelSize(std::min(font.pixelSize(), 48));
    sample_->setFont(font);
}

} // namespace ormel
