#include "core/rounding.h"

#include <cmath>
#include <limits>

namespace core {

int64_t Round(long double x) {
  // Done by hand rather than with rintl so that the result does not depend on
  // the floating-point rounding mode. x - floor(x) is exact.
  if (std::isnan(x)) return 0;
  const long double lower = std::floor(x);
  const long double fraction = x - lower;
  long double result = lower;
  if (fraction > 0.5L) {
    result = lower + 1;
  } else if (fraction == 0.5L) {
    result = std::fmod(lower, 2.0L) == 0 ? lower : lower + 1;
  }
  // Out-of-range values saturate instead of overflowing.
  constexpr auto kMax = std::numeric_limits<int64_t>::max();
  constexpr auto kMin = std::numeric_limits<int64_t>::min();
  if (result >= static_cast<long double>(kMax)) return kMax;
  if (result <= static_cast<long double>(kMin)) return kMin;
  return static_cast<int64_t>(result);
}

}  // namespace core
