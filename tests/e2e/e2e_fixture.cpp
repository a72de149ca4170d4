#include "tests/e2e/e2e_fixture.h"

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <thread>

#include "image/bitmap32.h"
#include "image/bmp_codec.h"
#include "image/jpeg_codec.h"
#include "scene/area_colors.h"
#include "scene/area_mask.h"
#include "scene/scene_writer.h"

// Last: Xlib defines macros (None, Status) that clash with names above.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace kv::e2e {
namespace {

namespace fs = std::filesystem;

std::string BuildDir() {
  const char* dir = std::getenv("KV_BUILD_DIR");
  return dir != nullptr ? dir : ".";
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out.flush()) throw std::runtime_error("cannot write " + path);
}

// One second of a 440 Hz tone, 16-bit mono.
std::string ToneWav() {
  const uint32_t rate = 22050;
  std::string data;
  for (uint32_t i = 0; i < rate; ++i) {
    const auto v = static_cast<int16_t>(12000 * std::sin(2 * 3.14159265 * 440 * i / rate));
    data.push_back(static_cast<char>(v & 0xFF));
    data.push_back(static_cast<char>((v >> 8) & 0xFF));
  }
  auto u32 = [](uint32_t v) { return std::string{char(v), char(v >> 8), char(v >> 16), char(v >> 24)}; };
  auto u16 = [](uint16_t v) { return std::string{char(v), char(v >> 8)}; };
  return "RIFF" + u32(36 + static_cast<uint32_t>(data.size())) + "WAVEfmt " + u32(16) + u16(1) + u16(1) + u32(rate) +
         u32(rate * 2) + u16(2) + u16(16) + "data" + u32(static_cast<uint32_t>(data.size())) + data;
}

void WriteScene(const std::string& path) {
  Bitmap32 background(kSceneWidth, kSceneHeight);
  Bitmap32 mask(kSceneWidth, kSceneHeight, 0);
  for (int32_t y = 0; y < kSceneHeight; ++y) {
    for (int32_t x = 0; x < kSceneWidth; ++x) {
      uint32_t c = kWaterColor;
      if (y < kWaterTop) c = kBlockColors[(y < kWaterTop / 2 ? 0 : 2) + (x < kSceneWidth / 2 ? 0 : 1)];
      if (y >= kWaterTop) c = kWaterColor + static_cast<uint32_t>(((x / 8 + y / 8) % 2) * 0x202020);
      background.SetPixel(x, y, 0xFF000000u | c);
      if (y >= kWaterTop) mask.SetPixel(x, y, AreaColors[1]);
    }
  }
  SceneFileData data;
  data.Title = "E2E";
  data.PreviewJpeg = EncodeJpeg(Bitmap32(64, 36, 0xFF808080u), 90);
  TWaveParam water;
  water.Amplitude = 3;
  water.WaveCount = 10;
  water.Speed = 10;
  water.Horizontal = 1;
  water.Vertical = 1;
  water.Period = 360;
  data.Areas = {water};
  data.MaskWords = EncodeAreaMask(mask);
  data.BackgroundJpeg = EncodeJpeg(background, 95);
  data.Sounds[0] = TSoundRecord{"tone.wav", 0, 0, 0};
  WriteSceneFile(data, path);
}

}  // namespace

