#include "render/water_pass.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "base/rounding.h"

namespace kv {
namespace {

constexpr double kDegree = std::numbers::pi / 180.0;

inline int64_t Clamp64(int64_t v, int64_t hi) { return v < 0 ? 0 : (v > hi ? hi : v); }

}  // namespace

int64_t WaveAngle(int32_t h, int32_t y, double density, int32_t phase) {
  return RoundHalfEven64(static_cast<double>(h - y) * density * 360.0 / h + phase);
}

int32_t WaveDisplacement(int64_t angle, int32_t modulus, double amplitude) {
  const int64_t reduced = angle % modulus;
  return RoundHalfEven(std::cos(static_cast<double>(reduced) * kDegree) * amplitude);
}

void WaterPass(const TAreaMap& map, const TWaveAreas& areas, const TPhases& phase,
               const TColumnJitter& jitter, const Bitmap32& source, Bitmap32& frame) {
  const int32_t w = map.width;
  const int32_t h = map.height;
  if (w <= 0 || h <= 0 || source.Width() != w || source.Height() != h || frame.Width() != w ||
      frame.Height() != h) {
    return;
  }

  std::array<bool, kWaterAreaCount> active{};
  std::array<double, kWaterAreaCount> amp{}, density{}, dAmp{}, dDensity{};
  for (int32_t k = 0; k < kWaterAreaCount; ++k) {
    const TWaveParam* a = areas[k];
    active[k] = a != nullptr && a->Period > 0 && jitter[k].size() == static_cast<size_t>(w);
    if (!active[k]) continue;
    amp[k] = a->Amplitude;
    density[k] = a->WaveCount / (360.0 / a->Period);
    if (a->Perspective) {
      amp[k] = 0;
      const int32_t span = map.bottom[k] - map.top[k];
      if (span != 0) {
        dAmp[k] = static_cast<double>(a->Amplitude) / span;
        dDensity[k] = density[k] / span;
      } else {
        dAmp[k] = a->Amplitude;
        dDensity[k] = density[k];
      }
    }
  }

  const int16_t* const areaIndex = map.index.data();
  const uint32_t* const src = source.Bits();
  uint32_t* const dst = frame.Bits();
  const int64_t maxX = w - 1;
  const int64_t maxY = h - 1;
  std::array<int64_t, kWaterAreaCount> shiftX{}, shiftY{};
  std::array<const int32_t*, kWaterAreaCount> columnShift{};
  for (int32_t k = 0; k < kWaterAreaCount; ++k) columnShift[k] = jitter[k].data();

  for (int32_t y = 0; y < h; ++y) {
    bool anyArea = false;
    for (int32_t k = 0; k < kWaterAreaCount; ++k) {
      if (!active[k] || !map.InRange(k, y)) continue;
      anyArea = true;
      const TWaveParam& a = *areas[k];
      if (a.Perspective) {
        amp[k] = amp[k] + dAmp[k];
        density[k] = density[k] - 0.8 * dDensity[k];
      }
      const int64_t t = WaveAngle(h, y, density[k], phase[k]);
      shiftY[k] = a.Vertical ? WaveDisplacement(t, a.Period, amp[k]) : 0;
      shiftX[k] = a.Horizontal ? WaveDisplacement(t, 360, amp[k]) : 0;
    }
    if (!anyArea) continue;

    const int16_t* row = areaIndex + static_cast<size_t>(y) * w;
    for (int32_t x = 0; x < w; ++x) {
      const int32_t k = row[x];
      if (k < 0 || !active[k]) continue;
      const int64_t up = static_cast<int64_t>(y) - columnShift[k][x];
      const int64_t dstY = Clamp64(up, maxY);
      const int64_t srcY = Clamp64(up + shiftY[k], maxY);
      const int64_t srcX = Clamp64(x + shiftX[k], maxX);
      if (areaIndex[dstY * w + srcX] == k && areaIndex[srcY * w + srcX] == k) {
        dst[dstY * w + x] = src[srcY * w + srcX];
      }
    }
  }
}

void AdvancePhases(const TWaveAreas& areas, uint32_t dt, int32_t speedPercent, TPhases& phase) {
  for (int32_t k = 0; k < kWaterAreaCount; ++k) {
    if (areas[k] == nullptr) continue;
    const TWaveParam& a = *areas[k];
    const int32_t product = static_cast<int32_t>(static_cast<uint32_t>(a.Speed) * dt);
    const int32_t inc = RoundHalfEven(product / 50.0 * speedPercent / 100.0);
    const uint32_t p = static_cast<uint32_t>(phase[k]);
    const uint32_t step = static_cast<uint32_t>(inc);
    phase[k] = static_cast<int32_t>(a.Direction != 0 ? p + step : p - step);
  }
}

}  // namespace kv
