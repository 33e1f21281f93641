#pragma once

#include "files/icon_image.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace ormel {

// The colour panel's fixed library of colours, in display order.
constexpr std::size_t kLibraryColourCount = 23;
const std::array<TColor, kLibraryColourCount>& LibraryColours();

// The first palette entry nearest to (red, green, blue) by the sum of the absolute differences
// of the three channels, among the palette's palNumEntries entries; -1 for an empty palette.
int NearestPaletteEntry(const TLogPalette& palette, int red, int green, int blue);

// HTML colour codes: up to six hexadecimal digits, red in the first two.
// Whether the character may appear in a code.
bool IsHtmlCodeDigit(char c);
// The colour of a code; a text that is empty, too long or not hexadecimal reads as black.
TColor ParseHtmlCode(std::string_view text);
// The six upper-case digits of a colour.
std::string FormatHtmlCode(TColor colour);

// The recently used colours in order of first use, up to a fixed number; when full, a new
// colour pushes out the oldest.
class TRecentColours {
public:
    static constexpr std::size_t kCapacity = 156;

    enum class AddResult { AlreadyThere, Appended, OldestDropped };
    AddResult add(TColor colour);

    std::size_t size() const { return colours_.size(); }
    TColor at(std::size_t index) const { return colours_.at(index); }
    const std::vector<TColor>& colours() const { return colours_; }

private:
    std::vector<TColor> colours_;
};

// A grid of equal cells laid out row by row from the top-left.
struct TCellGrid {
    int cellWidth = 1;
    int cellHeight = 1;
    int columns = 1;
    int count = 0; // used cells

    // The used cell under (x, y) with the point first pulled inside the grid's rows and
    // columns, so a drag past an edge stays on the edge cell; -1 over an unused cell or for an
    // empty grid.
    int cellAt(int x, int y) const;
    // The left and top of cell `index`.
    int cellLeft(int index) const;
    int cellTop(int index) const;
    int rows() const;
};

// A picker position to a value: position (pulled into 0..extent-1) x maximum div extent.
int PickerValueAt(int position, int extent, int maximum);
// Where the marker of `value` goes along an extent: extent x value div divisor.
int PickerMarkerAt(int value, int extent, int divisor);

} // namespace ormel
