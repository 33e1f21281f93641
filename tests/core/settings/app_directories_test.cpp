#include "settings/app_directories.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace ormel {
namespace {

TEST(AppDirectoriesTest, OrmelHomeHoldsEverything)
{
    test::TempDir dir;
    const std::string home = dir.file("home");
    ::setenv("ORMEL_HOME", home.c_str(), 1);
    const AppDirectories dirs = LocateAppDirectories("/nonexistent/bin");
    ::unsetenv("ORMEL_HOME");
    EXPECT_EQ(dirs.ConfigDir, home);
    EXPECT_EQ(dirs.DataDir, home);
    EXPECT_EQ(dirs.WorkRoot, home);

    ::setenv("XDG_CONFIG_HOME", "/cfg", 1);
    EXPECT_EQ(LocateAppDirectories("/opt/ormel/bin").ConfigDir, "/cfg/ormel");
    EXPECT_EQ(LocateAppDirectories("/opt/ormel/bin").DataDir, "/opt/ormel/bin/data");
    ::unsetenv("XDG_CONFIG_HOME");
}

TEST(PrivateWorkDirTest, TwoEditorsGetTheirOwnDirectoryRemovedAtTheEnd)
{
    test::TempDir root;
    std::string first, second, history;
    {
        PrivateWorkDir a(root.file("work"));
        PrivateWorkDir b(root.file("work"));
        first = a.path();
        second = b.path();
        ASSERT_FALSE(first.empty());
        EXPECT_NE(first, second);
        history = a.subdirectory("history");
        EXPECT_EQ(history, first + "/history/");
        std::ofstream(history + "1_1.orm") << "x";
        EXPECT_TRUE(std::filesystem::exists(history + "1_1.orm"));
    }
    EXPECT_FALSE(std::filesystem::exists(first));
    EXPECT_FALSE(std::filesystem::exists(second));
}

} // namespace
} // namespace ormel
