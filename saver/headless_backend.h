#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "base/clock.h"
#include "image/bitmap32.h"
#include "saver/disk_files.h"
#include "saver/platform_interfaces.h"

namespace kv {

// A backend without a window: the show draws into an in-memory screen
// (window drawing at the given size), time runs on a manual clock (sleeps
// advance it), sound and music are silent, and the show is asked to close
// once a given number of frames has been presented. For previews and
// reproducible renders of a show.
class HeadlessBackend final : public ShowBackend {
 public:
  // `onPresent` (optional) sees the whole screen after every presented frame.
  HeadlessBackend(int32_t width, int32_t height, int32_t framesToShow, std::string workspaceFolder,
                  const std::string& programPath, std::function<void(const Bitmap32&)> onPresent = {});
  ~HeadlessBackend() override;

  ShowScreen& Screen() override;
  EventPump& Events() override;
  Clock& Ticks() override { return clock_; }
  SoundDevice& Sound() override;
  MusicDevice& Music() override;
  ShowFiles& Files() override { return files_; }

  const Bitmap32& Canvas() const;
  int32_t FramesPresented() const;

 private:
  class Screen_;
  class Pump_;
  class SilentSound_;
  class SilentMusic_;

  ManualClock clock_{0};
  DiskFiles files_;
  std::unique_ptr<Screen_> screen_;
  std::unique_ptr<Pump_> pump_;
  std::unique_ptr<SilentSound_> sound_;
  std::unique_ptr<SilentMusic_> music_;
};

}  // namespace kv
