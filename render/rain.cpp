#include "render/rain.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "base/random.h"
#include "base/rounding.h"
#include "base/speed_scale.h"
#include "render/alpha_blend.h"
#include "render/line_drawing.h"

namespace kv {

void TRain::SetCount(int32_t n) { count_ = std::clamp(n, 0, kMaxCount); }

void TRain::Init() {
  drops_.resize(static_cast<size_t>(count_));
  const int32_t w = layer_ ? layer_->Width() : 0;
  const int32_t h = layer_ ? layer_->Height() : 0;
  for (TDrop& d : drops_) {
    d.x = Random(w);
    d.y = Random(h);
    d.size = 2 + Random(3);
    d.length = 1 + Random(4);
  }
}

void TRain::SetStepInputs(int32_t speedIndex, int32_t dt, int32_t angle, int32_t speedPercent,
                          int32_t streakLength, int32_t opacity) {
  speedIndex_ = speedIndex;
  dt_ = dt;
  angle_ = angle;
  speedPercent_ = speedPercent;
  streakLength_ = streakLength;
  opacity_ = opacity;
}

void TRain::StepAndDraw() {
  if (!layer_) return;
  const int32_t w = layer_->Width();
  const int32_t h = layer_->Height();
  const int32_t scale = SpeedScale[static_cast<size_t>(std::clamp<int32_t>(speedIndex_, 0, 20))];
  const double s = dt_ / 50.0 * scale / 100.0 * speedPercent_ / 100.0;
  const double cosA = std::cos(angle_ * (std::numbers::pi / 180.0));
  for (TDrop& d : drops_) {
    const double y0 = d.y;
    d.y = d.y + d.size * s * 3;
    d.x = d.x + cosA * (d.y - y0);
    if (d.x < -20) {
      d.x = w + Random(100);
    } else if (d.x > w + 20) {
      d.x = -Random(100);
    }
    d.size = std::clamp(d.size, 2, 4);
    if (d.y > h + 20) d.y = -Random(100);
  }
  for (const TDrop& d : drops_) Draw(d, cosA);
}

void TRain::Draw(const TDrop& drop, double cosA) {
  const int32_t size = std::clamp(drop.size, 2, 4);
  const int32_t x0 = RoundHalfEven(drop.x);
  const int32_t y0 = RoundHalfEven(drop.y);
  const uint32_t g = static_cast<uint32_t>(200 + 55 / (5 - size));
  const uint32_t color = 0xFF000000u | (g << 16) | (g << 8) | g;
  const int32_t ye = RoundHalfEven(drop.length * size * (streakLength_ / 10.0) + y0);
  const int32_t xe = RoundHalfEven(cosA * (static_cast<double>(ye) - y0) + x0);
  const int32_t xm = RoundHalfEven(x0 + static_cast<double>((static_cast<int64_t>(xe) - x0) * 6) / 8);
  const int32_t ym = RoundHalfEven(y0 + static_cast<double>((static_cast<int64_t>(ye) - y0) * 6) / 8);
  const int32_t tailAlpha = ParticleAlpha(150 - 20 * (5 - size), opacity_);
  const int32_t headAlpha = ParticleAlpha(255 - 20 * (5 - size), opacity_);
  BlendLine(*layer_, x0, y0, xm, ym, color, tailAlpha);
  BlendLine(*layer_, xm, ym, xe, ye, color, headAlpha);
}

}  // namespace kv
