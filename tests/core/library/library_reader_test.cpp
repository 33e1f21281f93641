#include "library/format_image.h"
#include "library/library_reader.h"
#include "library/library_writer.h"
#include "library/resource_tables.h"
#include "library/stored_icons.h"
#include "raster/composite.h"
#include "resource_builders.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <tuple>

namespace ormel {
namespace {

using test::FixturePath;
using test::TestResource;

bool SamePixels(const TIconImage& a, const TIconImage& b)
{
    if (a.Width != b.Width || a.Height != b.Height || a.ColorDepth != b.ColorDepth)
        return false;
    for (int y = 0; y < a.Height; ++y)
        for (int x = 0; x < a.Width; ++x)
            if (test::ColourAt(a, x, y) != test::ColourAt(b, x, y) || test::TransparencyAt(a, x, y) != test::TransparencyAt(b, x, y))
                return false;
    return true;
}

struct Library {
    test::TempDir dir;
    TIconLibrary library;
    Library() { library.TempDir = dir.file(""); }
    void read(std::span<const std::uint8_t> bytes) { ReadIconResourceData(library, bytes); }
    TIconImage load(std::size_t entry, std::size_t format)
    {
        TIconImage image;
        EXPECT_EQ(TIconFileAccess().LoadSnapshot(image, library.Groups[entry].Formats[format].FileName), 0);
        return image;
    }
};

TEST(LibraryReader, ReadingAFileSaysHowItWentAndCanBeStopped)
{
    Library missing, text, stopped, whole;
    test::TempDir dir;
    const std::string notes = dir.file("notes.icl");
    std::ofstream(notes, std::ios::binary) << "MZ but nothing else";
    std::vector<std::size_t> told;
    const TReadProgress never = [](std::size_t, std::size_t) { return true; };
    EXPECT_EQ(ReadLibraryFile(missing.library, dir.file("gone.icl"), never), LibraryReadResult::CannotRead);
    EXPECT_EQ(ReadLibraryFile(text.library, notes, never), LibraryReadResult::NotRecognised);
    EXPECT_TRUE(text.library.Groups.empty());
    EXPECT_EQ(ReadLibraryFile(stopped.library, FixturePath("pe32-regedit.exe"),
                              [&](std::size_t done, std::size_t total) {
                                  told.push_back(done * 100 + total);
                                  return done < 2;
                              }),
              LibraryReadResult::Stopped);
    EXPECT_EQ(told, (std::vector<std::size_t>{106, 206}));
    ASSERT_EQ(stopped.library.Groups.size(), 6u);
    EXPECT_TRUE(HasImage(stopped.library.Groups[1].Formats[0]));
    EXPECT_FALSE(HasImage(stopped.library.Groups[2].Formats[0]));
    EXPECT_EQ(ReadLibraryFile(whole.library, FixturePath("pe32-regedit.exe"), {}), LibraryReadResult::Read);
    EXPECT_EQ(whole.library.Groups.size(), 6u);
}

TEST(LibraryReader, ImagesKnownByTheirHeaderAreCheckedWhenLoaded)
{
    // A 256 x 256 PNG whose image data are broken (one byte of its first IDAT chunk), listed
    // after a 16 x 16 image, where it is the thumbnail's choice, and after a 32 x 32 one, where
    // it is not; and the same PNG unbroken.
    const TIconImage big = test::PatternImage(256, 256, Depth32);
    const std::vector<std::uint8_t> good = test::IconBlock(big);
    std::vector<std::uint8_t> broken = good;
    const auto idat = std::search(broken.begin(), broken.end(), std::begin("IDAT"), std::end("IDAT") - 1);
    ASSERT_NE(idat, broken.end());
    idat[8] ^= 0xFF;
    const std::vector<std::uint8_t> file =
        test::MakePe({{14, 1, test::GroupDirectory({{16, 16, 4, 1}, {0, 0, 32, 2}})},
                      {14, 2, test::GroupDirectory({{32, 32, 32, 3}, {0, 0, 32, 2}})},
                      {14, 3, test::GroupDirectory({{0, 0, 32, 4}})},
                      {3, 1, test::IconBlock(test::PatternImage(16, 16, Depth4))},
                      {3, 2, broken},
                      {3, 3, test::IconBlock(test::PatternImage(32, 32, Depth32))},
                      {3, 4, good}})
            .bytes;
    Library lib;
    const ByteReader stream(file);
    TResourceList icons;
    ASSERT_TRUE(ReadLibraryEntries(stream, lib.library.Groups, icons));
    ExtractIconImages(stream, icons, lib.library);
    const auto thumbnailOf = [](const TIconImage& image) {
        Raster thumbnail(32, 32);
        DrawIconImageFitted(image, thumbnail);
        return thumbnail;
    };
    const std::vector<TGroupIcon>& groups = lib.library.Groups;
    ASSERT_EQ(groups.size(), 3u);
    // Decoded for the thumbnail, it fails: the entry's other image stands for it instead.
    EXPECT_FALSE(HasImage(groups[0].Formats[1]));
    EXPECT_EQ(std::tuple(groups[0].Formats[1].Width, groups[0].Formats[1].BitCount), std::tuple(0, 32));
    EXPECT_EQ(groups[0].Thumbnail, thumbnailOf(test::PatternImage(16, 16, Depth4)));
    // Not needed for the thumbnail, it is taken by its header, and fails to load.
    const TIconFormat& unchecked = groups[1].Formats[1];
    EXPECT_TRUE(HasImage(unchecked));
    EXPECT_EQ(std::tuple(unchecked.Width, unchecked.Height, unchecked.BitCount), std::tuple(256, 256, 32));
    TIconImage image;
    TIconFileAccess access;
    EXPECT_EQ(LoadFormatImage(unchecked, image, access), -1);
    ASSERT_EQ(LoadFormatImage(groups[2].Formats[0], image, access), 0);
    EXPECT_TRUE(SamePixels(image, big));
    EXPECT_EQ(groups[2].Thumbnail, thumbnailOf(big));

    // Written out, it has no data (read back, the next image's data are not taken for it), and
    // the rest of the library is whole.
    std::vector<std::uint8_t> written;
    ASSERT_EQ(EncodeLibraryFile(lib.library, written), 0);
    Library back;
    back.read(written);
    ASSERT_EQ(back.library.Groups.size(), 3u);
    EXPECT_FALSE(HasImage(back.library.Groups[1].Formats[1]));
    EXPECT_TRUE(SamePixels(back.load(1, 0), test::PatternImage(32, 32, Depth32)));
    EXPECT_TRUE(SamePixels(back.load(2, 0), big));
    // Snapshot files are written for the images that decode.
    ASSERT_EQ(WriteSnapshotFiles(lib.library), 0);
    EXPECT_FALSE(HasImage(lib.library.Groups[1].Formats[1]));
    EXPECT_TRUE(SamePixels(lib.load(2, 0), big));
}

// Two groups of a 16 x 16 and a 48 x 48 image; the second group's 48 x 48 image is missing.
std::vector<std::uint8_t> TwoGroupLibrary(const std::vector<std::string>& names, std::uint8_t linkerVersion = 0)
{
    const std::vector<TestResource> icons = {{3, 1, test::IconBlock(test::PatternImage(16, 16, Depth4))},
                                             {3, 2, test::IconBlock(test::PatternImage(48, 48, Depth32))},
                                             {3, 3, test::IconBlock(test::PatternImage(16, 16, Depth8))}};
    return test::MakeNe({test::GroupDirectory({{16, 16, 4, 1}, {48, 48, 32, 2}}), test::GroupDirectory({{16, 16, 8, 3}, {48, 48, 8, 9}})},
                        icons, names, linkerVersion);
}

std::vector<std::string> NamesOf(const TIconLibrary& library)
{
    std::vector<std::string> names;
    std::ranges::transform(library.Groups, std::back_inserter(names), &TGroupIcon::Name);
    return names;
}

TEST(LibraryReader, HostileFilesKeepWhatWasRead)
{
    const std::vector<TestResource> resources = {{14, 1, test::GroupDirectory({{16, 16, 4, 1}})},
                                                 {14, 2, test::GroupDirectory({{16, 16, 4, 1}})},
                                                 {3, 1, test::IconBlock(test::PatternImage(16, 16, Depth4))}};
    const test::BuiltPe pe = test::MakePe(resources);
    const auto groupsOf = [](const std::vector<std::uint8_t>& bytes) {
        Library lib;
        lib.read(bytes);
        return lib.library.Groups.size();
    };
    ASSERT_EQ(groupsOf(pe.bytes), 2u);

    // Truncated anywhere.
    for (std::size_t size = 0; size < pe.bytes.size(); size += 7)
        EXPECT_LE(groupsOf({pe.bytes.begin(), pe.bytes.begin() + static_cast<std::ptrdiff_t>(size)}), 2u);

    // Directories that point back to themselves or to the root are left out.
    std::vector<std::uint8_t> loop = pe.bytes;
    test::Put32(loop, pe.rsrc + pe.languageDirs[0] + 20, 0x80000000u | static_cast<std::uint32_t>(pe.languageDirs[0]));
    test::Put32(loop, pe.rsrc + pe.languageDirs[1] + 20, 0x80000000u);
    EXPECT_EQ(groupsOf(loop), 0u);
    test::Put32(loop, pe.rsrc + 20, 0x80000000u);
    EXPECT_EQ(groupsOf(loop), 0u);

    // Counts of 65535: the records that lie in the file are read.
    std::vector<std::uint8_t> counts = pe.bytes;
    test::Put16(counts, pe.rsrc + 14, 0xFFFF);
    EXPECT_EQ(groupsOf(counts), 2u);
    std::vector<std::uint8_t> directory = test::GroupDirectory({{16, 16, 4, 1}});
    test::Put16(directory, 4, 0xFFFF);
    Library formats;
    formats.read(test::MakePe({resources[2], {14, 1, directory}}).bytes);
    ASSERT_EQ(formats.library.Groups.size(), 1u);
    EXPECT_EQ(formats.library.Groups[0].Count, 1);
    // (In the NE file: group count at 132, icon count at 164, names from 208.)
    std::vector<std::uint8_t> groupCount = TwoGroupLibrary({});
    test::Put16(groupCount, 132, 0xFFFF);
    EXPECT_GE(groupsOf(groupCount), 2u);
    std::vector<std::uint8_t> iconCount = TwoGroupLibrary({});
    test::Put16(iconCount, 164, 0xFFFF);
    Library icons;
    icons.read(iconCount);
    ASSERT_EQ(icons.library.Groups.size(), 2u);
    EXPECT_TRUE(SamePixels(icons.load(0, 0), test::PatternImage(16, 16, Depth4)));

    // A resource name and entry names that run past the end of the file.
    std::vector<std::uint8_t> names = pe.bytes;
    const std::size_t firstNameEntry = pe.rsrc + 32 + 16; // after the root and its two types
    test::Put32(names, firstNameEntry, 0x80000000u | static_cast<std::uint32_t>(names.size() - 2 - pe.rsrc));
    test::Put16(names, names.size() - 2, 0xFFFF);
    EXPECT_EQ(groupsOf(names), 2u);
    const std::vector<std::uint8_t> longName = TwoGroupLibrary({"ICL", "Apple", std::string(200, 'x')});
    Library cut;
    cut.read({longName.begin(), longName.begin() + 318});
    EXPECT_EQ(NamesOf(cut.library), (std::vector<std::string>{"Orm Icon1", "Orm Icon2"}));

    // One image listed 65535 times is decoded only until the reading budget is spent.
    const std::vector<std::uint8_t> many =
        test::MakePe({{14, 1, test::GroupDirectory(std::vector<test::TestFormat>(65535, {0, 0, 32, 1}))},
                      {3, 1, test::IconBlock(test::PatternImage(128, 128, Depth32))}}).bytes;
    std::size_t visited = 0;
    VisitStoredIcons(many, StoredImageCheck::Decode, [&](const TGroupIcon& entry, const std::vector<TStoredImage>& images) {
        EXPECT_EQ(entry.Count, 65535);
        visited = images.size();
    });
    EXPECT_GT(visited, 10u);
    EXPECT_LT(visited, 1000u);
}

} // namespace
} // namespace ormel
