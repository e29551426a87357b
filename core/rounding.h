#pragma once
// Rounding as the game does it everywhere: to the nearest integer, halves to
// the even neighbour (74.5 -> 74, 75.5 -> 76). Divisions that the rules ask to
// be done in 80-bit extended precision use long double (x86 extended) operands,
// e.g. Round(9 / 1.2L) == 7 and Round(21 / 1.2L) == 18.
#include <cstdint>

namespace core {

int64_t Round(long double x);

}  // namespace core