ShowFixture::ShowFixture() {
  std::string pattern = (fs::temp_directory_path() / "kv-e2e-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp");
  dir_ = pattern;
  runtime_dir_ = dir_ + "/run";
  fs::create_directory(runtime_dir_);
  ::chmod(runtime_dir_.c_str(), 0700);
  const std::string project = dir_ + "/project";
  fs::create_directory(project);
  WriteScene(project + "/scene.kvp");
  WriteFile(project + "/tone.wav", ToneWav());
  SaveBmp(Bitmap32(32, 24, 0xFF000000u | kPreviewColor), project + "/preview.bmp");
  WriteFile(project + "/project.ini",
            "[FileList]\r\nscene.kvp=1\r\n"
            "[General]\r\nProductName=E2E\r\n"
            "[Default]\r\nStretch=1\r\nProportional=0\r\nSound=1\r\nRandom=1\r\nDuration=600\r\nTransition=0\r\n"
            "DirectX=0\r\nDirectXQuality=1\r\n"
            "[Advance]\r\nMusicFile=\r\nPreviewFile=preview.bmp\r\n");
  scr_ = dir_ + "/E2E.scr";
  const char* runtime = std::getenv("KV_E2E_RUNTIME");
  const std::string command = BuildDir() + "/tools/kvtool/kvtool pack " + project + " -o " + scr_ +
                              (runtime != nullptr ? std::string(" --runtime ") + runtime : std::string()) +
                              " > /dev/null";
  if (std::system(command.c_str()) != 0) throw std::runtime_error("kvtool pack failed: " + command);
}

ShowFixture::~ShowFixture() {
  for (pid_t pid : started_) {
    if (::kill(pid, 0) == 0) {
      ::kill(pid, SIGKILL);
      ::waitpid(pid, nullptr, 0);
    }
  }
  std::error_code ignored;
  fs::remove_all(dir_, ignored);
}

pid_t ShowFixture::Start(const std::vector<std::string>& args, const std::vector<std::string>& env) {
  WaitFor(5000, [] { return Pixel(0, 0) != 0xFFFFFFFFu; });  // the X server answers
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::setenv("XDG_RUNTIME_DIR", runtime_dir_.c_str(), 1);
    ::unsetenv("XSCREENSAVER_WINDOW");
    if (std::getenv("SDL_AUDIODRIVER") == nullptr) ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    for (const auto& entry : env) ::putenv(const_cast<char*>(entry.c_str()));
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(scr_.c_str()));
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    ::execv(scr_.c_str(), argv.data());
    ::_exit(127);
  }
  started_.push_back(pid);
  return pid;
}

int ShowFixture::WaitExit(pid_t pid, int ms) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  for (;;) {
    int status = 0;
    if (::waitpid(pid, &status, WNOHANG) == pid) {
      std::erase(started_, pid);
      return WIFEXITED(status) ? WEXITSTATUS(status) : -2;
    }
    if (std::chrono::steady_clock::now() >= end) return -1;
    SleepMs(20);
  }
}

uint32_t Pixel(int x, int y, unsigned long window) {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return 0xFFFFFFFFu;
  const Window target = window != 0 ? window : DefaultRootWindow(display);
  XImage* image = XGetImage(display, target, x, y, 1, 1, AllPlanes, ZPixmap);
  uint32_t pixel = 0xFFFFFFFFu;
  if (image != nullptr) {
    pixel = static_cast<uint32_t>(XGetPixel(image, 0, 0)) & 0xFFFFFF;
    XDestroyImage(image);
  }
  XCloseDisplay(display);
  return pixel;
}

bool Near(uint32_t a, uint32_t b, int tolerance) {
  for (int shift = 0; shift <= 16; shift += 8) {
    const int d = static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF);
    if (std::abs(d) > tolerance) return false;
  }
  return true;
}

bool WaitFor(int ms, const std::function<bool()>& pred) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  while (!pred()) {
    if (std::chrono::steady_clock::now() >= end) return false;
    SleepMs(50);
  }
  return true;
}

bool Xdotool(const std::string& args) { return std::system(("xdotool " + args).c_str()) == 0; }

void SleepMs(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

TestWindow::TestWindow(int x, int y, int w, int h) {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) throw std::runtime_error("no X display");
  display_ = display;
  window_ = XCreateSimpleWindow(display, DefaultRootWindow(display), x, y, w, h, 0, 0, 0x808080);
  XMapWindow(display, window_);
  XSync(display, False);
}

TestWindow::~TestWindow() {
  auto* display = static_cast<Display*>(display_);
  XDestroyWindow(display, window_);
  XCloseDisplay(display);
}

}  // namespace kv::e2e
