#pragma once

#include <cstdint>

namespace kv {

// The weather of a scene: the 24-byte record of a scene file.
struct TWeatherParam {
  static constexpr int32_t kRecordSize = 24;

  int32_t Kind = 0;        // 0 none, 1 snow, 2 rain
  int32_t Amount = 0;      // flakes or drops; above 1000 counts as 1000
  int32_t SpeedIndex = 0;  // index into SpeedScale
  int32_t Angle = 0;       // rain direction in degrees, 90 = straight down
  int32_t DropLength = 0;  // rain streak length factor, tenths
  int32_t Opacity = 0;     // tenths; 0 = the kind's default (filled in on load)

  static TWeatherParam FromBytes(const uint8_t* bytes);
  void ToBytes(uint8_t* bytes) const;

  bool operator==(const TWeatherParam&) const = default;
};

}  // namespace kv
