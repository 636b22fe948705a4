// Settings files: defaults, round trips, edits in place and failed writes
// that must leave the file whole.
#include "host/framework/services/ini_class.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "support/temp_folder.h"

namespace crv {
namespace {

namespace fs = std::filesystem;

std::string readAll(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void writeAll(const fs::path& file, const std::string& text) {
  std::ofstream(file, std::ios::binary) << text;
}

std::size_t entriesIn(const fs::path& folder) {
  return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

TEST(INIClass, MissingFileAnswersDefaultsAndFirstUpdateCreatesIt) {
  test::TempFolder folder;
  INIClass ini;
  ini.init(folder / "crvpo.INI");
  EXPECT_EQ(ini.fetch("Setup", "Path", "none"), "none");
  EXPECT_EQ(ini.fetchNumber("Setup", "Count", 7), 7);
  EXPECT_FALSE(fs::exists(folder / "crvpo.INI"));

  ASSERT_TRUE(ini.update("Setup", "Path", "C:/data"));
  ASSERT_TRUE(ini.updateNumber("Setup", "Count", -12));
  EXPECT_EQ(readAll(folder / "crvpo.INI"), "[Setup]\nPath=C:/data\nCount=-12\n");
  EXPECT_EQ(ini.fetch("setup", "PATH"), "C:/data");
  EXPECT_EQ(ini.fetchNumber("SETUP", "count", 0), -12);
}

TEST(INIClass, UpdateKeepsOtherSectionsKeysAndComments) {
  test::TempFolder folder;
  const fs::path file = folder / "suite.ini";
  writeAll(file,
           "; suite settings\n"
           "Top = 1\n"
           "\n"
           "[Kestrel Corvana]\n"
           "AttachmentCaption = F\n"
           "# keep me\n"
           "MOD:Reinsert=1\n"
           "\n"
           "[Other]\n"
           "Key=x\n");
  INIClass ini;
  ini.init(file);
  EXPECT_EQ(ini.fetch("", "top"), "1");
  EXPECT_EQ(ini.fetch("kestrel corvana", "attachmentcaption"), "F");

  ASSERT_TRUE(ini.update("KESTREL CORVANA", "attachmentCaption", "T"));
  ASSERT_TRUE(ini.update("Kestrel Corvana", "NewKey", "v"));
  ASSERT_TRUE(ini.update("Third", "A", "b"));
  ASSERT_TRUE(ini.update("", "Second", "2"));
  EXPECT_EQ(readAll(file),
            "; suite settings\n"
            "Top = 1\n"
            "Second=2\n"
            "\n"
            "[Kestrel Corvana]\n"
            "AttachmentCaption = T\n"
            "# keep me\n"
            "MOD:Reinsert=1\n"
            "NewKey=v\n"
            "\n"
            "[Other]\n"
            "Key=x\n"
            "\n"
            "[Third]\n"
            "A=b\n");
}

TEST(INIClass, ValuesKeepTheirBlanksAndWindowsLineEndsStay) {
  test::TempFolder folder;
  const fs::path file = folder / "w.ini";
  writeAll(file, "[A]\r\nK=1\r\n");
  INIClass ini;
  ini.init(file);
  ASSERT_TRUE(ini.update("A", "Padded", "  two words "));
  ASSERT_TRUE(ini.update("A", "Quoted", "\"q\""));
  EXPECT_EQ(ini.fetch("A", "Padded"), "  two words ");
  EXPECT_EQ(ini.fetch("A", "Quoted"), "\"q\"");
  EXPECT_EQ(readAll(file), "[A]\r\nK=1\r\nPadded=\"  two words \"\r\nQuoted=\"\"q\"\"\r\n");
}

TEST(INIClass, NumbersFallBackToTheDefault) {
  test::TempFolder folder;
  writeAll(folder / "n.ini", "[N]\nGood=+42\nBad=12abc\nEmpty=\n");
  INIClass ini;
  ini.init(folder / "n.ini");
  EXPECT_EQ(ini.fetchNumber("N", "Good", 0), 42);
  EXPECT_EQ(ini.fetchNumber("N", "Bad", 5), 5);
  EXPECT_EQ(ini.fetchNumber("N", "Empty", 6), 6);
}

TEST(INIClass, FailedWritesLeaveTheFileWhole) {
  test::TempFolder folder;
  const fs::path file = folder / "ro.ini";
  const std::string before = "[A]\nK=1\n";
  writeAll(file, before);
  fs::permissions(file, fs::perms::owner_read | fs::perms::group_read);
  INIClass ini;
  ini.init(file);
  EXPECT_FALSE(ini.update("A", "K", "2"));
  EXPECT_NE(ini.lastError().find("read-only"), std::string::npos);
  EXPECT_EQ(readAll(file), before);
  EXPECT_EQ(entriesIn(folder.path()), 1u);

  INIClass nowhere;
  nowhere.init(folder / "missing" / "x.ini");
  EXPECT_FALSE(nowhere.update("A", "K", "1"));
  EXPECT_FALSE(nowhere.lastError().empty());

  INIClass unbound;
  EXPECT_EQ(unbound.fetch("A", "K", "d"), "d");
  EXPECT_FALSE(unbound.update("A", "K", "1"));
}

TEST(INIClass, RefusesValuesThatWouldBreakTheFile) {
  test::TempFolder folder;
  INIClass ini;
  ini.init(folder / "x.ini");
  EXPECT_FALSE(ini.update("A", "K", "line\n[B]"));
  EXPECT_FALSE(ini.update("A", "K=1", "v"));
  EXPECT_FALSE(ini.update("A", " ", "v"));
  EXPECT_FALSE(fs::exists(folder / "x.ini"));
}

TEST(INIClass, UpdateThroughALinkRewritesTheLinkedFile) {
  test::TempFolder folder;
  writeAll(folder / "real.ini", "[A]\nK=1\n");
  fs::create_symlink(folder / "real.ini", folder / "link.ini");
  INIClass ini;
  ini.init(folder / "link.ini");
  ASSERT_TRUE(ini.update("A", "K", "2"));
  EXPECT_TRUE(fs::is_symlink(folder / "link.ini"));
  EXPECT_EQ(readAll(folder / "real.ini"), "[A]\nK=2\n");
}

}  // namespace
}  // namespace crv
