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

TEST(ColourChoice, NearestEntryBySumOfChannelDifferences)
{
    const TLogPalette palette = PaletteOf({{0, 0, 0, 0}, {100, 0, 0, 0}, {0, 60, 60, 0}, {100, 0, 0, 0}, {255, 255, 255, 0}});
    const std::tuple<int, int, int, int> cases[] = {
        {100, 0, 0, 1},   // an exact match; its later duplicate is not taken
        {50, 50, 50, 2},  // 150 to black and to (100, 0, 0), 70 to (0, 60, 60)
        {50, 0, 0, 0},    // a tie between entries 0 and 1: the first wins
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
        {"f", MakeColor(0, 0, 15)}, // a short code is a number: its digits fill blue first
        {"123", MakeColor(0, 1, 35)},
        {"12345g", 0},
        {"1234567", 0},
        {"-12", 0},
    };
    for (const auto& [text, colour] : cases)
        EXPECT_EQ(ParseHtmlCode(text), colour) << text;
    EXPECT_EQ(FormatHtmlCode(MakeColor(1, 2, 171)), "0102AB");
}

TEST(ColourChoice, RecentColoursKeepOrderIgnoreRepeatsAndDropTheOldest)
{
    TRecentColours recent;
    for (TColor c = 0; c < TRecentColours::kCapacity; ++c)
        EXPECT_EQ(recent.add(c), TRecentColours::AddResult::Appended);
    EXPECT_EQ(recent.add(5), TRecentColours::AddResult::AlreadyThere);

    EXPECT_EQ(recent.add(1000), TRecentColours::AddResult::OldestDropped);
    EXPECT_EQ(recent.at(0), 1u);
    EXPECT_EQ(recent.at(155), 1000u);
    // The dropped colour is new again.
    EXPECT_EQ(recent.add(0), TRecentColours::AddResult::OldestDropped);
}

} // namespace
} // namespace ormel
