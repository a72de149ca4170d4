#include "base/rounding.h"

#include <cmath>
#include <limits>

namespace kv {

int64_t RoundHalfEven64(double value) {
  if (!std::isfinite(value)) return 0;
  // nearbyint uses the current rounding mode, which is round-to-nearest-even.
  const double r = std::nearbyint(value);
  if (r >= 9.2233720368547758e18) return std::numeric_limits<int64_t>::max();
  if (r <= -9.2233720368547758e18) return std::numeric_limits<int64_t>::min();
  return static_cast<int64_t>(r);
}

int32_t RoundHalfEven(double value) {
  const int64_t r = RoundHalfEven64(value);
  if (r > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (r < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(r);
}

int32_t MulDiv(int32_t a, int32_t b, int32_t c) {
  if (c == 0) return -1;
  const int64_t num = static_cast<int64_t>(a) * b;
  const bool negative = (num < 0) != (c < 0);
  const uint64_t un = num < 0 ? static_cast<uint64_t>(-num) : static_cast<uint64_t>(num);
  const uint64_t uc = c < 0 ? static_cast<uint64_t>(-static_cast<int64_t>(c)) : static_cast<uint64_t>(c);
  const uint64_t q = (un + uc / 2) / uc;
  if (q > static_cast<uint64_t>(std::numeric_limits<int32_t>::max())) return -1;
  return negative ? -static_cast<int32_t>(q) : static_cast<int32_t>(q);
}

int32_t Trunc(double value) {
  if (!std::isfinite(value)) return 0;
  if (value >= 2147483647.0) return std::numeric_limits<int32_t>::max();
  if (value <= -2147483648.0) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(value);
}

}  // namespace kv
