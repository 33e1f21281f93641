#include "tools/text_page.h"

#include "dialogs/raster_image.h"
#include "main/colour_source.h"
#include "main/dialog_service.h"
#include "main/editor_services.h"
#include "settings/ini_file.h"
#include "tools/font_dialog.h"
#include "tools/tool_previews.h"

#include <QApplication>
#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

#include <algorithm>

namespace ormel {

namespace {

constexpr int kPreviewSize = 100;
const std::string kSection = "tools";

} // namespace

TextPage::TextPage(EditorServices& services, TextRasterizer& rasterizer, QWidget* parent)
    : QWidget(parent), services_(services), rasterizer_(rasterizer), text_(new QLineEdit(QStringLiteral("Hello"))),
      antiAlias_(new QCheckBox(tr("Anti-Aliasing"))), preview_(new QLabel)
{
    font_.Name = QApplication::font().family().toStdString();
    font_.Size = 8;
    auto* form = new QFormLayout(this);
    form->setContentsMargins(0, 0, 0, 0);
    text_->setObjectName(QStringLiteral("edt_TextText"));
    form->addRow(tr("Text:"), text_);
    auto* font = new QPushButton(tr("Font..."));
    font->setObjectName(QStringLiteral("btn_Font"));
    form->addRow(font);
    x_ = addSpin("spn_TextX", tr("X:"), -10000, 10000, 0);
    y_ = addSpin("spn_TextY", tr("Y:"), -10000, 10000, 0);
    width_ = addSpin("spn_TextW", tr("W:"), 4, 1000, 40);
    height_ = addSpin("spn_TextH", tr("H:"), 4, 1000, 12);
    angle_ = addSpin("spn_TextAngle", tr("Angle:"), -3600, 3600, 0);
    antiAlias_->setObjectName(QStringLiteral("chk_TextAntiAliase"));
    antiAlias_->setChecked(true);
    form->addRow(antiAlias_);
    preview_->setObjectName(QStringLiteral("img_text"));
    preview_->setFixedSize(kPreviewSize, kPreviewSize);
    form->addRow(preview_);

    connect(font, &QPushButton::clicked, this, &TextPage::chooseFont);
    connect(text_, &QLineEdit::textChanged, this, &TextPage::lookChanged);
    connect(antiAlias_, &QCheckBox::toggled, this, &TextPage::lookChanged);
    connect(this, &TextPage::lookChanged, this, &TextPage::Redraw);
    // The text and font of the last run come back; they are kept when the editor quits.
    restoreLook();
    connect(&services_, &EditorServices::aboutToQuit, this, &TextPage::storeLook);
}

void TextPage::restoreLook()
{
    TIniFile ini;
    if (!ini.Load(services_.configFile()))
        return;
    text_->setText(QString::fromStdString(ini.ReadString(kSection, "edt_TextText", text_->text().toStdString())));
    font_.Name = ini.ReadString(kSection, "TextFontName", font_.Name);
    font_.Size = std::clamp(ini.ReadInteger(kSection, "TextFontSize", font_.Size), 3, 999);
    font_.Bold = ini.ReadBool(kSection, "TextFontBold", font_.Bold);
    font_.Italic = ini.ReadBool(kSection, "TextFontItalic", font_.Italic);
    font_.Underline = ini.ReadBool(kSection, "TextFontUnderline", font_.Underline);
}

void TextPage::storeLook() const
{
    TIniFile ini;
    ini.Load(services_.configFile());
    ini.WriteString(kSection, "edt_TextText", text_->text().toStdString());
    ini.WriteString(kSection, "TextFontName", font_.Name);
    ini.WriteInteger(kSection, "TextFontSize", font_.Size);
    ini.WriteBool(kSection, "TextFontBold", font_.Bold);
    ini.WriteBool(kSection, "TextFontItalic", font_.Italic);
    ini.WriteBool(kSection, "TextFontUnderline", font_.Underline);
    ini.Save(services_.configFile());
}

QSpinBox* TextPage::addSpin(const char* name, const QString& label, int minimum, int maximum, int value)
{
    auto* spin = new QSpinBox;
    spin->setObjectName(QLatin1String(name));
    spin->setRange(minimum, maximum);
    spin->setValue(value);
    static_cast<QFormLayout*>(layout())->addRow(label, spin);
    connect(spin, &QSpinBox::valueChanged, this, [this] {
        emit frameEdited(frame());
        Redraw();
    });
    return spin;
}

TTextLook TextPage::Look(TColor colour, int alpha) const
{
    return TTextLook{text_->text().toStdString(), font_, antiAlias_->isChecked(), colour, alpha};
}

TTextGeometry TextPage::frame() const
{
    return TTextGeometry{x_->value(), y_->value(), width_->value(), height_->value(), angle_->value()};
}

void TextPage::ShowFrame(const TTextGeometry& geometry)
{
    const int values[5] = {geometry.CentreX, geometry.CentreY, geometry.Width, geometry.Height, geometry.Angle};
    QSpinBox* spins[5] = {x_, y_, width_, height_, angle_};
    for (int i = 0; i < 5; ++i) {
        const QSignalBlocker blocker(spins[i]);
        spins[i]->setValue(values[i]);
    }
    Redraw();
}

void TextPage::Redraw()
{
    if (!isVisibleTo(window()))
        return;
    const ColourSource* colours = services_.colourSource();
    const TIconImage* image = services_.activeImage();
    const int depth = image != nullptr ? image->ColorDepth : Depth32;
    const TLogPalette palette = image != nullptr ? image->Palette : TLogPalette{};
    const TTextLook look = Look(colours != nullptr ? colours->CurrentColor() : 0,
                                colours != nullptr ? colours->CurrentAlpha() : 255);
    preview_->setPixmap(
        QPixmap::fromImage(WrapRaster(TextPreview(look, frame(), depth, palette, rasterizer_, kPreviewSize)).copy()));
}

void TextPage::chooseFont()
{
    Tfrm_font dialog(this);
    dialog.Prepare(font_, text_->text());
    if (services_.dialogs().runDialog(dialog) != QDialog::Accepted)
        return;
    font_ = dialog.Font();
    {
        const QSignalBlocker blocker(text_);
        text_->setText(dialog.SampleText());
    }
    emit lookChanged();
}

} // namespace ormel
