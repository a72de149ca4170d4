#pragma once

#include <cstdint>
#include <vector>

#include "image/bitmap32.h"

namespace kv {

// Falling snow: flakes placed at random in a layer, moved by the elapsed time,
// wrapped around its edges and alpha-blended into it as white specks.
class TSnow {
 public:
  struct TFlake {
    double x = 0;
    double y = 0;
    int32_t size = 2;   // 2 to 4
    int32_t drift = 0;  // -1, 0 or +1
  };

  static constexpr int32_t kMaxCount = 1000;

  // The layer is borrowed; it must have its final size before Init.
  void SetLayer(Bitmap32* layer) { layer_ = layer; }
  // Particle count = min(n, 1000); a negative n gives none.
  void SetCount(int32_t n);
  int32_t Count() const { return count_; }
  // Sizes the flake array to the count and places every flake at random.
  void Init();
  // Inputs of the next StepAndDraw: SpeedScale index, scene speed in per
  // cent, elapsed milliseconds and opacity in tenths.
  void SetStepInputs(int32_t speedIndex, int32_t speedPercent, int32_t dt, int32_t opacity);
  // Moves every flake, then draws all of them into the layer.
  void StepAndDraw();

  const std::vector<TFlake>& Flakes() const { return flakes_; }
  std::vector<TFlake>& Flakes() { return flakes_; }

 private:
  void Draw(const TFlake& flake);

  int32_t count_ = 0;
  Bitmap32* layer_ = nullptr;
  std::vector<TFlake> flakes_;
  int32_t speedIndex_ = 0;
  int32_t speedPercent_ = 100;
  int32_t dt_ = 0;
  int32_t opacity_ = 0;
};

}  // namespace kv
