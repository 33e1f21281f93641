#include "tools/shape_page.h"

#include "dialogs/raster_image.h"
#include "main/colour_source.h"
#include "main/dialog_service.h"
#include "main/editor_services.h"
#include "tools/gradient_dialog.h"
#include "tools/gradient_presets.h"
#include "tools/tool_event.h"
#include "tools/tool_previews.h"
#include "widgets/qt_colour.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolButton>

namespace ormel {

namespace {

const QString kMessage = QStringLiteral("Message");

QString Name(bool ellipse, const char* part)
{
    return QLatin1String(part).arg(ellipse ? QStringLiteral("Ellipse") : QStringLiteral("Rect"));
}

} // namespace

ShapePage::ShapePage(EditorServices& services, Tfrm_GradientColor& gradients, bool ellipse, QWidget* parent)
    : QWidget(parent), services_(services), gradients_(gradients), ellipse_(ellipse), strip_(DefaultGradientStrip())
{
    auto* form = new QFormLayout(this);
    type_ = new QComboBox;
    type_->setObjectName(Name(ellipse, "cmb_%1Type"));
    type_->addItems({tr("Border"), tr("Border and fill"), tr("Fill")});
    type_->setAccessibleName(tr("Type"));
    type_->setCurrentIndex(1);
    form->addRow(tr("Draw:"), type_);

    border_ = new QSpinBox;
    border_->setObjectName(Name(ellipse, "spn_%1BorderSize"));
    border_->setRange(1, 15);
    border_->setAccessibleName(tr("Border"));
    borderLabel_ = new QLabel(tr("Border:"));
    borderLabel_->setBuddy(border_);
    form->addRow(borderLabel_, border_);
    if (!ellipse) {
        round_ = new QSpinBox;
        round_->setObjectName(QStringLiteral("spn_RectRound"));
        round_->setRange(0, 255);
        round_->setAccessibleName(tr("Round"));
        form->addRow(tr("Round:"), round_);
    }

    gradient_ = new QCheckBox(tr("Gradient"));
    gradient_->setObjectName(Name(ellipse, "chk_%1Gradient"));
    gradient_->setChecked(true);
    form->addRow(gradient_);

    auto* styles = new QHBoxLayout;
    auto* group = new QButtonGroup(this);
    for (int i = 0; i < 4; ++i) {
        styles_[i] = new QToolButton;
        styles_[i]->setObjectName(Name(ellipse, "btn_%1Style0") + QString::number(i + 1));
        styles_[i]->setText(QString::number(i + 1));
        styles_[i]->setAccessibleName(tr("Gradient style %1").arg(i + 1));
        styles_[i]->setCheckable(true);
        group->addButton(styles_[i], i + 1);
        styles->addWidget(styles_[i]);
    }
    styles_[0]->setChecked(true);
    form->addRow(styles);

    swatch_ = new QLabel;
    swatch_->setObjectName(Name(ellipse, "img_%1Gradient"));
    swatch_->setAccessibleName(tr("Fill"));
    swatch_->setFixedSize(150, 24);
    swatch_->setFocusPolicy(Qt::StrongFocus);
    swatch_->installEventFilter(this);
    form->addRow(swatch_);

    antiAlias_ = new QCheckBox(tr("Anti-Aliasing"));
    antiAlias_->setObjectName(Name(ellipse, "chk_%1AntiAliasing"));
    antiAlias_->setChecked(true);
    form->addRow(antiAlias_);

    preview_ = new QLabel;
    preview_->setFixedSize(150, 100);
    form->addRow(preview_);

    connect(type_, &QComboBox::currentIndexChanged, this, &ShapePage::typeChosen);
    connect(border_, &QSpinBox::valueChanged, this, &ShapePage::Redraw);
    if (round_ != nullptr)
        connect(round_, &QSpinBox::valueChanged, this, &ShapePage::Redraw);
    connect(gradient_, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            refuse(gradient_, tr("Gradient is only supported in 32 or 24 bits color."));
        Redraw();
    });
    connect(antiAlias_, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            refuse(antiAlias_, tr("Anti-Aliasing is only supported in 32 or 24 bits color."));
        Redraw();
    });
    connect(group, &QButtonGroup::idClicked, this, &ShapePage::Redraw);
}

int ShapePage::colourMode() const
{
    if (const ColourSource* colours = services_.colourSource())
        return colours->ColorMode();
    const TIconImage* image = services_.activeImage();
    return image != nullptr ? image->ColorDepth : Depth32;
}

void ShapePage::refuse(QCheckBox* box, const QString& text)
{
    if (!indexedMode())
        return;
    services_.dialogs().showMessage(this, kMessage, text);
    const QSignalBlocker blocker(box);
    box->setChecked(false);
}

