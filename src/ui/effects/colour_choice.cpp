#include "effects/colour_choice.h"

#include "main/dialog_service.h"
#include "main/editor_services.h"
#include "raster/nearest_colour.h"
#include "widgets/qt_colour.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>

#include <algorithm>
#include <span>

namespace ormel {

namespace {

QIcon Swatch(const QColor& colour)
{
    QPixmap pixmap(32, 16);
    pixmap.fill(colour);
    return QIcon(pixmap);
}

int EntryCount(const TLogPalette& palette) { return std::min<int>(palette.palNumEntries, 256); }

TColor EntryColour(const TLogPalette& palette, int index)
{
    const TPaletteEntry& entry = palette.palPalEntry[std::size_t(index)];
    return MakeColor(entry.peRed, entry.peGreen, entry.peBlue);
}

} // namespace

ColourChoice::ColourChoice(EditorServices& services, QFormLayout& form, bool paletteList, TColor initial)
    : QObject(form.parent()), services_(services), img_Color_(new QPushButton), colour_(initial)
{
    img_Color_->setObjectName(QStringLiteral("img_Color"));
    img_Color_->setAccessibleName(QStringLiteral("Color"));
    img_Color_->setIconSize(QSize(32, 16));
    connect(img_Color_, &QPushButton::clicked, this, &ColourChoice::askForColour);
    paintSwatch();

    auto* row = new QHBoxLayout;
    row->addWidget(img_Color_);
    if (paletteList) {
        clrbx_color_ = new QComboBox;
        clrbx_color_->setObjectName(QStringLiteral("clrbx_color"));
        clrbx_color_->setAccessibleName(QStringLiteral("Color"));
        clrbx_color_->hide();
        row->addWidget(clrbx_color_);
        connect(clrbx_color_, &QComboBox::currentIndexChanged, this, &ColourChoice::entryChosen);
    }
    row->addStretch();
    auto* label = new QLabel(QStringLiteral("Color"));
    label->setBuddy(img_Color_);
    form.addRow(label, row);
}

void ColourChoice::Prepare(const TIconImage& image)
{
    if (clrbx_color_ == nullptr || !IsIndexedDepth(image.ColorDepth) || EntryCount(image.Palette) == 0)
        return;
    palette_ = image.Palette;
    const int count = EntryCount(palette_);
    NearestColour nearest(std::span(palette_.palPalEntry.data(), std::size_t(count)));
    const int selected = nearest.find(int(colour_ & 255), int((colour_ >> 8) & 255), int((colour_ >> 16) & 255));
    {
        const QSignalBlocker blocker(clrbx_color_);
        clrbx_color_->clear();
        for (int i = 0; i < count; ++i)
            clrbx_color_->addItem(Swatch(ToQColor(EntryColour(palette_, i))), QStringLiteral("Color %1").arg(i + 1));
        clrbx_color_->setCurrentIndex(selected);
    }
    colour_ = EntryColour(palette_, selected);
    img_Color_->hide();
    clrbx_color_->show();
}

void ColourChoice::askForColour()
{
    const QColor chosen = services_.dialogs().askColour(img_Color_, ToQColor(colour_));
    if (!chosen.isValid())
        return;
    const TColor colour = FromQColor(chosen);
    if (colour == colour_)
        return;
    colour_ = colour;
    paintSwatch();
    emit colourChanged();
}

void ColourChoice::entryChosen(int index)
{
    if (index < 0 || index >= EntryCount(palette_))
        return;
    colour_ = EntryColour(palette_, index);
    emit colourChanged();
}

void ColourChoice::paintSwatch() { img_Color_->setIcon(Swatch(ToQColor(colour_))); }

} // namespace ormel
