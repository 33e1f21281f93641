// How the colour panel answers its controls: every edit sets the colour controls once (the
// others follow with their signals blocked) and ends in one colour update.
#include "colour/color_panel.h"

#include "colour/colour_pictures.h"
#include "colour/colour_views.h"
#include "main/editor_services.h"
#include "raster/colour_space.h"
#include "widgets/track_spin_pair.h"

#include <QLineEdit>
#include <QSignalBlocker>
#include <QSlider>
#include <QTabWidget>

namespace ormel {

namespace {

enum Page { PickerPage, LibraryPage, HistoryPage };

void SetSilently(TrackSpinPair& pair, int value)
{
    const QSignalBlocker blocker(pair);
    pair.track().setValue(value);
}

} // namespace

int Tfrm_color_panel::red() const { return r_->value(); }
int Tfrm_color_panel::green() const { return g_->value(); }
int Tfrm_color_panel::blue() const { return b_->value(); }

void Tfrm_color_panel::applyRgb(int r, int g, int b)
{
    SetSilently(*r_, r);
    SetSilently(*g_, g);
    SetSilently(*b_, b);
    int h = 0, s = 0, v = 0;
    RGBToHSV(red(), green(), blue(), h, s, v);
    SetSilently(*h_, h);
    SetSilently(*s_, s);
    SetSilently(*v_, v);
}

void Tfrm_color_panel::applyHsv(int h, int s, int v)
{
    SetSilently(*h_, h);
    SetSilently(*s_, s);
    SetSilently(*v_, v);
    std::uint8_t r = 0, g = 0, b = 0;
    HSVToRGB(h_->value(), s_->value(), v_->value(), r, g, b);
    SetSilently(*r_, r);
    SetSilently(*g_, g);
    SetSilently(*b_, b);
}

void Tfrm_color_panel::colourUpdate()
{
    if (!IsIndexedDepth(mode_)) {
        if (svHue_ != h_->value()) {
            svHue_ = h_->value();
            BuildSaturationValuePicture(svHue_, svPicture_);
            svArea_->update();
        }
        placeMarkers();
    } else if (paletteEditing_ && selected_ >= 0) {
        TPaletteEntry& entry = palettes_[std::size_t(mode_ - 1)].palPalEntry[std::size_t(selected_)];
        const TPaletteEntry edited{std::uint8_t(red()), std::uint8_t(green()), std::uint8_t(blue()), entry.peFlags};
        if (!(entry == edited)) {
            entry = edited;
            paletteEditPending_ = true;
            showPaletteGrid();
        }
    }
    transparent_ = false;
    drawSwatch();
    emit services_.coloursChanged();
    if (!htmlCode_->hasFocus()) {
        lastHtmlCode_ = QString::fromStdString(FormatHtmlCode(MakeColor(std::uint8_t(red()), std::uint8_t(green()),
                                                                        std::uint8_t(blue()))));
        htmlCode_->setText(lastHtmlCode_);
    }
    if (paletteEditPending_ && !paletteEditOngoing())
        finishPaletteEdit();
}

bool Tfrm_color_panel::paletteEditOngoing() const
{
    for (const TrackSpinPair* pair : {r_, g_, b_, h_, s_, v_})
        if (pair->track().isSliderDown())
            return true;
    return typingCode_ && htmlCode_->hasFocus();
}

void Tfrm_color_panel::finishPaletteEdit()
{
    paletteEditPending_ = false;
    emit services_.paletteEdited();
}

void Tfrm_color_panel::rgbChanged()
{
    applyRgb(red(), green(), blue());
    colourUpdate();
}

void Tfrm_color_panel::hsvChanged()
{
    applyHsv(h_->value(), s_->value(), v_->value());
    colourUpdate();
}

void Tfrm_color_panel::alphaChanged()
{
    drawSwatch();
    emit services_.coloursChanged();
}

void Tfrm_color_panel::htmlCodeEdited(const QString& text)
{
    if (text == lastHtmlCode_)
        return;
    lastHtmlCode_ = text;
    const TColor colour = ParseHtmlCode(text.toStdString());
    const int r = int(colour & 255), g = int((colour >> 8) & 255), b = int((colour >> 16) & 255);
    if (r == red() && g == green() && b == blue())
        return;
    typingCode_ = true;
    applyRgb(r, g, b);
    colourUpdate();
}

void Tfrm_color_panel::hueAreaPicked(QPoint at)
{
    const int h = PickerValueAt(at.y(), hueArea_->height(), 359);
    if (h == h_->value())
        return;
    applyHsv(h, s_->value(), v_->value());
    colourUpdate();
}

void Tfrm_color_panel::svAreaPicked(QPoint at)
{
    const int s = PickerValueAt(at.x(), svArea_->width(), 255);
    const int v = PickerValueAt(at.y(), svArea_->height(), 255);
    if (s == s_->value() && v == v_->value())
        return;
    applyHsv(h_->value(), s, v);
    colourUpdate();
}

void Tfrm_color_panel::selectEntry(int index)
{
    const TLogPalette* palette = CurrentPalette();
    if (palette == nullptr || index < 0 || index >= palette->palNumEntries)
        return;
    paletteEditing_ = false;
    selected_ = index;
    const TPaletteEntry& entry = palette->palPalEntry[std::size_t(index)];
    applyRgb(entry.peRed, entry.peGreen, entry.peBlue);
    paletteGrid_->setMark(index);
    paletteEditing_ = true;
    colourUpdate();
}

void Tfrm_color_panel::paletteCellPicked(int index)
{
    if (index != selected_)
        selectEntry(index);
}

void Tfrm_color_panel::takeColour(TColor colour)
{
    const int r = int(colour & 255), g = int((colour >> 8) & 255), b = int((colour >> 16) & 255);
    if (const TLogPalette* palette = CurrentPalette()) {
        selectEntry(NearestPaletteEntry(*palette, r, g, b));
        return;
    }
    applyRgb(r, g, b);
    colourUpdate();
}

void Tfrm_color_panel::libraryCellPicked(int index)
{
    takeColour(LibraryColours()[std::size_t(index)]);
    library_->setMark(index);
}

void Tfrm_color_panel::recentCellPicked(int index)
{
    if (index < 0 || std::size_t(index) >= recent_.size())
        return;
    takeColour(recent_.at(std::size_t(index)));
    recentArea_->setMark(index);
}

void Tfrm_color_panel::transparentClicked()
{
    transparent_ = true;
    drawSwatch();
    emit services_.coloursChanged();
}

void Tfrm_color_panel::pageChanged(int page)
{
    if (page == LibraryPage)
        library_->setMark(-1);
    else if (page == HistoryPage)
        recentArea_->setMark(-1);
}

void Tfrm_color_panel::drawSwatch()
{
    DrawSwatch(swatch_->picture(), red(), green(), blue(), transparent_ ? 0 : a_->value());
    swatch_->update();
}

void Tfrm_color_panel::placeMarkers()
{
    arrow_->centreOn(QPoint(0, PickerMarkerAt(h_->value(), hueArea_->height(), 360)));
    cross_->centreOn(QPoint(PickerMarkerAt(s_->value(), svArea_->width(), 256),
                            PickerMarkerAt(v_->value(), svArea_->height(), 256)));
}

} // namespace ormel
