#pragma once
// The fight's arithmetic: the readiness rule shared by the player and the
// enemies, the bar widths, armour and protection.
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

// One damage roll of the player after the enemy's armour (never below 0).
int32_t after_armor(int32_t roll, int32_t armor);

// An enemy's damage d after the player's protection p: the excess over p
// when it is larger than p, else a draw of 1 .. excess (exactly 1 when the
// roll does not pass the protection). Every hit costs at least 1.
int32_t protect(core::RandomSource& rng, int32_t d, int32_t p);

}  // namespace combat
