#include "project/kvc_project.h"

#include <gtest/gtest.h>

#include "base/error.h"
#include "base/ini_file.h"
#include "project/common_folder.h"
#include "project/playlist.h"
#include "project/unpack_payload.h"
#include "tests/package/pack_fixture.h"

namespace kv {
namespace {

using testing::Listing;
using testing::ScopedEnv;
using testing::TempDir;

TKVCSetting ReadSetting(const std::string& text) {
  TKVCSetting s;
  s.ReadFromIni(IniFile::FromText(text));
  return s;
}

TEST(TKVCSetting, DefaultsAndEveryKey) {
  const TKVCSetting d;
  EXPECT_TRUE(d.ProductName.empty());
  EXPECT_TRUE(d.Stretch && !d.Proportional && d.Sound && d.Music && d.Random && d.Transition && d.DirectX);
  EXPECT_EQ(d.Duration, 30);
  EXPECT_EQ(d.TransitionTime, 2000);
  EXPECT_EQ(d.Speed, 100);
  EXPECT_EQ(d.ShowImageMode, 0);
  EXPECT_EQ(d.DirectXQuality, 1);
  EXPECT_EQ(d.MusicMode, 0);
  EXPECT_EQ(d.TransitionEffects.substr(0, 8), "1,2,3,4,");
  EXPECT_EQ(d.TransitionEffects.substr(d.TransitionEffects.size() - 8), ",168,169");
  EXPECT_EQ(std::count(d.TransitionEffects.begin(), d.TransitionEffects.end(), ','), 168);

  const TKVCSetting s = ReadSetting(
      "[General]\nProductName=Sea Scenes\npublisher=Wave Co\nWebsite=http://w.example\n"
      "[DEFAULT]\nStretch=0\nProportional=7\nSound=1\nRandom=0\nDuration=12\nTransition=0\n"
      "TransitionTime=900\nTransitionEffects=3,5\nSpeed=160\nShowImageMode=3\nDirectX=0\nDirectXQuality=2\n"
      "[Advance]\nMusicFile=a.mid;b.mp3\nMusicMode=1\nPreviewFile=pics\\p.jpg\n");
  EXPECT_EQ(s.ProductName, "Sea Scenes");
  EXPECT_EQ(s.Publisher, "Wave Co");
  EXPECT_EQ(s.Website, "http://w.example");
  EXPECT_FALSE(s.Stretch);
  EXPECT_TRUE(s.Proportional);
  EXPECT_FALSE(s.Random);
  EXPECT_EQ(s.Duration, 12);
  EXPECT_FALSE(s.Transition);
  EXPECT_EQ(s.TransitionTime, 900);
  EXPECT_EQ(s.TransitionEffects, "3,5");
  EXPECT_EQ(s.Speed, 160);
  EXPECT_EQ(s.ShowImageMode, 3);
  EXPECT_FALSE(s.DirectX);
  EXPECT_EQ(s.DirectXQuality, 2);
  EXPECT_EQ(s.MusicFile, "a.mid;b.mp3");
  EXPECT_EQ(s.MusicMode, 1);
  EXPECT_EQ(s.PreviewFile, "pics\\p.jpg");
}

TEST(TKVCSetting, SoundAlsoSetsMusicAndBadValuesKeepDefaults) {
  const TKVCSetting off = ReadSetting("[Default]\nSound=0\n");
  EXPECT_FALSE(off.Sound);
  EXPECT_FALSE(off.Music);
  EXPECT_EQ(off.Duration, 30);
  EXPECT_TRUE(off.Stretch);

  const TKVCSetting none = ReadSetting("[Default]\nMusic=0\n");
  EXPECT_TRUE(none.Sound);
  EXPECT_TRUE(none.Music);

  const TKVCSetting bad = ReadSetting("[Default]\nDuration=abc\nStretch=yes\nTransitionEffects=\n");
  EXPECT_EQ(bad.Duration, 30);
  EXPECT_TRUE(bad.Stretch);
  EXPECT_EQ(bad.TransitionEffects, "");
}

TEST(TKVCFileList, KeysInFileOrderWithExactFlags) {
  TKVCFileList list;
  list.Names = {"stale"};
  list.ReadFromIni(IniFile::FromText("[General]\nx=1\n[FileList]\nb.KVP=1\na.KVP=0\nc.jpg=x\nd.gif=-3\n"));
  EXPECT_EQ(list.Names, (std::vector<std::string>{"b.KVP", "a.KVP", "c.jpg", "d.gif"}));
  EXPECT_EQ(list.Flags, (std::vector<std::string>{"TRUE", "FALSE", "FALSE", "TRUE"}));
}

TEST(BuildPlaylist, NamesFlaggedExactlyTrue) {
  TKVCProject p;
  p.FileList.Names = {"a", "b", "c", "d"};
  p.FileList.Flags = {"TRUE", "true", "FALSE", "TRUE"};
  EXPECT_EQ(BuildPlaylist(p), (std::vector<std::string>{"a", "d"}));
}

class LoadFromPackTest : public ::testing::Test {
 protected:
  TempDir dir_;
  ScopedEnv runtime_{"XDG_RUNTIME_DIR", dir_ / "run"};
  void SetUp() override { std::filesystem::create_directory(dir_ / "run"); }
};

TEST_F(LoadFromPackTest, FillsAllThreePartsAndLeavesNoTemporaryFiles) {
  testing::WriteFile(dir_ / "KVC.res", testing::Container({"[FileList]\r\nb.KVP=1\r\na.KVP=0\r\n",
                                                           "[Default]\r\nDuration=9\r\n",
                                                           "[UI]\r\nUIFile=C:\\x\\KVGUI.wui\r\n"}));
  // A leftover of a crashed run neither blocks the load nor is touched.
  testing::WriteFile(dir_ / "run/KVKVC.~2.tmp", "[Default]\nDuration=1\n");
  TKVCProject p;
  p.LoadFromPack(dir_ / "KVC.res");
  EXPECT_EQ(p.FileList.Names, (std::vector<std::string>{"b.KVP", "a.KVP"}));
  EXPECT_EQ(p.FileList.Flags, (std::vector<std::string>{"TRUE", "FALSE"}));
  EXPECT_EQ(p.Setting.Duration, 9);
  EXPECT_EQ(p.UI.UIFile, "C:\\x\\KVGUI.wui");
  EXPECT_EQ(Listing(dir_ / "run"), std::vector<std::string>{"KVKVC.~2.tmp"});
}

TEST_F(LoadFromPackTest, MissingRecordsAndMissingPackKeepDefaults) {
  testing::WriteFile(dir_ / "KVC.res", testing::Container({"[FileList]\na=1\n"}));
  TKVCProject p;
  p.UI.UIFile = "kept";
  p.LoadFromPack(dir_ / "KVC.res");
  EXPECT_EQ(p.FileList.Names, std::vector<std::string>{"a"});
  EXPECT_EQ(p.Setting.Duration, 30);
  EXPECT_EQ(p.UI.UIFile, "kept");

  TKVCProject q;
  q.LoadFromPack(dir_ / "missing.res");
  EXPECT_TRUE(q.FileList.Names.empty());
  EXPECT_TRUE(Listing(dir_ / "run").empty());
}

TEST_F(LoadFromPackTest, UnpackPayloadPointsThePathsIntoTheWorkspace) {
  const std::string payload = testing::Payload(
      {"[FileList]\r\nscenes\\Sea.KVP=1\r\nb.jpg=1\r\n", "[Advance]\r\nPreviewFile=C:\\art\\prev.jpg\r\n",
       "[UI]\r\nUIFile=C:\\x\\form.wui\r\n"},
      {"scenes\\Sea.KVP", "b.jpg", "prev.jpg"}, {"s", "b", "p"});
  testing::WriteFile(dir_ / "Sea.Scenes.scr", "image" + payload);
  TKVCProject p;
  const std::string ws = UnpackPayload(p, dir_ / "Sea.Scenes.scr");
  EXPECT_EQ(ws, dir_ / "run/Sea/");
  EXPECT_EQ(p.FileList.Names, (std::vector<std::string>{ws + "scenes\\Sea.KVP", ws + "b.jpg"}));
  EXPECT_EQ(p.Setting.PreviewFile, ws + "prev.jpg");
  EXPECT_EQ(p.UI.UIFile, ws + "KVGUI.wui");
  EXPECT_EQ(testing::ReadFile(ws + "Sea.KVP"), "s");
  EXPECT_EQ(Listing(dir_ / "run"), std::vector<std::string>{"Sea"});
}

TEST_F(LoadFromPackTest, UnpackPayloadWithoutPayloadCreatesNothing) {
  testing::WriteFile(dir_ / "Plain.scr", "no payload");
  TKVCProject p;
  EXPECT_THROW(UnpackPayload(p, dir_ / "Plain.scr"), Error);
  EXPECT_TRUE(Listing(dir_ / "run").empty());
}

TEST(CommonFolder, EnvironmentOverrideOrNoResult) {
  TempDir dir;
  {
    ScopedEnv env("KVSAVER_COMMON_DIR", dir.path().substr(0, dir.path().size() - 1));
    EXPECT_EQ(CommonFolder(), dir.path());
  }
  ScopedEnv env("KVSAVER_COMMON_DIR", dir / "missing");
  EXPECT_EQ(CommonFolder(), std::nullopt);
}

}  // namespace
}  // namespace kv
