#include "saver/effects/rotate_image.h"

#include <algorithm>
#include <cmath>

namespace kv {
namespace {

int64_t FloorDiv(int64_t a, int64_t b) {
  int64_t q = a / b;
  if (a % b != 0 && ((a < 0) != (b < 0))) --q;
  return q;
}

int64_t CeilDiv(int64_t a, int64_t b) {
  int64_t q = a / b;
  if (a % b != 0 && ((a < 0) == (b < 0))) ++q;
  return q;
}

// Narrows [first, last] to the integers x with lo <= k * x + m <= hi.
void Constrain(int64_t k, int64_t m, int64_t lo, int64_t hi, int64_t& first, int64_t& last) {
  if (k == 0) {
    if (m < lo || m > hi) last = first - 1;
    return;
  }
  if (k > 0) {
    first = std::max(first, CeilDiv(lo - m, k));
    last = std::min(last, FloorDiv(hi - m, k));
  } else {
    first = std::max(first, CeilDiv(hi - m, k));
    last = std::min(last, FloorDiv(lo - m, k));
  }
}

}  // namespace

void RotateImage(Bitmap32& work, const Bitmap32& image, int32_t pivotX, double angle, int32_t pivotY) {
  if (work.Empty() || image.Empty() || !std::isfinite(angle)) return;
  const int64_t c = static_cast<int64_t>(std::cos(angle) * 65536.0);
  const int64_t s = static_cast<int64_t>(std::sin(angle) * 65536.0);
  const int64_t px = pivotX;
  const int64_t py = pivotY;
  // The source offsets, before the shift, must lie in these ranges for the
  // source pixel to fall inside the image.
  const int64_t xLo = -px * 65536;
  const int64_t xHi = (image.Width() - px) * 65536 - 1;
  const int64_t yLo = -py * 65536;
  const int64_t yHi = (image.Height() - py) * 65536 - 1;
  // Rows are worked in bands and each band in column tiles, so that the
  // source pixels a tile reads (a turned tile) stay in the cache.
  constexpr int32_t kBand = 32;
  constexpr int64_t kTile = 64;
  struct RowSpan {
    int64_t first, last, a0, b0;
  };
  RowSpan rows[kBand];
  const uint32_t* src = image.Bits();
  const int64_t stride = image.Stride();
  for (int32_t top = 0; top < work.Height(); top += kBand) {
    const int32_t count = std::min(kBand, work.Height() - top);
    int64_t bandFirst = work.Width();
    int64_t bandLast = -1;
    for (int32_t i = 0; i < count; ++i) {
      const int64_t dy = top + i - py;
      // Offsets at work column x are c * x + a0 (horizontal) and s * x + b0.
      RowSpan& row = rows[i];
      row.a0 = -px * c - dy * s;
      row.b0 = -px * s + dy * c;
      row.first = 0;
      row.last = work.Width() - 1;
      Constrain(c, row.a0, xLo, xHi, row.first, row.last);
      Constrain(s, row.b0, yLo, yHi, row.first, row.last);
      if (row.first <= row.last) {
        bandFirst = std::min(bandFirst, row.first);
        bandLast = std::max(bandLast, row.last);
      }
    }
    for (int64_t left = bandFirst; left <= bandLast; left += kTile) {
      const int64_t right = std::min(left + kTile - 1, bandLast);
      for (int32_t i = 0; i < count; ++i) {
        const RowSpan& row = rows[i];
        const int64_t first = std::max(row.first, left);
        const int64_t last = std::min(row.last, right);
        if (first > last) continue;
        uint32_t* dst = work.Row(top + i);
        int64_t a = c * first + row.a0;
        int64_t b = s * first + row.b0;
        for (int64_t x = first; x <= last; ++x, a += c, b += s)
          dst[x] = src[(py + (b >> 16)) * stride + px + (a >> 16)];
      }
    }
  }
}

}  // namespace kv
