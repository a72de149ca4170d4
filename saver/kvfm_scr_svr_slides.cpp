// Slide sequencing: play list, choice and loading of slides, the frame loop.
#include <optional>
#include <utility>

#include "base/random.h"
#include "base/rounding.h"
#include "base/text.h"
#include "image/picture_loader.h"
#include "project/playlist.h"
#include "render/anim_engine.h"
#include "render/fit_scene.h"
#include "render/stretch_to_fit.h"
#include "saver/kvfm_scr_svr.h"
#include "saver/quality_frame_size.h"
#include "scene/project.h"

namespace kv {
namespace {

constexpr uint32_t kFrameTimeMs = 33;

// The extension of a path's file name, from its last "." (empty when none).
std::string Extension(const std::string& path) {
  const std::string name = NamePart(path);
  const size_t dot = name.rfind('.');
  return dot == std::string::npos ? std::string() : name.substr(dot);
}

bool IsPictureFile(const std::string& path) {
  const std::string ext = UpperCase(Extension(path));
  return ext == ".JPG" || ext == ".BMP" || ext == ".GIF";
}

}  // namespace

void TKVfmScrSvr::CopySettings() {
  const TKVCSetting& s = project_.Setting;
  stretch_ = s.Stretch;
  proportional_ = s.Proportional;
  auto_advance_ = s.Random;
  duration_ = s.Duration;
  speed_ = s.Speed;
  image_mode_ = s.ShowImageMode;
  transition_ = s.Transition;
  transition_time_ = s.TransitionTime;
  sound_ = s.Sound;
}

void TKVfmScrSvr::BuildPlaylist() { playlist_ = kv::BuildPlaylist(project_); }

void TKVfmScrSvr::PickNextSlide() {
  const auto count = static_cast<int32_t>(playlist_.size());
  if (image_mode_ == 0 || image_mode_ == 2) {
    if (count < 2) {
      playlist_index_ = 0;
      return;
    }
    int32_t next = Random(count);
    while (next == playlist_index_) next = Random(count);
    playlist_index_ = next;
    return;
  }
  playlist_index_ = playlist_index_ + 1 >= count ? 0 : playlist_index_ + 1;
}

bool TKVfmScrSvr::LoadSlide() {
  const bool loaded = IsPictureFile(next_file_) ? LoadPictureSlide() : LoadSceneSlide();
  if (loaded) current_file_ = next_file_;
  return loaded;
}

bool TKVfmScrSvr::LoadPictureSlide() {
  const Bitmap32 loaded = LoadPicture(next_file_);
  const int32_t sw = ScreenWidth();
  const int32_t sh = ScreenHeight();
  int32_t width = loaded.Width();
  int32_t height = loaded.Height();
  if (use_directx_) {
    width = sw;
    height = sh;
    if (const std::optional<FrameSize> q = QualityFrameSize(project_.Setting.DirectXQuality)) {
      picture_.SetSize(q->Width, q->Height);
    }
    StretchToFit(loaded, picture_);
  } else if (stretch_) {
    const int32_t pw = loaded.Width();
    const int32_t ph = loaded.Height();
    width = sw;
    height = sh;
    if (proportional_ && pw > 0 && ph > 0 && sh > 0) {
      const double r = static_cast<double>(pw) / ph;
      if (static_cast<int64_t>(ph) * sw / sh < pw) {
        height = RoundHalfEven(sw / r);
      } else {
        width = RoundHalfEven(sh * r);
      }
    }
    picture_.SetSize(width, height);
    StretchToFit(loaded, picture_);
  } else {
    picture_ = loaded;
  }
  is_picture_ = true;
  slide_width_ = width;
  slide_height_ = height;
  StopSceneSounds();
  return true;
}

bool TKVfmScrSvr::LoadSceneSlide() {
  const std::optional<std::string> path = backend_.Files().Find(next_file_);
  if (!path) return false;
  auto loaded = std::make_unique<TProject>();
  if (!loaded->LoadFromFile(*path) || loaded->Background.Empty()) return false;
  loaded->SetSpeed(speed_);
  int32_t width = loaded->Background.Width();
  int32_t height = loaded->Background.Height();
  if (use_directx_) {
    width = ScreenWidth();
    height = ScreenHeight();
    if (const std::optional<FrameSize> q = QualityFrameSize(project_.Setting.DirectXQuality)) {
      FitScene(proportional_, *loaded, q->Width, q->Height);
    }
  } else if (stretch_) {
    FitScene(proportional_, *loaded, ScreenWidth(), ScreenHeight());
    width = loaded->Background.Width();
    height = loaded->Background.Height();
  }
  // The engine moves to the new scene before the old one is freed.
  std::swap(scene_, loaded);
  engine_->AttachScene(*scene_);
  engine_->SetWeather(false);
  engine_->Prepare();
  engine_->SetWeather(scene_->Weather.Kind > 0);
  loaded.reset();
  is_picture_ = false;
  slide_width_ = width;
  slide_height_ = height;
  if (sound_) {
    StopSceneSounds();
    LoadSceneSounds();
    UpdateSceneSounds();
  }
  return true;
}

void TKVfmScrSvr::IdleFrame() {
  Clock& clock = backend_.Ticks();
  try {
    if (sound_) UpdateSceneSounds();
    if (auto_advance_) {
      const int64_t elapsed = (clock.TickCount() - slide_start_) / 1000;
      if (advance_now_ || elapsed >= duration_) {
        PickNextSlide();
        next_file_ = playlist_[static_cast<size_t>(playlist_index_)];
        if (next_file_ != current_file_) {
          // A slide that cannot be shown ends the pass; the slide clock
          // stays, so the next pass picks another one.
          if (!LoadSlide()) {
            PaceRestOfFrame();
            return;
          }
          if (transition_) {
            try {
              RunTransition(transition_time_);
            } catch (...) {
              // The new slide stays for its whole time, without a transition.
              slide_start_ = clock.TickCount();
              advance_now_ = false;
              throw;
            }
          } else {
            backend_.Screen().ClearToBlack();
          }
        }
        slide_start_ = clock.TickCount();
        advance_now_ = false;
      }
    }
    // Nothing is drawn until a first slide could be loaded.
    if (current_file_.empty()) {
      PaceRestOfFrame();
      return;
    }
    if (!is_picture_) engine_->Step();
    DrawAndPace();
  } catch (...) {
    PaceRestOfFrame();
  }
}

void TKVfmScrSvr::DrawAndPace() {
  int32_t x = 0;
  int32_t y = 0;
  if (!stretch_ || proportional_) {
    x = TruncDiv(ScreenWidth() - slide_width_, 2);
    y = TruncDiv(ScreenHeight() - slide_height_, 2);
  }
  DrawFrame(x, y, is_picture_ ? picture_ : engine_->CurrentFrame());
  PaceRestOfFrame();
}

void TKVfmScrSvr::PaceRestOfFrame() {
  Clock& clock = backend_.Ticks();
  const uint32_t spent = clock.TickCount() - last_frame_time_;
  if (spent < kFrameTimeMs) clock.Sleep(kFrameTimeMs - spent);
  last_frame_time_ = clock.TickCount();
}

void TKVfmScrSvr::DrawFrame(int32_t x, int32_t y, const Bitmap32& frame) {
  ShowScreen& screen = backend_.Screen();
  if (use_directx_) {
    if (screen.CanDraw()) screen.Present(0, 0, frame);
    return;
  }
  screen.Present(x, y, frame);
}

}  // namespace kv
