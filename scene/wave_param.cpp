#include "scene/wave_param.h"

#include "scene/little_endian.h"

namespace kv {

TWaveParam TWaveParam::FromBytes(const uint8_t* bytes) {
  TWaveParam p;
  p.Amplitude = LoadLe32(bytes + 0);
  p.WaveCount = LoadLe32(bytes + 4);
  p.Speed = LoadLe32(bytes + 8);
  p.Direction = LoadLe32(bytes + 12);
  p.Horizontal = bytes[16];
  p.Vertical = bytes[17];
  p.Perspective = bytes[18];
  p.Padding1 = bytes[19];
  p.Period = LoadLe32(bytes + 20);
  p.ColumnJitter = LoadLe32(bytes + 24);
  p.Reserved = bytes[28];
  p.Reflection = bytes[29];
  p.Padding2[0] = bytes[30];
  p.Padding2[1] = bytes[31];
  return p;
}

void TWaveParam::ToBytes(uint8_t* bytes) const {
  StoreLe32(bytes + 0, Amplitude);
  StoreLe32(bytes + 4, WaveCount);
  StoreLe32(bytes + 8, Speed);
  StoreLe32(bytes + 12, Direction);
  bytes[16] = Horizontal;
  bytes[17] = Vertical;
  bytes[18] = Perspective;
  bytes[19] = Padding1;
  StoreLe32(bytes + 20, Period);
  StoreLe32(bytes + 24, ColumnJitter);
  bytes[28] = Reserved;
  bytes[29] = Reflection;
  bytes[30] = Padding2[0];
  bytes[31] = Padding2[1];
}

}  // namespace kv
