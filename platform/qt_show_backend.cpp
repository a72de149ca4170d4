#include "platform/qt_show_backend.h"

#include "base/error.h"
#include "base/message_box.h"
#include "platform/desktop_screen.h"
#include "platform/input_router.h"
#include "platform/qt_event_pump.h"
#include "platform/qt_message_box.h"
#include "platform/sdl_audio.h"
#include "platform/sdl_music_device.h"
#include "platform/sdl_sound_device.h"
#include "platform/termination_signals.h"
#include "platform/x11_window_screen.h"
#include "saver/disk_files.h"
#include "saver/run_show.h"

namespace kv {

QtShowBackend::QtShowBackend(Target target, unsigned long windowId, const std::string& workspaceFolder,
                             const std::string& programPath)
    : router_(std::make_unique<InputRouter>()) {
  if (target == Target::kDesktop) {
    screen_ = std::make_unique<DesktopScreen>(*router_);
  } else {
    router_->SetForwardUserInput(false);
    screen_ = std::make_unique<X11WindowScreen>(windowId, *router_);
  }
  pump_ = std::make_unique<QtEventPump>(*router_);
  audio_ = std::make_unique<SdlAudio>();
  sound_ = std::make_unique<SdlSoundDevice>(*audio_);
  music_ = std::make_unique<SdlMusicDevice>(*audio_, *router_);
  files_ = std::make_unique<DiskFiles>(workspaceFolder, programPath);
}

QtShowBackend::~QtShowBackend() {
  music_.reset();
  sound_.reset();
  audio_.reset();
  pump_.reset();
  screen_.reset();
}

EventPump& QtShowBackend::Events() { return *pump_; }
SoundDevice& QtShowBackend::Sound() { return *sound_; }
MusicDevice& QtShowBackend::Music() { return *music_; }
ShowFiles& QtShowBackend::Files() { return *files_; }

namespace {

int RunOn(QtShowBackend::Target target, unsigned long xid, TKVCProject& project, const std::string& workspaceFolder,
          const std::string& programPath) {
  TerminationSignals termination;
  QtMessageBox boxes;
  SetMessages(&boxes);
  int code = 0;
  try {
    QtShowBackend backend(target, xid, workspaceFolder, programPath);
    RunShow(project, backend, programPath);
  } catch (const Error& e) {
    WriteToStderr(e.what());
    code = 1;
  }
  SetMessages(nullptr);
  return code;
}

}  // namespace

int RunShowOnDesktop(TKVCProject& project, const std::string& workspaceFolder, const std::string& programPath) {
  return RunOn(QtShowBackend::Target::kDesktop, 0, project, workspaceFolder, programPath);
}

int RunShowInX11Window(TKVCProject& project, unsigned long xid, const std::string& workspaceFolder,
                       const std::string& programPath) {
  return RunOn(QtShowBackend::Target::kForeignWindow, xid, project, workspaceFolder, programPath);
}

}  // namespace kv
