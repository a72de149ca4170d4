#include "render/fit_scene.h"

#include <algorithm>
#include <utility>

#include "base/rounding.h"
#include "render/smooth_resize.h"
#include "render/stretch_to_fit.h"

namespace kv {

void FitScene(bool proportional, TProject& scene, int32_t width, int32_t height) {
  const int32_t bgW = scene.Background.Width();
  const int32_t bgH = scene.Background.Height();
  if (scene.Background.Empty() || width <= 0 || height <= 0) return;

  if (proportional) {
    const double ratio = static_cast<double>(bgW) / bgH;
    if (bgW > (int64_t{bgH} * width) / height) {
      height = std::max(1, RoundHalfEven(width / ratio));
    } else {
      width = std::max(1, RoundHalfEven(height * ratio));
    }
  }

  for (TWaveParam& area : scene.WaveAreas) {
    area.Amplitude = RoundHalfEven(static_cast<double>(width) / bgW * area.Amplitude);
    area.ColumnJitter = RoundHalfEven(static_cast<double>(height) / bgH * area.ColumnJitter);
  }

  Bitmap32 background(width, height);
  SmoothResize(scene.Background, background);
  scene.Background = std::move(background);

  if (!scene.AreaMask.Empty()) {
    Bitmap32 mask(width, height, 0);
    StretchToFit(scene.AreaMask, mask);
    scene.AreaMask = std::move(mask);
  }
}

}  // namespace kv
