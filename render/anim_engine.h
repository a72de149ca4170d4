#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "base/clock.h"
#include "image/bitmap32.h"
#include "render/area_map.h"
#include "render/column_jitter.h"
#include "render/rain.h"
#include "render/snow.h"
#include "render/water_pass.h"
#include "scene/project.h"

namespace kv {

// Composes the frames of the scene on screen: the background, the rippled
// water written over it, and optionally a weather layer that starts every
// step as a copy of the frame and receives snow or rain. Time comes from the
// clock; the scene and its pictures are borrowed.
class TAnimEngine {
 public:
  explicit TAnimEngine(Clock& clock) : clock_(clock) {}
  TAnimEngine(const TAnimEngine&) = delete;
  TAnimEngine& operator=(const TAnimEngine&) = delete;

  // Takes the scene's background, mask, water areas, speed and weather. Call
  // after every load of the scene and before Prepare.
  void AttachScene(TProject& project);
  // Builds the area map, mirror images and column jitter, re-seeds the
  // program-wide generator from the clock, runs one Step and shows the plain
  // background.
  void Prepare();
  // Drops any weather layer and particle system; when on, creates a layer of
  // the frame's size holding a copy of the frame and, for the scene's weather
  // kind 1 or 2, a snow or rain system with Amount particles (at most 1000).
  void SetWeather(bool on);
  // Advances water and weather by the time elapsed since the previous step.
  void Step();
  // The weather layer when weather is on, otherwise the frame. Ask again on
  // every frame: the layer lives only until the next SetWeather.
  const Bitmap32& CurrentFrame() const;
  // Copies the background into the frame again and rebuilds the mirror images.
  void ResetFrame();

  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }
  const TPhases& Phases() const { return phase_; }
  const TAreaMap& AreaMap() const { return map_; }
  const TColumnJitter& Jitter() const { return jitter_; }
  const Bitmap32& Frame() const { return frame_; }
  bool Reflecting() const { return reflecting_; }
  bool WeatherOn() const { return weatherOn_; }
  const TSnow* Snow() const { return snow_.get(); }
  const TRain* Rain() const { return rain_.get(); }

 private:
  std::array<bool, kWaterAreaCount> Reflects() const;

  Clock& clock_;
  int32_t height_ = 0;
  int32_t width_ = 0;
  TPhases phase_{};
  const Bitmap32* background_ = nullptr;
  Bitmap32 sampling_;
  const Bitmap32* mask_ = nullptr;
  Bitmap32 frame_;
  std::unique_ptr<Bitmap32> layer_;
  int32_t speedPercent_ = 100;
  TAreaMap map_;
  const Bitmap32* source_ = nullptr;
  TColumnJitter jitter_;
  TWaveAreas areas_{};
  const TProject* scene_ = nullptr;
  std::unique_ptr<TSnow> snow_;
  std::unique_ptr<TRain> rain_;
  bool weatherOn_ = false;
  bool reflecting_ = false;
  bool prepared_ = false;
  uint32_t lastTick_ = 0;
};

}  // namespace kv
