#include "scene/sound_record.h"

#include <algorithm>
#include <cstring>

#include "scene/little_endian.h"

namespace kv {

TSoundRecord TSoundRecord::FromBytes(const uint8_t* bytes) {
  TSoundRecord r;
  r.FileName.assign(reinterpret_cast<const char*>(bytes + 1), bytes[0]);
  r.PlayMode = LoadLe32(bytes + 256);
  r.MinInterval = LoadLe32(bytes + 260);
  r.MaxInterval = LoadLe32(bytes + 264);
  return r;
}

void TSoundRecord::ToBytes(uint8_t* bytes) const {
  std::memset(bytes, 0, kRecordSize);
  size_t length = std::min(FileName.size(), kMaxFileName);
  bytes[0] = static_cast<uint8_t>(length);
  std::memcpy(bytes + 1, FileName.data(), length);
  StoreLe32(bytes + 256, PlayMode);
  StoreLe32(bytes + 260, MinInterval);
  StoreLe32(bytes + 264, MaxInterval);
}

int32_t UsedSoundSlots(const TSoundSlots& slots) {
  for (size_t i = 0; i < slots.size(); ++i) {
    if (slots[i].FileName.empty()) return static_cast<int32_t>(i);
  }
  return static_cast<int32_t>(slots.size());
}

}  // namespace kv
