#include <gtest/gtest.h>
#include <signal.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "tests/e2e/e2e_fixture.h"

namespace kv::e2e {
namespace {

namespace fs = std::filesystem;

// Points well inside each block of the background fitted to 1280 x 720 (the
// scene is stretched to the screen: twice its size).
struct Sample {
  int x, y;
  uint32_t color;
};
constexpr Sample kScreenSamples[] = {{320, 130, kBlockColors[0]},
                                     {960, 130, kBlockColors[1]},
                                     {320, 400, kBlockColors[2]},
                                     {960, 400, kBlockColors[3]}};

bool ShowsScene() {
  for (const auto& s : kScreenSamples) {
    if (!Near(Pixel(s.x, s.y), s.color)) return false;
  }
  return true;
}

// Starts the show and waits for its first frame.
pid_t StartShow(ShowFixture& fixture, const std::vector<std::string>& env = {}) {
  pid_t pid = fixture.Start({"/S"}, env);
  bool shown = WaitFor(15000, ShowsScene);
  if (!shown && fixture.WaitExit(pid, 0) == -2) {
    // The runtime died at start: on a loaded machine its first X connection
    // is sometimes refused. One more try.
    pid = fixture.Start({"/S"}, env);
    shown = WaitFor(15000, ShowsScene);
  }
  EXPECT_TRUE(shown) << "no scene on screen (runtime state " << fixture.WaitExit(pid, 0) << "); pixel " << std::hex
                      << Pixel(320, 130);
  SleepMs(300);
  return pid;
}

TEST(Show, FirstSceneFillsTheScreen) {
  ShowFixture fixture;
  const pid_t pid = StartShow(fixture);
  for (const auto& s : kScreenSamples) EXPECT_TRUE(Near(Pixel(s.x, s.y), s.color)) << s.x << "," << s.y;
  // The water band (rows 540 and below) holds the water colours, rippling.
  const uint32_t water = Pixel(640, 650);
  EXPECT_TRUE(Near(water, kWaterColor, 40) || Near(water, kWaterColor + 0x202020, 40)) << std::hex << water;
  EXPECT_TRUE(fs::exists(fixture.Workspace()));
  ASSERT_TRUE(Xdotool("key a"));
  EXPECT_EQ(fixture.WaitExit(pid, 5000), 0);
  EXPECT_FALSE(fs::exists(fixture.Workspace()));
}

TEST(Show, MouseMovesEndItAfterTheIgnoredOnes) {
  ShowFixture fixture;
  const pid_t pid = StartShow(fixture);
  ASSERT_TRUE(Xdotool("mousemove 600 300"));
  SleepMs(150);
  int moves = 1;
  for (; moves < 5; ++moves) {
    ASSERT_TRUE(Xdotool("mousemove_relative -- 5 0"));
    SleepMs(150);
  }
  // Five moves are ignored, however far they went.
  EXPECT_EQ(fixture.WaitExit(pid, 700), -1);
  int code = -1;
  while (code == -1 && moves < 8) {
    ASSERT_TRUE(Xdotool("mousemove_relative -- 5 0"));
    ++moves;
    code = fixture.WaitExit(pid, 700);
  }
  EXPECT_EQ(code, 0);
  EXPECT_GE(moves, 6);
  EXPECT_LE(moves, 7);  // the sixth only records where the mouse is
  EXPECT_FALSE(fs::exists(fixture.Workspace()));
}

TEST(Show, KeysEndItButF1AndCursorKeysDoNot) {
  ShowFixture fixture;
  const pid_t pid = StartShow(fixture);
  for (const char* key : {"F1", "F1", "F2", "Left", "Shift_L"}) {
    ASSERT_TRUE(Xdotool(std::string("key ") + key));
    EXPECT_EQ(fixture.WaitExit(pid, 500), -1) << key;
  }
  EXPECT_TRUE(ShowsScene());
  ASSERT_TRUE(Xdotool("key Escape"));
  EXPECT_EQ(fixture.WaitExit(pid, 5000), 0);
  EXPECT_FALSE(fs::exists(fixture.Workspace()));
}

TEST(Show, LoopingSoundIsWrittenByTheDiskDriver) {
  ShowFixture fixture;
  const std::string raw = fixture.Folder() + "/audio.raw";
  const pid_t pid = StartShow(fixture, {"SDL_AUDIODRIVER=disk", "SDL_DISKAUDIOFILE=" + raw});
  SleepMs(2500);
  ASSERT_TRUE(Xdotool("key q"));
  EXPECT_EQ(fixture.WaitExit(pid, 5000), 0);
  std::ifstream in(raw, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  ASSERT_GT(bytes.size(), 44100u);  // over a quarter second of 16-bit stereo
  int peak = 0;
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const auto sample = static_cast<int16_t>(static_cast<uint8_t>(bytes[i]) | static_cast<uint8_t>(bytes[i + 1]) << 8);
    peak = std::max(peak, std::abs(static_cast<int>(sample)));
  }
  EXPECT_GT(peak, 2000);  // the tone, at -8 dB
}

TEST(Show, PreviewIsDrawnIntoTheGivenWindow) {
  ShowFixture fixture;
  TestWindow window(100, 100, 152, 112);
  SleepMs(200);
  const pid_t pid = fixture.Start({"/P", std::to_string(window.Id())});
  EXPECT_EQ(fixture.WaitExit(pid, 10000), 0);
  EXPECT_TRUE(Near(Pixel(0, 0, window.Id()), kPreviewColor, 2));
  EXPECT_TRUE(Near(Pixel(151, 111, window.Id()), kPreviewColor, 2));
  // The preview leaves the unpacked files in the workspace.
  EXPECT_TRUE(fs::exists(fixture.Workspace()));
}

bool WindowShowsScene(unsigned long id) {
  // The scene stretched to the 400 x 300 window: blocks of 200 x 112.
  return Near(Pixel(100, 50, id), kBlockColors[0]) && Near(Pixel(300, 50, id), kBlockColors[1]) &&
         Near(Pixel(100, 170, id), kBlockColors[2]) && Near(Pixel(300, 170, id), kBlockColors[3]);
}

void RunInHostWindow(bool useVariable) {
  ShowFixture fixture;
  TestWindow window(200, 150, 400, 300);
  SleepMs(200);
  std::vector<std::string> env;
  if (useVariable) env.push_back("XSCREENSAVER_WINDOW=" + std::to_string(window.Id()));
  char hex[32];
  std::snprintf(hex, sizeof hex, "0x%lx", window.Id());
  const pid_t pid = fixture.Start(useVariable ? std::vector<std::string>{} : std::vector<std::string>{"-window-id", hex}, env);
  EXPECT_TRUE(WaitFor(15000, [&] { return WindowShowsScene(window.Id()); }))
      << std::hex << Pixel(100, 50, window.Id());
  // Input over the host window is the host's business.
  ASSERT_TRUE(Xdotool("mousemove 300 250 key a"));
  EXPECT_EQ(fixture.WaitExit(pid, 700), -1);
  ::kill(pid, SIGTERM);
  EXPECT_EQ(fixture.WaitExit(pid, 5000), 0);
  EXPECT_FALSE(fs::exists(fixture.Workspace()));
}

TEST(Show, HostWindowModeDrawsIntoTheWindowAndEndsOnSigterm) {
  RunInHostWindow(false);
}

TEST(Show, XscreensaverWindowVariableSelectsTheHostWindow) { RunInHostWindow(true); }

}  // namespace
}  // namespace kv::e2e
