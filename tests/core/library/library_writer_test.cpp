#include "library/library_writer.h"

#include "files/file_access.h"
#include "library/library_reader.h"
#include "library/library_store.h"
#include "resource_builders.h"

#include <gtest/gtest.h>

#include <fstream>

namespace ormel {
namespace {

using test::PatternImage;
using test::TempDir;

std::vector<int> Words(const std::vector<std::uint8_t>& b, std::size_t at, std::size_t count)
{
    std::vector<int> words;
    for (std::size_t i = at; i < at + 2 * count; i += 2)
        words.push_back(b.at(i) | (b.at(i + 1) << 8));
    return words;
}

struct StoredLibrary {
    TempDir dir;
    TIconLibrary library;
    StoredLibrary()
    {
        library.TempDir = dir.file("");
        library.Editable = true;
    }
};

TEST(LibraryWriter, LaysOutHeadersRecordsNamesAndAlignedData)
{
    const std::string longName = "Pear with a name of forty letters.......";
    const TIconImageArray apple = {PatternImage(16, 16, Depth32), PatternImage(32, 32, Depth8)};
    const TIconImageArray pear = {PatternImage(48, 48, Depth4), PatternImage(256, 256, Depth32), PatternImage(24, 24, Depth1)};
    StoredLibrary stored;
    ASSERT_EQ(AddToLibrary(stored.library, "Apple", apple), 0);
    ASSERT_EQ(AddToLibrary(stored.library, longName, pear), 0);
    std::vector<std::uint8_t> file;
    ASSERT_EQ(EncodeLibraryFile(stored.library, file), 0);

    std::vector<std::uint8_t> headers(192, 0);
    headers[0] = 'M', headers[1] = 'Z', headers[60] = 128;               // e_lfanew
    headers[128] = 'N', headers[129] = 'E', headers[162] = headers[164] = 64; // ne_segtab, ne_rsrctab
    headers[166] = 296 - 128, headers[182] = 2, headers[191] = 3;        // ne_restab, ne_exetyp, ne_expver
    EXPECT_EQ(std::vector<std::uint8_t>(file.begin(), file.begin() + 192), headers);
    EXPECT_EQ(Words(file, 192, 21), (std::vector<int>{10, 0x800E, 2, 0, 0, 1, 1, 0x1C30, 0x8001, 0, 0, 2, 1, 0x1C30,
                                                      0x8002, 0, 0, 0x8003, 5, 0, 0}));
    EXPECT_EQ(Words(file, 294, 1)[0], 0);
    const std::string names = std::string("\3ICL\5Apple\x20", 11) + longName.substr(0, 32) + std::string(1, '\0');
    EXPECT_EQ(std::string(file.begin() + 296, file.begin() + 296 + static_cast<std::ptrdiff_t>(names.size())), names);

    // The second group directory, at 2048: width byte 0 for 256, the byte count, the ID.
    EXPECT_EQ(Words(file, 2048, 3), (std::vector<int>{0, 1, 3}));
    const std::uint8_t wide[8] = {0, 0, 0, 0, 1, 0, 32, 0};
    EXPECT_TRUE(std::equal(wide, wide + 8, file.begin() + 2048 + 6 + 14));
    EXPECT_EQ(Words(file, 2048 + 6 + 14 + 12, 1)[0], 4);

    // Each image starts at the first multiple of 1024 after the data before it, zeros in
    // between; its record counts whole 1024s, its directory entry the exact bytes.
    std::size_t end = 2048 + 6 + 3 * 14, k = 0;
    for (const TIconImageArray* images : {&apple, &pear})
        for (std::size_t i = 0; i < images->size(); ++i, ++k) {
            const std::vector<std::uint8_t> block = test::IconBlock((*images)[i]);
            const std::vector<int> record = Words(file, 234 + 12 * k, 6);
            const std::size_t start = std::size_t(record[0]) * 1024;
            EXPECT_EQ(start, (end + 1023) / 1024 * 1024) << k;
            EXPECT_EQ(record, (std::vector<int>{record[0], int((block.size() + 1023) / 1024), 0x1C30, int(0x8001 + k), 0, 0}));
            EXPECT_EQ(LoadU32(&file.at((images == &apple ? 1024 : 2048) + 6 + 14 * i + 8)), block.size()) << k;
            EXPECT_TRUE(std::all_of(file.begin() + std::ptrdiff_t(end), file.begin() + std::ptrdiff_t(start), [](auto b) { return b == 0; }));
            ASSERT_LE(start + block.size(), file.size());
            EXPECT_TRUE(std::equal(block.begin(), block.end(), file.begin() + std::ptrdiff_t(start))) << k;
            end = start + block.size();
        }
    EXPECT_EQ(file.size(), (end + 1023) / 1024 * 1024);
}

TEST(LibraryWriter, FailuresKeepTheFileAndModified)
{
    StoredLibrary stored;
    TIconLibrary& library = stored.library;
    ASSERT_EQ(AddToLibrary(library, "Star", {PatternImage(32, 32, Depth24)}), 0);
    library.Modified = true;
    EXPECT_EQ(WriteLibraryFile(library, stored.dir.file("missing/lib.icl")), -1);
    EXPECT_EQ(library.LastMessage, "The file could not be written.");
    EXPECT_TRUE(library.Modified);

    // A damaged snapshot file fails the write instead of losing its image.
    std::ofstream(library.Groups[0].Formats[0].FileName, std::ios::binary) << "damaged";
    EXPECT_EQ(WriteLibraryFile(library, stored.dir.file("lib.icl")), -1);
    EXPECT_EQ(library.LastMessage, "The file format is not available.");

    // ne_restab is 16 bits: the records of 5500 entries push the names area beyond it.
    TIconLibrary huge;
    huge.Groups.resize(5500);
    std::vector<std::uint8_t> file;
    EXPECT_EQ(EncodeLibraryFile(huge, file), -1);
    EXPECT_EQ(huge.LastMessage, "The library is too large for an icon library file.");
    huge.Groups.resize(5400);
    EXPECT_EQ(EncodeLibraryFile(huge, file), 0);
}

} // namespace
} // namespace ormel
