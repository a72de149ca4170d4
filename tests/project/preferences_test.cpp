#include "project/preferences.h"

#include <gtest/gtest.h>

#include "base/ini_file.h"
#include "base/message_box.h"
#include "tests/package/pack_fixture.h"

namespace kv {
namespace {

using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;

class RecordingBox : public MessageBox {
 public:
  void Show(const std::string& text) override { texts.push_back(text); }
  std::vector<std::string> texts;
};

class PreferencesTest : public ::testing::Test {
 protected:
  PreferencesTest() {
    WriteFile(program_, "program");
    SetMessages(&box_);
  }
  ~PreferencesTest() override { SetMessages(nullptr); }

  std::string Canonical(const std::string& name) const {
    return std::filesystem::canonical(dir_.path()).string() + "/" + name;
  }
  void Prefs(const std::string& text) { WriteFile(dir_ / "My.Saver.ini", text); }
  std::string PrefsText() const { return ReadFile(dir_ / "My.Saver.ini").value_or("<missing>"); }

  // A project of five files, all flagged for play.
  static TKVCProject FiveFiles() {
    TKVCProject p;
    p.FileList.Names = {"a", "b", "c", "d", "e"};
    p.FileList.Flags.assign(5, "TRUE");
    return p;
  }
  static std::vector<std::string> Flags(const std::string& pattern) {
    std::vector<std::string> flags;
    for (char c : pattern) flags.push_back(c == 'T' ? "TRUE" : "FALSE");
    return flags;
  }

