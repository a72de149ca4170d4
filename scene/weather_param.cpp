#include "scene/weather_param.h"

#include "scene/little_endian.h"

namespace kv {

TWeatherParam TWeatherParam::FromBytes(const uint8_t* bytes) {
  TWeatherParam w;
  w.Kind = LoadLe32(bytes + 0);
  w.Amount = LoadLe32(bytes + 4);
  w.SpeedIndex = LoadLe32(bytes + 8);
  w.Angle = LoadLe32(bytes + 12);
  w.DropLength = LoadLe32(bytes + 16);
  w.Opacity = LoadLe32(bytes + 20);
  return w;
}

void TWeatherParam::ToBytes(uint8_t* bytes) const {
  StoreLe32(bytes + 0, Kind);
  StoreLe32(bytes + 4, Amount);
  StoreLe32(bytes + 8, SpeedIndex);
  StoreLe32(bytes + 12, Angle);
  StoreLe32(bytes + 16, DropLength);
  StoreLe32(bytes + 20, Opacity);
}

}  // namespace kv
