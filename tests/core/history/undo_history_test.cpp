#include "history/undo_history.h"
#include "settings/app_directories.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace ormel {
namespace {

bool Exists(const std::string& path) { return std::filesystem::exists(path); }

std::uint8_t Painted(const TIconImage& image) { return image.Bitmap.pixel(1, 1)[0]; }

struct HistoryFixture {
    test::TempDir temp;
    PrivateWorkDir work{temp.file("")};
    TUndoHistory history{work.subdirectory("history"), work.subdirectory("recycle"),
                         [] { return TClockTime{13, 7}; }};
};

TEST(UndoHistory, DrawUndoDrawDropsTheUndoneStepAndItsFile)
{
    HistoryFixture f;
    TUndoHistory& h = f.history;
    TIconImage image = test::PatternImage(8, 8, Depth32);
    const TIconImage fresh = image;
    h.AddStep(image, "New");
    EXPECT_EQ(image.ImageId, 0);
    EXPECT_FALSE(h.CanUndo());
    for (std::uint8_t value : {1, 2}) {
        image.Bitmap.pixel(1, 1)[0] = value;
        h.AddStep(image, "Pencil");
    }
    EXPECT_TRUE(h.Undo(&image));
    EXPECT_EQ(Painted(image), 1);

    image.Bitmap.pixel(1, 1)[0] = 3;
    h.AddStep(image, "Brush");
    ASSERT_NE(h.CurrentItem(), nullptr);
    EXPECT_EQ(h.CurrentItem()->Count(), 3);
    EXPECT_EQ(h.SelectedRow(), 2);
    EXPECT_FALSE(h.CanRedo());
    EXPECT_EQ(h.Rows()[2].Caption, "Brush");
    EXPECT_EQ(h.Rows()[2].Time, "01:07 pm");
    EXPECT_FALSE(Exists(h.StepFileName(0, 3)));
    TIconImage stored;
    ASSERT_EQ(TIconFileAccess().LoadSnapshot(stored, h.StepFileName(0, 2)), 0);
    EXPECT_EQ(Painted(stored), 3);

    // A click on the first row undoes both later steps at once.
    EXPECT_TRUE(h.SelectStep(0, &image));
    EXPECT_EQ(image.Bitmap, fresh.Bitmap);
    EXPECT_FALSE(h.Rows()[1].Done);
    EXPECT_TRUE(h.Redo(&image));
    EXPECT_EQ(Painted(image), 1);

    EXPECT_EQ(FormatStepTime({0, 5}), "12:05 am");
    EXPECT_EQ(FormatStepTime({12, 0}), "12:00 pm");
}

TEST(UndoHistory, ImagesKeepSeparateListsAndDiscardDeletesTheirFiles)
{
    HistoryFixture f;
    TUndoHistory& h = f.history;
    TIconImage a = test::PatternImage(4, 4, Depth24);
    TIconImage b = test::PatternImage(6, 6, Depth8);
    for (const char* caption : {"New", "Pencil", "Line"})
        h.AddStep(a, caption);
    h.AddStep(b, "New");
    EXPECT_EQ(b.ImageId, 1);
    EXPECT_EQ(h.Rows().size(), 3u); // the first image stays listed

    h.ShowImageHistory(&b);
    EXPECT_EQ(h.Rows().size(), 1u);
    EXPECT_FALSE(h.CanUndo());
    h.ShowImageHistory(&a);
    // Undo moves the listed image's position but restores only when that image is active.
    EXPECT_FALSE(h.Undo(&b));
    EXPECT_EQ(h.SelectedRow(), 1);

    h.DiscardImageHistory(a);
    EXPECT_EQ(h.CurrentItem(), nullptr);
    EXPECT_EQ(h.Items().size(), 1u);
    for (int k = 0; k < 3; ++k)
        EXPECT_FALSE(Exists(h.StepFileName(a.ImageId, k)));
    EXPECT_TRUE(Exists(h.StepFileName(b.ImageId, 0)));
}

TEST(RecycleBin, RestoresIntoAnIconWithoutThatFormatAndEndingDeletesEveryFile)
{
    test::TempDir temp;
    PrivateWorkDir work(temp.file(""));
    const std::string bin = work.subdirectory("recycle");
    std::string step, recycled;
    {
        TUndoHistory h(work.subdirectory("history"), bin);
        TIconImage image = test::PatternImage(4, 4, Depth4);
        h.AddStep(image, "New");
        TIconImage deleted = test::PatternImage(32, 32, Depth32);
        ASSERT_EQ(h.RecycleImage(deleted), 0);
        EXPECT_EQ(RecycleCaption(h.RecycleBin().Items()[0]), "32x32:32");
        EXPECT_EQ(h.RecycleBin().Items()[0].FileName, bin + "~1.orm");

        TIconImageArray icon{test::PatternImage(32, 32, Depth32)};
        const TRestoreResult refused = h.RestoreRecycled(0, &icon);
        EXPECT_EQ(refused.Outcome, TRestoreOutcome::FormatExists);
        EXPECT_EQ(refused.Message, "The image format \"32x32 : 32 bits\" is alreay exists in this icon.");
        icon[0] = test::PatternImage(32, 32, Depth24);
        const TRestoreResult restored = h.RestoreRecycled(0, &icon);
        ASSERT_EQ(restored.Outcome, TRestoreOutcome::Restored);
        EXPECT_EQ(restored.Image.Mask, deleted.Mask);
        EXPECT_TRUE(h.RecycleBin().Items().empty());
        EXPECT_FALSE(Exists(bin + "~1.orm"));

        TIconImage small = test::PatternImage(16, 16, Depth4);
        h.RecycleImage(small);
        EXPECT_EQ(RecycleCaption(h.RecycleBin().Items()[0]), "16x16:4 ");
        step = h.StepFileName(image.ImageId, 0);
        recycled = h.RecycleBin().Items()[0].FileName;
        ASSERT_TRUE(Exists(step) && Exists(recycled));
    }
    EXPECT_FALSE(Exists(step) || Exists(recycled));
}

} // namespace
} // namespace ormel
