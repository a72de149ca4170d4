#include <gtest/gtest.h>

#include <algorithm>

#include "image/jpeg_codec.h"
#include "scene/area_mask.h"
#include "scene/project.h"
#include "scene/scene_writer.h"
#include "tests/saver/show_fixture.h"

namespace kv::test {
namespace {

TEST(SoundEffectTest, EightChannelsAtMinusEightDecibels) {
  FakeSound device;
  {
    TSoundEffect player(device);
    EXPECT_EQ(player.Mode(), TSoundEffect::kModeChannels);
    player.AddSound(2, "/s/c.wav");
    player.Play(2, true);
    player.Play(1, false);  // unbound: ignored
    EXPECT_EQ(device.Plays(), std::vector<std::string>{"play 2 loop -800"});
    device.log.clear();
  }
  EXPECT_EQ(device.log.back(), "close 0");  // closed last to first
}

TEST(SoundEffectTest, FailedChannelFallsBackToTheWavePlayerForSlotZero) {
  FakeSound device;
  device.fail_open_at = 3;
  TSoundEffect player(device);
  EXPECT_EQ(player.Mode(), TSoundEffect::kModeWavePlayer);
  player.AddSound(0, "/s/a.wav");
  player.AddSound(1, "/s/b.wav");
  player.Play(0, true);
  player.Play(1, false);
  EXPECT_EQ(device.Plays(), std::vector<std::string>{"wave /s/a.wav loop"});
  player.StopAll();
  EXPECT_EQ(device.log.back(), "stopwave");
}

class SceneSoundTest : public ShowTest {
 protected:
  std::string AddScene(const std::string& name, const std::vector<TSoundRecord>& sounds) {
    SceneFileData data;
    const Bitmap32 background(32, 16, 0xFF204060u);
    data.BackgroundJpeg = EncodeJpeg(background);
    data.PreviewJpeg = EncodeJpeg(Bitmap32(8, 4, 0xFF204060u));
    data.Areas.assign(4, TWaveParam{});
    data.MaskWords = EncodeAreaMask(Bitmap32(32, 16, 0));
    for (size_t i = 0; i < sounds.size(); ++i) data.Sounds[i] = sounds[i];
    const std::string path = (folder_ / name).string();
    WriteSceneFile(data, path);
    project.FileList.Names.push_back(path);
    project.FileList.Flags.push_back("TRUE");
    return path;
  }
  static TSoundRecord Sound(const std::string& file, int32_t mode, int32_t lo = 0, int32_t hi = 0) {
    TSoundRecord r;
    r.FileName = file;
    r.PlayMode = mode;
    r.MinInterval = lo;
    r.MaxInterval = hi;
    return r;
  }
  // Seconds (from the scene's load) at which slot `slot` was asked to play.
  std::vector<int32_t> PlayTimes(TKVfmScrSvr& w, const std::string& slotPrefix, int32_t seconds) {
    std::vector<int32_t> times;
    const uint32_t start = backend.clock.TickCount();
    for (int32_t ms = 0; ms <= seconds * 1000; ms += 250) {
      backend.clock.Set(start + static_cast<uint32_t>(ms));
      backend.sound.log.clear();
      w.UpdateSceneSounds();
      for (const auto& e : backend.sound.log)
        if (e.rfind(slotPrefix, 0) == 0) times.push_back(ms / 1000);
    }
    return times;
  }
};

TEST_F(SceneSoundTest, SlotsKeepTheirPlacesAndLoopingStartsOnce) {
  project.Setting.Sound = true;
  backend.files.existing = {"/ws/first.wav", "/prog/sounds/third.wav"};
  AddScene("s.kvp", {Sound("C:\\auth\\first.wav", 0), Sound("missing.wav", 0), Sound("third.wav", 0)});
  TKVfmScrSvr& w = Show();
  ASSERT_NE(w.Scene(), nullptr);
  EXPECT_TRUE(w.SoundStates()[0].Loaded);
  EXPECT_FALSE(w.SoundStates()[1].Loaded);
  EXPECT_TRUE(w.SoundStates()[2].Loaded);
  EXPECT_EQ(backend.sound.Plays(), (std::vector<std::string>{"play 0 loop -800", "play 2 loop -800"}));
  const auto& log = backend.sound.log;
  EXPECT_NE(std::find(log.begin(), log.end(), "load 2 /prog/sounds/third.wav"), log.end());
  backend.sound.log.clear();
  Passes(20, 1000);
  EXPECT_TRUE(backend.sound.Plays().empty());
}

TEST_F(SceneSoundTest, CommonFolderIsSearchedWhenThereIsOne) {
  project.Setting.Sound = true;
  backend.files.common = "/common/";
  backend.files.existing = {"/common/sounds/bell.wav"};
  AddScene("s.kvp", {Sound("bell.wav", 0)});
  TKVfmScrSvr& w = Show();
  EXPECT_TRUE(w.SoundStates()[0].Loaded);
}

TEST_F(SceneSoundTest, PausesByPlayMode) {
  project.Setting.Sound = true;
  backend.files.existing = {"/ws/r.wav", "/ws/f.wav", "/ws/z.wav"};
  AddScene("s.kvp", {Sound("r.wav", 1, 5, 10), Sound("f.wav", 1, 7, 7), Sound("z.wav", 2, 0)});
  TKVfmScrSvr& w = Show();
  const auto fixed = PlayTimes(w, "play 1", 22);
  EXPECT_EQ(fixed, (std::vector<int32_t>{7, 14, 21}));
}

TEST_F(SceneSoundTest, RandomPauseLiesBetweenTheBounds) {
  project.Setting.Sound = true;
  backend.files.existing = {"/ws/r.wav"};
  AddScene("s.kvp", {Sound("r.wav", 1, 10, 5)});
  TKVfmScrSvr& w = Show();
  const auto times = PlayTimes(w, "play 0", 60);
  ASSERT_GE(times.size(), 6u);
  int32_t previous = 0;
  for (int32_t t : times) {
    EXPECT_GE(t - previous, 5);
    EXPECT_LE(t - previous, 9 + 1);  // checked on a 250 ms grid
    previous = t;
  }
}

TEST_F(SceneSoundTest, FixedPauseZeroPlaysOnEveryPass) {
  project.Setting.Sound = true;
  backend.files.existing = {"/ws/z.wav"};
  AddScene("s.kvp", {Sound("z.wav", 2, 0)});
  Show();
  backend.sound.log.clear();
  Passes(4);
  EXPECT_EQ(backend.sound.Plays().size(), 4u);
}

TEST_F(SceneSoundTest, StillPictureStopsTheSoundsEvenWithSoundOff) {
  backend.files.existing = {"/ws/a.wav"};
  AddScene("s.kvp", {Sound("a.wav", 0)});
  AddPicture("p.bmp");
  project.Setting.ShowImageMode = 1;
  project.Setting.Duration = 0;
  TKVfmScrSvr& w = Show();
  backend.sound.log.clear();
  Passes(1);
  ASSERT_TRUE(w.IsPicture());
  EXPECT_NE(std::find(backend.sound.log.begin(), backend.sound.log.end(), "stop 7"), backend.sound.log.end());
}

TEST_F(SceneSoundTest, WithoutChannelsOnlyTheFirstSoundPlaysThroughTheWavePlayer) {
  project.Setting.Sound = true;
  backend.sound.fail_open_at = 0;
  backend.files.existing = {"/ws/a.wav", "/ws/b.wav", "/ws/c.wav"};
  AddScene("s.kvp", {Sound("a.wav", 0), Sound("b.wav", 0), Sound("c.wav", 2, 0)});
  Show();
  Passes(3);
  EXPECT_EQ(backend.sound.Plays(), std::vector<std::string>{"wave /ws/a.wav loop"});
}

TEST_F(SceneSoundTest, MissingOrBrokenSceneIsSkippedAndTheCurrentSlideStays) {
  AddScene("s.kvp", {});
  for (const char* name : {"gone.kvp", "broken.kvp"}) {
    project.FileList.Names.push_back((folder_ / name).string());
    project.FileList.Flags.push_back("TRUE");
  }
  std::filesystem::copy_file(__FILE__, folder_ / "broken.kvp");
  AddPicture("p.bmp");
  project.Setting.ShowImageMode = 1;
  project.Setting.Duration = 5;
  TKVfmScrSvr& w = Show();
  const uint32_t start = w.SlideStart();
  backend.clock.Set(start + 5000);
  w.IdleFrame();
  w.IdleFrame();
  EXPECT_EQ(Name(w.CurrentFile()), "s.kvp");
  EXPECT_FALSE(w.IsPicture());
  EXPECT_EQ(w.SlideStart(), start);
  ASSERT_NE(w.Scene(), nullptr);
  EXPECT_EQ(w.Scene()->Background.Width(), 1024);  // still the fitted scene
  w.IdleFrame();
  EXPECT_EQ(Name(w.CurrentFile()), "p.bmp");
}

}  // namespace
}  // namespace kv::test
