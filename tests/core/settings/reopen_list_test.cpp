#include "settings/reopen_list.h"
#include "settings/ini_file.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace ormel {
namespace {

TEST(ReopenList, KeepsTheTenNewestAndLeavesKnownPathsInPlace)
{
    test::TempDir dir;
    const std::string path = dir.file("ormel.cfg");
    TReopenList list(path);
    list.Load();
    EXPECT_EQ(list.Count(), 0);
    for (int i = 0; i < 11; ++i)
        EXPECT_TRUE(list.AddRecentFile("/icons/" + std::to_string(i) + ".ico"));
    ASSERT_EQ(list.Count(), 10);
    EXPECT_EQ(list.Files().front(), "/icons/10.ico");
    EXPECT_EQ(list.Files().back(), "/icons/1.ico");
    EXPECT_FALSE(list.AddRecentFile("/icons/5.ico"));
    EXPECT_EQ(list.Files()[5], "/icons/5.ico");
    EXPECT_FALSE(list.AddRecentFile(""));
    EXPECT_TRUE(list.RemoveRecentFile("/icons/10.ico"));

    TIniFile other;
    other.WriteString("mine", "kept", "yes");
    other.WriteString("reopen", "9", "stale");
    ASSERT_TRUE(other.Save(path));
    ASSERT_TRUE(list.Save());
    TIniFile saved;
    saved.Load(path);
    EXPECT_EQ(saved.ReadString("mine", "kept", ""), "yes");
    EXPECT_EQ(saved.ReadString("reopen", "8", ""), "/icons/1.ico");
    EXPECT_EQ(saved.ReadString("reopen", "9", "absent"), "");

    TReopenList loaded(path);
    loaded.Load();
    EXPECT_EQ(loaded.Files(), list.Files());
}

} // namespace
} // namespace ormel
