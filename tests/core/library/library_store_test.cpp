#include "library/library_store.h"

#include "files/file_access.h"
#include "raster/composite.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace ormel {
namespace {

using test::PatternImage;

TIconImage Loaded(const std::string& path)
{
    TIconImage image;
    EXPECT_EQ(TIconFileAccess().LoadSnapshot(image, path), 0) << path;
    return image;
}

class LibraryStore : public ::testing::Test {
protected:
    LibraryStore()
    {
        library.TempDir = dir.file("");
        library.Editable = true;
        library.LibFileName = "Fruit.icl";
    }
    test::TempDir dir;
    TIconLibrary library;
};

TEST_F(LibraryStore, AddsAndReplacesEntriesWithSnapshotsAndThumbnails)
{
    const TIconImageArray images = {PatternImage(16, 16, Depth4), PatternImage(32, 32, Depth24)};
    TIconDocument document;
    ASSERT_EQ(SaveToLibrary(library, " \t", images, true, &document), 0);
    ASSERT_EQ(SaveToLibrary(library, "", images, true, nullptr), 0);
    EXPECT_TRUE(library.Modified);
    ASSERT_EQ(library.Groups.size(), 2u);
    EXPECT_EQ(library.Groups[1].Name, "New Icon(1)");
    EXPECT_EQ(document.LibEntryName, "New Icon");
    EXPECT_EQ(document.LibName, "Fruit.icl");
    const TGroupIcon& entry = library.Groups[0];
    ASSERT_EQ(entry.Count, 2);
    EXPECT_EQ(entry.Formats[1].FileName, library.TempDir + "~New Icon1.orm");
    EXPECT_EQ(entry.Formats[0].BitCount, 4);
    EXPECT_EQ(Loaded(entry.Formats[0].FileName).Bitmap, images[0].Bitmap);
    Raster thumbnail(32, 32);
    DrawIconImageFitted(images[1], thumbnail);
    EXPECT_EQ(entry.Thumbnail, thumbnail);

    const std::string oldSecond = entry.Formats[1].FileName;
    const TIconImage replacement = PatternImage(48, 48, Depth32);
    ASSERT_EQ(SaveToLibrary(library, "NEW ICON", {replacement}, false, nullptr), 0);
    EXPECT_EQ(library.Groups[0].Name, "New Icon");
    EXPECT_EQ(library.Groups[0].Count, 1);
    EXPECT_FALSE(std::filesystem::exists(oldSecond));
    EXPECT_EQ(Loaded(library.Groups[0].Formats[0].FileName).Bitmap, replacement.Bitmap);

    EXPECT_EQ(ReplaceInLibrary(library, "Plum", {replacement}), -1);
    EXPECT_EQ(library.LastMessage, "Can't find icon in library");
    library.Editable = false;
    EXPECT_EQ(SaveToLibrary(library, "Plum", images, true, nullptr), -1);
    EXPECT_EQ(library.LastMessage, "Can't find an opening ICL(*.ICL) library.");
    EXPECT_EQ(library.Groups.size(), 2u);
}

TEST_F(LibraryStore, AFailedReplaceKeepsTheEntryWhole)
{
    const TIconImage star = PatternImage(16, 16, Depth24);
    ASSERT_EQ(AddToLibrary(library, "Star", {star}), 0);
    ASSERT_EQ(AddToLibrary(library, "Moon", {PatternImage(32, 32, Depth24)}), 0);
    const TGroupIcon before = library.Groups[0];
    library.Modified = true;

    // The snapshot directory is gone: the new files cannot be written.
    const std::string tempDir = library.TempDir;
    library.TempDir = dir.file("missing/");
    const TIconImageArray bigger = {PatternImage(32, 32, Depth32), PatternImage(48, 48, Depth32)};
    EXPECT_EQ(SaveToLibrary(library, "star", bigger, false, nullptr), -1);
    EXPECT_FALSE(library.LastMessage.empty());
    EXPECT_TRUE(library.Modified);
    EXPECT_EQ(library.Groups[0].Count, 1);
    EXPECT_EQ(library.Groups[0].Formats[0].FileName, before.Formats[0].FileName);
    EXPECT_EQ(library.Groups[0].Thumbnail, before.Thumbnail);
    EXPECT_EQ(Loaded(before.Formats[0].FileName).Bitmap, star.Bitmap);

    // By index, whatever the entry is called now; the old files go only after the new ones exist.
    library.TempDir = tempDir;
    ASSERT_EQ(RenameEntry(library, 0, "Sun"), 0);
    ASSERT_EQ(ReplaceEntryImages(library, 0, bigger), 0);
    EXPECT_EQ(library.Groups[0].Count, 2);
    EXPECT_FALSE(std::filesystem::exists(before.Formats[0].FileName));
    EXPECT_EQ(Loaded(library.Groups[0].Formats[1].FileName).Bitmap, bigger[1].Bitmap);
    EXPECT_EQ(ReplaceEntryImages(library, 2, bigger), -1);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(tempDir), {}), 3);
}

} // namespace
} // namespace ormel
