#pragma once

#include <cstdint>

#include "scene/project.h"

namespace kv {

// Scales a loaded scene to width x height (or, when proportional, to the
// largest size of the background's aspect ratio inside it): the background
// bilinearly, the area mask by nearest pixel (it keeps exactly 0 and the
// area colours), and each area's Amplitude and ColumnJitter by the width and
// height ratios, rounded half to even. A scene with an empty background (a
// failed load) or a target without pixels is left as it is.
void FitScene(bool proportional, TProject& scene, int32_t width, int32_t height);

}  // namespace kv
