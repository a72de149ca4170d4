#pragma once

// Recording fakes of the show's platform interfaces, on a manual clock.

#include <filesystem>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "base/clock.h"
#include "base/error.h"
#include "base/message_box.h"
#include "saver/platform_interfaces.h"

namespace kv::test {

class FakeScreen final : public ShowScreen {
 public:
  struct PresentCall {
    int32_t x, y, width, height;
  };

  int32_t width = 1024;
  int32_t height = 768;
  bool scaled_available = false;
  bool can_draw = true;
  bool cursor_visible = true;
  int32_t clears = 0;
  int32_t captures = 0;
  std::vector<PresentCall> presents;
  Bitmap32 surface;
  // Runs on every Present (tests use it to let time pass).
  std::function<void()> on_present;

  int32_t ScreenWidth() const override { return width; }
  int32_t ScreenHeight() const override { return height; }
  int32_t ScreenBitsPerPixel() const override { return 32; }
  bool InitScaledSurface(int32_t, int32_t, int32_t) override { return scaled_available; }
  bool CanDraw() const override { return can_draw; }
  int32_t SurfaceWidth() const override { return scaled_available ? surface.Width() : width; }
  int32_t SurfaceHeight() const override { return scaled_available ? surface.Height() : height; }
  void Present(int32_t x, int32_t y, const Bitmap32& frame) override {
    presents.push_back({x, y, frame.Width(), frame.Height()});
    if (scaled_available) surface = frame;
    if (on_present) on_present();
  }
  void ClearToBlack() override { ++clears; }
  void Capture(Bitmap32& target) override {
    ++captures;
    target.Fill(0xFF000000u);
  }
  void SetCursorVisible(bool visible) override { cursor_visible = visible; }
};

class FakePump final : public EventPump {
 public:
  ShowInput* input = nullptr;
  int32_t calls = 0;
  // Runs on every ProcessMessages / WaitMessage with the current input.
  std::function<void(ShowInput&)> on_process;

  void SetInput(ShowInput* in) override { input = in; }
  void ProcessMessages() override {
    ++calls;
    if (input && on_process) on_process(*input);
  }
  void WaitMessage(uint32_t) override { ProcessMessages(); }
};

class FakeSound final : public SoundDevice {
 public:
  int32_t fail_open_at = -1;  // channel whose opening fails
  std::set<std::string> unloadable;
  std::vector<std::string> log;

  bool OpenChannel(int32_t slot) override {
    log.push_back("open " + std::to_string(slot));
    return slot != fail_open_at;
  }
  void CloseChannel(int32_t slot) override { log.push_back("close " + std::to_string(slot)); }
  void LoadChannel(int32_t slot, const std::string& path) override {
    if (unloadable.count(path)) throw Error("cannot load " + path);
    log.push_back("load " + std::to_string(slot) + " " + path);
  }
  void PlayChannel(int32_t slot, bool loop, int32_t volume) override {
    log.push_back("play " + std::to_string(slot) + (loop ? " loop " : " once ") + std::to_string(volume));
  }
  void StopChannel(int32_t slot) override { log.push_back("stop " + std::to_string(slot)); }
  bool IsChannelPlaying(int32_t) const override { return false; }
  void PlayWave(const std::string& path, bool loop) override {
    log.push_back("wave " + path + (loop ? " loop" : " once"));
  }
  void StopWave() override { log.push_back("stopwave"); }

  std::vector<std::string> Plays() const {
    std::vector<std::string> out;
    for (const auto& entry : log)
      if (entry.rfind("play ", 0) == 0 || entry.rfind("wave ", 0) == 0) out.push_back(entry);
    return out;
  }
};

class FakeMusic final : public MusicDevice {
 public:
  std::vector<std::string> log;
  std::set<std::string> unopenable;
  int64_t position = 0;
  int64_t length = 1000;
  bool notify = false;

  void Open(const std::string& path) override {
    if (unopenable.count(path)) throw Error("cannot open " + path);
    log.push_back("open " + path);
  }
  void Play() override { log.push_back("play"); }
  void Stop() override { log.push_back("stop"); }
  void Close() override { log.push_back("close"); }
  int64_t Position() const override { return position; }
  int64_t Length() const override { return length; }
  void SetNotify(bool on) override { notify = on; }

  std::vector<std::string> Opened() const {
    std::vector<std::string> out;
    for (const auto& entry : log)
      if (entry.rfind("open ", 0) == 0) out.push_back(entry.substr(5));
    return out;
  }
};

// Names in `existing`, then the real file system (for files tests write).
class FakeFiles final : public ShowFiles {
 public:
  std::set<std::string> existing;
  std::string workspace = "/ws/";
  std::optional<std::string> common;
  std::string program = "/prog/";

  std::optional<std::string> Find(const std::string& path) const override {
    if (existing.count(path)) return path;
    std::error_code ec;
    if (!path.empty() && std::filesystem::is_regular_file(path, ec)) return path;
    return std::nullopt;
  }
  std::string WorkspaceFolder() const override { return workspace; }
  std::optional<std::string> CommonFolder() const override { return common; }
  std::string ProgramFolder() const override { return program; }
};

class FakeBackend final : public ShowBackend {
 public:
  FakeScreen screen;
  FakePump pump;
  ManualClock clock{100000};
  FakeSound sound;
  FakeMusic music;
  FakeFiles files;

  ShowScreen& Screen() override { return screen; }
  EventPump& Events() override { return pump; }
  Clock& Ticks() override { return clock; }
  SoundDevice& Sound() override { return sound; }
  MusicDevice& Music() override { return music; }
  ShowFiles& Files() override { return files; }
};

// Collects message box texts while alive.
class MessageRecorder final : public MessageBox {
 public:
  MessageRecorder() { SetMessages(this); }
  ~MessageRecorder() override { SetMessages(nullptr); }
  void Show(const std::string& text) override { texts.push_back(text); }
  std::vector<std::string> texts;
};

}  // namespace kv::test
