#include "render/snow.h"

#include <algorithm>

#include "base/random.h"
#include "base/rounding.h"
#include "base/speed_scale.h"
#include "render/alpha_blend.h"

namespace kv {
namespace {

struct TSpeck {
  int32_t dx;
  int32_t dy;
  int32_t base;  // alpha at opacity 10
};

constexpr TSpeck kSmall[] = {{0, 0, 160}, {1, 0, 60}, {0, 1, 60}};
constexpr TSpeck kMiddle[] = {{0, 0, 200},   {-1, 0, 160}, {1, 0, 160},  {0, -1, 160}, {0, 1, 160},
                              {-1, -1, 60}, {-1, 1, 60},  {1, -1, 60}, {1, 1, 60}};
constexpr TSpeck kBig[] = {{0, 0, 240},  {-1, 0, 240}, {-1, 1, 240}, {0, -1, 240},
                           {0, 1, 240},  {0, 2, 240},  {1, -1, 240}, {1, 0, 240},
                           {1, 1, 240},  {1, 2, 240},  {2, 0, 240},  {2, 1, 240}};

}  // namespace

void TSnow::SetCount(int32_t n) { count_ = std::clamp(n, 0, kMaxCount); }

void TSnow::Init() {
  flakes_.resize(static_cast<size_t>(count_));
  const int32_t w = layer_ ? layer_->Width() : 0;
  const int32_t h = layer_ ? layer_->Height() : 0;
  for (TFlake& f : flakes_) {
    f.x = Random(w);
    f.y = Random(h);
    f.drift = 1 - Random(3);
    f.size = 2 + Random(3);
  }
}

void TSnow::SetStepInputs(int32_t speedIndex, int32_t speedPercent, int32_t dt, int32_t opacity) {
  speedIndex_ = speedIndex;
  speedPercent_ = speedPercent;
  dt_ = dt;
  opacity_ = opacity;
}

void TSnow::StepAndDraw() {
  if (!layer_) return;
  const int32_t w = layer_->Width();
  const int32_t h = layer_->Height();
  const int32_t scale = SpeedScale[static_cast<size_t>(std::clamp<int32_t>(speedIndex_, 0, 20))];
  const double s = dt_ / 70.0 * scale / 100.0 * speedPercent_ / 100.0;
  for (TFlake& f : flakes_) {
    f.y = f.y + s * f.size;
    f.x = f.x + s * f.drift;
    if (Random(20) == 0) f.size = f.size + Random(3) - 1;
    if (f.x < 0) {
      f.x = w + Random(50);
    } else if (f.x > w) {
      f.x = -Random(50);
    }
    f.size = std::clamp(f.size, 2, 4);
    if (f.y > h - 1) f.y = -Random(100);
  }
  for (const TFlake& f : flakes_) Draw(f);
}

void TSnow::Draw(const TFlake& flake) {
  const int64_t x = RoundHalfEven(flake.x);
  const int64_t y = RoundHalfEven(flake.y);
  auto draw = [&](const auto& specks) {
    for (const TSpeck& p : specks) {
      BlendPixelAt(*layer_, x + p.dx, y + p.dy, 0xFFFFFFFFu, ParticleAlpha(p.base, opacity_));
    }
  };
  switch (flake.size) {
    case 2: draw(kSmall); break;
    case 3: draw(kMiddle); break;
    default: draw(kBig); break;
  }
}

}  // namespace kv
