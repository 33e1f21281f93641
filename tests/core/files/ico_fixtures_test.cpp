#include "files/file_access.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>

namespace ormel {
namespace {

struct ListedEntry {
    int width, height, bits;
};

// What the independent tools listed for each icon fixture.
std::map<std::string, std::vector<ListedEntry>> ListedIcons()
{
    std::map<std::string, std::vector<ListedEntry>> listed;
    std::ifstream facts(test::FixturePath("FACTS.txt"));
    std::string line, current;
    const std::regex entry(R"(--index=\d+ --width=(\d+) --height=(\d+) --bit-depth=(\d+))");
    while (std::getline(facts, line)) {
        std::smatch m;
        if (line.rfind("### ", 0) == 0)
            current = line.substr(4, line.find(' ', 4) - 4);
        else if (current.ends_with(".ico") && std::regex_search(line, m, entry))
            listed[current].push_back({std::stoi(m[1]), std::stoi(m[2]), std::stoi(m[3])});
    }
    return listed;
}

TEST(IcoFixtures, OpenWithExactlyTheListedImages)
{
    const auto listed = ListedIcons();
    ASSERT_EQ(listed.size(), 8u);
    for (const auto& [name, expected] : listed) {
        TIconFileAccess access;
        TIconDocument document;
        std::vector<TIconEntryInfo> entries;
        ASSERT_EQ(access.OpenIconFile(test::FixturePath(name), document, &entries), 0) << name << ": " << access.ErrorText;
        ASSERT_EQ(document.Images.size(), expected.size()) << name;
        for (std::size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(document.Images[i].Width, expected[i].width) << name << " #" << i;
            EXPECT_EQ(document.Images[i].Height, expected[i].height) << name << " #" << i;
            EXPECT_EQ(entries[i].storedBits, expected[i].bits) << name << " #" << i;
        }
        EXPECT_EQ(document.CurrentIndex, static_cast<int>(expected.size()) - 1);
    }
}

} // namespace
} // namespace ormel
