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
  for (int32_t y = 0; y < work.Height(); ++y) {
    const int64_t dy = y - py;
    // Offsets at work column x are c * x + a0 (horizontal) and s * x + b0.
    const int64_t a0 = -px * c - dy * s;
    const int64_t b0 = -px * s + dy * c;
    int64_t first = 0;
    int64_t last = work.Width() - 1;
    Constrain(c, a0, xLo, xHi, first, last);
    Constrain(s, b0, yLo, yHi, first, last);
    if (first > last) continue;
    uint32_t* dst = work.Row(y);
    int64_t a = c * first + a0;
    int64_t b = s * first + b0;
    for (int64_t x = first; x <= last; ++x, a += c, b += s) {
      dst[x] = image.Row(static_cast<int32_t>(py + (b >> 16)))[px + (a >> 16)];
    }
  }
}

}  // namespace kv
