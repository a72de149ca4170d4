#include <gtest/gtest.h>

#include "tests/saver/show_fixture.h"

namespace kv::test {
namespace {

class MusicTest : public ShowTest {
 protected:
  void SetUp() override {
    ShowTest::SetUp();
    AddPicture("a.bmp");
    project.Setting.Music = true;
  }
  // Ends the current track `count` times.
  void EndTracks(TKVfmScrSvr& w, int32_t count) {
    for (int32_t i = 0; i < count; ++i) {
      backend.music.position = backend.music.length;
      w.MusicNotify();
    }
  }
};

TEST_F(MusicTest, PlaylistOrderWrapsAndBareNamesComeFromTheWorkspace) {
  project.Setting.MusicFile = "one.mid;;/m/two.ogg;three.wav";
  project.Setting.MusicMode = 1;
  TKVfmScrSvr& w = Show();
  EndTracks(w, 3);
  EXPECT_EQ(backend.music.Opened(),
            (std::vector<std::string>{"/ws/one.mid", "/m/two.ogg", "/ws/three.wav", "/ws/one.mid"}));
  EXPECT_TRUE(backend.music.notify);
}

TEST_F(MusicTest, InterruptedCommandChangesNothing) {
  project.Setting.MusicFile = "one.mid;two.mid";
  project.Setting.MusicMode = 1;
  TKVfmScrSvr& w = Show();
  backend.music.notify = false;
  backend.music.position = 10;
  w.MusicNotify();
  EXPECT_EQ(backend.music.Opened().size(), 1u);
  EXPECT_TRUE(backend.music.notify);
}

TEST_F(MusicTest, RandomOrderAlternatesTwoAndRepeatsOne) {
  project.Setting.MusicFile = "x.mid;y.mid";
  project.Setting.MusicMode = 0;
  TKVfmScrSvr& w = Show();
  EndTracks(w, 6);
  const auto opened = backend.music.Opened();
  for (size_t i = 1; i < opened.size(); ++i) EXPECT_NE(opened[i], opened[i - 1]);

  backend.music.log.clear();
  project.Setting.MusicFile = "solo.mid";
  TKVfmScrSvr& single = Show();
  EndTracks(single, 2);
  EXPECT_EQ(backend.music.Opened(), (std::vector<std::string>(3, "/ws/solo.mid")));
}

TEST_F(MusicTest, FailedStartLeavesTheShowWithoutMusicAndOffPlaysNothing) {
  MessageRecorder messages;
  project.Setting.MusicFile = "bad.mid";
  backend.music.unopenable = {"/ws/bad.mid"};
  Show();
  EXPECT_TRUE(messages.texts.empty());

  backend.music.log.clear();
  project.Setting.Music = false;
  project.Setting.MusicFile = "good.mid";
  Show();
  EXPECT_TRUE(backend.music.Opened().empty());
}

TEST_F(MusicTest, FailureOpeningALaterTrackIsReportedAndTheShowGoesOn) {
  MessageRecorder messages;
  project.Setting.MusicFile = "one.mid;two.mid";
  project.Setting.MusicMode = 1;
  backend.music.unopenable = {"/ws/two.mid"};
  TKVfmScrSvr& w = Show();
  EndTracks(w, 1);
  EXPECT_EQ(messages.texts, std::vector<std::string>{"cannot open /ws/two.mid"});
  EXPECT_TRUE(backend.music.notify);
}

}  // namespace
}  // namespace kv::test
