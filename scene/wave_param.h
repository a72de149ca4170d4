#pragma once

#include <cstdint>

namespace kv {

// One water area: the 32-byte record of a scene file, field for field. The
// one-byte flags hold the file's byte as it is; any non-zero value is "on".
struct TWaveParam {
  static constexpr int32_t kRecordSize = 32;

  int32_t Amplitude = 0;     // largest displacement, in background pixels
  int32_t WaveCount = 0;     // waves over the picture height
  int32_t Speed = 0;         // degrees per 50 ms at 100 % scene speed
  int32_t Direction = 0;     // 0: phase decreases; otherwise it increases
  uint8_t Horizontal = 0;    // pixels move sideways
  uint8_t Vertical = 0;      // pixels move up and down
  uint8_t Perspective = 0;   // waves grow from top to bottom of the area
  uint8_t Padding1 = 0;
  int32_t Period = 0;        // angular period of the vertical displacement, degrees
  int32_t ColumnJitter = 0;  // exclusive bound of the per-column row offset; 0 = none
  uint8_t Reserved = 0;      // written by the authoring tool, unused
  uint8_t Reflection = 0;    // the area mirrors the picture above it
  uint8_t Padding2[2] = {0, 0};

  // Decodes/encodes the little-endian file record (kRecordSize bytes).
  static TWaveParam FromBytes(const uint8_t* bytes);
  void ToBytes(uint8_t* bytes) const;

  bool operator==(const TWaveParam&) const = default;
};

}  // namespace kv
