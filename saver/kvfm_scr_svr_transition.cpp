// The transition run between two slides.
#include <cstring>
#include <optional>

#include "base/error.h"
#include "base/random.h"
#include "base/rounding.h"
#include "base/text.h"
#include "render/anim_engine.h"
#include "saver/effects/raster.h"
#include "saver/kvfm_scr_svr.h"

namespace kv {
namespace {

constexpr uint32_t kBlack = 0xFF000000u;

void DrawOpaque(Bitmap32& target, int32_t x, int32_t y, const Bitmap32& source) {
  CopyBlock(target, x, y, source.Width(), source.Height(), source, 0, 0);
}

}  // namespace

void TKVfmScrSvr::RunTransition(int32_t transitionTime) {
  ShowScreen& screen = backend_.Screen();
  Clock& clock = backend_.Ticks();
  ProcessMessages();

  int32_t width = 0;
  int32_t height = 0;
  if (use_directx_) {
    width = screen.SurfaceWidth();
    height = screen.SurfaceHeight();
    old_frame_.SetSize(width, height);
    new_frame_.SetSize(width, height);
    work_frame_.SetSize(width, height);
    ProcessMessages();
    screen.Capture(old_frame_);
    new_frame_.Fill(kBlack);
    ProcessMessages();
    off_x_ = 0;
    off_y_ = 0;
  } else {
    width = ScreenWidth();
    height = ScreenHeight();
    old_frame_.SetSize(width, height);
    new_frame_.SetSize(width, height);
    work_frame_.SetSize(width, height);
    ProcessMessages();
    new_frame_.Fill(kBlack);
    off_x_ = 0;
    off_y_ = 0;
    if (!stretch_ || proportional_) {
      const Bitmap32& shown = is_picture_ ? picture_ : engine_->CurrentFrame();
      off_x_ = TruncDiv(width - shown.Width(), 2);
      off_y_ = TruncDiv(height - shown.Height(), 2);
    }
    screen.Capture(old_frame_);
    ProcessMessages();
  }

  uint32_t t0 = 0;
  if (is_picture_) {
    DrawOpaque(new_frame_, off_x_, off_y_, picture_);
    t0 = clock.TickCount();
  } else {
    t0 = clock.TickCount();
    engine_->Step();
    DrawOpaque(new_frame_, off_x_, off_y_, engine_->CurrentFrame());
  }

  // An entry that is not a whole number, or names no effect, ends the run.
  const std::string& entry =
      allowed_effects_[static_cast<size_t>(Random(static_cast<int32_t>(allowed_effects_.size())))];
  const std::optional<int32_t> number = ParseInt32(Trim(entry));
  if (!number) throw Error("'" + entry + "' is not a valid integer value");
  if (*number < 1 || *number > kEffectCount || (*effects_)[static_cast<size_t>(*number)].Proc == nullptr) {
    throw Error("Transition effect " + entry + " does not exist");
  }
  effect_ = (*effects_)[static_cast<size_t>(*number)].Proc;
  if (width <= 0 || height <= 0) return;

  progress_ = 0;
  TransitionStep();
  const int64_t steps = transitionTime / (static_cast<int64_t>(clock.TickCount() - t0) + 1);
  transition_steps_ = steps > 0 ? static_cast<int32_t>(steps) : 0;
  for (int32_t i = 1; i <= transition_steps_; ++i) {
    progress_ = RoundHalfEven(static_cast<double>(i) * 100.0 / transition_steps_);
    if (!is_picture_) {
      engine_->Step();
      DrawOpaque(new_frame_, off_x_, off_y_, engine_->CurrentFrame());
    }
    TransitionStep();
    ProcessMessages();
  }
}

void TKVfmScrSvr::TransitionStep() {
  const int32_t width = work_frame_.Width();
  const int32_t height = work_frame_.Height();
  std::memcpy(work_frame_.Bits(), old_frame_.Bits(), work_frame_.ByteSize());
  const EffectExtents ext = ComputeExtents(width, height, progress_);
  effect_(work_frame_, new_frame_, width, height, ext.X, ext.Y, progress_);
  PresentFrame(0, 0, work_frame_);
}

void TKVfmScrSvr::PresentFrame(int32_t x, int32_t y, const Bitmap32& bitmap) {
  ShowScreen& screen = backend_.Screen();
  if (use_directx_ && !screen.CanDraw()) return;
  screen.Present(x, y, bitmap);
}

}  // namespace kv
