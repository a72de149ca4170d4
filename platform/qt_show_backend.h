#pragma once

#include <memory>
#include <string>

#include "base/clock.h"
#include "project/kvc_project.h"
#include "saver/platform_interfaces.h"

namespace kv {

class InputRouter;
class QtEventPump;
class SdlAudio;
class SdlMusicDevice;
class SdlSoundDevice;
class DiskFiles;

// The show's backend on this platform: Qt windows and events, the steady
// clock, SDL2_mixer sound and music, files on disk. The screen is either the
// desktop (every monitor covered) or a window given by id (xscreensaver
// style: drawn into at its size, its input left to the host). Needs a
// QtApplication.
class QtShowBackend final : public ShowBackend {
 public:
  enum class Target { kDesktop, kForeignWindow };
  // `windowId` is used for kForeignWindow only (0 = the root window). Throws
  // kv::Error when the screen cannot be made.
  QtShowBackend(Target target, unsigned long windowId, const std::string& workspaceFolder,
                const std::string& programPath);
  ~QtShowBackend() override;

  ShowScreen& Screen() override { return *screen_; }
  EventPump& Events() override;
  Clock& Ticks() override { return clock_; }
  SoundDevice& Sound() override;
  MusicDevice& Music() override;
  ShowFiles& Files() override;

 private:
  std::unique_ptr<InputRouter> router_;
  std::unique_ptr<ShowScreen> screen_;
  std::unique_ptr<QtEventPump> pump_;
  SteadyClock clock_;
  std::unique_ptr<SdlAudio> audio_;
  std::unique_ptr<SdlSoundDevice> sound_;
  std::unique_ptr<SdlMusicDevice> music_;
  std::unique_ptr<DiskFiles> files_;
};

// What app calls. Each runs the show to its end (input, or SIGTERM/SIGINT/
// SIGHUP) and returns the exit code: 0, or 1 after writing the reason on
// stderr when the screen could not be made. The caller removes the workspace.
// - on the desktop, full screen on every monitor;
int RunShowOnDesktop(TKVCProject& project, const std::string& workspaceFolder, const std::string& programPath);
// - inside X11 window `xid` (0 = the root window), at that window's size.
int RunShowInX11Window(TKVCProject& project, unsigned long xid, const std::string& workspaceFolder,
                       const std::string& programPath);

}  // namespace kv
