#include "saver/effects/bars_region.h"

#include <algorithm>

namespace kv {

void BarsRegion(TComplexRegion& region, int32_t W, int32_t H, int32_t A, int32_t B, int32_t rows,
                int32_t columns) {
  const int32_t t = std::min(W, H) / 50 + 1;
  if (A <= W) {
    for (int32_t y = 0; y < H + t; y += 2 * t) {
      switch (rows) {
        case 1:
        case 5:
          region.AddRect(W - A, y, W, y + t);
          break;
        case 2:
        case 4:
          region.AddRect(0, y, A, y + t);
          break;
        case 3:
          region.AddRect(0, y + t, A, y + 2 * t);
          region.AddRect(W - A, y, W, y + t);
          break;
        default:
          break;
      }
    }
  } else {
    for (int32_t y = t; y < H + t; y += 2 * t) {
      if (rows == 1 || rows == 4) region.AddRect(2 * W - A, y, W, y + t);
      if (rows == 2 || rows == 5) region.AddRect(0, y, A - W, y + t);
      region.AddRect(0, y - t, W, y);
    }
  }
  if (B <= H) {
    for (int32_t x = 0; x < W + t; x += 2 * t) {
      switch (columns) {
        case 1:
        case 5:
          region.AddRect(x, H - B, x + t, H);
          break;
        case 2:
        case 4:
          region.AddRect(x, 0, x + t, B);
          break;
        case 3:
          region.AddRect(x, H - B, x + t, H);
          region.AddRect(x + t, 0, x + 2 * t, B);
          break;
        default:
          break;
      }
    }
  } else {
    for (int32_t x = t; x < W + t; x += 2 * t) {
      if (columns == 1 || columns == 4) region.AddRect(x, 2 * H - B, x + t, H);
      if (columns == 2 || columns == 5) region.AddRect(x, 0, x + t, B - H);
      region.AddRect(x - t, 0, x, H);
    }
  }
}

}  // namespace kv
