#include "saver/effects/shred_region.h"

#include <algorithm>

#include "base/random.h"

namespace kv {

void ShredRegion(TComplexRegion& region, int32_t W, int32_t H, int32_t A, int32_t B, int32_t rows,
                 int32_t columns) {
  const int32_t t = std::min(W, H) / 200 + 1;
  const int32_t rw = W % t;
  const int32_t rh = H % t;
  if (rows != 0) {
    const int32_t j = A < W ? W / 10 : 0;
    for (int32_t y = 0; y < H; y += t) {
      const int32_t r = A - j + Random(2 * j);
      const int32_t b = y + t + rh;
      const int32_t q = r / 2;
      switch (rows) {
        case 1:
          region.AddRect(W - r, y, W, b);
          break;
        case 2:
          region.AddRect(0, y, r, b);
          break;
        case 3:
          region.AddRect(W / 2 - q, y, W / 2, b);
          region.AddRect(W / 2, y, W / 2 + q, b);
          break;
        case 4:
          region.AddRect(W - q, y, W, b);
          region.AddRect(0, y, q, b);
          break;
        default:
          break;
      }
    }
  }
  if (columns != 0) {
    const int32_t j = B < H ? H / 10 : 0;
    for (int32_t x = 0; x < W; x += t) {
      const int32_t r = B - j + Random(2 * j);
      const int32_t b = x + t + rw;
      const int32_t q = r / 2;
      switch (columns) {
        case 1:
          region.AddRect(x, H - r, b, H);
          break;
        case 2:
          region.AddRect(x, 0, b, r);
          break;
        case 3:
          region.AddRect(x, H / 2 - q, b, H / 2);
          region.AddRect(x, H / 2, b, H / 2 + q);
          break;
        case 4:
          region.AddRect(x, H - q, b, H);
          region.AddRect(x, 0, b, q);
          break;
        default:
          break;
      }
    }
  }
}

}  // namespace kv
