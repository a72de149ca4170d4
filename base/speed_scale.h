#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace kv {

// The 21 animation speeds in per cent, shared by the scene speed, the weather
// records and the user's speed setting (which stores the index).
inline constexpr std::array<int32_t, 21> SpeedScale = {
    10, 20, 30, 45, 50, 60, 70, 75, 80, 90, 100, 120, 140, 160, 180, 200, 220, 240, 360, 480, 500};

// Index of the value in SpeedScale, or -1 when it is none of them.
constexpr int32_t SpeedScaleIndex(int32_t percent) {
  for (size_t i = 0; i < SpeedScale.size(); ++i) {
    if (SpeedScale[i] == percent) return static_cast<int32_t>(i);
  }
  return -1;
}

}  // namespace kv
