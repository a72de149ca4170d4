#include "platform/sdl_audio.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cmath>
#include <fstream>

#include "base/error.h"
#include "platform/input_router.h"
#include "platform/sdl_music_device.h"
#include "platform/sdl_sound_device.h"
#include "saver/platform_interfaces.h"
#include "tests/platform/qt_test_app.h"

namespace kv {
namespace {

std::string WriteTone(const std::string& name, double seconds) {
  const std::string path = testing::TempDir() + name;
  const int rate = 22050;
  const auto count = static_cast<uint32_t>(seconds * rate);
  std::string data;
  for (uint32_t i = 0; i < count; ++i) {
    const auto v = static_cast<int16_t>(8000 * std::sin(i * 0.1));
    data.push_back(static_cast<char>(v & 0xFF));
    data.push_back(static_cast<char>((v >> 8) & 0xFF));
  }
  auto u32 = [](uint32_t v) { return std::string{char(v), char(v >> 8), char(v >> 16), char(v >> 24)}; };
  auto u16 = [](uint16_t v) { return std::string{char(v), char(v >> 8)}; };
  const std::string file = "RIFF" + u32(36 + static_cast<uint32_t>(data.size())) + "WAVEfmt " + u32(16) + u16(1) +
                           u16(1) + u32(rate) + u32(rate * 2) + u16(2) + u16(16) + "data" +
                           u32(static_cast<uint32_t>(data.size())) + data;
  std::ofstream(path, std::ios::binary).write(file.data(), static_cast<std::streamsize>(file.size()));
  return path;
}

TEST(MixVolumeFromCentibels, FollowsTheDecibelScale) {
  const std::pair<int, int> cases[] = {{0, 128}, {-800, 51}, {-600, 64}, {-2000, 13}, {-10000, 0}, {500, 128}};
  for (const auto& [level, volume] : cases) EXPECT_EQ(MixVolumeFromCentibels(level), volume) << level;
}

class CountingInput final : public ShowInput {
 public:
  void MouseMove(int32_t, int32_t) override {}
  void MouseDown() override {}
  void MouseUp() override {}
  void KeyDown(int32_t) override {}
  void KeyPress(uint32_t) override {}
  void MusicNotify() override { ++notifies; }
  void HostClose() override {}
  int notifies = 0;
};

// SDL's dummy driver (set by the test's environment) plays in real time
// without a sound card.
TEST(SdlSoundDevice, EightChannelsLoadPlayAndStop) {
  SdlAudio audio;
  SdlSoundDevice device(audio);
  for (int32_t slot = 0; slot < 8; ++slot) ASSERT_TRUE(device.OpenChannel(slot)) << slot;
  EXPECT_FALSE(device.OpenChannel(8));
  const std::string tone = WriteTone("slot_tone.wav", 1.0);
  device.LoadChannel(3, tone);
  EXPECT_THROW(device.LoadChannel(4, testing::TempDir() + "missing.wav"), Error);
  device.PlayChannel(3, true, -800);
  EXPECT_TRUE(device.IsChannelPlaying(3));
  EXPECT_FALSE(device.IsChannelPlaying(4));
  device.StopChannel(3);
  EXPECT_FALSE(device.IsChannelPlaying(3));
  device.PlayWave(tone, false);
  device.StopWave();
}

TEST(SdlMusicDevice, TheEndOfATrackNotifiesOnTheMainThread) {
  test::TestApp();
  SdlAudio audio;
  InputRouter router;
  CountingInput input;
  router.SetInput(&input);
  SdlMusicDevice music(audio, router);
  EXPECT_THROW(music.Open(testing::TempDir() + "missing.ogg"), Error);
  music.Open(WriteTone("short_track.wav", 0.3));
  EXPECT_GT(music.Length(), 250);
  music.SetNotify(true);
  music.Play();
  EXPECT_LT(music.Position(), music.Length());
  QElapsedTimer timer;
  timer.start();
  while (input.notifies == 0 && timer.elapsed() < 5000) {
    router.BeginPump();
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    router.EndPump();
  }
  ASSERT_EQ(input.notifies, 1);
  EXPECT_GE(music.Position(), music.Length());

  // Stopping a track that plays is an interrupted command: one notify, and
  // the position stays short of the length.
  music.Close();
  music.Open(WriteTone("long_track.wav", 5.0));
  music.SetNotify(true);
  music.Play();
  music.Stop();
  router.BeginPump();
  QCoreApplication::processEvents();
  router.EndPump();
  EXPECT_EQ(input.notifies, 2);
  EXPECT_LT(music.Position(), music.Length());
}

}  // namespace
}  // namespace kv
