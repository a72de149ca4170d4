#include "render/anim_engine.h"

#include <algorithm>
#include <limits>

#include "base/random.h"
#include "render/reflection.h"

namespace kv {
namespace {

// Copies src into dst; dst takes src's size first when the sizes differ.
void CopyPicture(const Bitmap32& src, Bitmap32& dst) {
  if (dst.Width() == src.Width() && dst.Height() == src.Height()) {
    std::copy(src.Bits(), src.Bits() + src.ByteSize() / sizeof(uint32_t), dst.Bits());
  } else {
    dst = src;
  }
}

// 180 - angle, the direction the rain system expects.
int32_t RainDirection(int32_t angle) {
  const int64_t a = 180 - static_cast<int64_t>(angle);
  if (a > std::numeric_limits<int32_t>::max()) return static_cast<int32_t>(a % 360);
  return static_cast<int32_t>(a);
}

}  // namespace

void TAnimEngine::AttachScene(TProject& project) {
  scene_ = &project;
  background_ = &project.Background;
  mask_ = &project.AreaMask;
  for (int32_t k = 0; k < kWaterAreaCount; ++k) areas_[k] = &project.WaveArea(k);
  speedPercent_ = project.SpeedPercent;
  prepared_ = false;
}

std::array<bool, kWaterAreaCount> TAnimEngine::Reflects() const {
  std::array<bool, kWaterAreaCount> reflects{};
  for (int32_t k = 0; k < kWaterAreaCount; ++k) reflects[k] = areas_[k] && areas_[k]->Reflection != 0;
  return reflects;
}

void TAnimEngine::Prepare() {
  if (!background_) return;
  lastTick_ = clock_.TickCount();
  width_ = background_->Width();
  height_ = background_->Height();
  CopyPicture(*background_, frame_);
  Randomize(clock_);
  phase_.fill(0);
  const std::array<bool, kWaterAreaCount> reflects = Reflects();
  reflecting_ = std::any_of(reflects.begin(), reflects.end(), [](bool r) { return r; });
  BuildAreaMap(*mask_, width_, height_, map_);
  source_ = background_;
  if (reflecting_) {
    CopyPicture(*background_, sampling_);
    BuildReflection(map_, reflects, *background_, sampling_);
    source_ = &sampling_;
  } else {
    sampling_ = Bitmap32();
  }
  std::array<int32_t, kWaterAreaCount> columnJitter{};
  for (int32_t k = 0; k < kWaterAreaCount; ++k) columnJitter[k] = areas_[k]->ColumnJitter;
  BuildJitter(columnJitter, width_, jitter_);
  prepared_ = true;
  Step();
  CopyPicture(*background_, frame_);
}

void TAnimEngine::SetWeather(bool on) {
  layer_.reset();
  snow_.reset();
  rain_.reset();
  weatherOn_ = on;
  if (!on) return;
  layer_ = std::make_unique<Bitmap32>(frame_);
  if (!scene_) return;
  const TWeatherParam& weather = scene_->Weather;
  if (weather.Kind == 1) {
    snow_ = std::make_unique<TSnow>();
    snow_->SetLayer(layer_.get());
    snow_->SetCount(weather.Amount);
    snow_->Init();
  } else if (weather.Kind == 2) {
    rain_ = std::make_unique<TRain>();
    rain_->SetLayer(layer_.get());
    rain_->SetCount(weather.Amount);
    rain_->Init();
  }
}

void TAnimEngine::Step() {
  const uint32_t now = clock_.TickCount();
  const uint32_t dt = now - lastTick_;
  lastTick_ = now;
  if (prepared_) WaterPass(map_, areas_, phase_, jitter_, *source_, frame_);
  AdvancePhases(areas_, dt, speedPercent_, phase_);

  if (!weatherOn_ || !layer_) return;
  CopyPicture(frame_, *layer_);
  if (!scene_) return;
  const TWeatherParam& weather = scene_->Weather;
  const int32_t elapsed = static_cast<int32_t>(dt);
  if (weather.Kind == 1 && snow_) {
    snow_->SetStepInputs(weather.SpeedIndex, speedPercent_, elapsed, weather.Opacity);
    snow_->StepAndDraw();
  } else if (weather.Kind == 2 && rain_) {
    rain_->SetStepInputs(weather.SpeedIndex, elapsed, RainDirection(weather.Angle), speedPercent_,
                         weather.DropLength, weather.Opacity);
    rain_->StepAndDraw();
  }
}

const Bitmap32& TAnimEngine::CurrentFrame() const { return weatherOn_ && layer_ ? *layer_ : frame_; }

void TAnimEngine::ResetFrame() {
  if (!prepared_ || background_->Width() != width_ || background_->Height() != height_) return;
  CopyPicture(*background_, frame_);
  if (reflecting_) BuildReflection(map_, Reflects(), *background_, sampling_);
}

}  // namespace kv
