#include "render/column_jitter.h"

#include <algorithm>

#include "base/random.h"

namespace kv {

void BuildJitter(const std::array<int32_t, kWaterAreaCount>& columnJitter, int32_t width,
                 TColumnJitter& jitter) {
  const size_t columns = static_cast<size_t>(std::max(width, 0));
  for (size_t k = 0; k < jitter.size(); ++k) {
    jitter[k].assign(columns, 0);
    if (columnJitter[k] <= 0) continue;
    for (int32_t& r : jitter[k]) r = Random(columnJitter[k]);
  }
}

}  // namespace kv
