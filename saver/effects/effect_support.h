#pragma once

#include <cstddef>
#include <cstdint>

#include "image/bitmap32.h"
#include "saver/effects/effect.h"
#include "saver/effects/raster.h"

namespace kv {

// The parameter list of an effect procedure, for the family files' lambdas.
#define KV_EFFECT_ARGS                                                                                      \
  [[maybe_unused]] Bitmap32 &work, [[maybe_unused]] const Bitmap32 &image, [[maybe_unused]] int32_t W,     \
      [[maybe_unused]] int32_t H, [[maybe_unused]] int32_t X, [[maybe_unused]] int32_t Y,                  \
      [[maybe_unused]] int32_t P

// Runs a stateless effect and, at P >= 100, completes the new picture: some
// geometries halve odd sizes and would leave a line of the old picture.
template <class Draw>
void RunEffect(Bitmap32& work, const Bitmap32& image, int32_t W, int32_t H, int32_t X, int32_t Y, int32_t P) {
  Draw{}(work, image, W, H, X, Y, P);
  if (P >= 100) CopyBlock(work, 0, 0, W, H, image, 0, 0);
}

template <class Draw>
void SetEffect(EffectProcTable& table, int32_t number, Draw) {
  table[static_cast<size_t>(number)] = &RunEffect<Draw>;
}

template <TEffectProc Draw>
struct CallProc {
  void operator()(Bitmap32& work, const Bitmap32& image, int32_t W, int32_t H, int32_t X, int32_t Y,
                  int32_t P) const {
    Draw(work, image, W, H, X, Y, P);
  }
};

template <TEffectProc Draw>
void SetEffect(EffectProcTable& table, int32_t number) {
  table[static_cast<size_t>(number)] = &RunEffect<CallProc<Draw>>;
}

}  // namespace kv
