#pragma once

#include <sys/types.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace kv::e2e {

// The test scene's background: four coloured blocks over a band of water.
inline constexpr int32_t kSceneWidth = 640;
inline constexpr int32_t kSceneHeight = 360;
inline constexpr int32_t kWaterTop = 270;
inline constexpr uint32_t kBlockColors[4] = {0xC03020, 0x20A040, 0x2040C0, 0xE0C020};  // TL, TR, BL, BR
inline constexpr uint32_t kWaterColor = 0x103060;
inline constexpr uint32_t kPreviewColor = 0x8040A0;

// A screensaver packed from a generated project, and the processes run from it.
class ShowFixture {
 public:
  // Writes the project (one scene with a looping sound, a preview picture)
  // into a fresh folder and packs it with kvtool.
  ShowFixture();
  ~ShowFixture();

  const std::string& Screensaver() const { return scr_; }
  // The workspace the runtime unpacks into ($XDG_RUNTIME_DIR/<base name>/).
  std::string Workspace() const { return runtime_dir_ + "/E2E/"; }
  std::string Folder() const { return dir_; }

  // Starts the screensaver with the arguments and extra environment.
  pid_t Start(const std::vector<std::string>& args, const std::vector<std::string>& env = {});
  // Waits up to `ms` for the process to end; its exit code, or -1 while it
  // still runs (-2 when it died by a signal).
  int WaitExit(pid_t pid, int ms);

 private:
  std::string dir_;
  std::string runtime_dir_;
  std::string scr_;
  std::vector<pid_t> started_;
};

// 0xRRGGBB of a pixel of a window (0 = the root window).
uint32_t Pixel(int x, int y, unsigned long window = 0);
// Whether two colours differ by at most `tolerance` in every channel.
bool Near(uint32_t a, uint32_t b, int tolerance = 24);
// Waits until `pred` holds, testing every 50 ms, at most `ms`.
bool WaitFor(int ms, const std::function<bool()>& pred);
// Runs xdotool with the arguments; true when it succeeded.
bool Xdotool(const std::string& args);
void SleepMs(int ms);

// A plain window of the test's own, mapped (a host for the preview and the
// xscreensaver mode).
class TestWindow {
 public:
  TestWindow(int x, int y, int w, int h);
  ~TestWindow();
  unsigned long Id() const { return window_; }

 private:
  void* display_;
  unsigned long window_;
};

}  // namespace kv::e2e