void ShapePage::typeChosen(int type)
{
    if (type == 1 && indexedMode())
        services_.dialogs().showMessage(this, kMessage, tr("The selected type is only supported in 32 or 24 bits color."));
    Redraw();
}

TShapePaint ShapePage::Paint(TColor colour, int alpha) const
{
    TShapePaint paint;
    paint.Type = type_->currentIndex();
    paint.Border = border_->value();
    paint.CornerRadius = round_ != nullptr ? round_->value() : 0;
    paint.Style = 0;
    if (paint.Type != 0 && gradient_->isChecked())
        for (int i = 0; i < 4; ++i)
            if (styles_[i]->isChecked())
                paint.Style = i + 1;
    // In an indexed image a fill takes the colour panel's palette index.
    paint.FillColor = indexedMode() && paint.Type == 2 ? colour : fillColour_;
    paint.Opacity = OpacityOf(alpha);
    paint.Color = colour;
    paint.AntiAliasing = antiAlias_->isChecked();
    paint.GradientStrip = &strip_;
    return paint;
}

void ShapePage::Redraw()
{
    if (indexedMode()) {
        const QSignalBlocker typeBlocker(type_);
        const QSignalBlocker gradientBlocker(gradient_);
        const QSignalBlocker antiAliasBlocker(antiAlias_);
        gradient_->setChecked(false);
        antiAlias_->setChecked(false);
        if (type_->currentIndex() == 1)
            type_->setCurrentIndex(0);
    }
    const int type = type_->currentIndex();
    gradient_->setVisible(type != 0);
    swatch_->setVisible(type != 0);
    for (QToolButton* style : styles_)
        style->setVisible(type != 0 && gradient_->isChecked());
    border_->setVisible(type != 2);
    borderLabel_->setVisible(type != 2);
    drawSwatch();
    drawPreview();
}

void ShapePage::drawSwatch()
{
    const ColourSource* colours = services_.colourSource();
    TShapePaint paint = Paint(colours != nullptr ? colours->CurrentColor() : 0, 255);
    if (indexedMode() && colours != nullptr && colours->CurrentPalette() != nullptr)
        paint.FillColor = PaletteColor(static_cast<int>(paint.Color), *colours->CurrentPalette());
    if (paint.Style != 0)
        paint.Style = 2;
    QImage picture = WrapRaster(ShapeFillSwatch(paint, swatch_->width(), swatch_->height())).copy();
    QPainter painter(&picture);
    const QColor fill = picture.pixelColor(picture.width() / 2, picture.height() / 2);
    painter.setPen(QColor(255 - fill.red(), 255 - fill.green(), 255 - fill.blue()));
    painter.drawText(picture.rect(), Qt::AlignCenter,
                     indexedMode() ? tr("Depend on color panel") : tr("Click to change color"));
    painter.end();
    swatch_->setPixmap(QPixmap::fromImage(picture));
}

void ShapePage::drawPreview()
{
    const ColourSource* colours = services_.colourSource();
    const int mode = colourMode();
    const TColor colour = colours != nullptr ? colours->CurrentColor() : 0;
    const int alpha = colours != nullptr ? colours->CurrentAlpha() : 255;
    TShapePaint paint = Paint(colour, alpha);
    TLogPalette palette;
    if (colours != nullptr && colours->CurrentPalette() != nullptr)
        palette = *colours->CurrentPalette();
    preview_->setPixmap(QPixmap::fromImage(
        WrapRaster(ShapePreview(ellipse_, paint, mode, palette, preview_->width(), preview_->height())).copy()));
}

void ShapePage::swatchClicked()
{
    if (indexedMode()) {
        services_.dialogs().showMessage(this, kMessage,
                                        tr("In 256, 16, or 2 colors mode, the fill color is decided by color panel."));
        return;
    }
    if (gradient_->isChecked()) {
        if (gradients_.Execute())
            DrawGradientStrip(gradients_.Result(), strip_);
        Redraw();
        return;
    }
    const QColor chosen = services_.dialogs().askColour(this, ToQColor(fillColour_));
    if (chosen.isValid())
        fillColour_ = FromQColor(chosen);
    Redraw();
}

bool ShapePage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == swatch_) {
        const bool click = event->type() == QEvent::MouseButtonRelease &&
                           static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
        const bool key = event->type() == QEvent::KeyPress &&
                         (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space ||
                          static_cast<QKeyEvent*>(event)->key() == Qt::Key_Return);
        if (click || key) {
            swatchClicked();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace ormel
