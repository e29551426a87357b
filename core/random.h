#pragma once
// The game's one random source: Random(n) is uniform in 0 .. n-1, and 0 for
// n <= 0. Re-seeding "from the clock" is the caller's business: it asks the
// runtime for the seed, so tests and scripts can fix every draw.
#include <cstdint>
#include <random>

namespace core {

class RandomSource {
 public:
  explicit RandomSource(uint32_t seed = 1) { seed_with(seed); }
  void seed_with(uint32_t seed) { engine_.seed(seed); }
  int Random(int n);

 private:
  std::mt19937 engine_;
};

}  // namespace core
