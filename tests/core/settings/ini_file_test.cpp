#include "settings/ini_file.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <string_view>

namespace ormel {
namespace {

TIniFile ParseText(std::string_view text)
{
    return TIniFile::Parse(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

TEST(IniFile, ReadsKeysOfSectionsAndSkipsEverythingElse)
{
    using namespace std::string_view_literals;
    const TIniFile ini = ParseText("orphan=1\r\n[Frm_Main]\r\n Left = 12 \n;top=3\nnoise\nleft=99\n"
                                   "[frm_main]\nTop=-40\0width=+5\n[bad\nheight=30\n"
                                   "[other]\nwidth=99999999999\nname=\" a b \"\n"sv);
    EXPECT_EQ(ini.ReadInteger("frm_main", "left", -1), 12); // the first of repeated keys
    EXPECT_EQ(ini.ReadInteger("FRM_MAIN", "top", -1), -40);
    EXPECT_EQ(ini.ReadInteger("frm_main", "width", -1), 5);
    EXPECT_EQ(ini.ReadInteger("frm_main", "height", -1), -1); // "[bad" is no section
    EXPECT_EQ(ini.ReadInteger("other", "width", -1), -1);         // out of range
    EXPECT_EQ(ini.ReadString("other", "name", ""), " a b ");
    EXPECT_EQ(ini.ReadString("", "orphan", "none"), "none");
    EXPECT_EQ(ini.Sections().size(), 2u);
}

TEST(IniFile, WritesWhatItReadsBackThroughAFile)
{
    test::TempDir dir;
    TIniFile ini;
    ini.WriteInteger("frm_history", "left", -7);
    ini.WriteBool("frm_history", "showing", false);
    ini.WriteString("reopen", "0", "  /tmp/odd name.ico ");
    ini.WriteString("reopen", "1", "\"quoted\"");
    ini.WriteString("reopen", "2", "first line\nsecond");
    const std::string path = dir.file("sub/ormel.cfg");
    ASSERT_TRUE(ini.Save(path));

    TIniFile again;
    ASSERT_TRUE(again.Load(path));
    EXPECT_EQ(again.ReadInteger("frm_history", "left", 0), -7);
    EXPECT_EQ(again.ReadString("frm_history", "showing", ""), "0");
    EXPECT_TRUE(again.ReadBool("frm_other", "showing", true));
    EXPECT_EQ(again.ReadString("reopen", "0", ""), "  /tmp/odd name.ico ");
    EXPECT_EQ(again.ReadString("reopen", "1", ""), "\"quoted\"");
    EXPECT_EQ(again.ReadString("reopen", "2", ""), "first line");
    EXPECT_FALSE(again.Load(dir.file("absent.cfg")));
    EXPECT_TRUE(again.Sections().empty());
}

} // namespace
} // namespace ormel
