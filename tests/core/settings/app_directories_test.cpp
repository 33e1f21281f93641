#include "settings/app_directories.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

namespace ormel {
namespace {

// The pid of a process that has ended and been reaped.
long DeadPid()
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

TEST(PrivateWorkDirTest, DirectoriesOfEditorsNoLongerRunningAreRemovedAtStart)
{
    namespace fs = std::filesystem;
    test::TempDir root;
    const std::string work = root.file("work");
    const long dead = DeadPid();
    ASSERT_GT(dead, 0);
    struct Case {
        const char* name;
        std::string owner; // empty: no owner file
        bool removed;
    };
    const Case cases[] = {
        {"ormel-dead01", WorkDirOwnerRecord(dead), true},
        {"ormel-alive1", WorkDirOwnerRecord(::getpid()), false},
        {"ormel-other1", std::to_string(dead) + " another-host-name\n", false},
        {"ormel-junk01", "12ab " + WorkDirOwnerRecord(dead), false},
        {"ormel-dead0123", WorkDirOwnerRecord(dead), false},
        {"notours-dead", WorkDirOwnerRecord(dead), false},
    };
    for (const Case& c : cases) {
        fs::create_directories(work + "/" + c.name + "/history");
        std::ofstream(work + "/" + c.name + "/history/1_1.orm") << "x";
        if (!c.owner.empty())
            std::ofstream(work + "/" + c.name + "/" + kWorkDirOwnerFile) << c.owner;
    }
    fs::create_directory_symlink(work + "/ormel-dead01", work + "/ormel-link01");

    std::string mine;
    {
        const PrivateWorkDir editor(work);
        mine = editor.path();
        EXPECT_TRUE(fs::is_regular_file(mine + "/" + kWorkDirOwnerFile));
        for (const Case& c : cases)
            EXPECT_EQ(fs::exists(work + "/" + c.name), !c.removed) << c.name;
        EXPECT_TRUE(fs::is_symlink(work + "/ormel-link01"));
        EXPECT_EQ(RemoveAbandonedWorkDirs(work), 0); // the running editor's own stays
    }
    EXPECT_FALSE(fs::exists(mine));
}

} // namespace
} // namespace ormel