  TempDir dir_;
  std::string program_ = dir_ / "My.Saver.scr";
  ProgramStart start_{program_, ""};
  RecordingBox box_;
};

TEST_F(PreferencesTest, PathBesideTheProgram) {
  for (const char* name : {"saver", "a.b.", "x.SCR"}) WriteFile(dir_ / name, "p");
  std::filesystem::create_directory(dir_ / "dot.dir");
  WriteFile(dir_ / "dot.dir/saver", "p");
  EXPECT_EQ(PreferencesPath(program_), Canonical("My.Saver.ini"));
  EXPECT_EQ(PreferencesPath(dir_ / "x.SCR"), Canonical("x.ini"));
  EXPECT_EQ(PreferencesPath(dir_ / "saver"), Canonical("saver.ini"));
  EXPECT_EQ(PreferencesPath(dir_ / "a.b."), Canonical("a.ini"));
  EXPECT_EQ(PreferencesPath(dir_ / "dot.dir/saver"), Canonical("dot.dir/saver.ini"));
  EXPECT_EQ(PreferencesPath(dir_ / "missing.scr"), "");
}

TEST(PreferencesApply, ScrExtensionOrSlashC) {
  EXPECT_TRUE(PreferencesApply("/x/Sea Scenes.SCR", ""));
  EXPECT_TRUE(PreferencesApply("/x/a.scr", "/S"));
  EXPECT_TRUE(PreferencesApply("/x/saver.exe", "/c"));
  EXPECT_FALSE(PreferencesApply("/x/saver.exe", ""));
  EXPECT_FALSE(PreferencesApply("/x/saver.exe", "/c:1234"));
  EXPECT_FALSE(PreferencesApply("/x/scr", "/S"));
}

TEST_F(PreferencesTest, ReadDefaultsFromTheProjectThenTheFile) {
  TKVCProject p;
  p.Setting.Speed = 160;
  p.Setting.Duration = 45;
  auto read = ReadPreferences(p, start_);
  EXPECT_TRUE(read.apply);
  EXPECT_EQ(read.values.ImageSize, 1);
  EXPECT_EQ(read.values.Speed, 13);
  EXPECT_EQ(read.values.Duration, 45);
  p.Setting.Proportional = true;
  EXPECT_EQ(ReadPreferences(p, start_).values.ImageSize, 2);
  p.Setting.Stretch = false;
  EXPECT_EQ(ReadPreferences(p, start_).values.ImageSize, 0);

  Prefs("[Setting]\nImageSize=1\nSpeed=2\nSound=5\nDuration=x\nDirectXQuality=0\n");
  read = ReadPreferences(p, start_);
  EXPECT_EQ(read.values.ImageSize, 1);
  EXPECT_EQ(read.values.Speed, 2);
  EXPECT_TRUE(read.values.Sound);
  EXPECT_EQ(read.values.Duration, 45);
  EXPECT_EQ(read.values.DirectXQuality, 0);

  CopyPreferencesToProject(read.values, p);
  EXPECT_EQ(p.Setting.Speed, 30);
  EXPECT_TRUE(p.Setting.Stretch);
  EXPECT_FALSE(p.Setting.Proportional);

  // Not applying: the project's values, the file untouched.
  WriteFile(dir_ / "saver.exe", "p");
  const ProgramStart exe{dir_ / "saver.exe", ""};
  WriteFile(dir_ / "saver.ini", "[Setting]\nDuration=99\n");
  read = ReadPreferences(p, exe);
  EXPECT_FALSE(read.apply);
  EXPECT_EQ(read.values.Duration, 45);
  EXPECT_TRUE(WritePreferences(read.values, exe));
  EXPECT_TRUE(WriteSelectedIndex(4, exe));
  EXPECT_EQ(ReadFile(dir_ / "saver.ini"), "[Setting]\nDuration=99\n");
  EXPECT_EQ(ReadPreferences(p, ProgramStart{dir_ / "saver.exe", "/C"}).values.Duration, 99);
}

TEST_F(PreferencesTest, WritesKeepOtherKeysAndUseTheOneFile) {
  Prefs("[Setting]\nIndex=3\nExtra=keep\n[Files]\n1=\n");
  UserPreferences v;
  v.ImageSize = 2;
  v.Sound = false;
  v.Duration = 15;
  ASSERT_TRUE(WritePreferences(v, start_));
  EXPECT_EQ(PrefsText(),
            "[Setting]\nIndex=3\nExtra=keep\nImageSize=2\nImageMode=0\nSpeed=10\nSound=0\nMusic=1\n"
            "Transition=1\nDuration=15\nDirectX=1\nDirectXQuality=1\n[Files]\n1=\n");
  EXPECT_EQ(ReadSelectedIndex(start_), 3);
  ASSERT_TRUE(WriteSelectedIndex(4, start_));
  EXPECT_EQ(ReadSelectedIndex(start_), 4);

  EXPECT_EQ(ReadUncheckedPictures(start_), std::vector<std::string>{"1"});
  ASSERT_TRUE(WriteUncheckedPictures({7, 2}, start_));
  EXPECT_EQ(ReadUncheckedPictures(start_), (std::vector<std::string>{"7", "2"}));
  ASSERT_TRUE(WriteUncheckedPictures({}, start_));
  EXPECT_TRUE(ReadUncheckedPictures(start_).empty());
  EXPECT_TRUE(box_.texts.empty());
  EXPECT_FALSE(testing::Exists(dir_ / "My.ini"));
}

TEST_F(PreferencesTest, FailedWriteIsReportedAndLeavesNothingHalfWritten) {
  std::filesystem::create_directory(dir_ / "My.Saver.ini");  // cannot be replaced by a file
  EXPECT_FALSE(WritePreferences(UserPreferences{}, start_));
  EXPECT_FALSE(WriteSelectedIndex(1, start_));
  ASSERT_EQ(box_.texts.size(), 2u);
  EXPECT_EQ(box_.texts[0], "Unable to write to " + Canonical("My.Saver.ini"));
  EXPECT_TRUE(std::filesystem::is_directory(dir_ / "My.Saver.ini"));
  EXPECT_EQ(testing::Listing(dir_.path()), (std::vector<std::string>{"My.Saver.ini", "My.Saver.scr"}));
}

TEST_F(PreferencesTest, ApplyToTheShowNarrowsFlags) {
  struct Case {
    const char* text;
    const char* flags_before;
    const char* flags_after;
  };
  const std::vector<Case> cases = {
      {"[Setting]\nImageMode=3\nIndex=2\n", "TTTTT", "FFTFF"},
      {"[Setting]\nImageMode=3\nIndex=99\n", "TTTTT", "TFFFF"},
      {"[Setting]\nImageMode=3\nIndex=-1\n", "TTTTT", "TFFFF"},
      {"[Setting]\nImageMode=3\nIndex=1\n", "TFTTT", "TFTTT"},
      {"[Setting]\nImageMode=2\n[Files]\n0=\nx=\n42=\n", "TTTTT", "FTTTT"},
      {"[Setting]\nImageMode=2\n[Files]\n4=\n1=\n-1=\n", "TTTTT", "TFTTF"},
      {"[Setting]\nImageMode=0\n[Files]\n0=\n", "TTTTT", "TTTTT"},
      {"[Setting]\nImageMode=1\n[Files]\n0=\n", "TTTTT", "TTTTT"},
  };
  for (const auto& c : cases) {
    Prefs(c.text);
    TKVCProject p = FiveFiles();
    p.FileList.Flags = Flags(c.flags_before);
    ApplyPreferencesToProject(p, program_);
    EXPECT_EQ(p.FileList.Flags, Flags(c.flags_after)) << c.text;
    EXPECT_EQ(PrefsText(), c.text);
  }
  TKVCProject empty;
  Prefs("[Setting]\nImageMode=3\n");
  ApplyPreferencesToProject(empty, program_);
  EXPECT_TRUE(empty.FileList.Flags.empty());
}

TEST_F(PreferencesTest, ApplyToTheShowCopiesSettings) {
  TKVCProject p = FiveFiles();
  p.Setting.DirectX = false;
  p.Setting.DirectXQuality = 2;
  p.Setting.Proportional = true;
  ApplyPreferencesToProject(p, program_);  // no file: nothing changes
  EXPECT_FALSE(p.Setting.DirectX);

  Prefs("[Setting]\nImageSize=-1\nSpeed=-1\nSound=5\nMusic=0\nDuration=12\n");
  ApplyPreferencesToProject(p, program_);
  EXPECT_TRUE(p.Setting.Stretch);
  EXPECT_TRUE(p.Setting.Proportional);
  EXPECT_EQ(p.Setting.Speed, 100);
  EXPECT_TRUE(p.Setting.Sound);
  EXPECT_FALSE(p.Setting.Music);
  EXPECT_EQ(p.Setting.Duration, 12);
  EXPECT_TRUE(p.Setting.DirectX);  // the show's own defaults when the keys are missing
  EXPECT_EQ(p.Setting.DirectXQuality, 1);

  Prefs("[Setting]\nImageSize=0\nSpeed=20\nImageMode=2\nTransition=0\nDirectX=0\nDirectXQuality=2\n");
  ApplyPreferencesToProject(p, program_);
  EXPECT_FALSE(p.Setting.Stretch);
  EXPECT_FALSE(p.Setting.Proportional);
  EXPECT_EQ(p.Setting.Speed, 500);
  EXPECT_EQ(p.Setting.ShowImageMode, 2);
  EXPECT_FALSE(p.Setting.Transition);
  EXPECT_FALSE(p.Setting.DirectX);
  EXPECT_EQ(p.Setting.DirectXQuality, 2);

  Prefs("[Setting]\nImageSize=2\nSpeed=21\n");
  ApplyPreferencesToProject(p, program_);
  EXPECT_TRUE(p.Setting.Stretch && p.Setting.Proportional);
  EXPECT_EQ(p.Setting.Speed, 500);  // out-of-range index ignored
}

}  // namespace
}  // namespace kv
