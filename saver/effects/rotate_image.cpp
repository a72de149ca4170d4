#include "saver/effects/rotate_image.h"

#include <algorithm>
#include <cmath>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

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

// One run of n work pixels: pixel i takes the source at offsets a + i * c and
// b + i * s from the pivot (16.16, floored); every one lies inside the image.
struct TurnedRun {
  uint32_t* dst;
  int64_t n;
  const uint32_t* src;
  int64_t stride, px, py, a, b, c, s;
};

void CopyTurnedRun(const TurnedRun& r) {
  int64_t a = r.a;
  int64_t b = r.b;
  for (int64_t i = 0; i < r.n; ++i, a += r.c, b += r.s)
    r.dst[i] = r.src[(r.py + (b >> 16)) * r.stride + r.px + (a >> 16)];
}

#if defined(__x86_64__)
// Eight pixels at a time with 32-bit offsets and a gather; the caller makes
// sure every offset, pivot coordinate and pixel index fits 32 bits.
__attribute__((target("avx2"))) void CopyTurnedRunAvx2(const TurnedRun& r) {
  const __m256i lane = _mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7);
  __m256i va = _mm256_add_epi32(_mm256_set1_epi32(static_cast<int32_t>(r.a)),
                                _mm256_mullo_epi32(lane, _mm256_set1_epi32(static_cast<int32_t>(r.c))));
  __m256i vb = _mm256_add_epi32(_mm256_set1_epi32(static_cast<int32_t>(r.b)),
                                _mm256_mullo_epi32(lane, _mm256_set1_epi32(static_cast<int32_t>(r.s))));
  const __m256i stepA = _mm256_set1_epi32(static_cast<int32_t>(8 * r.c));
  const __m256i stepB = _mm256_set1_epi32(static_cast<int32_t>(8 * r.s));
  const __m256i px = _mm256_set1_epi32(static_cast<int32_t>(r.px));
  const __m256i py = _mm256_set1_epi32(static_cast<int32_t>(r.py));
  const __m256i stride = _mm256_set1_epi32(static_cast<int32_t>(r.stride));
  const int* src = reinterpret_cast<const int*>(r.src);
  int64_t i = 0;
  for (; i + 8 <= r.n; i += 8) {
    const __m256i sx = _mm256_add_epi32(_mm256_srai_epi32(va, 16), px);
    const __m256i sy = _mm256_add_epi32(_mm256_srai_epi32(vb, 16), py);
    const __m256i index = _mm256_add_epi32(_mm256_mullo_epi32(sy, stride), sx);
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(r.dst + i), _mm256_i32gather_epi32(src, index, 4));
    va = _mm256_add_epi32(va, stepA);
    vb = _mm256_add_epi32(vb, stepB);
  }
  TurnedRun rest = r;
  rest.dst += i;
  rest.n -= i;
  rest.a += i * r.c;
  rest.b += i * r.s;
  CopyTurnedRun(rest);
}
#endif

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
  void (*copyRun)(const TurnedRun&) = CopyTurnedRun;
#if defined(__x86_64__)
  // Offsets stay within +-2^30 and indices within 2^28 for these sizes.
  constexpr int64_t kSmall = 8192;
  if (__builtin_cpu_supports("avx2") && std::abs(px) <= kSmall && std::abs(py) <= kSmall &&
      image.Width() <= kSmall && image.Height() <= kSmall && work.Width() <= kSmall)
    copyRun = CopyTurnedRunAvx2;
#endif
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
        copyRun({work.Row(top + i) + first, last - first + 1, src, stride, px, py, c * first + row.a0,
                 s * first + row.b0, c, s});
      }
    }
  }
}

}  // namespace kv
