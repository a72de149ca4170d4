#pragma once

#include <array>
#include <cstdint>

#include "image/bitmap32.h"
#include "render/area_map.h"
#include "render/column_jitter.h"
#include "scene/wave_param.h"

namespace kv {

using TWaveAreas = std::array<const TWaveParam*, kWaterAreaCount>;
using TPhases = std::array<int32_t, kWaterAreaCount>;

// The wave angle of row y in a picture of height h:
// Round((h - y) * density * 360 / h + phase) as a 64-bit integer.
int64_t WaveAngle(int32_t h, int32_t y, double density, int32_t phase);

// Round(cos(angle mod modulus degrees) * amplitude); the remainder keeps the
// sign of the angle.
int32_t WaveDisplacement(int64_t angle, int32_t modulus, double amplitude);

// One water pass: every water pixel (x, y) of area k takes the source pixel
// displaced by that row's wave and the column's jitter, written to row
// y - jitter of the frame, but only when that frame row and the source row,
// both taken in the source column, belong to area k. Areas whose Period is 0
// or less are skipped. Other frame pixels keep their value. source and frame
// must be map.width x map.height.
void WaterPass(const TAreaMap& map, const TWaveAreas& areas, const TPhases& phase,
               const TColumnJitter& jitter, const Bitmap32& source, Bitmap32& frame);

// Phase advance of all four areas for dt elapsed milliseconds at the scene
// speed percentage: inc = Round(Speed * dt / 50 * percent / 100), with
// Speed * dt formed as a 32-bit integer; added when Direction is non-zero,
// subtracted otherwise. Phases wrap at 32 bits.
void AdvancePhases(const TWaveAreas& areas, uint32_t dt, int32_t speedPercent, TPhases& phase);

}  // namespace kv
