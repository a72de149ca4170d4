#include "saver/headless_backend.h"

#include <utility>

#include "saver/effects/raster.h"

namespace kv {

class HeadlessBackend::Screen_ final : public ShowScreen {
 public:
  Screen_(int32_t width, int32_t height, std::function<void(const Bitmap32&)> onPresent)
      : canvas_(width, height, 0xFF000000u), on_present_(std::move(onPresent)) {}

  int32_t ScreenWidth() const override { return canvas_.Width(); }
  int32_t ScreenHeight() const override { return canvas_.Height(); }
  int32_t ScreenBitsPerPixel() const override { return 32; }
  bool InitScaledSurface(int32_t, int32_t, int32_t) override { return false; }
  bool CanDraw() const override { return true; }
  int32_t SurfaceWidth() const override { return canvas_.Width(); }
  int32_t SurfaceHeight() const override { return canvas_.Height(); }
  void Present(int32_t x, int32_t y, const Bitmap32& frame) override {
    CopyBlock(canvas_, x, y, frame.Width(), frame.Height(), frame, 0, 0);
    ++presented_;
    if (on_present_) on_present_(canvas_);
  }
  void ClearToBlack() override { canvas_.Fill(0xFF000000u); }
  void Capture(Bitmap32& target) override {
    target.Fill(0xFF000000u);
    CopyBlock(target, 0, 0, target.Width(), target.Height(), canvas_, 0, 0);
  }
  void SetCursorVisible(bool) override {}

  const Bitmap32& Canvas() const { return canvas_; }
  int32_t Presented() const { return presented_; }

 private:
  Bitmap32 canvas_;
  std::function<void(const Bitmap32&)> on_present_;
  int32_t presented_ = 0;
};

// Asks the show to close once enough frames were presented. Without an idle
// handler (nothing to show) it closes at the first wait.
class HeadlessBackend::Pump_ final : public EventPump {
 public:
  Pump_(const Screen_& screen, int32_t frames) : screen_(screen), frames_(frames) {}
  void SetInput(ShowInput* input) override { input_ = input; }
  void ProcessMessages() override {
    if (input_ && screen_.Presented() >= frames_) input_->HostClose();
  }
  void WaitMessage(uint32_t) override {
    if (input_) input_->HostClose();
  }

 private:
  const Screen_& screen_;
  int32_t frames_;
  ShowInput* input_ = nullptr;
};

class HeadlessBackend::SilentSound_ final : public SoundDevice {
 public:
  bool OpenChannel(int32_t) override { return true; }
  void CloseChannel(int32_t) override {}
  void LoadChannel(int32_t, const std::string&) override {}
  void PlayChannel(int32_t, bool, int32_t) override {}
  void StopChannel(int32_t) override {}
  bool IsChannelPlaying(int32_t) const override { return false; }
  void PlayWave(const std::string&, bool) override {}
  void StopWave() override {}
};

class HeadlessBackend::SilentMusic_ final : public MusicDevice {
 public:
  void Open(const std::string&) override {}
  void Play() override {}
  void Stop() override {}
  void Close() override {}
  int64_t Position() const override { return 0; }
  int64_t Length() const override { return 0; }
  void SetNotify(bool) override {}
};

HeadlessBackend::HeadlessBackend(int32_t width, int32_t height, int32_t framesToShow,
                                 std::string workspaceFolder, const std::string& programPath,
                                 std::function<void(const Bitmap32&)> onPresent)
    : files_(std::move(workspaceFolder), programPath),
      screen_(std::make_unique<Screen_>(width, height, std::move(onPresent))),
      pump_(std::make_unique<Pump_>(*screen_, framesToShow)),
      sound_(std::make_unique<SilentSound_>()),
      music_(std::make_unique<SilentMusic_>()) {}

HeadlessBackend::~HeadlessBackend() = default;

ShowScreen& HeadlessBackend::Screen() { return *screen_; }
EventPump& HeadlessBackend::Events() { return *pump_; }
SoundDevice& HeadlessBackend::Sound() { return *sound_; }
MusicDevice& HeadlessBackend::Music() { return *music_; }
const Bitmap32& HeadlessBackend::Canvas() const { return screen_->Canvas(); }
int32_t HeadlessBackend::FramesPresented() const { return screen_->Presented(); }

}  // namespace kv
