#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace kv {

// One of the eight sound slots of a scene (268 bytes in the file: a short
// string of up to 255 bytes, then PlayMode, MinInterval, MaxInterval).
struct TSoundRecord {
  static constexpr int32_t kRecordSize = 268;
  static constexpr int32_t kSlotCount = 8;
  static constexpr size_t kMaxFileName = 255;

  std::string FileName;     // Windows-1252; empty = unused slot
  int32_t PlayMode = 0;     // 0 loop, 1 repeat after a random pause, 2 after a fixed pause
  int32_t MinInterval = 0;  // seconds: fixed pause (mode 2), lower bound (mode 1)
  int32_t MaxInterval = 0;  // seconds: upper bound (mode 1)

  static TSoundRecord FromBytes(const uint8_t* bytes);
  // Writes the record; bytes after the name are zero.
  void ToBytes(uint8_t* bytes) const;

  bool operator==(const TSoundRecord&) const = default;
};

using TSoundSlots = std::array<TSoundRecord, TSoundRecord::kSlotCount>;

// The number of used slots: the index of the first slot without a file name.
int32_t UsedSoundSlots(const TSoundSlots& slots);

}  // namespace kv
