#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "image/bitmap32.h"

namespace kv {

// An effect draws part of `image` over `work` (which holds the old picture on
// entry) for progress P in 0..100; X and Y are the extents for P (see
// EffectExtents). Both bitmaps are W x H. Stateless: the same inputs give the
// same result, except for effects whose edges carry random jitter.
using TEffectProc = void (*)(Bitmap32& work, const Bitmap32& image, int32_t W, int32_t H, int32_t X,
                             int32_t Y, int32_t P);

struct TEffect {
  std::string_view Name;
  TEffectProc Proc;
};

inline constexpr int32_t kEffectCount = 169;

// Procedures by effect number; index 0 is unused. Each family file fills its
// own numbers (see effect_table.cpp).
using EffectProcTable = std::array<TEffectProc, kEffectCount + 1>;

// The effect table, numbered 1..169 (Effects()[0] is an empty record).
const std::array<TEffect, kEffectCount + 1>& Effects();

// X and Y for progress P, keeping the picture's proportions.
struct EffectExtents {
  int32_t X;
  int32_t Y;
};
EffectExtents ComputeExtents(int32_t W, int32_t H, int32_t P);

}  // namespace kv
