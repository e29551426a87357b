#include "core/random.h"

namespace core {

int RandomSource::Random(int n) {
  if (n <= 0) return 0;
  // Scale one 32-bit draw into 0 .. n-1.
  return static_cast<int>((uint64_t{engine_()} * static_cast<uint64_t>(n)) >> 32);
}

}  // namespace core
