#include "colour/colour_choice.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace ormel {

const std::array<TColor, kLibraryColourCount>& LibraryColours()
{
    static const std::array<TColor, kLibraryColourCount> colours{
        MakeColor(0, 0, 255),     MakeColor(255, 0, 255),   MakeColor(255, 0, 0),     MakeColor(255, 255, 0),
        MakeColor(0, 255, 0),     MakeColor(0, 255, 255),   MakeColor(0, 0, 127),     MakeColor(127, 0, 127),
        MakeColor(127, 0, 0),     MakeColor(127, 127, 0),   MakeColor(0, 127, 0),     MakeColor(0, 127, 130),
        MakeColor(0, 0, 0),       MakeColor(25, 25, 25),    MakeColor(51, 51, 51),    MakeColor(76, 76, 76),
        MakeColor(102, 102, 102), MakeColor(127, 127, 127), MakeColor(153, 153, 153), MakeColor(98, 98, 98),
        MakeColor(204, 204, 204), MakeColor(229, 229, 229), MakeColor(255, 255, 255),
    };
    return colours;
}

int NearestPaletteEntry(const TLogPalette& palette, int red, int green, int blue)
{
    const int count = std::min<int>(palette.palNumEntries, int(palette.palPalEntry.size()));
    int best = -1;
    int bestDistance = INT_MAX;
    for (int i = 0; i < count; ++i) {
        const TPaletteEntry& e = palette.palPalEntry[std::size_t(i)];
        const int distance = std::abs(e.peRed - red) + std::abs(e.peGreen - green) + std::abs(e.peBlue - blue);
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

bool IsHtmlCodeDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

TColor ParseHtmlCode(std::string_view text)
{
    if (text.empty() || text.size() > 6 || !std::all_of(text.begin(), text.end(), IsHtmlCodeDigit))
        return 0;
    unsigned value = 0;
    for (char c : text)
        value = value * 16 + unsigned(c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10);
    return MakeColor(std::uint8_t(value >> 16), std::uint8_t(value >> 8), std::uint8_t(value));
}

std::string FormatHtmlCode(TColor colour)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string code;
    for (int shift : {0, 8, 16}) {
        const unsigned channel = (colour >> shift) & 255;
        code += kDigits[channel >> 4];
        code += kDigits[channel & 15];
    }
    return code;
}

TRecentColours::AddResult TRecentColours::add(TColor colour)
{
    if (std::find(colours_.begin(), colours_.end(), colour) != colours_.end())
        return AddResult::AlreadyThere;
    if (colours_.size() < kCapacity) {
        colours_.push_back(colour);
        return AddResult::Appended;
    }
    colours_.erase(colours_.begin());
    colours_.push_back(colour);
    return AddResult::OldestDropped;
}

int TCellGrid::rows() const { return columns > 0 ? (count + columns - 1) / columns : 0; }

int TCellGrid::cellAt(int x, int y) const
{
    if (count <= 0 || columns <= 0 || cellWidth <= 0 || cellHeight <= 0)
        return -1;
    const int column = std::clamp(x, 0, columns * cellWidth - 1) / cellWidth;
    const int row = std::clamp(y, 0, rows() * cellHeight - 1) / cellHeight;
    const int index = row * columns + column;
    return index < count ? index : -1;
}

int TCellGrid::cellLeft(int index) const { return columns > 0 ? (index % columns) * cellWidth : 0; }

int TCellGrid::cellTop(int index) const { return columns > 0 ? (index / columns) * cellHeight : 0; }

int PickerValueAt(int position, int extent, int maximum)
{
    if (extent <= 0)
        return 0;
    return std::clamp(position, 0, extent - 1) * maximum / extent;
}

int PickerMarkerAt(int value, int extent, int divisor) { return divisor > 0 ? extent * value / divisor : 0; }

} // namespace ormel
