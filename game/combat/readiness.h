#pragma once
// The readiness rule shared by the player and the enemies.
#include <cstdint>

#include "core/random.h"

namespace combat {

// Grows a readiness meter by one tick's gain for the given agility: mostly
// 1, and with odds 3 in (40 - 2 x agility) a burst of 1 .. agility, at most
// 10. A range of zero or below draws 0, so every tick then bursts. The sum
// stops at the 32-bit limit.
void grow(core::RandomSource& rng, int32_t& meter, int32_t agility);

// The width of a readiness bar: half the meter, halves to even, never below 0.
int bar_width(int32_t ready);

}  // namespace combat
