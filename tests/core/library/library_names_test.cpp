#include "library/snapshot_name.h"
#include "library/thumbnail.h"
#include "library/unique_name.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <fstream>

namespace ormel {
namespace {

TEST(LibraryNames, UniqueNamesAndNumbering)
{
    EXPECT_EQ(NextNameCandidate("Orm Icon1"), "Orm Icon1(1)");
    EXPECT_EQ(NextNameCandidate("Star(2)"), "Star(3)");
    EXPECT_EQ(NextNameCandidate("(7)"), "(7)(1)");
    EXPECT_EQ(NextNameCandidate("Star(x)"), "Star(x)(1)");
    EXPECT_EQ(NextNameCandidate("Star(99999999999)"), "Star(99999999999)(1)");

    std::vector<TGroupIcon> groups(6);
    const char* names[] = {"Star", "Star(1)", "STAR", "star(1)", "Moon", "Star"};
    for (std::size_t i = 0; i < groups.size(); ++i)
        groups[i].Name = names[i];
    std::vector<TGroupIcon> one = groups;
    for (std::size_t i = 0; i < one.size(); ++i)
        MakeUniqueName(one, i);
    MakeNamesUnique(groups);
    const char* expected[] = {"Star", "Star(1)", "STAR(2)", "star(3)", "Moon", "Star(4)"};
    for (std::size_t i = 0; i < groups.size(); ++i) {
        EXPECT_EQ(groups[i].Name, expected[i]);
        EXPECT_EQ(one[i].Name, expected[i]);
    }
}

TEST(LibraryNames, SnapshotFilesNeverShareAName)
{
    test::TempDir dir;
    const std::string temp = dir.file("");
    const std::string first = NewSnapshotFileName(temp, "Orm Icon1", 10);
    EXPECT_EQ(first, temp + "~Orm Icon110.orm");
    std::ofstream(first).put('x');
    const std::string second = NewSnapshotFileName(temp, "Orm Icon11", 0);
    EXPECT_EQ(second.size(), first.size() + 9);
    EXPECT_EQ(second.substr(0, first.size() - 4) + ".orm", first);
    EXPECT_EQ(NewSnapshotFileName(temp, "a/b\0c", 2), temp + "~a_b2.orm");
    EXPECT_EQ(NewSnapshotFileName(temp, std::string("a/b\0c", 5), 2), temp + "~a_b_c2.orm");
    EXPECT_EQ(NewSnapshotFileName(temp, std::string(100, 'n'), 0), temp + "~" + std::string(64, 'n') + "0.orm");
}

} // namespace
} // namespace ormel
