// The show's frame, transition step and start-up costs at 1920 x 1080, in
// window mode (Qt raster window on an X server). Each result carries the
// time of a memcpy of the same frame, measured in this process, as a ratio.
#include <benchmark/benchmark.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "base/clock.h"
#include "image/bitmap32.h"
#include "image/jpeg_codec.h"
#include "platform/desktop_screen.h"
#include "platform/input_router.h"
#include "platform/qt_application.h"
#include "render/anim_engine.h"
#include "saver/effects/effect.h"
#include "scene/area_colors.h"
#include "scene/area_mask.h"
#include "scene/project.h"
#include "scene/scene_writer.h"

// Last: Xlib's macros clash with names above.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace kv {
namespace {

namespace fs = std::filesystem;

constexpr int32_t kW = 1920;
constexpr int32_t kH = 1080;

QtApplication& App() {
  static int argc = 1;
  static char name[] = "kv_show_bench";
  static char* argv[] = {name, nullptr};
  static QtApplication app(argc, argv);
  return app;
}

void Settle(int ms) {
  QElapsedTimer timer;
  timer.start();
  while (timer.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

// Seconds per memcpy of one frame.
double MemcpySeconds() {
  Bitmap32 a(kW, kH, 0xFF102030u), b(kW, kH);
  const auto start = std::chrono::steady_clock::now();
  constexpr int kRounds = 50;
  for (int i = 0; i < kRounds; ++i) {
    std::memcpy(b.Bits(), a.Bits(), a.ByteSize());
    benchmark::DoNotOptimize(b.Bits());
  }
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / kRounds;
}

Bitmap32 Background() {
  Bitmap32 b(kW, kH);
  for (int32_t y = 0; y < kH; ++y) {
    for (int32_t x = 0; x < kW; ++x) {
      b.SetPixel(x, y, 0xFF000000u | static_cast<uint32_t>((x * 255 / kW) << 16 | (y * 255 / kH) << 8 | 0x60));
    }
  }
  return b;
}

// Four water bands over the lower half of the picture.
Bitmap32 FourAreaMask() {
  Bitmap32 mask(kW, kH, 0);
  for (int32_t y = kH / 2; y < kH; ++y) {
    const uint32_t area = AreaColors[static_cast<size_t>(1 + (y - kH / 2) * 4 / (kH - kH / 2))];
    for (int32_t x = 0; x < kW; ++x) mask.SetPixel(x, y, area);
  }
  return mask;
}

void FillScene(TProject& scene) {
  scene.Background = Background();
  scene.AreaMask = FourAreaMask();
  for (int32_t i = 0; i < 4; ++i) {
    TWaveParam& w = scene.WaveArea(i);
    w.Amplitude = 3 + i;
    w.WaveCount = 20;
    w.Speed = 8;
    w.Horizontal = 1;
    w.Vertical = 1;
    w.Perspective = i % 2;
    w.Period = 360;
    w.ColumnJitter = i == 3 ? 3 : 0;
    w.Reflection = i == 0;
  }
  scene.Weather.Kind = 1;
  scene.Weather.Amount = 1000;
  scene.Weather.SpeedIndex = 10;
}

// One frame of a scene with four areas and 1000 snow flakes: engine step and
// window drawing. The show's pacing leaves 33 ms per frame.
void BM_SceneFrame(benchmark::State& state) {
  App();
  InputRouter router;
  DesktopScreen screen(router);
  Settle(300);
  if (screen.ScreenWidth() != kW || screen.ScreenHeight() != kH) {
    state.SkipWithError("needs a 1920 x 1080 screen (xvfb-run -s \"-screen 0 1920x1080x24\")");
    return;
  }
  SteadyClock clock;
  TProject scene;
  FillScene(scene);
  TAnimEngine engine(clock);
  engine.AttachScene(scene);
  engine.SetWeather(false);
  engine.Prepare();
  engine.SetWeather(true);
  for (auto _ : state) {
    engine.Step();
    screen.Present(0, 0, engine.CurrentFrame());
    QCoreApplication::processEvents();
  }
  const double memcpy = MemcpySeconds();
  state.counters["cpu_ms_per_frame"] =
      benchmark::Counter(static_cast<double>(state.iterations()) / 1e3,
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
  state.counters["memcpy_ms"] = memcpy * 1e3;
  state.counters["vs_memcpy"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * memcpy,
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_SceneFrame)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// One transition step of "Fade": copy the old picture, run the effect, present.
void BM_FadeStep(benchmark::State& state) {
  App();
  InputRouter router;
  DesktopScreen screen(router);
  Settle(300);
  if (screen.ScreenWidth() != kW || screen.ScreenHeight() != kH) {
    state.SkipWithError("needs a 1920 x 1080 screen");
    return;
  }
  Bitmap32 oldFrame = Background();
  Bitmap32 newFrame(kW, kH, 0xFF3060A0u);
  Bitmap32 work(kW, kH);
  const TEffectProc fade = Effects()[1].Proc;
  int32_t p = 0;
  for (auto _ : state) {
    std::memcpy(work.Bits(), oldFrame.Bits(), oldFrame.ByteSize());
    const EffectExtents e = ComputeExtents(kW, kH, p);
    fade(work, newFrame, kW, kH, e.X, e.Y, p);
    screen.Present(0, 0, work);
    QCoreApplication::processEvents();
    p = (p + 3) % 101;
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()));
  const double memcpy = MemcpySeconds();
  state.counters["memcpy_ms"] = memcpy * 1e3;
  state.counters["vs_memcpy"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * memcpy,
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
// Steps per second by the wall clock: the X server's drawing counts too.
BENCHMARK(BM_FadeStep)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();

std::string SelfDir() {
  char buffer[PATH_MAX];
  const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  return n > 0 ? fs::path(std::string(buffer, static_cast<size_t>(n))).parent_path().string() : ".";
}

uint32_t RootPixel(Display* display, int x, int y) {
  XImage* image = XGetImage(display, DefaultRootWindow(display), x, y, 1, 1, AllPlanes, ZPixmap);
  if (image == nullptr) return 0;
  const auto pixel = static_cast<uint32_t>(XGetPixel(image, 0, 0)) & 0xFFFFFF;
  XDestroyImage(image);
  return pixel;
}

long PeakRssKb(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmHWM:", 0) == 0) return std::atol(line.c_str() + 6);
  }
  return 0;
}

// From exec of a screensaver with a 30 MB payload to its first frame on
// screen (a red scene appearing on the black screen), and the show's peak
// memory. The runtime is the build tree's kvsaver ($KV_BENCH_RUNTIME overrides).
void BM_StartToFirstFrame(benchmark::State& state) {
  const std::string dir = (fs::temp_directory_path() / ("kv-bench-" + std::to_string(::getpid()))).string();
  fs::create_directories(dir + "/project");
  const std::string runtimeDir = dir + "/run";
  fs::create_directories(runtimeDir);
  fs::permissions(runtimeDir, fs::perms::owner_all);
  {
    SceneFileData data;
    Bitmap32 background(kW, kH, 0xFFE02020u);
    data.PreviewJpeg = EncodeJpeg(Bitmap32(64, 36, 0xFFE02020u));
    data.BackgroundJpeg = EncodeJpeg(background);
    Bitmap32 mask = FourAreaMask();
    data.MaskWords = EncodeAreaMask(mask);
    data.Areas.resize(4);
    for (auto& a : data.Areas) {
      a.Amplitude = 3;
      a.WaveCount = 10;
      a.Speed = 8;
      a.Horizontal = a.Vertical = 1;
      a.Period = 360;
    }
    WriteSceneFile(data, dir + "/project/scene.kvp");
    // Media the show does not open at start: the payload's bulk.
    std::ofstream filler(dir + "/project/filler.bin", std::ios::binary);
    std::string block(1 << 20, '\0');
    for (size_t i = 0; i < block.size(); ++i) block[i] = static_cast<char>((i * 2654435761u) >> 13);
    for (int i = 0; i < 30; ++i) filler.write(block.data(), static_cast<std::streamsize>(block.size()));
    std::ofstream ini(dir + "/project/project.ini", std::ios::binary);
    ini << "[FileList]\r\nscene.kvp=1\r\n[Default]\r\nStretch=1\r\nProportional=0\r\nSound=0\r\nDuration=600\r\n"
           "Transition=0\r\nDirectX=0\r\n[Advance]\r\nMusicFile=\r\n";
  }
  const char* runtime = std::getenv("KV_BENCH_RUNTIME");
  const std::string scr = dir + "/Bench.scr";
  const std::string pack = SelfDir() + "/../../tools/kvtool/kvtool pack " + dir + "/project -o " + scr +
                           (runtime != nullptr ? std::string(" --runtime ") + runtime : std::string()) + " > /dev/null";
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr || std::system(pack.c_str()) != 0) {
    state.SkipWithError("needs an X display and a packed screensaver");
    if (display != nullptr) XCloseDisplay(display);
    fs::remove_all(dir);
    return;
  }
  long peakKb = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
      ::setenv("XDG_RUNTIME_DIR", runtimeDir.c_str(), 1);
      ::setenv("SDL_AUDIODRIVER", "dummy", 1);
      ::execl(scr.c_str(), scr.c_str(), "/S", static_cast<char*>(nullptr));
      ::_exit(127);
    }
    bool shown = false;
    while (!shown && std::chrono::steady_clock::now() - start < std::chrono::seconds(20)) {
      shown = (RootPixel(display, kW / 2, kH / 4) & 0xFF0000) > 0xC00000;
      if (!shown) ::usleep(2000);
    }
    const auto elapsed = std::chrono::steady_clock::now() - start;
    state.SetIterationTime(std::chrono::duration<double>(elapsed).count());
    ::usleep(1500 * 1000);  // a few frames of the running show
    peakKb = std::max(peakKb, PeakRssKb(pid));
    ::kill(pid, SIGTERM);
    ::waitpid(pid, nullptr, 0);
    if (!shown) {
      state.SkipWithError("the first frame never appeared");
      break;
    }
    // Black again before the next start.
    while ((RootPixel(display, kW / 2, kH / 4) & 0xFF0000) > 0xC00000) ::usleep(10000);
  }
  state.counters["peak_rss_mb"] = static_cast<double>(peakKb) / 1024.0;
  state.counters["payload_mb"] = static_cast<double>(fs::file_size(scr)) / (1 << 20);
  XCloseDisplay(display);
  fs::remove_all(dir);
}
BENCHMARK(BM_StartToFirstFrame)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);

}  // namespace
}  // namespace kv

BENCHMARK_MAIN();
