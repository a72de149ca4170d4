#pragma once

#include <cstdint>

namespace kv {

// Nearest integer, halves to even (the system's default rounding).
int32_t RoundHalfEven(double value);
int64_t RoundHalfEven64(double value);

// a * b / c with a 64-bit intermediate, rounded half away from zero.
// Returns -1 when c is 0 or the result does not fit 32 bits.
int32_t MulDiv(int32_t a, int32_t b, int32_t c);

// Integer division truncating towards zero, and the remainder with the sign
// of the dividend (what C++ / and % already do; named so the intent shows).
constexpr int32_t TruncDiv(int32_t a, int32_t b) { return a / b; }
constexpr int32_t TruncMod(int32_t a, int32_t b) { return a % b; }

// Real to integer towards zero.
int32_t Trunc(double value);

}  // namespace kv
