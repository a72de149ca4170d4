// Window set-up, modal loop, input rules, close query and teardown.
#include "saver/kvfm_scr_svr.h"

#include <exception>

#include "base/message_box.h"
#include "base/random.h"
#include "render/anim_engine.h"
#include "saver/allowed_effects.h"
#include "scene/project.h"

namespace kv {
namespace {

constexpr int32_t kTransitionFrameWidth = 800;
constexpr int32_t kTransitionFrameHeight = 600;
// While no idle handler runs, the loop waits for messages at most this long.
constexpr uint32_t kWaitMessageMs = 100;

}  // namespace

TKVfmScrSvr::TKVfmScrSvr(TKVCProject& project, ShowBackend& backend)
    : project_(project), backend_(backend), effects_(&Effects()) {}

TKVfmScrSvr::~TKVfmScrSvr() {
  if (shown_ && !closed_) FormClose();
  if (music_started_) {
    try {
      backend_.Music().Stop();
      backend_.Music().Close();
    } catch (...) {
    }
  }
}

void TKVfmScrSvr::ShowModal() {
  EventPump& pump = backend_.Events();
  pump.SetInput(this);
  FormShow();
  for (;;) {
    pump.ProcessMessages();
    if (close_requested_) {
      close_requested_ = false;
      if (FormCloseQuery()) break;
      continue;
    }
    if (idle_installed_) {
      IdleFrame();
    } else {
      pump.WaitMessage(kWaitMessageMs);
    }
  }
  FormClose();
  pump.SetInput(nullptr);
}

int32_t TKVfmScrSvr::ScreenWidth() const { return backend_.Screen().ScreenWidth(); }
int32_t TKVfmScrSvr::ScreenHeight() const { return backend_.Screen().ScreenHeight(); }

void TKVfmScrSvr::ProcessMessages() { backend_.Events().ProcessMessages(); }

void TKVfmScrSvr::FormShow() {
  shown_ = true;
  Clock& clock = backend_.Ticks();
  ShowScreen& screen = backend_.Screen();

  allowed_effects_.clear();
  sound_player_ = std::make_unique<TSoundEffect>(backend_.Sound());
  old_frame_.SetSize(kTransitionFrameWidth, kTransitionFrameHeight);
  new_frame_.SetSize(kTransitionFrameWidth, kTransitionFrameHeight);
  work_frame_.SetSize(kTransitionFrameWidth, kTransitionFrameHeight);
  picture_ = Bitmap32();

  f1_ = false;
  Randomize(clock);
  last_mouse_x_ = -1;
  last_mouse_y_ = -1;

  BuildPlaylist();

  use_directx_ = project_.Setting.DirectX;
  if (use_directx_) {
    try {
      use_directx_ =
          screen.InitScaledSurface(screen.ScreenWidth(), screen.ScreenHeight(), screen.ScreenBitsPerPixel());
    } catch (...) {
      use_directx_ = false;
    }
  }

  if (playlist_.empty()) {
    Messages().Show("Unable to run screensaver.\r\nPlease configure!");
  } else {
    CopySettings();
    allowed_effects_ = ParseAllowedEffects(project_.Setting.TransitionEffects);
    playlist_index_ = -1;
    PickNextSlide();
    next_file_ = playlist_[static_cast<size_t>(playlist_index_)];
  }

  StartMusic();

  if (!playlist_.empty()) {
    scene_ = std::make_unique<TProject>();
    engine_ = std::make_unique<TAnimEngine>(clock);
    try {
      // A first slide that cannot be shown makes the first pass move on.
      advance_now_ = !LoadSlide();
    } catch (...) {
      advance_now_ = true;
    }
    slide_start_ = clock.TickCount();
    idle_installed_ = true;
    screen.SetCursorVisible(false);
  }

  last_frame_time_ = clock.TickCount();
}

bool TKVfmScrSvr::FormCloseQuery() {
  mouse_countdown_ = 5;
  // No screensaver password on this platform: closing is always allowed.
  return true;
}

void TKVfmScrSvr::FormClose() {
  if (closed_) return;
  closed_ = true;
  scene_.reset();
  try {
    backend_.Screen().SetCursorVisible(true);
  } catch (...) {
  }
  StopWaveSound();
  idle_installed_ = false;
  engine_.reset();
  playlist_.clear();
  picture_ = Bitmap32();
  music_files_.clear();
  old_frame_ = Bitmap32();
  new_frame_ = Bitmap32();
  work_frame_ = Bitmap32();
  try {
    StopSceneSounds();
  } catch (...) {
  }
  sound_player_.reset();
  allowed_effects_.clear();
}

void TKVfmScrSvr::FormMouseMove(int32_t x, int32_t y) {
  if (mouse_countdown_ > 0) {
    --mouse_countdown_;
    return;
  }
  if (last_mouse_x_ == -1) last_mouse_x_ = x;
  if (last_mouse_y_ == -1) last_mouse_y_ = y;
  const int64_t dx = static_cast<int64_t>(x) - last_mouse_x_;
  const int64_t dy = static_cast<int64_t>(y) - last_mouse_y_;
  if (dx > 2 || dx < -2 || dy > 2 || dy < -2) RequestClose();
  last_mouse_x_ = x;
  last_mouse_y_ = y;
}

void TKVfmScrSvr::FormMouseDown() { RequestClose(); }

void TKVfmScrSvr::FormKeyDown(int32_t virtualKey) {
  if (virtualKey != kVkF1) return;
  f1_ = !f1_;
  if (!f1_ && engine_) engine_->ResetFrame();
}

void TKVfmScrSvr::FormKeyPress(uint32_t /*character*/) { RequestClose(); }

void TKVfmScrSvr::MusicNotify() {
  // What escapes the handler is reported, and the show goes on.
  try {
    MediaPlayerNotify();
  } catch (const std::exception& e) {
    Messages().Show(e.what());
  } catch (...) {
    Messages().Show("Unknown error");
  }
}

}  // namespace kv
