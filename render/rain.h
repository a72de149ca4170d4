#pragma once

#include <cstdint>
#include <vector>

#include "image/bitmap32.h"

namespace kv {

// Slanted rain: drops placed at random in a layer, moved by the elapsed time
// along a direction, wrapped around its edges and drawn as two-part streaks.
class TRain {
 public:
  struct TDrop {
    double x = 0;
    double y = 0;
    int32_t size = 2;    // 2 to 4
    int32_t length = 1;  // length factor, 1 to 4
  };

  static constexpr int32_t kMaxCount = 1000;

  // The layer is borrowed; it must have its final size before Init.
  void SetLayer(Bitmap32* layer) { layer_ = layer; }
  // Particle count = min(n, 1000); a negative n gives none.
  void SetCount(int32_t n);
  int32_t Count() const { return count_; }
  // Sizes the drop array to the count and places every drop at random.
  void Init();
  // Inputs of the next StepAndDraw: SpeedScale index, elapsed milliseconds,
  // direction angle in degrees (90 = straight down), scene speed in per cent,
  // streak length and opacity, both in tenths.
  void SetStepInputs(int32_t speedIndex, int32_t dt, int32_t angle, int32_t speedPercent,
                     int32_t streakLength, int32_t opacity);
  // Moves every drop, then draws all of them into the layer.
  void StepAndDraw();

  const std::vector<TDrop>& Drops() const { return drops_; }
  std::vector<TDrop>& Drops() { return drops_; }

 private:
  void Draw(const TDrop& drop, double cosA);

  int32_t count_ = 0;
  Bitmap32* layer_ = nullptr;
  std::vector<TDrop> drops_;
  int32_t speedIndex_ = 0;
  int32_t dt_ = 0;
  int32_t angle_ = 90;
  int32_t speedPercent_ = 100;
  int32_t streakLength_ = 0;
  int32_t opacity_ = 0;
};

}  // namespace kv
