#include "game/combat/rules.h"

#include <algorithm>

#include "core/checked.h"
#include "core/rounding.h"

namespace combat {

void grow(core::RandomSource& rng, int32_t& meter, int32_t agility) {
  const int r = rng.Random(core::sat_sub(40, core::sat_mul(2, agility)));
  int32_t gain = r > 2 ? 1 : rng.Random(agility) + 1;
  gain = std::min(gain, 10);
  meter = core::sat_add(meter, gain);
}

int bar_width(int32_t ready) {
  return std::max(0, core::round32(core::Round(ready / 2.0L)));
}

int32_t after_armor(int32_t roll, int32_t armor) {
  return std::max(0, core::sat_sub(roll, armor));
}

int32_t protect(core::RandomSource& rng, int32_t d, int32_t p) {
  d = p > d ? 0 : core::sat_sub(d, p);
  if (d <= p) d = rng.Random(d) + 1;
  return d;
}

}  // namespace combat
