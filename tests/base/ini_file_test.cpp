#include "base/ini_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "base/text.h"

namespace kv {
namespace {

TEST(IniFile, MatchesNamesWithoutCaseAndFirstMatchWins) {
  const auto ini = IniFile::FromText(
      "[Default]\nSound=0\n sound = 1\n[default]\nDuration=99\n[Other]\nDuration=7\n");
  EXPECT_FALSE(ini.ReadBool("DEFAULT", "SOUND", true));
  // The second [default] is never reached.
  EXPECT_EQ(ini.ReadInteger("Default", "Duration", 30), 30);
  EXPECT_EQ(ini.ReadInteger("other", "duration", 30), 7);
}

TEST(IniFile, IntegerAndBooleanRules) {
  const auto ini = IniFile::FromText(
      "[S]\na=5\nb=-12\nc=x\nd=\ne= 42 \nf=3.5\ng=99999999999\nh=0\ni=+8\n");
  struct Case {
    const char* key;
    int32_t expected;
  } cases[] = {{"a", 5}, {"b", -12}, {"c", -1}, {"d", -1}, {"e", 42},
               {"f", -1}, {"g", -1}, {"h", 0}, {"i", 8}, {"missing", -1}};
  for (const auto& c : cases) EXPECT_EQ(ini.ReadInteger("S", c.key, -1), c.expected) << c.key;
  EXPECT_TRUE(ini.ReadBool("S", "a", false));   // 5 reads as true
  EXPECT_FALSE(ini.ReadBool("S", "h", true));
  EXPECT_TRUE(ini.ReadBool("S", "c", true));    // not an integer: the default
  EXPECT_FALSE(ini.ReadBool("S", "c", false));
}

TEST(IniFile, SectionKeysKeepFileOrderAndSkipComments) {
  const auto ini = IniFile::FromText("[FileList]\r\nb.KVP=1\r\n;note=1\r\na.KVP=0\r\n\r\nc.jpg=x\r\n[UI]\r\nUIFile=x\r\n");
  EXPECT_EQ(ini.ReadSection("filelist"), (std::vector<std::string>{"b.KVP", "a.KVP", "c.jpg"}));
  EXPECT_TRUE(ini.ReadSection("nothing").empty());
  EXPECT_EQ(ini.ReadString("UI", "UIFile", ""), "x");
}

TEST(IniFile, WritesKeepEveryOtherLine) {
  auto ini = IniFile::FromText("; header\n[Setting]\nImageSize=1\n; keep me\nUnknown=abc\n\n[Files]\n3=\n");
  ini.WriteInteger("setting", "imagesize", 2);
  ini.WriteBool("Setting", "Sound", false);
  ini.WriteString("New", "Key", "v");
  EXPECT_EQ(ini.Text(),
            "; header\n[Setting]\nImageSize=2\n; keep me\nUnknown=abc\nSound=0\n\n[Files]\n3=\n\n[New]\nKey=v\n");
  ini.EraseSection("files");
  EXPECT_FALSE(ini.SectionExists("Files"));
  EXPECT_EQ(ini.ReadString("New", "Key", ""), "v");
}

TEST(IniFile, KeepsCrLfLineEnds) {
  auto ini = IniFile::FromText("[A]\r\nx=1\r\n");
  ini.WriteInteger("A", "y", 2);
  EXPECT_EQ(ini.Text(), "[A]\r\nx=1\r\ny=2\r\n");
}

TEST(IniFile, SaveReplacesTheFileAndLoadReadsItBack) {
  const auto dir = std::filesystem::temp_directory_path() / ("kv_ini_test_" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  const std::string path = (dir / "My.Saver.ini").string();
  {
    std::ofstream(path) << "[Setting]\nDuration=10\n";
  }
  auto ini = IniFile::Load(path);
  ASSERT_TRUE(ini.Exists());
  ini.WriteInteger("Setting", "Duration", 20);
  ASSERT_TRUE(ini.Save());
  EXPECT_EQ(IniFile::Load(path).ReadInteger("Setting", "Duration", 0), 20);
  // Nothing but the file itself is left in the folder.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1);

  EXPECT_FALSE(IniFile::Load((dir / "missing.ini").string()).Exists());
  auto unwritable = IniFile::Load((dir / "no" / "such" / "folder.ini").string());
  unwritable.WriteInteger("A", "b", 1);
  EXPECT_FALSE(unwritable.Save());
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace kv
