#include "tools/selection.h"
#include "tools/selection_edit.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace ormel {
namespace {

struct CountingClipboard : TSystemClipboard {
    int puts = 0;
    bool refuses = false;
    bool Put(const std::vector<std::uint8_t>&, const Raster&) override { return ++puts, !refuses; }
    bool GetOrmelBlock(std::vector<std::uint8_t>&) const override { return false; }
    bool GetBitmap(Raster&, std::vector<std::uint8_t>&) const override { return false; }
};

TEST(Lasso, NeedsThreePointsClosesOnReleaseAndKeepsTheNewestWhenFull)
{
    const TIconImage image = test::PatternImage(300, 300, Depth32);
    TSelection lasso;
    Raster region;
    TRect bounds;
    lasso.LassoPress(image, 0, 0, 2);
    EXPECT_FALSE(lasso.LassoMove(image, 0, 0, 2));
    EXPECT_TRUE(lasso.LassoMove(image, 8, 0, 2));
    EXPECT_FALSE(lasso.LassoRelease(image, 2, region, bounds));
    EXPECT_TRUE(lasso.Points().empty());

    lasso.LassoPress(image, 0, 0, 1);
    for (int i = 1; i < 70000; ++i)
        lasso.LassoMove(image, i % 300, i / 300, 1);
    EXPECT_EQ(lasso.Points().size(), TSelection::kCapacity - 1);
    EXPECT_EQ(lasso.Points().back(), (TPoint{69999 % 300, 69999 / 300}));
    ASSERT_TRUE(lasso.LassoRelease(image, 1, region, bounds));
    EXPECT_EQ(lasso.Points().size(), TSelection::kCapacity);
    EXPECT_EQ(lasso.Points().back(), (TPoint{0, 0}));
    EXPECT_EQ(bounds, (TRect{0, 0, 299, 233}));
}

TEST(SelectionEdit, ClearMakesSelectedPixelsTransparentAndKeepsPaletteIndices)
{
    CountingClipboard system;
    TOrmClipboard clipboard(system);
    TSelection selection;
    TIconImage indexed = test::PatternImage(6, 4, Depth8);
    EXPECT_EQ(CopySelection(indexed, selection, 3, TSelectionCommand::Copy, clipboard, 0), "");
    EXPECT_EQ(system.puts, 0);

    const TIconImage before = indexed;
    selection.SelectAll(indexed, 3);
    EXPECT_EQ(CopySelection(indexed, selection, 3, TSelectionCommand::Clear, clipboard, 0), "Clear Selected Area");
    EXPECT_EQ(system.puts, 0);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x) {
            EXPECT_EQ(indexed.Mask.pixel(x, y)[0], 255);
            EXPECT_EQ(indexed.Bitmap.pixel(x, y)[2], before.Bitmap.pixel(x, y)[2]);
        }

    TIconImage image = test::PatternImage(6, 4, Depth32);
    const TIconImage original = image;
    selection.RectPress(image, 1, 1, 1);
    TRect outline;
    selection.RectMove(image, 3, 2, 1, outline);
    EXPECT_EQ(CopySelection(image, selection, 1, TSelectionCommand::Copy, clipboard, 0), "");
    EXPECT_EQ(image.Mask, original.Mask);
    // A clipboard that refuses the data: Cut leaves the pixels where they are.
    system.refuses = true;
    EXPECT_EQ(CopySelection(image, selection, 1, TSelectionCommand::Cut, clipboard, 0), "");
    EXPECT_EQ(image.Mask, original.Mask);
    system.refuses = false;
    EXPECT_EQ(CopySelection(image, selection, 1, TSelectionCommand::Cut, clipboard, 0), "Cut");
    EXPECT_EQ(system.puts, 3);
    EXPECT_EQ(test::TransparencyAt(image, 2, 1), 255);
    EXPECT_EQ(test::TransparencyAt(image, 3, 1), test::TransparencyAt(original, 3, 1));
    EXPECT_EQ(test::TransparencyAt(image, 1, 2), test::TransparencyAt(original, 1, 2));
}

} // namespace
} // namespace ormel
