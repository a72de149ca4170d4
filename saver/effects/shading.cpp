#include "saver/effects/shading.h"

#include <algorithm>
#include <vector>

namespace kv {
namespace {

uint32_t AddClamped(uint32_t pixel, int32_t v) {
  const int32_t b = std::clamp(static_cast<int32_t>(pixel & 0xFFu) + v, 0, 255);
  const int32_t g = std::clamp(static_cast<int32_t>((pixel >> 8) & 0xFFu) + v, 0, 255);
  const int32_t r = std::clamp(static_cast<int32_t>((pixel >> 16) & 0xFFu) + v, 0, 255);
  return (pixel & 0xFF000000u) | (static_cast<uint32_t>(r) << 16) | (static_cast<uint32_t>(g) << 8) |
         static_cast<uint32_t>(b);
}

}  // namespace

void ShadeColumns(Bitmap32& bitmap, int32_t Amount, int32_t Left, int32_t Count) {
  if (Count <= 1 || Amount == 0) return;
  const int32_t half = Count / 2;
  std::vector<int32_t> offset(static_cast<size_t>(Count));
  int32_t v = -Amount;
  if (Amount > half) {
    int32_t step = Amount / half;
    for (int32_t i = 1; i <= Count; ++i) {
      offset[static_cast<size_t>(i - 1)] = v;
      v += step;
      if (i == half) step = -step;
    }
  } else {
    const int32_t every = half / Amount;
    int32_t next = every;
    for (int32_t i = 1; i <= Count; ++i) {
      offset[static_cast<size_t>(i - 1)] = v;
      if (i == next) {
        next += every;
        v += i < half ? 1 : -1;
      }
    }
  }
  const int64_t first = std::max<int64_t>(Left, 0);
  const int64_t last = std::min<int64_t>(int64_t{Left} + Count, bitmap.Width());
  if (first >= last) return;
  const int32_t* off = offset.data() + (first - Left);
  const int32_t n = static_cast<int32_t>(last - first);
  for (int32_t y = 0; y < bitmap.Height(); ++y) {
    uint32_t* row = bitmap.Row(y) + first;
    for (int32_t i = 0; i < n; ++i) row[i] = AddClamped(row[i], off[i]);
  }
}

void ShadeRows(Bitmap32& bitmap, int32_t Amount, int32_t Top, int32_t Count) {
  if (Count <= 1 || Amount == 0) return;
  const int32_t half = Count / 2;
  int32_t every;
  int32_t step;
  if (half < Amount) {
    every = 1;
    step = Amount / half;
  } else {
    every = half / Amount;
    step = 1;
  }
  int32_t v = -Amount;
  int32_t next = every;
  for (int32_t k = 1; k <= Count; ++k) {
    const int64_t y = int64_t{Top} + Count - k;
    if (y >= 0 && y < bitmap.Height()) {
      uint32_t* row = bitmap.Row(static_cast<int32_t>(y));
      for (int32_t x = 0; x < bitmap.Width(); ++x) row[x] = AddClamped(row[x], v);
    }
    if (k == next) {
      v += k < half ? step : -step;
      next += every;
    }
  }
}

}  // namespace kv
