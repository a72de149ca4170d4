#include "render/make_gray.h"

#include <cstdint>

namespace kv {

void MakeGray(Bitmap32& picture) {
  for (int32_t y = 0; y < picture.Height(); ++y) {
    uint32_t* row = picture.Row(y);
    for (int32_t x = 0; x < picture.Width(); ++x) {
      const uint32_t p = row[x];
      const uint32_t gray = (((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF)) / 3;
      row[x] = (p & 0xFF000000u) | (gray << 16) | (gray << 8) | gray;
    }
  }
}

}  // namespace kv
