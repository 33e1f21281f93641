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

TEST(IcoFixtures, GreyPngEntryOpensAsThirtyTwoBitGrey)
{
    TIconFileAccess access;
    TIconDocument document;
    ASSERT_EQ(access.OpenIconFile(test::FixturePath("wine-shell32-grey-png.ico"), document), 0);
    const TIconImage& big = document.Images[0];
    EXPECT_EQ(big.ColorDepth, Depth32);
    int translucent = 0;
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x) {
            const std::uint32_t c = test::ColourAt(big, x, y);
            ASSERT_EQ(c & 0xFF, (c >> 8) & 0xFF);
            ASSERT_EQ(c & 0xFF, (c >> 16) & 0xFF);
            const int t = test::TransparencyAt(big, x, y);
            translucent += t > 0 && t < 255;
        }
    EXPECT_GT(translucent, 0);
}

// Written back in our layout, every image reads back with its colours and transparency
// (below 32 bits in the bitmap form only full transparency is kept).
TEST(IcoFixtures, SurviveARoundTripThroughOurWriter)
{
    for (const auto& [name, expected] : ListedIcons()) {
        TIconFileAccess access;
        TIconDocument original;
        ASSERT_EQ(access.OpenIconFile(test::FixturePath(name), original), 0);
        TIconDocument again;
        ASSERT_EQ(access.ReadIconData(test::Encode(original.Images), again), 0) << name << ": " << access.ErrorText;
        ASSERT_EQ(again.Images.size(), original.Images.size());
        for (std::size_t i = 0; i < original.Images.size(); ++i) {
            const TIconImage& a = original.Images[i];
            const TIconImage& b = again.Images[i];
            const bool dib = a.Width <= 128 && a.Height <= 128;
            ASSERT_EQ(b.ColorDepth, a.ColorDepth) << name << " #" << i;
            for (int y = 0; y < a.Height; ++y)
                for (int x = 0; x < a.Width; ++x) {
                    const int ta = test::TransparencyAt(a, x, y);
                    const int expectedT = dib && a.ColorDepth != Depth32 ? (ta == 255 ? 255 : 0) : ta;
                    ASSERT_EQ(test::TransparencyAt(b, x, y), expectedT) << name << " #" << i;
                    ASSERT_EQ(test::ColourAt(b, x, y), test::ColourAt(a, x, y)) << name << " #" << i;
                }
        }
    }
}

} // namespace
} // namespace ormel
