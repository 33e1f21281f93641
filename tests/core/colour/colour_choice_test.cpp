#include "colour/colour_choice.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace ormel {
namespace {

TLogPalette PaletteOf(std::initializer_list<TPaletteEntry> entries)
{
    TLogPalette palette;
    for (const TPaletteEntry& e : entries)
        palette.palPalEntry[palette.palNumEntries++] = e;
    return palette;
}

TEST(ColourChoice, LibraryHoldsTheTwentyThreeColoursInOrder)
{
    const auto& library = LibraryColours();
    EXPECT_EQ(library[0], MakeColor(0, 0, 255));
    EXPECT_EQ(library[11], MakeColor(0, 127, 130));
    EXPECT_EQ(library[18], MakeColor(153, 153, 153));
    // The odd one out of the grey ramp sits between 153 and 204.
    EXPECT_EQ(library[19], MakeColor(98, 98, 98));
    EXPECT_EQ(library[20], MakeColor(204, 204, 204));
    EXPECT_EQ(library[22], MakeColor(255, 255, 255));
}

TEST(ColourChoice, NearestEntryBySumOfChannelDifferences)
{
    const TLogPalette palette = PaletteOf({{0, 0, 0, 0}, {100, 0, 0, 0}, {0, 60, 60, 0}, {100, 0, 0, 0}, {255, 255, 255, 0}});
    const std::tuple<int, int, int, int> cases[] = {
        {0, 0, 0, 0},
        {100, 0, 0, 1},   // an exact match; its later duplicate is not taken
        {50, 50, 50, 2},  // 150 to black and to (100, 0, 0), 70 to (0, 60, 60)
        {50, 0, 0, 0},    // a tie between entries 0 and 1: the first wins
        {200, 200, 200, 4},
    };
    for (const auto& [r, g, b, expected] : cases)
        EXPECT_EQ(NearestPaletteEntry(palette, r, g, b), expected) << r << "," << g << "," << b;
    // Black is 90 from (90, 0, 0) and 120 from (40, 40, 40): the sum decides, not the squared distance.
    EXPECT_EQ(NearestPaletteEntry(PaletteOf({{40, 40, 40, 0}, {90, 0, 0, 0}}), 0, 0, 0), 1);
    EXPECT_EQ(NearestPaletteEntry(TLogPalette{}, 1, 2, 3), -1);
}

TEST(ColourChoice, HtmlCodes)
{
    const std::pair<std::string, TColor> cases[] = {
        {"ff8000", MakeColor(255, 128, 0)},
        {"FF8000", MakeColor(255, 128, 0)},
        {"0000ff", MakeColor(0, 0, 255)},
        {"f", MakeColor(0, 0, 15)}, // a short code is a number: its digits fill blue first
        {"123", MakeColor(0, 1, 35)},
        {"", 0},
        {"12345g", 0},
        {"1234567", 0},
        {"-12", 0},
    };
    for (const auto& [text, colour] : cases)
        EXPECT_EQ(ParseHtmlCode(text), colour) << text;
    EXPECT_EQ(FormatHtmlCode(MakeColor(255, 128, 0)), "FF8000");
    EXPECT_EQ(FormatHtmlCode(MakeColor(1, 2, 171)), "0102AB");
    EXPECT_TRUE(IsHtmlCodeDigit('a') && IsHtmlCodeDigit('F') && IsHtmlCodeDigit('9'));
    EXPECT_FALSE(IsHtmlCodeDigit('g') || IsHtmlCodeDigit('#') || IsHtmlCodeDigit(' '));
}

TEST(ColourChoice, RecentColoursKeepOrderIgnoreRepeatsAndDropTheOldest)
{
    TRecentColours recent;
    for (TColor c = 0; c < TRecentColours::kCapacity; ++c)
        EXPECT_EQ(recent.add(c), TRecentColours::AddResult::Appended);
    EXPECT_EQ(recent.add(5), TRecentColours::AddResult::AlreadyThere);
    EXPECT_EQ(recent.size(), 156u);
    EXPECT_EQ(recent.at(5), 5u);

    EXPECT_EQ(recent.add(1000), TRecentColours::AddResult::OldestDropped);
    EXPECT_EQ(recent.size(), 156u);
    EXPECT_EQ(recent.at(0), 1u);
    EXPECT_EQ(recent.at(154), 155u);
    EXPECT_EQ(recent.at(155), 1000u);
    // The dropped colour is new again.
    EXPECT_EQ(recent.add(0), TRecentColours::AddResult::OldestDropped);
}

TEST(ColourChoice, CellGridHitsAreClampedToTheGrid)
{
    // 16 x 16 cells, 12 to a row, 30 used: rows 0 and 1 full, row 2 holds 6.
    const TCellGrid grid{16, 16, 12, 30};
    const std::tuple<int, int, int> cases[] = {
        {0, 0, 0},      {15, 15, 0},    {16, 0, 1},    {191, 0, 11},  {0, 16, 12},  {80, 40, 29},
        {96, 40, -1},   // an unused cell of the last row
        {-40, -7, 0},   // left of and above the grid: the corner cell
        {500, 0, 11},   // far right stays in its row, not the next one
        {5, 900, 24},   // below the last row
        {500, 900, -1}, // the unused corner
    };
    for (const auto& [x, y, expected] : cases)
        EXPECT_EQ(grid.cellAt(x, y), expected) << x << "," << y;
    EXPECT_EQ(grid.rows(), 3);
    EXPECT_EQ(std::pair(grid.cellLeft(29), grid.cellTop(29)), std::pair(80, 32));
    EXPECT_EQ((TCellGrid{12, 12, 16, 0}).cellAt(0, 0), -1);
}

TEST(ColourChoice, PickerValuesAndMarkers)
{
    const std::tuple<int, int, int, int> values[] = {
        {0, 200, 359, 0},   {100, 200, 359, 179}, {199, 200, 359, 357},
        {250, 200, 359, 357}, // past the end: the last position
        {-3, 200, 255, 0},  {127, 128, 255, 253}, {5, 0, 255, 0},
    };
    for (const auto& [position, extent, maximum, expected] : values)
        EXPECT_EQ(PickerValueAt(position, extent, maximum), expected) << position << "/" << extent;
    EXPECT_EQ(PickerMarkerAt(180, 200, 360), 100);
    EXPECT_EQ(PickerMarkerAt(255, 128, 256), 127);
}

} // namespace
} // namespace ormel
